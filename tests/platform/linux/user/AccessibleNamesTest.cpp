// What a screen reader or UI automation finds in a dialog made from a template: buttons
// by their captions, input controls by the labels beside them.
#include "platform/afx/DialogTemplate.h"
#include "platform/linux/user/DialogWindow.h"

#include <QAccessible>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using afx::DialogItem;

constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kOwnerDrawButton = BS_OWNERDRAW | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kLabel = SS_LEFT | SS_CENTERIMAGE | WS_GROUP | WS_VISIBLE;
constexpr DWORD kCombo = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kAddress = WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kEdit = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kNone = afx::kUnnamedControlId;
constexpr UINT kSend = 1000, kServer = 1008, kGateway = 1011, kPort = 1013, kHidden = 1017,
               kMac1 = 1018, kTitle = 1016, kAbove = 1030, kLoose = 1031;

// A dialog laid out like the program's: labels listed apart from their controls, so that
// the item before a control in template order is often some other row's label.
afx::DialogTemplate SetupLikeTemplate() {
    afx::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
    t.cx = 294;
    t.cy = 201;
    t.fontFace = "宋体";
    t.pointSize = 9;
    t.items = {
        DialogItem(kSend, "button", "服务器IP烧写", 211, 58, 59, 18, kOwnerDrawButton),
        DialogItem(IDOK, "button", "确定(&O)", 211, 170, 59, 18, kButton),
        DialogItem(kNone, "static", "服务器IP", 19, 61, 33, 14, kLabel),
        DialogItem(kNone, "static", "网关IP", 22, 113, 25, 14, kLabel),
        DialogItem(kPort, "combobox", "", 61, 41, 45, 39, kCombo, 0, {"COM1", "COM2"}),
        DialogItem(kNone, "static", "串口选择", 18, 41, 34, 12, kLabel),
        DialogItem(kTitle, "static", "中控IP烧写", 79, 13, 100, 16, kLabel),
        DialogItem(kServer, "SysIPAddress32", "IPAddress1", 61, 59, 95, 15, kAddress),
        DialogItem(kGateway, "SysIPAddress32", "IPAddress1", 62, 113, 95, 15, kAddress),
        DialogItem(kHidden, "edit", "", 121, 41, 30, 12, kEdit & ~WS_VISIBLE),
        DialogItem(kNone, "static", "MAC", 23, 133, 20, 12, kLabel),
        DialogItem(kMac1, "edit", "", 62, 133, 21, 13, kEdit),
        DialogItem(kMac1 + 1, "edit", "", 86, 133, 21, 13, kEdit),
        DialogItem(kMac1 + 2, "edit", "", 112, 133, 21, 13, kEdit),
        // A label above its box: no label on the box's row, the label comes just before it.
        DialogItem(kNone, "static", "备注(&N)", 19, 150, 60, 10, kLabel),
        DialogItem(kAbove, "edit", "", 19, 162, 80, 13, kEdit),
        // A box with no label at all, after another box.
        DialogItem(kLoose, "edit", "", 150, 185, 40, 13, kEdit),
    };
    return t;
}

class AccessibleNames : public testing::Test {
protected:
    void SetUp() override {
        engine::WindowParams params;
        params.style = SetupLikeTemplate().style;
        params.rect = QRect(0, 0, 441, 302);
        params.text = "names";
        dialog = static_cast<engine::DialogWindow*>(
            engine::Window::AdoptTopLevel(std::make_unique<engine::DialogWindow>(params, nullptr)));
        const std::vector<WORD> words = afx::BuildDialogTemplate(SetupLikeTemplate());
        ASSERT_TRUE(dialog->CreateControls(*engine::ReadDialogResource(words.data())));
    }
    void TearDown() override {
        if (dialog != nullptr) {
            dialog->Destroy();
        }
    }

