// Attachment and state of the device context wrapper.
#include "platform/gdi/CDC.h"

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/DeviceContext.h"

CDC* CDC::FromHandle(HDC hDC) {
    return hDC ? hDC->Wrapper() : nullptr;
}

BOOL CDC::Attach(HDC hDC) {
    if (!hDC || m_hDC) {
        return FALSE;
    }
    m_hDC = hDC;
    m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach() {
    m_hAttribDC = nullptr;
    return std::exchange(m_hDC, nullptr);
}

int CDC::SaveDC() {
    return m_hDC ? m_hDC->Save() : 0;
}

BOOL CDC::RestoreDC(int nSavedDC) {
    return m_hDC ? m_hDC->Restore(nSavedDC) : FALSE;
}

CPen* CDC::SelectObject(CPen* pPen) {
    return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen)));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}

CFont* CDC::SelectObject(CFont* pFont) {
    return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    if (!m_hDC || !pObject || !pObject->m_hObject) {
        return nullptr;
    }
    return CGdiObject::FromHandle(m_hDC->Select(pObject->m_hObject));
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    HGDIOBJ stock = ::GetStockObject(nIndex);
    if (!m_hDC || !stock) {
        return nullptr;
    }
    return CGdiObject::FromHandle(m_hDC->Select(stock));
}

CPen* CDC::GetCurrentPen() const {
    return m_hDC ? CPen::FromHandle(m_hDC->Pen()) : nullptr;
}

CBrush* CDC::GetCurrentBrush() const {
    return m_hDC ? CBrush::FromHandle(m_hDC->Brush()) : nullptr;
}

CFont* CDC::GetCurrentFont() const {
    return m_hDC ? CFont::FromHandle(m_hDC->Font()) : nullptr;
}

int CDC::SetBkMode(int nBkMode) {
    return m_hDC ? m_hDC->SetBkMode(nBkMode) : 0;
}

int CDC::GetBkMode() const {
    return m_hDC ? m_hDC->BkMode() : 0;
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return m_hDC ? m_hDC->SetBkColor(crColor) : CLR_INVALID;
}

COLORREF CDC::GetBkColor() const {
    return m_hDC ? m_hDC->BkColor() : CLR_INVALID;
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return m_hDC ? m_hDC->SetTextColor(crColor) : CLR_INVALID;
}

COLORREF CDC::GetTextColor() const {
    return m_hDC ? m_hDC->TextColor() : CLR_INVALID;
}

CPoint CDC::GetCurrentPosition() const {
    if (!m_hDC) {
        return {};
    }
    return {m_hDC->CurrentPosition().x(), m_hDC->CurrentPosition().y()};
}
