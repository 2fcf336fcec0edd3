// The common controls: the IP address control's messages and mouse tracking.
#pragma once

#include "WinUser.h"

constexpr UINT IPM_CLEARADDRESS = WM_USER + 100;
constexpr UINT IPM_SETADDRESS = WM_USER + 101;
constexpr UINT IPM_GETADDRESS = WM_USER + 102;
constexpr UINT IPM_SETFOCUS = WM_USER + 104;
constexpr UINT IPM_ISBLANK = WM_USER + 105;

constexpr LPARAM MAKEIPADDRESS(BYTE b1, BYTE b2, BYTE b3, BYTE b4) {
    return static_cast<LPARAM>((DWORD(b1) << 24) | (DWORD(b2) << 16) | (DWORD(b3) << 8) |
                               DWORD(b4));
}
constexpr BYTE FIRST_IPADDRESS(DWORD x) {
    return static_cast<BYTE>((x >> 24) & 0xFF);
}
constexpr BYTE SECOND_IPADDRESS(DWORD x) {
    return static_cast<BYTE>((x >> 16) & 0xFF);
}
constexpr BYTE THIRD_IPADDRESS(DWORD x) {
    return static_cast<BYTE>((x >> 8) & 0xFF);
}
constexpr BYTE FOURTH_IPADDRESS(DWORD x) {
    return static_cast<BYTE>(x & 0xFF);
}

// Mouse tracking.
constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;

struct TRACKMOUSEEVENT {
    DWORD cbSize = 0;
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};
using LPTRACKMOUSEEVENT = TRACKMOUSEEVENT*;

// Asks for hover and leave notifications for a window; nonzero on success.
BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack);

// Registers the common control classes; the engine's are always there.
constexpr DWORD ICC_STANDARD_CLASSES = 0x00004000;
constexpr DWORD ICC_INTERNET_CLASSES = 0x00000800;
struct INITCOMMONCONTROLSEX {
    DWORD dwSize = 0;
    DWORD dwICC = 0;
};
inline BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
    return picce != nullptr && picce->dwSize == sizeof(INITCOMMONCONTROLSEX) ? TRUE : FALSE;
}
