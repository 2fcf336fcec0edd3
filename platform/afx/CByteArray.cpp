// The byte array: bounds are checked, since a bad index is a fault worth reporting.
#include "platform/afx/CByteArray.h"

#include <stdexcept>

void CByteArray::SetSize(INT_PTR nNewSize) {
    if (nNewSize < 0) {
        throw std::invalid_argument("CByteArray::SetSize: negative size");
    }
    m_data.resize(static_cast<std::size_t>(nNewSize));
}

std::size_t CByteArray::Checked(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= GetSize()) {
        throw std::out_of_range("CByteArray: index outside the array");
    }
    return static_cast<std::size_t>(nIndex);
}
