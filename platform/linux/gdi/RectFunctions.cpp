// The free Win32 rectangle function the program calls.
#include <windows.h>

BOOL SetRect(LPRECT lprc, int left, int top, int right, int bottom) {
    if (!lprc) {
        return FALSE;
    }
    *lprc = RECT{left, top, right, bottom};
    return TRUE;
}
