// Painting of the dialog's background and of its minimised icon.
#pragma once

#include "platform/afx/CPoint.h"
#include "platform/afx/CSize.h"

class CDC;
class CWnd;

// Tiles the background texture over the window's whole client area, from its top-left.
void PaintTexturedBackground(CWnd* pWnd, CDC* pDC);
// Paints the icon of a minimised window, centred in its client area.
void PaintMinimizedIcon(CWnd* pWnd, HICON hIcon);
// Where an icon goes to be centred; an odd leftover pixel goes to the far side.
CPoint CenteredIconOrigin(CSize client, CSize icon);
