#include "platform/win/CStatic.h"

#include "platform/win/StaticWindow.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

HICON CStatic::SetIcon(HICON hIcon) {
    if (auto* window = dynamic_cast<platform::StaticWindow*>(m_hWnd)) {
        window->SetIcon(hIcon);
    }
    return nullptr;
}
