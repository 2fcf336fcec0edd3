// GDI constants with their Win32 values, the font description record, and the GDI and USER
// drawing functions with their Win32 names, signatures and behaviour; the framework's
// drawing classes (CDC, CGdiObject and its kinds) are written on these calls alone.
#pragma once

#include "WinDef.h"

// The colour value a colour query answers when it has no device context to ask.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;
constexpr int PS_STYLE_MASK = 0x0000000F;

// Object types, as GetObjectType returns them and GetCurrentObject takes them.
constexpr UINT OBJ_PEN = 1;
constexpr UINT OBJ_BRUSH = 2;
constexpr UINT OBJ_FONT = 6;
constexpr UINT OBJ_BITMAP = 7;
constexpr UINT OBJ_REGION = 8;

// Device capabilities, as GetDeviceCaps takes them.
constexpr int LOGPIXELSY = 90;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_GUI_FONT = 17;

// System colour indices.
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_3DFACE = 15;
constexpr int COLOR_3DSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_3DHILIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;

// System metrics, as GetSystemMetrics takes them.
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXBORDER = 5;

// Edge kinds for DrawEdge: the sunken rings.
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;

// Edge flags for DrawEdge; the edge runs round the whole rectangle (BF_RECT).
constexpr UINT BF_RECT = 0x000F;
constexpr UINT BF_MIDDLE = 0x0800;
constexpr UINT BF_ADJUST = 0x2000;
constexpr UINT BF_FLAT = 0x4000;

// DrawState kinds and states.
constexpr UINT DST_TEXT = 0x0001;
constexpr UINT DST_PREFIXTEXT = 0x0002;
constexpr UINT DSS_NORMAL = 0x0000;
constexpr UINT DSS_DISABLED = 0x0020;

// DrawText formats.
constexpr UINT DT_LEFT = 0x00000000;
constexpr UINT DT_CENTER = 0x00000001;
constexpr UINT DT_VCENTER = 0x00000004;
constexpr UINT DT_WORDBREAK = 0x00000010;
constexpr UINT DT_SINGLELINE = 0x00000020;
constexpr UINT DT_CALCRECT = 0x00000400;
constexpr UINT DT_NOPREFIX = 0x00000800;

// Resource types of images.
constexpr UINT RT_BITMAP = 2;
constexpr UINT RT_GROUP_ICON = 14;

// Region kinds returned by region operations.
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// Character sets.
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr int LF_FACESIZE = 32;

// A logical font description, as CreateFontIndirect takes it: the height, the character set
// and the face.
struct LOGFONT {
    LONG lfHeight = 0;
    BYTE lfCharSet = DEFAULT_CHARSET;
    TCHAR lfFaceName[LF_FACESIZE] = {};
};

// Draws a DST_COMPLEX image, as DrawState calls it.
using DRAWSTATEPROC = BOOL (*)(HDC hdc, LPARAM lData, WPARAM wData, int cx, int cy);

// Every function given a null HDC, handle or pointer it needs fails: 0, FALSE, nullptr, or
// CLR_INVALID for colours.

// Device context state (GdiState.cpp).
int SaveDC(HDC hdc);
// Restores the state saved at that level (negative: relative to the last save) and drops it
// and every later one.
BOOL RestoreDC(HDC hdc, int nSavedDC);
// Selects a pen, brush, font or bitmap; returns the previous object of that kind.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
// The selected object of an OBJ_PEN, OBJ_BRUSH, OBJ_FONT or OBJ_BITMAP type.
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
// Moves the current position; the previous one goes to lppt unless it is null.
BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL GetCurrentPositionEx(HDC hdc, LPPOINT lppt);
int GetDeviceCaps(HDC hdc, int index);

// Lines, figures and fills (GdiDrawing.cpp, GdiEdge.cpp). Rectangles leave out their right
// column and bottom row.
// Draws from the current position up to, not including, (x, y), which becomes current.
BOOL LineTo(HDC hdc, int x, int y);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height);
int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags);
// Inverts every other pixel of the rectangle's one-pixel frame; a second call erases it.
BOOL DrawFocusRect(HDC hDC, const RECT* lprc);

// Text and images (GdiText.cpp).
BOOL GetTextExtentPoint32(HDC hdc, LPCTSTR lpString, int c, LPSIZE psizl);
// Draws (or with DT_CALCRECT measures) text; cchText -1: terminated. Returns its height.
int DrawText(HDC hdc, LPCTSTR lpchText, int cchText, LPRECT lprc, UINT format);
// Draws text (DST_TEXT, DST_PREFIXTEXT: lData the text, wData its length or 0 when it is
// terminated) normally or embossed (DSS_DISABLED).
BOOL DrawState(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData, WPARAM wData,
               int x, int y, int cx, int cy, UINT uFlags);
BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon);

// Objects (GdiObjects.cpp).
HPEN CreatePen(int iStyle, int cWidth, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
// A brush tiling the bitmap from the brush origin; the bitmap may be deleted afterwards.
HBRUSH CreatePatternBrush(HBITMAP hbm);
HFONT CreateFontIndirect(const LOGFONT* lplf);
HRGN CreateRectRgn(int x1, int y1, int x2, int y2);
HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h);
BOOL PtInRegion(HRGN hrgn, int x, int y);
// The bounding rectangle; returns the region kind (NULLREGION, SIMPLEREGION, ...).
int GetRgnBox(HRGN hrgn, LPRECT lprc);
// OBJ_PEN, OBJ_BRUSH, ...; 0 for a null handle.
DWORD GetObjectType(HGDIOBJ h);
// Deletes the object now, or once no device context has it selected; stock objects stay.
BOOL DeleteObject(HGDIOBJ ho);
// A region handle converts to HGDIOBJ only where its class is complete; this overload lets
// code that sees only the handle type delete it as on Win32.
BOOL DeleteObject(HRGN hRgn);
// A bitmap resource by MAKEINTRESOURCE id.
HBITMAP LoadBitmap(HINSTANCE hInstance, LPCTSTR lpBitmapName);

// System colours, metrics and stock objects (GdiSystem.cpp).
COLORREF GetSysColor(int nIndex);
HBRUSH GetSysColorBrush(int nIndex);
int GetSystemMetrics(int nIndex);
HGDIOBJ GetStockObject(int fnObject);

inline BOOL SetRect(LPRECT lprc, int left, int top, int right, int bottom) {
    if (!lprc) {
        return FALSE;
    }
    *lprc = RECT{left, top, right, bottom};
    return TRUE;
}
