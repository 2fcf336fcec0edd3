// Dialogs from templates: dialog units, tab order, the dialog keys, the close box, the
// system menu and the modal run.
#include "support/WinTestSupport.h"

#include "platform/afx/CDataExchange.h"
#include "platform/afx/CMenu.h"
#include "platform/afx/MessageMapEntries.h"
#include "platform/linux/user/DialogResource.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr UINT kFirstEdit = 200;
constexpr UINT kDisabledButton = 201;
constexpr UINT kLabel = 202;
constexpr UINT kHiddenEdit = 203;
constexpr UINT kAddress = 204;
constexpr UINT kCombo = 205;
constexpr UINT kLastButton = 206;
constexpr UINT kByteEdit = 207;
constexpr UINT kOwnerDrawn = 208;
constexpr UINT kAboutCommand = 0x0010;

constexpr DWORD kTab = WS_TABSTOP | WS_VISIBLE;

class CKeysDialog : public CDialog {
public:
    explicit CKeysDialog(UINT id) : CDialog(id) {}
    BYTE m_byte = 7;
    int oks = 0;
    int cancels = 0;
    std::vector<UINT> sysCommands;
    std::vector<UINT> clicked;
    bool initResult = TRUE;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (CMenu* pMenu = GetSystemMenu(FALSE)) {
            pMenu->AppendMenu(MF_SEPARATOR);
            pMenu->AppendMenu(MF_STRING, kAboutCommand, "关于 tavrin(&A)...");
        }
        return initResult;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        if (GetDlgItem(kByteEdit) != nullptr) {
            DDX_Text(pDX, kByteEdit, m_byte);
        }
    }
    void OnOK() override {
        ++oks;
        CDialog::OnOK();
    }
    void OnCancel() override {
        ++cancels;
        CDialog::OnCancel();
    }
    void OnSysCommand(UINT nID, LPARAM lParam) {
        sysCommands.push_back(nID & 0xFFF0);
        CDialog::OnSysCommand(nID, lParam);
    }
    void OnLastButton() { clicked.push_back(kLastButton); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeysDialog, CDialog)
ON_WM_SYSCOMMAND()
ON_BN_CLICKED(kLastButton, OnLastButton)
END_MESSAGE_MAP()

UINT TabOrderTemplate() {
    static const UINT id = wintest::Register(wintest::MakeTemplate({
        wintest::DialogItem(kFirstEdit, "edit", "", 10, 10, 40, 12, WS_BORDER | kTab),
        wintest::DialogItem(kDisabledButton, "button", "禁用", 60, 10, 40, 14, kTab | WS_DISABLED),
        wintest::DialogItem(kLabel, "static", "标签", 10, 30, 40, 10, SS_LEFT | WS_VISIBLE),
        wintest::DialogItem(kHiddenEdit, "edit", "", 60, 30, 40, 12, WS_BORDER | WS_TABSTOP),
        wintest::DialogItem(kAddress, "SysIPAddress32", "", 10, 50, 95, 15, kTab),
        wintest::DialogItem(kCombo, "combobox", "", 110, 50, 45, 40,
                            CBS_DROPDOWNLIST | CBS_SORT | kTab, 0, {"COM2", "COM1"}),
        wintest::DialogItem(kLastButton, "button", "最后", 10, 80, 59, 18, kTab),
    }));
    return id;
}

TEST(DialogUnits, EdgesConvertSeparatelyWithRounding) {
    const engine::DialogBaseUnits units = engine::BaseUnitsForFont("宋体", 9);
    EXPECT_EQ(units.x, 6);
    EXPECT_EQ(units.y, 12);
    const RECT px = engine::MapDialogUnits(RECT{211, 58, 211 + 59, 58 + 18}, units);
    EXPECT_EQ(px.right - px.left, 88);
    EXPECT_EQ(px.bottom - px.top, 27);
    EXPECT_EQ(px.left, 317); // 316.5 rounds up
    EXPECT_EQ(px.top, 87);
}

TEST(DialogUnits, ControlsAndClientAreaHaveTheirTemplateSizes) {
    const UINT id = wintest::Register(wintest::MakeTemplate(
        {wintest::DialogItem(kLastButton, "button", "写", 211, 58, 59, 18, kTab)}, 294, 201));
    CKeysDialog dialog(id);
    wintest::RunModal(dialog, [&] {
        EXPECT_EQ(wintest::WidgetOf(dialog.GetDlgItem(kLastButton)->m_hWnd)->geometry(),
                  QRect(317, 87, 88, 27));
        CRect client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(client.Width(), 441);
        EXPECT_EQ(client.Height(), 302);
        EXPECT_EQ(wintest::WidgetOf(dialog)->size(), QSize(441, 302));
    });
}

