// The framework's string: text in the program's characters (TCHAR), which the Windows API's
// text functions take as they are. Lengths and positions count characters of that type.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <type_traits>

class CString {
public:
    using Storage = std::basic_string<TCHAR>;

    CString() = default;
    CString(LPCTSTR psz) : m_str(psz != nullptr ? psz : Storage()) {}
    CString(LPCTSTR pch, int nLength) : m_str(pch, static_cast<std::size_t>(nLength)) {}
    CString(Storage str) : m_str(std::move(str)) {}
    // Text in UTF-8, the program's own source texts, where the characters are wider.
    template <class Utf8>
    requires(std::is_same_v<Utf8, std::string> && !std::is_same_v<TCHAR, char>)
        CString(const Utf8& utf8) {
        const int units =
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
        m_str.resize(static_cast<std::size_t>(units));
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), m_str.data(),
                            units);
    }
    template <class Utf8>
    requires(std::is_same_v<Utf8, char> && !std::is_same_v<TCHAR, char>) CString(const Utf8* utf8)
        : CString(std::string(utf8 != nullptr ? utf8 : "")) {}
    // UTF-16 text (a BSTR) where the characters are narrower.
    template <class Wide>
    requires(std::is_same_v<Wide, WCHAR> && !std::is_same_v<TCHAR, WCHAR>)
        CString(const Wide* wide) {
        if (wide == nullptr) {
            return;
        }
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        m_str.resize(static_cast<std::size_t>(bytes > 0 ? bytes : 1));
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, m_str.data(), bytes, nullptr, nullptr);
        m_str.pop_back();
    }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    LPCTSTR GetString() const { return m_str.c_str(); }
    operator LPCTSTR() const { return m_str.c_str(); }
    TCHAR GetAt(int nIndex) const { return m_str.at(static_cast<std::size_t>(nIndex)); }
    // The first nCount characters (all of them when there are fewer).
    CString Left(int nCount) const {
        return CString(m_str.substr(0, nCount < 0 ? 0 : static_cast<std::size_t>(nCount)));
    }
    // The text as a new BSTR, which the caller frees; throws std::bad_alloc when it cannot.
    BSTR AllocSysString() const;
    // Loads string resource nID; FALSE, leaving the string empty, when there is none.
    BOOL LoadString(UINT nID);

    CString& operator+=(const CString& str) {
        m_str += str.m_str;
        return *this;
    }
    CString& operator+=(LPCTSTR psz) {
        m_str += psz != nullptr ? psz : Storage();
        return *this;
    }
    friend CString operator+(CString lhs, const CString& rhs) { return lhs += rhs; }
    friend CString operator+(CString lhs, LPCTSTR rhs) { return lhs += rhs; }
    friend bool operator==(const CString& lhs, const CString& rhs) {
        return lhs.m_str == rhs.m_str;
    }
    friend bool operator==(const CString& lhs, LPCTSTR rhs) {
        return lhs.m_str == (rhs != nullptr ? rhs : Storage());
    }

private:
    Storage m_str;
};
