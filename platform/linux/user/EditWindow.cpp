#include "platform/linux/user/EditWindow.h"

#include "platform/linux/user/BridgeWidget.h"
#include <windows.h>

#include <QLineEdit>
#include <QPalette>

namespace engine {

namespace {
constexpr int kTextMargin = 1;
}

EditWindow::EditWindow(const WindowParams& params)
    : Window(params), m_edit(new BridgeWidget<QLineEdit>(this)) {
    m_edit->setFrame(false);
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, Qt::transparent); // the surface shows the background
    m_edit->setPalette(palette);
    const int frame = FrameWidth();
    m_edit->setContentsMargins(frame, frame, frame, frame);
    m_edit->setTextMargins(kTextMargin, 0, kTextMargin, 0);
    m_edit->setText(QString::fromStdString(params.text));
    SetWidget(m_edit);
    QObject::connect(m_edit, &QLineEdit::textChanged, m_edit, [this] { NotifyParent(EN_CHANGE); });
}

LRESULT EditWindow::ClassProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        FillBackground();
    }
    if (message == EM_SETSEL) {
        SetSel(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    }
    return Window::ClassProc(message, wParam, lParam);
}

std::string EditWindow::Text() const {
    return m_edit->text().toStdString();
}

void EditWindow::SetText(const std::string& text) {
    m_edit->setText(QString::fromStdString(text));
    Window::SetText(text);
}

void EditWindow::SetSel(int start, int end) {
    const int length = static_cast<int>(m_edit->text().size());
    if (end < 0 || end > length) {
        end = length;
    }
    m_edit->setSelection(start, end - start);
}

void EditWindow::FillBackground() {
    HDC hdc = BeginPaint();
    Window* owner = Parent() != nullptr ? Parent() : this;
    auto brush = reinterpret_cast<HBRUSH>(owner->Send(
        WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(this)));
    RECT rc{0, 0, ClientRect().width(), ClientRect().height()};
    FillRect(hdc, &rc, brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW));
    EndPaint(hdc);
}

} // namespace engine