TEST(TabOrder, FollowsTheTemplateSkippingHiddenAndDisabledControls) {
    CKeysDialog dialog(TabOrderTemplate());
    wintest::RunModal(dialog, [&] {
        EXPECT_EQ(wintest::FocusedId(), static_cast<int>(kFirstEdit));
        const std::vector<int> forward = {kAddress, kCombo, kLastButton, kFirstEdit};
        for (int expected : forward) {
            wintest::Key(Qt::Key_Tab);
            EXPECT_EQ(wintest::FocusedId(), expected);
        }
        const std::vector<int> backward = {kLastButton, kCombo, kAddress, kFirstEdit};
        for (int expected : backward) {
            wintest::Key(Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_EQ(wintest::FocusedId(), expected);
        }
    });
}

TEST(TabOrder, FirstFocusSkipsDisabledControlsAndIsLeftAloneOnFalse) {
    const UINT id = wintest::Register(wintest::MakeTemplate({
        wintest::DialogItem(kDisabledButton, "button", "禁用", 60, 10, 40, 14, kTab | WS_DISABLED),
        wintest::DialogItem(kHiddenEdit, "edit", "", 60, 30, 40, 12, WS_BORDER | WS_TABSTOP),
        wintest::DialogItem(kLastButton, "button", "最后", 10, 80, 59, 18, kTab),
    }));
    CKeysDialog dialog(id);
    wintest::RunModal(dialog,
                      [&] { EXPECT_EQ(wintest::FocusedId(), static_cast<int>(kLastButton)); });
}

UINT KeysTemplate() {
    static const UINT id = wintest::Register(wintest::MakeTemplate({
        wintest::DialogItem(kByteEdit, "edit", "", 10, 10, 21, 13,
                            WS_BORDER | ES_AUTOHSCROLL | kTab),
        wintest::DialogItem(kCombo, "combobox", "", 40, 10, 45, 40, CBS_DROPDOWNLIST | kTab, 0,
                            {"COM1", "COM2"}),
        wintest::DialogItem(kLastButton, "button", "按钮", 10, 40, 59, 18, kTab),
        wintest::DialogItem(kOwnerDrawn, "button", "自绘", 80, 40, 59, 18, BS_OWNERDRAW | kTab),
    }));
    return id;
}

TEST(DialogKeys, EnterSavesTheDataAndEndsWithOk) {
    CKeysDialog dialog(KeysTemplate());
    const intptr_t result = wintest::RunModal(dialog, [&] {
        CString shown;
        dialog.GetDlgItem(kByteEdit)->GetWindowText(shown);
        EXPECT_EQ(shown, "7") << "loading shows the byte in decimal";
        dialog.GetDlgItem(kByteEdit)->SetWindowText(" 42\t");
        wintest::Key(Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.oks, 1);
    EXPECT_EQ(dialog.m_byte, 42);
}

TEST(DialogKeys, EnterWithABadByteKeepsTheDialogAndSelectsTheBox) {
    wintest::MessageBoxRecorder boxes;
    CKeysDialog dialog(KeysTemplate());
    bool stillOpen = false;
    const intptr_t result = wintest::RunModal(dialog, [&] {
        CWnd* edit = dialog.GetDlgItem(kByteEdit);
        edit->SetWindowText("256");
        dialog.GetDlgItem(kLastButton)->SetFocus();
        dialog.GetDlgItem(kCombo)->SetFocus();
        wintest::Key(Qt::Key_Return);
        stillOpen = wintest::WidgetOf(dialog)->isVisible();
        EXPECT_EQ(wintest::FocusedId(), static_cast<int>(kByteEdit));
        auto* line = qobject_cast<QLineEdit*>(wintest::WidgetOf(*edit));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->selectedText(), "256");
        wintest::Key(Qt::Key_Escape);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_byte, 7);
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].text, kParseByteMessage);
    EXPECT_EQ(boxes.boxes[0].type & 0xF0, MB_ICONEXCLAMATION);
}

TEST(DialogKeys, EnterOnAFocusedPushButtonPressesIt) {
    CKeysDialog dialog(KeysTemplate());
    wintest::RunModal(dialog, [&] {
        dialog.GetDlgItem(kLastButton)->SetFocus();
        wintest::Key(Qt::Key_Return);
        EXPECT_EQ(dialog.clicked, std::vector<UINT>{kLastButton});
        EXPECT_EQ(dialog.oks, 0);
    });
}

TEST(DialogKeys, EnterOnAFocusedOwnerDrawnButtonIsOk) {
    // Owner-drawn buttons never become the default button: Enter stays OK.
    CKeysDialog dialog(KeysTemplate());
    const intptr_t result = wintest::RunModal(dialog, [&] {
        dialog.GetDlgItem(kOwnerDrawn)->SetFocus();
        wintest::Key(Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.oks, 1);
}

TEST(DialogKeys, EscapeCancelsFromAnyControl) {
    for (UINT focus : {kByteEdit, kCombo, kLastButton, kOwnerDrawn}) {
        CKeysDialog dialog(KeysTemplate());
        const intptr_t result = wintest::RunModal(dialog, [&] {
            dialog.GetDlgItem(focus)->SetFocus();
            wintest::Key(Qt::Key_Escape);
        });
        EXPECT_EQ(result, IDCANCEL) << "focus on " << focus;
        EXPECT_EQ(dialog.cancels, 1) << "focus on " << focus;
        EXPECT_EQ(dialog.oks, 0);
    }
}

TEST(DialogKeys, CloseBoxIsTheCloseSystemCommandThenCancel) {
    CKeysDialog dialog(KeysTemplate());
    const intptr_t result = wintest::RunModal(dialog, [&] { wintest::WidgetOf(dialog)->close(); });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.sysCommands, std::vector<UINT>{SC_CLOSE});
    EXPECT_EQ(dialog.cancels, 1);
}

// Acts on the popup menu once it is up; the caller's next step must bring it up.
void WithPopup(const std::function<void(QMenu*)>& act) {
    constexpr int kPollMs = 10;
    constexpr int kTries = 20;
    auto* poll = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, tries, act] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            poll->deleteLater();
            poll->stop();
            act(menu);
        } else if (++*tries == kTries) {
            poll->deleteLater();
            poll->stop();
        }
    });
    poll->start(kPollMs);
}

