// The framework's string.
#include "platform/afx/CString.h"

#include <new>

BSTR CString::AllocSysString() const {
#ifdef _UNICODE
    BSTR text = SysAllocStringLen(m_str.data(), static_cast<UINT>(m_str.size()));
#else
    const int size = static_cast<int>(m_str.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, m_str.data(), size, nullptr, 0);
    BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(units));
    if (text != nullptr) {
        MultiByteToWideChar(CP_UTF8, 0, m_str.data(), size, text, units);
    }
#endif
    if (text == nullptr) {
        throw std::bad_alloc();
    }
    return text;
}
