// A growable array of bytes, as the framework's collection class offers it.
#pragma once

#include <windows.h>

#include <vector>

class CByteArray {
public:
    CByteArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    // Grows with zero bytes or cuts to the new size; a negative size throws.
    void SetSize(INT_PTR nNewSize);
    INT_PTR Add(BYTE newElement) {
        m_data.push_back(newElement);
        return GetSize() - 1;
    }

    // Element access; an index outside the array throws std::out_of_range.
    BYTE GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, BYTE newElement) { m_data[Checked(nIndex)] = newElement; }

    const std::vector<BYTE>& Bytes() const { return m_data; }

private:
    std::size_t Checked(INT_PTR nIndex) const;

    std::vector<BYTE> m_data;
};
