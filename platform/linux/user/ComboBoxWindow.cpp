#include "platform/linux/user/ComboBoxWindow.h"

#include "platform/linux/user/BridgeWidget.h"

#include <QComboBox>

namespace engine {

ComboBoxWindow::ComboBoxWindow(const WindowParams& params)
    : Window(params), m_combo(new BridgeWidget<QComboBox>(this)) {
    SetWidget(m_combo);
    FitHeight();
    // A user's choice, by mouse or keyboard, is a selection change; a program's is not.
    QObject::connect(m_combo, &QComboBox::activated, m_combo,
                     [this] { NotifyParent(CBN_SELCHANGE); });
}

LRESULT ComboBoxWindow::ClassProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case CB_ADDSTRING:
        return AddString(reinterpret_cast<LPCTSTR>(lParam));
    case CB_SETCURSEL:
        return SetCurSel(static_cast<int>(wParam));
    default:
        return Window::ClassProc(message, wParam, lParam);
    }
}

std::string ComboBoxWindow::Text() const {
    return m_combo->currentText().toStdString();
}

void ComboBoxWindow::SetFont(HFONT font) {
    Window::SetFont(font);
    FitHeight();
}

int ComboBoxWindow::AddString(const std::string& text) {
    const QString item = QString::fromStdString(text);
    int index = m_combo->count();
    if (Style() & CBS_SORT) {
        index = 0;
        while (index < m_combo->count() &&
               QString::compare(m_combo->itemText(index), item, Qt::CaseInsensitive) <= 0) {
            ++index;
        }
    }
    const int selected = m_combo->currentIndex();
    m_combo->insertItem(index, item);
    // Inserting never selects anything by itself: a list starts with no selection.
    m_combo->setCurrentIndex(selected >= index && selected >= 0 ? selected + 1 : selected);
    return index;
}

int ComboBoxWindow::SetCurSel(int index) {
    if (index < 0 || index >= m_combo->count()) {
        m_combo->setCurrentIndex(-1);
        return CB_ERR;
    }
    m_combo->setCurrentIndex(index);
    return index;
}

void ComboBoxWindow::FitHeight() {
    QRect rect = m_combo->geometry();
    rect.setHeight(m_combo->sizeHint().height());
    m_combo->setGeometry(rect);
}

} // namespace engine