std::vector<QString> Entries(QMenu* menu) {
    std::vector<QString> texts;
    for (QAction* action : menu->actions()) {
        texts.push_back(action->isSeparator() ? QString("-") : action->text());
    }
    return texts;
}

TEST(SystemMenu, AltSpaceShowsTheEntriesAndChoosingSendsTheCommand) {
    for (UINT focus : {kByteEdit, kLastButton, kCombo}) {
        CKeysDialog dialog(KeysTemplate());
        std::vector<QString> entries;
        wintest::RunModal(dialog, [&] {
            dialog.GetDlgItem(focus)->SetFocus();
            WithPopup([&](QMenu* menu) {
                entries = Entries(menu);
                QTest::keyClick(menu, Qt::Key_A); // the About entry's mnemonic
            });
            wintest::Key(Qt::Key_Space, Qt::AltModifier);
        });
        if (entries.size() < 3U) {
            ADD_FAILURE() << "no system menu with focus on " << focus;
            continue;
        }
        EXPECT_TRUE(std::find(entries.begin(), entries.end(), "关闭(&C)\tAlt+F4") != entries.end());
        EXPECT_EQ(entries[entries.size() - 2], "-");
        EXPECT_EQ(entries.back(), "关于 tavrin(&A)...");
        EXPECT_EQ(dialog.sysCommands, std::vector<UINT>{kAboutCommand}) << "focus on " << focus;
        EXPECT_TRUE(dialog.clicked.empty()) << "Alt+Space must not press the focused button";
    }
}

TEST(SystemMenu, RightClickOnTheEmptyAreaAndCloseEntry) {
    CKeysDialog dialog(KeysTemplate());
    const intptr_t result = wintest::RunModal(dialog, [&] {
        QWidget* widget = wintest::WidgetOf(dialog);
        WithPopup([](QMenu* menu) { QTest::keyClick(menu, Qt::Key_C); });
        const QPoint empty(widget->width() - 5, widget->height() - 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, empty, widget->mapToGlobal(empty));
        QCoreApplication::sendEvent(widget, &event);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.sysCommands, std::vector<UINT>{SC_CLOSE});
}

TEST(SystemMenu, AltF4Closes) {
    CKeysDialog dialog(KeysTemplate());
    const intptr_t result =
        wintest::RunModal(dialog, [&] { wintest::Key(Qt::Key_F4, Qt::AltModifier); });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.sysCommands, std::vector<UINT>{SC_CLOSE});
}

TEST(ModalRun, TheDialogIsModalWhileItRunsAndMissingTemplatesFail) {
    CKeysDialog dialog(KeysTemplate());
    wintest::RunModal(dialog, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), wintest::WidgetOf(dialog));
        // A dialog run from inside another blocks its owner.
        CKeysDialog inner(KeysTemplate());
        wintest::RunModal(
            inner, [&] { EXPECT_EQ(QApplication::activeModalWidget(), wintest::WidgetOf(inner)); });
    });
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "the window is destroyed when the run ends";

    CKeysDialog missing(wintest::kFirstTestTemplateId + 999);
    EXPECT_EQ(missing.DoModal(), kDoModalFailed);
}

TEST(ModalRun, AHostedControlItemFailsWithoutControlHostingAndSaysWhy) {
    constexpr const char* kClsid = "{00000000-0000-0000-0000-000000000001}";
    static const UINT id = wintest::Register(wintest::MakeTemplate({
        wintest::DialogItem(kFirstEdit, "edit", "", 10, 10, 40, 12, WS_BORDER | kTab),
        wintest::DialogItem(kAddress, kClsid, "", 60, 10, 25, 25, kTab),
    }));
    CKeysDialog hosting(id);
    EXPECT_EQ(hosting.DoModal(), kDoModalFailed);
    EXPECT_EQ(hosting.m_hWnd, nullptr);
    EXPECT_NE(afx::LastWindowCreationError().find(kClsid), std::string::npos);
}

} // namespace
