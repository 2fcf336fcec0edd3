#include "dialog/DialogLook.h"

#include "platform/afx/Afx.h"
#include "platform/afx/CPaintDC.h"
#include "res/Resource.h"

void PaintTexturedBackground(CWnd* pWnd, CDC* pDC) {
    CBitmap bitmap;
    bitmap.LoadBitmap(IDB_BACKGROUND);
    CBrush brush(&bitmap);
    CRect rect;
    pWnd->GetClientRect(&rect);
    pDC->FillRect(&rect, &brush);
    brush.DeleteObject();
    bitmap.DeleteObject();
}

void PaintMinimizedIcon(CWnd* pWnd, HICON hIcon) {
    CPaintDC dc(pWnd);
    pWnd->SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect rect;
    pWnd->GetClientRect(&rect);
    const CPoint origin =
        CenteredIconOrigin(CSize(rect.Width(), rect.Height()),
                           CSize(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
    dc.DrawIcon(origin.x, origin.y, hIcon);
}

CPoint CenteredIconOrigin(CSize client, CSize icon) {
    return CPoint((client.cx - icon.cx + 1) / 2, (client.cy - icon.cy + 1) / 2);
}
