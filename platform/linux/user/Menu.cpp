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
        menu.addAction(QString::fromStdString(item.text))->setData(item.id);
    }
    QAction* chosen = menu.exec(globalPos);
    return chosen != nullptr ? chosen->data().toUInt() : 0;
}

} // namespace engine
