// Helpers for the window tests: test-local dialog templates, a dialog that binds one of its
// controls, a modal run with a test body, a recorder for message boxes, and typing and
// clicking as a user does.
#pragma once

#include "platform/afx/CDataExchange.h"
#include "platform/afx/CDialog.h"
#include "platform/afx/DialogTemplate.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace wintest {

// Template ids used by the tests, far from the program's own.
constexpr UINT kFirstTestTemplateId = 9000;

// The dialog style of the program's dialogs.
constexpr DWORD kDialogStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

// A template with the program's dialog font (9-point) and the given controls.
afx::DialogTemplate MakeTemplate(std::vector<afx::DialogItemTemplate> items, short cx = 200,
                                 short cy = 120);
// One control of a template.
using afx::DialogItem;
// Registers a template for the rest of the run; returns its id.
UINT Register(afx::DialogTemplate dialogTemplate);

// A dialog from a test template whose control kControlId is bound to m_control, as the
// program's dialogs bind theirs (so the control's PreSubclassWindow runs).
template <class Control, UINT kControlId> class OneControlDialog : public CDialog {
public:
    explicit OneControlDialog(UINT templateId) : CDialog(templateId) {}
    Control m_control;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, static_cast<int>(kControlId), m_control);
    }
};

// Runs the dialog modally and calls body once its window is shown and active; a dialog
// still running after body is cancelled. Returns DoModal's result.
intptr_t RunModal(CDialog& dialog, const std::function<void()>& body);

QWidget* WidgetOf(const CWnd& wnd);
QWidget* WidgetOf(HWND hWnd);
// The id of the control that has the focus, 0 if none.
int FocusedId();

// Keys and text go to the focused widget, as the keyboard's do.
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Type(const QString& text);
// Mouse input through the window system, so that enter and leave happen as on a screen.
void MouseMove(QWidget* widget, QPoint pos);
void Click(QWidget* widget, QPoint pos = {}, Qt::MouseButton button = Qt::LeftButton);
// Paints every pending update now.
void Flush();

// Records the message boxes shown while it lives instead of showing them.
class MessageBoxRecorder {
public:
    struct Box {
        std::string text;
        std::string caption;
        UINT type = 0;
    };
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<Box> boxes;
};

} // namespace wintest
