#include "platform/win/Menu.h"

#include "platform/win/CMenu.h"

#include <QAction>
#include <QMenu>
#include <QStringList>

namespace platform {

Menu::Menu() = default;

Menu::~Menu() = default;

CMenu* Menu::Wrapper() {
    if (!m_wrapper) {
        m_wrapper = std::make_unique<CMenu>();
        m_wrapper->m_hMenu = this;
    }
    return m_wrapper.get();
}

UINT Menu::Popup(QWidget* parent, const QPoint& globalPos) const {
    QMenu menu(parent);
    for (const Item& item : m_items) {
        if (item.flags & MF_SEPARATOR) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(item.text));
        action->setData(item.id);
        action->setEnabled((item.flags & (MF_GRAYED | MF_DISABLED)) == 0);
    }
    QAction* chosen = menu.exec(globalPos);
    return chosen != nullptr ? chosen->data().toUInt() : 0;
}

} // namespace platform

CMenu* CMenu::FromHandle(HMENU hMenu) {
    return hMenu != nullptr ? hMenu->Wrapper() : nullptr;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT nIDNewItem, LPCTSTR lpszNewItem) {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    m_hMenu->Append({nFlags, nIDNewItem, lpszNewItem != nullptr ? lpszNewItem : ""});
    return TRUE;
}
