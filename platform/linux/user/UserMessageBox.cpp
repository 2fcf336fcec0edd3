// The system's message box, over a Qt message box: the icon and buttons of its type, the
// buttons' Chinese captions, and text the user can select and copy. Tests may replace it.
#include <windows.h>

#include "platform/linux/user/Window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <utility>

using engine::WindowOf;

namespace engine {

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon IconFor(UINT type) {
    switch (type & 0xF0) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::Warning;
    }
}

int ShowQtMessageBox(const std::string& text, const std::string& caption, UINT type,
                     QWidget* owner) {
    QMessageBox box(IconFor(type), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::NoButton, owner);
    // A message may name a device path or a line to type into a terminal: the user can
    // select it with the mouse and copy it, whatever the desktop's style would allow.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    switch (type & 0x0F) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, "确定"},
        {QMessageBox::Cancel, "取消"},
        {QMessageBox::Yes, "是(&Y)"},
        {QMessageBox::No, "否(&N)"}};
    for (const auto& [which, caption] : captions) {
        if (QAbstractButton* button = box.button(which)) {
            button->setText(QString::fromUtf8(caption));
        }
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}

} // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

} // namespace engine

int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType) {
    const std::string text = lpText != nullptr ? lpText : "";
    const std::string caption = lpCaption != nullptr ? lpCaption : "";
    if (engine::Handler()) {
        return engine::Handler()(text, caption, uType);
    }
    return engine::ShowQtMessageBox(text, caption, uType,
                                    IsWindow(hWnd) ? WindowOf(hWnd)->Widget()->window()
                                                   : QApplication::activeWindow());
}
