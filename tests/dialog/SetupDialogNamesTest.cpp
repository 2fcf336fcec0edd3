// What a screen reader finds in the setup dialog as the program builds it: every button by
// its caption, every box by the label in front of it.
#include "dialog/SetupDialog.h"
#include "dialog/SiteStartDialog.h"

#include "platform/afx/ControlContainer.h"
#include "platform/linux/user/Window.h"
#include "res/Resource.h"

#include <QAccessible>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The name a screen reader reads for a control of the dialog (the application object the
// dialog needs is the one the other dialog tests of this program define).
std::string NameOf(CWnd& dlg, UINT id) {
    QWidget* widget = engine::WindowOf(dlg.GetDlgItem(static_cast<int>(id))->m_hWnd)->Widget();
    if (widget->focusProxy() != nullptr) {
        widget = widget->focusProxy(); // an address: the field the focus goes to
    }
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name).toStdString() : "<none>";
}

TEST(SetupDialogNames, EveryControlIsNamedAfterItsCaptionOrLabel) {
    AfxEnableControlContainer();
    CSetupDialog dlg;
    QTimer::singleShot(0, [&] {
        // On Linux Qt reports a combo box's current item as its name; the label is its
        // accessible-name property.
        EXPECT_EQ(engine::WindowOf(dlg.GetDlgItem(IDC_PORT)->m_hWnd)
                      ->Widget()
                      ->accessibleName()
                      .toStdString(),
                  "串口选择");
        EXPECT_EQ(NameOf(dlg, IDC_SERVER_IP), "服务器IP 1");
        EXPECT_EQ(NameOf(dlg, IDC_CENTRAL_IP), "中控IP 1");
        EXPECT_EQ(NameOf(dlg, IDC_SUBNET_MASK), "子网掩码 1");
        EXPECT_EQ(NameOf(dlg, IDC_GATEWAY_IP), "网关IP 1");
        const UINT macBoxes[] = {IDC_MAC1, IDC_MAC2, IDC_MAC3, IDC_MAC4, IDC_MAC5, IDC_MAC6};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(NameOf(dlg, macBoxes[i]), "MAC " + std::to_string(i + 1));
        }
        EXPECT_EQ(NameOf(dlg, IDC_WRITE_SERVER), "服务器IP烧写");
        EXPECT_EQ(NameOf(dlg, IDC_WRITE_GATEWAY), "网关IP烧写");
        EXPECT_EQ(NameOf(dlg, IDC_WRITE_MAC), "MAC烧写");
        EXPECT_EQ(NameOf(dlg, IDC_WRITE_ALL), "写入全部信息");
        dlg.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(dlg.DoModal(), IDCANCEL);
}

// The site mode's start dialog: its boxes named by their labels, the check box and the buttons
// by their captions; it starts with a dated record and the advance on.
TEST(SiteStartDialogNames, BoxesAreNamedByTheirLabelsAndTheDefaultsAreSet) {
    AfxEnableControlContainer();
    CSiteStartDialog dlg;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(NameOf(dlg, IDC_SITE_RECORD), "记录文件");
        EXPECT_EQ(NameOf(dlg, IDC_SITE_PLAN), "计划文件");
        EXPECT_EQ(NameOf(dlg, IDC_SITE_RECORD_BROWSE), "浏览(B)...");
        EXPECT_EQ(NameOf(dlg, IDC_SITE_ADVANCE), "每台写入后自动递增中控IP和MAC(A)");
        EXPECT_EQ(SendDlgItemMessage(dlg.m_hWnd, IDC_SITE_ADVANCE, BM_GETCHECK, 0, 0),
                  static_cast<LRESULT>(BST_CHECKED));
        CString record;
        dlg.GetDlgItem(IDC_SITE_RECORD)->GetWindowText(record);
        const std::string name = std::filesystem::path(record.GetString()).filename().string();
        EXPECT_TRUE(name.starts_with("tavrin-记录-20") && name.ends_with(".csv")) << name;
        EXPECT_EQ(name.size(), std::string("tavrin-记录-2026-12-09.csv").size()) << name;
        dlg.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(dlg.DoModal(), IDCANCEL);
}

} // namespace
