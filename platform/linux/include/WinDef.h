// Basic Win32 types, handles and macros as the program sees them.
#pragma once

#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using ULONG = std::uint32_t;
using USHORT = std::uint16_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using SHORT = std::int16_t;
using BOOL = int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ATOM = WORD;
using WCHAR = char16_t;
using COLORREF = DWORD;
using DISPID = LONG;
using VARTYPE = unsigned short;
// Text is UTF-8 throughout the program; TEXT("...") spells a literal of its characters.
using TCHAR = char;
using LPCTSTR = const char*;
using LPSTR = char*;
#define TEXT(quote) quote
// Calling conventions of callbacks; one convention only on this platform.
#define CALLBACK
#define WINAPI

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Handles: each kind its own pointer type, opaque to the program. (The system's objects
// behind them derive from these empty types.)
#define DECLARE_HANDLE(name)                                                                       \
    struct name##__ {};                                                                            \
    using name = name##__*
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HDC);
DECLARE_HANDLE(HPEN);
DECLARE_HANDLE(HBRUSH);
DECLARE_HANDLE(HFONT);
DECLARE_HANDLE(HBITMAP);
DECLARE_HANDLE(HRGN);
DECLARE_HANDLE(HICON);
DECLARE_HANDLE(HMENU);
DECLARE_HANDLE(HHOOK);
// A module's resources; the program has one module, so any value, null included, names it.
DECLARE_HANDLE(HINSTANCE);
using HGDIOBJ = void*;
using HCURSOR = HICON;

// A class identifier.
struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];

    friend bool operator==(const GUID&, const GUID&) = default;
};
using CLSID = GUID;

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};
using LPPOINT = POINT*;

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};
using LPSIZE = SIZE*;

constexpr WORD LOWORD(std::uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr DWORD MAKELONG(WORD lo, WORD hi) {
    return DWORD(lo) | (DWORD(hi) << 16);
}
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) {
    return MAKELONG(lo, hi);
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) {
    return static_cast<LPARAM>(MAKELONG(lo, hi));
}

// A numeric resource id in a resource name argument, and the test for one.
inline LPCTSTR MAKEINTRESOURCE(WORD id) {
    return reinterpret_cast<LPCTSTR>(static_cast<std::uintptr_t>(id));
}
inline bool IS_INTRESOURCE(LPCTSTR name) {
    return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}
