// The site mode in the setup dialog: its menu entries and caption, and what a write does
// while it is on: nothing sent when the record cannot take a line or a guard's question is
// answered No, a line for every write, the next unit's values after a sent write-all, and a
// failed write recorded, not counted, and passed on.
#include "dialog/SetupDialog.h"

#include "platform/afx/Afx.h"
#include "platform/afx/ControlContainer.h"
#include "res/Resource.h"
#include "site/ValueText.h"

#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

CWinApp g_testApp;

struct Shown {
    std::string text;
    UINT type = 0;
};

class SiteModeTest : public testing::Test {
protected:
    void SetUp() override {
        AfxEnableControlContainer();
        std::filesystem::create_directories(m_folder);
        m_previousBox = engine::SetMessageBoxHandler(
            [this](const std::string& text, const std::string&, UINT type) {
                m_shown.push_back({text, type});
                return m_answer;
            });
    }
    void TearDown() override {
        engine::SetMessageBoxHandler(std::move(m_previousBox));
        std::filesystem::remove_all(m_folder);
    }

    // Runs a dialog with a site mode of its own and calls body while it is open.
    void WhileOpen(const std::function<void(CSetupDialog&, SiteMode&)>& body) {
        CSetupDialog dlg;
        QTimer::singleShot(0, [&] {
            SiteMode mode(
                dlg, [this](const site::UnitValues& values) { m_next.push_back(values); },
                [this] { return m_boxes; });
            body(dlg, mode);
            dlg.EndDialog(IDCANCEL);
        });
        ASSERT_EQ(dlg.DoModal(), IDCANCEL);
    }

    site::SiteSession Open() {
        site::SiteOpening opening = site::SiteSession::Open({m_record, {}, true});
        EXPECT_TRUE(opening.session) << opening.message;
        return std::move(*opening.session);
    }

    static site::UnitValues Unit(const char* controller, const char* mac) {
        return {*site::ParseIpv4("192.168.1.10"), *site::ParseIpv4(controller),
                *site::ParseIpv4("255.255.255.0"), *site::ParseIpv4("192.168.1.1"),
                *site::ParseMac(mac)};
    }

