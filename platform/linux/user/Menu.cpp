#include "platform/linux/user/Menu.h"

#include <QAction>
#include <QMenu>
#include <QStringList>

namespace engine {

Menu::Menu() = default;

Menu::~Menu() = default;

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

} // namespace engine
