// The framework's string.
#include "platform/afx/CString.h"

#include "platform/afx/Resources.h"

#include <new>

namespace {
constexpr std::size_t kLoadStringChunk = 256;
}

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

BOOL CString::LoadString(UINT nID) {
    // The string's length is not known beforehand: grow the buffer until it is not filled.
    std::basic_string<TCHAR> buffer(kLoadStringChunk, TCHAR());
    for (;;) {
        const int length = ::LoadString(AfxGetInstanceHandle(), nID, buffer.data(),
                                        static_cast<int>(buffer.size()));
        if (length < static_cast<int>(buffer.size()) - 1) {
            m_str.assign(buffer.data(), static_cast<std::size_t>(length));
            return length > 0;
        }
        buffer.resize(buffer.size() * 2);
    }
}
