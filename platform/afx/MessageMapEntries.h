// The message-map entry macros and the thunks that unpack each message into the typed
// parameters of its handler.
#pragma once

#include "platform/afx/CDC.h"
#include "platform/afx/CPoint.h"
#include "platform/afx/CWnd.h"

#include <windowsx.h>
// windowsx.h's macro of that name would hide the window object's member.
#undef SubclassWindow

namespace afx {

template <class> struct MemberOf;
template <class C, class R, class... A> struct MemberOf<R (C::*)(A...)> { using type = C; };
template <auto F> using ClassOf = typename MemberOf<decltype(F)>::type;

template <auto F> ClassOf<F>* Target(CCmdTarget* p) {
    return static_cast<ClassOf<F>*>(p);
}

template <auto F> LRESULT Call_v_v(CCmdTarget* p, UINT, WPARAM, LPARAM) {
    (Target<F>(p)->*F)();
    return 0;
}

template <auto F> LRESULT Call_b_D(CCmdTarget* p, UINT, WPARAM w, LPARAM) {
    return (Target<F>(p)->*F)(CDC::FromHandle(reinterpret_cast<HDC>(w)));
}

template <auto F> LRESULT Call_hbr_DWu(CCmdTarget* p, UINT message, WPARAM w, LPARAM l) {
    HBRUSH brush = (Target<F>(p)->*F)(CDC::FromHandle(reinterpret_cast<HDC>(w)),
                                      CWnd::FromHandle(reinterpret_cast<HWND>(l)),
                                      message - WM_CTLCOLORMSGBOX);
    return reinterpret_cast<LRESULT>(brush);
}

template <auto F> LRESULT Call_i_CS(CCmdTarget* p, UINT, WPARAM, LPARAM l) {
    return (Target<F>(p)->*F)(reinterpret_cast<LPCREATESTRUCT>(l));
}

template <auto F> LRESULT Call_v_uL(CCmdTarget* p, UINT, WPARAM w, LPARAM l) {
    (Target<F>(p)->*F)(static_cast<UINT>(w), l);
    return 0;
}

template <auto F> LRESULT Call_h_v(CCmdTarget* p, UINT, WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>((Target<F>(p)->*F)());
}

template <auto F> LRESULT Call_v_uP(CCmdTarget* p, UINT, WPARAM w, LPARAM l) {
    (Target<F>(p)->*F)(static_cast<UINT>(w), CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));
    return 0;
}

template <auto F> LRESULT Call_v_iDIS(CCmdTarget* p, UINT, WPARAM w, LPARAM l) {
    (Target<F>(p)->*F)(static_cast<int>(w), reinterpret_cast<LPDRAWITEMSTRUCT>(l));
    return 0;
}

template <auto F> LRESULT Call_l_wl(CCmdTarget* p, UINT, WPARAM w, LPARAM l) {
    return (Target<F>(p)->*F)(w, l);
}

} // namespace afx

#define AFX_ENTRY(msg, thunk, fn) {msg, msg, 0, 0, &afx::thunk<&ThisClass::fn>},

#define ON_WM_PAINT()         AFX_ENTRY(WM_PAINT, Call_v_v, OnPaint)
#define ON_WM_NCPAINT()       AFX_ENTRY(WM_NCPAINT, Call_v_v, OnNcPaint)
#define ON_WM_ERASEBKGND()    AFX_ENTRY(WM_ERASEBKGND, Call_b_D, OnEraseBkgnd)
#define ON_WM_CREATE()        AFX_ENTRY(WM_CREATE, Call_i_CS, OnCreate)
#define ON_WM_SYSCOMMAND()    AFX_ENTRY(WM_SYSCOMMAND, Call_v_uL, OnSysCommand)
#define ON_WM_QUERYDRAGICON() AFX_ENTRY(WM_QUERYDRAGICON, Call_h_v, OnQueryDragIcon)
#define ON_WM_MOUSEMOVE()     AFX_ENTRY(WM_MOUSEMOVE, Call_v_uP, OnMouseMove)
#define ON_WM_DRAWITEM()      AFX_ENTRY(WM_DRAWITEM, Call_v_iDIS, OnDrawItem)
#define ON_WM_CTLCOLOR()                                                                           \
    {WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC, 0, 0, &afx::Call_hbr_DWu<&ThisClass::OnCtlColor>},
#define ON_MESSAGE(msg, fn)      {msg, msg, 0, 0, &afx::Call_l_wl<&ThisClass::fn>},
#define ON_COMMAND(id, fn)       {WM_COMMAND, WM_COMMAND, 0, id, &afx::Call_v_v<&ThisClass::fn>},
#define ON_CONTROL(code, id, fn) {WM_COMMAND, WM_COMMAND, code, id, &afx::Call_v_v<&ThisClass::fn>},
#define ON_BN_CLICKED(id, fn)    ON_CONTROL(BN_CLICKED, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_EN_CHANGE(id, fn)     ON_CONTROL(EN_CHANGE, id, fn)
