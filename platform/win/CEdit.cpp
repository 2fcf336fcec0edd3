#include "platform/win/CEdit.h"

#include "platform/win/EditWindow.h"

void CEdit::SetSel(int nStartChar, int nEndChar) {
    if (auto* window = dynamic_cast<platform::EditWindow*>(m_hWnd)) {
        window->SetSel(nStartChar, nEndChar);
    }
}
