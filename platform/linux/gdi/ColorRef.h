// Conversions between Win32 colour values (0x00BBGGRR) and Qt colours.
#pragma once

#include <windows.h>

#include <QColor>
#include <QRgb>

namespace engine {

// The opaque Qt colour of a COLORREF.
inline QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

// The COLORREF of a Qt pixel value; alpha is dropped.
inline COLORREF ToColorRef(QRgb rgb) {
    return RGB(static_cast<BYTE>(qRed(rgb)), static_cast<BYTE>(qGreen(rgb)),
               static_cast<BYTE>(qBlue(rgb)));
}

} // namespace engine
