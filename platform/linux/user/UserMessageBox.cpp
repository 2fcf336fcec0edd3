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

MessageBoxHandler g_handler;

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
    const bool yesNo = (type & 0x0F) == MB_YESNO;
    box.setStandardButtons(yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    if (yesNo && (type & 0xF00) == MB_DEFBUTTON2) {
        box.setDefaultButton(QMessageBox::No);
    }
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, "确定"}, {QMessageBox::Yes, "是(&Y)"}, {QMessageBox::No, "否(&N)"}};
    for (const auto& [which, caption] : captions) {
        if (QAbstractButton* button = box.button(which)) {
            button->setText(QString::fromUtf8(caption));
        }
    }
    switch (box.exec()) {
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
    return std::exchange(g_handler, std::move(handler));
}

} // namespace engine

int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType) {
    const std::string text = lpText != nullptr ? lpText : "";
    const std::string caption = lpCaption != nullptr ? lpCaption : "";
    if (engine::g_handler) {
        return engine::g_handler(text, caption, uType);
    }
    return engine::ShowQtMessageBox(text, caption, uType,
                                    IsWindow(hWnd) ? WindowOf(hWnd)->Widget()->window()
                                                   : QApplication::activeWindow());
}