    // The name a screen reader reads for a widget.
    static std::string NameOf(QWidget* widget) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        return face != nullptr ? face->text(QAccessible::Name).toStdString() : "<none>";
    }
    std::string NameOf(UINT id) const { return NameOf(dialog->FindChild(id)->Widget()); }

    // Searches the dialog's accessible tree as UI automation does; the role found, or
    // NoRole when nothing has that name.
    QAccessible::Role FindRole(const char* name) const {
        return FindRole(QAccessible::queryAccessibleInterface(dialog->Widget()),
                        QString::fromUtf8(name));
    }
    static QAccessible::Role FindRole(QAccessibleInterface* node, const QString& name) {
        if (node == nullptr) {
            return QAccessible::NoRole;
        }
        if (node->text(QAccessible::Name) == name) {
            return node->role();
        }
        for (int i = 0; i < node->childCount(); ++i) {
            if (const QAccessible::Role role = FindRole(node->child(i), name);
                role != QAccessible::NoRole) {
                return role;
            }
        }
        return QAccessible::NoRole;
    }

    engine::DialogWindow* dialog = nullptr;
};

TEST_F(AccessibleNames, ButtonsAreFoundByTheirCaptionsOwnerDrawnOrNot) {
    EXPECT_EQ(FindRole("服务器IP烧写"), QAccessible::Button);
    EXPECT_EQ(FindRole("确定(O)"), QAccessible::Button);
}

TEST_F(AccessibleNames, InputControlsTakeTheLabelOnTheirRowNotTheItemBeforeThem) {
    // The port list follows the gateway's label in the template. (Its accessible-name
    // property: on Linux Qt reports a combo box's current item as its name, and its label
    // through the labelled-by relation.)
    EXPECT_EQ(dialog->FindChild(kPort)->Widget()->accessibleName().toStdString(), "串口选择");
    EXPECT_EQ(NameOf(kServer), "服务器IP"); // follows the title
    EXPECT_EQ(NameOf(kGateway), "网关IP");
}

TEST_F(AccessibleNames, TextsAreLabelsAndTheLabelOfOneControlIsItsLabelledByRelation) {
    EXPECT_EQ(FindRole("中控IP烧写"), QAccessible::StaticText); // the title too
    // Screen readers on Linux take a combo box's label from this relation.
    QAccessibleInterface* port =
        QAccessible::queryAccessibleInterface(dialog->FindChild(kPort)->Widget());
    ASSERT_NE(port, nullptr);
    const auto labels = port->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->text(QAccessible::Name).toStdString(), "串口选择");
    EXPECT_EQ(labels.front().first->role(), QAccessible::StaticText);
    // The six boxes behind "MAC" are numbered instead; none of them is its only control.
    QAccessibleInterface* mac =
        QAccessible::queryAccessibleInterface(dialog->FindChild(kMac1)->Widget());
    EXPECT_TRUE(mac->relations(QAccessible::Label).isEmpty());
}

TEST_F(AccessibleNames, AddressFieldsAreNumberedAfterTheirControlsLabel) {
    QWidget* address = dialog->FindChild(kServer)->Widget();
    ASSERT_NE(address->focusProxy(), nullptr);
    EXPECT_EQ(NameOf(address->focusProxy()), "服务器IP 1"); // where the focus lands
    EXPECT_EQ(FindRole("服务器IP 4"), QAccessible::EditableText);
    EXPECT_EQ(FindRole("网关IP 3"), QAccessible::EditableText);
}

TEST_F(AccessibleNames, BoxesSharingOneLabelAreNumberedInTemplateOrder) {
    EXPECT_EQ(NameOf(kMac1), "MAC 1");
    EXPECT_EQ(NameOf(kMac1 + 1), "MAC 2");
    EXPECT_EQ(NameOf(kMac1 + 2), "MAC 3");
}

TEST_F(AccessibleNames, ALabelAboveItsBoxNamesItWithoutTheMnemonicMarker) {
    EXPECT_EQ(NameOf(kAbove), "备注(N)");
}

TEST_F(AccessibleNames, UnlabelledAndHiddenBoxesBorrowNoName) {
    EXPECT_EQ(NameOf(kLoose), "");
    EXPECT_EQ(NameOf(kHidden), "");
    EXPECT_EQ(NameOf(kTitle), "中控IP烧写"); // labels keep their own text
}

} // namespace
