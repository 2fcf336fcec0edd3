// A hover-frame edit that lets tests see its flags, counts its hover calls and the
// messages it receives, and whose own handlers give the pointer messages distinct results.
#pragma once

#include "controls/HoverFrameEdit.h"

#include <map>

namespace test {

// Results the probe's handlers give, so tests can see them come back unchanged.
constexpr LRESULT kMoveResult = 41;
constexpr LRESULT kHoverResult = 42;
constexpr LRESULT kLeaveResult = 43;

class EditProbe : public CHoverFrameEdit {
public:
    bool Tracking() const { return m_bTracking; }
    bool Hover() const { return m_bHover; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        ++m_received[message];
        return CHoverFrameEdit::WindowProc(message, wParam, lParam);
    }
    void OnHoverStart() override {
        ++m_hoverStarts;
        CHoverFrameEdit::OnHoverStart();
    }
    void OnHoverEnd() override {
        ++m_hoverEnds;
        CHoverFrameEdit::OnHoverEnd();
    }

    int Received(UINT message) const {
        const auto it = m_received.find(message);
        return it != m_received.end() ? it->second : 0;
    }
    int m_hoverStarts = 0;
    int m_hoverEnds = 0;

protected:
    LRESULT OnMoveProbe(WPARAM, LPARAM) { return kMoveResult; }
    LRESULT OnHoverProbe(WPARAM, LPARAM) { return kHoverResult; }
    LRESULT OnLeaveProbe(WPARAM, LPARAM) { return kLeaveResult; }

    DECLARE_MESSAGE_MAP()

private:
    std::map<UINT, int> m_received;
};

} // namespace test
