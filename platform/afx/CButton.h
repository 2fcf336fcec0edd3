// The button object. An owner-drawn button draws itself: the parent's owner-draw request
// comes back to DrawItem.
#pragma once

#include "platform/afx/CWnd.h"

class CButton : public CWnd {
public:
    // Draws an owner-drawn button; the default draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
