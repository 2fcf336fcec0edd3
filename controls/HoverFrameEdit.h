// An edit control that draws its own window frame: a flat sunken edge, and a filled pale
// green rectangle while the pointer hovers over it.
#pragma once

#include "platform/afx/Afx.h"

class CHoverFrameEdit : public CEdit {
public:
    CHoverFrameEdit();
    ~CHoverFrameEdit() override;
    CHoverFrameEdit(const CHoverFrameEdit&) = delete;
    CHoverFrameEdit& operator=(const CHoverFrameEdit&) = delete;

    // Runs the standard processing, then follows the pointer's move, hover and leave.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Called after the pointer has begun to hover over the control.
    virtual void OnHoverStart();
    // Called after the pointer has left the control.
    virtual void OnHoverEnd();

protected:
    bool m_bTracking;
    bool m_bHover;
    CBrush m_brush;

    // Message handlers.
    void OnNcPaint();

    // Asks for a repaint of the whole window, frame included.
    void RedrawFrame();

    DECLARE_MESSAGE_MAP()
};
