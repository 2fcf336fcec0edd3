#include "support/WinTestSupport.h"

#include "platform/afx/AfxMessageBox.h"
#include "platform/afx/Resources.h"
#include "platform/linux/user/Window.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <deque>
#include <gtest/gtest.h>

namespace wintest {

namespace {
constexpr int kActivationTimeoutMs = 2000;
constexpr WORD kDialogPointSize = 9;
constexpr const char* kDialogFace = "宋体";
} // namespace

afx::DialogTemplate MakeTemplate(std::vector<afx::DialogItemTemplate> items, short cx, short cy) {
    afx::DialogTemplate t;
    t.style = kDialogStyle;
    t.cx = cx;
    t.cy = cy;
    t.caption = "测试";
    t.fontFace = kDialogFace;
    t.pointSize = kDialogPointSize;
    t.items = std::move(items);
    return t;
}

UINT Register(afx::DialogTemplate dialogTemplate) {
    static std::deque<afx::DialogTemplate> templates;
    templates.push_back(std::move(dialogTemplate));
    const UINT id = kFirstTestTemplateId + static_cast<UINT>(templates.size());
    afx::RegisterDialogTemplate(id, &templates.back());
    return id;
}

intptr_t RunModal(CDialog& dialog, const std::function<void()>& body) {
    QTimer::singleShot(0, qApp, [&dialog, &body] {
        QWidget* widget = WidgetOf(dialog);
        if (widget == nullptr) {
            ADD_FAILURE() << "the dialog has no window while it runs";
            return;
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(widget, kActivationTimeoutMs));
        body();
        if (dialog.m_hWnd != nullptr && WidgetOf(dialog) != nullptr &&
            WidgetOf(dialog)->isVisible()) {
            dialog.EndDialog(IDCANCEL);
        }
    });
    return dialog.DoModal();
}

QWidget* WidgetOf(const CWnd& wnd) {
    return WidgetOf(wnd.m_hWnd);
}

QWidget* WidgetOf(HWND hWnd) {
    return engine::Window::IsWindow(hWnd) ? engine::WindowOf(hWnd)->Widget() : nullptr;
}

int FocusedId() {
    CWnd* focus = CWnd::GetFocus();
    return focus != nullptr ? focus->GetDlgCtrlID() : 0;
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        target = QApplication::activeWindow();
    }
    ASSERT_NE(target, nullptr) << "no widget to type into";
    QTest::keyClick(target, key, modifiers);
}

void Type(const QString& text) {
    for (QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "no widget to type into";
        QTest::keyClick(target, c.toLatin1());
    }
}

void MouseMove(QWidget* widget, QPoint pos) {
    QWidget* top = widget->window();
    QTest::mouseMove(top->windowHandle(), widget->mapTo(top, pos));
}

void Click(QWidget* widget, QPoint pos, Qt::MouseButton button) {
    if (pos.isNull()) {
        pos = widget->rect().center();
    }
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), button, Qt::NoModifier, widget->mapTo(top, pos));
}

void Flush() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
}

MessageBoxRecorder::MessageBoxRecorder() {
    engine::SetMessageBoxHandler(
        [this](const std::string& text, const std::string& caption, UINT type) {
            boxes.push_back({text, caption, type});
            return IDOK;
        });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    engine::SetMessageBoxHandler({});
}

} // namespace wintest