    // The record's lines after the header.
    std::vector<std::string> Lines() const {
        std::ifstream in(m_record, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines.empty() ? lines : std::vector<std::string>(lines.begin() + 1, lines.end());
    }

    static std::string Caption(CWnd& dlg) {
        CString text;
        dlg.GetWindowText(text);
        return text.GetString();
    }

    static UINT MenuState(CWnd& dlg, UINT id) {
        // Setting an entry's state returns the one it had; put it back as it was.
        CMenu* menu = dlg.GetSystemMenu(FALSE);
        const UINT state = menu->EnableMenuItem(id, MF_BYCOMMAND | MF_GRAYED);
        menu->EnableMenuItem(id, MF_BYCOMMAND | state);
        return state;
    }

    std::filesystem::path m_folder =
        std::filesystem::temp_directory_path() / ("tavrin-site-mode-" + std::to_string(getpid()));
    std::filesystem::path m_record = m_folder / "record.csv";
    std::vector<Shown> m_shown;
    std::vector<site::UnitValues> m_next;
    // What the dialog's boxes hold when the mode reads them.
    site::UnitValues m_boxes = Unit("192.168.1.20", "00-11-22-00-00-01");
    int m_answer = IDOK;
    engine::MessageBoxHandler m_previousBox;
};

// A plan that gives only the label, controller address and MAC fills those boxes and leaves the
// server, mask and gateway as the technician typed them.
TEST_F(SiteModeTest, PlanFillsItsOwnColumnsAndKeepsTheTypedRest) {
    const std::filesystem::path plan = m_folder / "plan.csv";
    std::ofstream(plan, std::ios::binary) << "label,controller,mac\r\n"
                                             "301,192.168.1.31,00-11-22-00-03-01\r\n";
    WhileOpen([&](CSetupDialog&, SiteMode& mode) {
        site::SiteOpening opening = site::SiteSession::Open({m_record, plan, true});
        ASSERT_TRUE(opening.session) << opening.message;
        mode.Start(std::move(*opening.session));
        ASSERT_EQ(m_next.size(), 1u);
        EXPECT_EQ(m_next[0], Unit("192.168.1.31", "00-11-22-00-03-01"));
    });
}

TEST_F(SiteModeTest, MenuEntriesAndCaptionFollowTheMode) {
    WhileOpen([&](CSetupDialog& dlg, SiteMode& mode) {
        // The dialog's own entries, before the test's mode appends its own.
        EXPECT_EQ(MenuState(dlg, IDM_SITE_START), MF_ENABLED);
        EXPECT_EQ(MenuState(dlg, IDM_SITE_OPEN), MF_GRAYED);
        EXPECT_EQ(MenuState(dlg, IDM_SITE_END), MF_GRAYED);
        mode.Start(Open());
        EXPECT_EQ(Caption(dlg), "6150 IP SET — 现场：已写 0 台");
        EXPECT_EQ(MenuState(dlg, IDM_SITE_START), MF_GRAYED);
        EXPECT_EQ(MenuState(dlg, IDM_SITE_END), MF_ENABLED);
        mode.End();
        EXPECT_FALSE(mode.IsOn());
        EXPECT_EQ(Caption(dlg), "6150 IP SET");
        EXPECT_EQ(MenuState(dlg, IDM_SITE_START), MF_ENABLED);
    });
}

TEST_F(SiteModeTest, SentWriteAllIsRecordedCountedToldAndAdvances) {
    WhileOpen([&](CSetupDialog& dlg, SiteMode& mode) {
        mode.Start(Open());
        int sends = 0;
        mode.Write(site::WriteKind::All, Unit("192.168.1.20", "00-11-0A-0D-FF-13"), "COM1", [&] {
            ++sends;
            return true;
        });
        EXPECT_EQ(sends, 1);
        ASSERT_EQ(Lines().size(), 1U);
        EXPECT_NE(Lines()[0].find(",COM1,全部信息,192.168.1.10,192.168.1.20,"), std::string::npos);
        ASSERT_EQ(m_next.size(), 1U);
        EXPECT_EQ(m_next[0], Unit("192.168.1.21", "00-11-0A-0D-FF-14"));
        ASSERT_EQ(m_shown.size(), 1U);
        EXPECT_EQ(m_shown[0].type & 0xF0, MB_ICONINFORMATION);
        EXPECT_NE(m_shown[0].text.find("第 1 台已发送"), std::string::npos);
        EXPECT_NE(m_shown[0].text.find("MAC 00-11-0A-0D-FF-13"), std::string::npos);
        EXPECT_EQ(Caption(dlg), "6150 IP SET — 现场：已写 1 台");
        // A single write is recorded, but neither counts nor advances.
        mode.Write(site::WriteKind::Server, Unit("192.168.1.21", "00-11-0A-0D-FF-14"), "COM1",
                   [] { return true; });
        EXPECT_EQ(Lines().size(), 2U);
        EXPECT_EQ(m_next.size(), 1U);
        EXPECT_EQ(m_shown.size(), 1U);
    });
}

TEST_F(SiteModeTest, DuplicateIsAskedWithNoAsDefaultAndAYesIsNoted) {
    WhileOpen([&](CSetupDialog&, SiteMode& mode) {
        mode.Start(Open());
        const site::UnitValues unit = Unit("192.168.1.20", "00-11-0A-0D-FF-13");
        mode.Write(site::WriteKind::All, unit, "COM1", [] { return true; });
        m_shown.clear();
        int sends = 0;
        const auto send = [&] {
            ++sends;
            return true;
        };
        m_answer = IDNO;
        mode.Write(site::WriteKind::All, unit, "COM1", send);
        EXPECT_EQ(sends, 0);
        EXPECT_EQ(Lines().size(), 1U);
        ASSERT_EQ(m_shown.size(), 1U);
        EXPECT_EQ(m_shown[0].type, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
        EXPECT_NE(m_shown[0].text.find("仍要发送吗？"), std::string::npos);
        m_answer = IDYES;
        mode.Write(site::WriteKind::Mac, unit, "COM1", send);
        EXPECT_EQ(sends, 1);
        ASSERT_EQ(Lines().size(), 2U);
        EXPECT_NE(Lines()[1].find("已确认警告："), std::string::npos);
    });
}

TEST_F(SiteModeTest, RecordThatCannotBeAppendedSendsNothing) {
    WhileOpen([&](CSetupDialog&, SiteMode& mode) {
        mode.Start(Open());
        std::filesystem::remove_all(m_folder);
        int sends = 0;
        mode.Write(site::WriteKind::All, Unit("192.168.1.20", "00-11-0A-0D-FF-13"), "COM1", [&] {
            ++sends;
            return true;
        });
        EXPECT_EQ(sends, 0);
        ASSERT_EQ(m_shown.size(), 1U);
        EXPECT_NE(m_shown[0].text.find("不存在了"), std::string::npos);
        EXPECT_TRUE(m_next.empty());
    });
}

TEST_F(SiteModeTest, FailedWriteAllIsRecordedWithItsErrorNotCountedAndPassedOn) {
    WhileOpen([&](CSetupDialog& dlg, SiteMode& mode) {
        mode.Start(Open());
        const auto fail = []() -> bool { throw CNotSupportedException("设备已断开。"); };
        EXPECT_THROW(mode.Write(site::WriteKind::All, Unit("192.168.1.20", "00-11-0A-0D-FF-13"),
                                "COM1", fail),
                     CNotSupportedException);
        ASSERT_EQ(Lines().size(), 1U);
        EXPECT_NE(Lines()[0].find("设备已断开。"), std::string::npos);
        // A sequence the MAC box stopped is no unit either.
        mode.Write(site::WriteKind::All, Unit("192.168.1.20", "00-11-0A-0D-FF-13"), "COM1",
                   [] { return false; });
        EXPECT_EQ(Lines().size(), 2U);
        EXPECT_TRUE(m_next.empty());
        EXPECT_TRUE(m_shown.empty());
        EXPECT_EQ(Caption(dlg), "6150 IP SET — 现场：已写 0 台");
    });
}

} // namespace
