#include "platform/linux/user/AccessibleNames.h"

#include "platform/linux/user/ComboBoxWindow.h"
#include "platform/linux/user/EditWindow.h"
#include "platform/linux/user/IpAddressWindow.h"
#include "platform/linux/user/StaticWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <map>

namespace engine {

namespace {

bool IsTextLabel(const Window* window) {
    const auto* label = dynamic_cast<const StaticWindow*>(window);
    return label != nullptr && !label->IsIcon() && !label->Text().empty();
}

bool IsInputControl(const Window* window) {
    return (window->Style() & WS_VISIBLE) &&
           (dynamic_cast<const EditWindow*>(window) != nullptr ||
            dynamic_cast<const IpAddressWindow*>(window) != nullptr ||
            dynamic_cast<const ComboBoxWindow*>(window) != nullptr);
}

// Whether two rectangles share a row: the middle of either lies within the other's height.
bool SameRow(const QRect& a, const QRect& b) {
    const auto within = [](int y, const QRect& r) { return y >= r.top() && y <= r.bottom(); };
    return within(a.center().y(), b) || within(b.center().y(), a);
}

// Screen readers name the visible text: the label's, without its mnemonic markers ("&&"
// shows one "&").
QString LabelName(const Window* label) {
    const QString text = QString::fromStdString(label->Text());
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ++i == text.size()) {
            break;
        }
        name += text[i];
    }
    return name;
}

// The label of the child at `index` in template order, or nullptr.
const Window* LabelOf(const std::vector<std::unique_ptr<Window>>& children, size_t index) {
    const QRect control = children[index]->WindowRect();
    const Window* nearest = nullptr;
    for (const auto& child : children) {
        const QRect label = child->WindowRect();
        if (IsTextLabel(child.get()) && label.left() < control.left() && SameRow(label, control) &&
            (nearest == nullptr || label.left() > nearest->WindowRect().left())) {
            nearest = child.get();
        }
    }
    if (nearest == nullptr && index > 0 && IsTextLabel(children[index - 1].get())) {
        nearest = children[index - 1].get(); // a label above its control, just before it
    }
    return nearest;
}

} // namespace

void NameControlsByLabels(const std::vector<std::unique_ptr<Window>>& children) {
    std::map<const Window*, std::vector<Window*>> named; // label -> its controls in order
    for (size_t i = 0; i < children.size(); ++i) {
        Window* control = children[i].get();
        if (IsInputControl(control) && control->Widget()->accessibleName().isEmpty()) {
            if (const Window* label = LabelOf(children, i)) {
                named[label].push_back(control);
            }
        }
    }
    for (const auto& [label, controls] : named) {
        // The label of a single control is also its labelled-by relation, which is where
        // AT-SPI screen readers take a combo box's label from (Qt on Linux names a combo box
        // by its current item).
        if (auto* text = qobject_cast<QLabel*>(label->Widget()); text && controls.size() == 1) {
            text->setBuddy(controls.front()->Widget());
        }
        for (size_t i = 0; i < controls.size(); ++i) {
            // Several boxes behind one label (the six of a MAC address) are numbered.
            QString name = LabelName(label);
            if (controls.size() > 1) {
                name += QStringLiteral(" %1").arg(i + 1);
            }
            QWidget* widget = controls[i]->Widget();
            widget->setAccessibleName(name);
            // A control made of fields (an IP address) names its fields after itself.
            const auto fields = widget->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
            for (qsizetype f = 0; f < fields.size(); ++f) {
                fields[f]->setAccessibleName(QStringLiteral("%1 %2").arg(name).arg(f + 1));
            }
        }
    }
}

} // namespace engine
