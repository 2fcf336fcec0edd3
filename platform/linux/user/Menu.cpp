#include "platform/linux/user/Menu.h"

#include <QAction>
#include <QMenu>

namespace engine {

UINT Menu::Popup(QWidget* parent, const QPoint& globalPos) const {
    QMenu menu(parent);
    for (const Item& item : m_items) {
        if (item.flags & MF_SEPARATOR) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(item.text));
        action->setData(item.id);
        action->setEnabled(!(item.flags & MF_GRAYED));
    }
    QAction* chosen = menu.exec(globalPos);
    return chosen != nullptr ? chosen->data().toUInt() : 0;
}

int Menu::Enable(UINT id, UINT flags) {
    for (Item& item : m_items) {
        if (item.id == id && !(item.flags & MF_SEPARATOR)) {
            const int previous = static_cast<int>(item.flags & MF_GRAYED);
            item.flags = (item.flags & ~MF_GRAYED) | (flags & MF_GRAYED);
            return previous;
        }
    }
    return -1;
}

} // namespace engine
