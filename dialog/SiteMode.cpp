// The site mode in the setup dialog.
#include "dialog/SiteMode.h"

#include "dialog/SiteStartDialog.h"
#include "dialog/SiteText.h"
#include "platform/afx/AfxMessageBox.h"
#include "platform/afx/CException.h"
#include "res/Resource.h"
#include "site/LocalTime.h"
#include "site/ValueText.h"

#include <shellapi.h>

#include <cstdio>
#include <exception>

namespace {

constexpr const char* kCaptionSeparator = " — ";
constexpr const char* kStoppedMessage = "写入已停止：MAC 输入有误，其后的帧没有发出。";
constexpr const char* kUnknownError = "写入没有完成。";
constexpr const char* kNextFilled = "下一台的设置已填入，核对后即可写入。";
constexpr LPCTSTR kOpenVerb = TEXT("open");
// ShellExecute's results up to this value are errors.
constexpr std::uintptr_t kShellExecuteLastError = 32;
constexpr std::size_t kClockSize = 16;
constexpr UINT kMenuIds[] = {IDM_SITE_START, IDM_SITE_OPEN, IDM_SITE_END};
constexpr UINT kMenuStrings[] = {IDS_SITE_START, IDS_SITE_OPEN, IDS_SITE_END};

int Say(const std::string& text, UINT type) {
    return AfxMessageBox(CString(text), type);
}

// The message of the exception being handled, as the record's result column gives it.
std::string CurrentError() {
    try {
        throw;
    } catch (const CException& e) {
        const std::string text = Utf8Of(e.GetErrorMessage());
        return text.empty() ? kUnknownError : text;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return kUnknownError;
    }
}

// "14:03:27".
std::string ClockOf(std::chrono::system_clock::time_point when) {
    const site::LocalTimeFields local = site::LocalFields(when);
    char clock[kClockSize];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", local.hour, local.minute, local.second);
    return clock;
}

// What the technician is told after a write-all whose frames all went out.
std::string SentMessage(const site::WriteReport& report, std::uint64_t count,
                        const std::string& label, std::chrono::system_clock::time_point when) {
    std::string text = "第 " + std::to_string(count) + " 台" +
                       (label.empty() ? std::string() : "（" + label + "）") + "已发送：\n";
    text += "中控IP " + site::FormatIpv4(report.values.controller) + "\n";
    text += "MAC " + site::FormatMac(report.values.mac) + "\n";
    return text + "时间 " + ClockOf(when);
}

} // namespace

void SiteMode::AddMenuEntries(CMenu& menu) {
    menu.AppendMenu(MF_SEPARATOR);
    for (std::size_t i = 0; i < std::size(kMenuIds); ++i) {
        CString text;
        if (text.LoadString(kMenuStrings[i])) {
            menu.AppendMenu(MF_STRING, kMenuIds[i], text);
        }
    }
    UpdateMenu();
}

bool SiteMode::OnSysCommand(UINT id) {
    switch (id) {
    case IDM_SITE_START:
        AskAndStart();
        return true;
    case IDM_SITE_OPEN:
        OpenRecord();
        return true;
    case IDM_SITE_END:
        End();
        return true;
    default:
        return false;
    }
}

void SiteMode::Start(site::SiteSession session) {
    if (!IsOn()) {
        m_dialog.GetWindowText(m_caption);
    }
    m_session.emplace(std::move(session));
    if (m_session->HasPlan()) {
        // A plan without server, mask or gateway columns leaves those boxes as typed.
        m_show(m_session->Prefill(m_read()));
    }
    UpdateMenu();
    UpdateCaption();
}

void SiteMode::End() {
    if (IsOn()) {
        m_session.reset();
        m_dialog.SetWindowText(m_caption);
    }
    UpdateMenu();
}

void SiteMode::Write(site::WriteKind kind, const site::UnitValues& values, const std::string& port,
                     const Send& send) {
    if (const std::string problem = m_session->CheckRecord(); !problem.empty()) {
        Say(problem, MB_ICONERROR);
        return;
    }
    site::WriteReport report{kind, values, port, {}, m_session->Check(kind, values)};
    if (!report.overridden.empty() && Say(site::Guards::Question(report.overridden),
                                          MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
        return;
    }
    try {
        if (!send()) {
            report.error = kStoppedMessage;
        }
    } catch (...) {
        report.error = CurrentError();
        Finish(report);
        throw;
    }
    Finish(report);
}

void SiteMode::AskAndStart() {
    if (IsOn()) {
        return;
    }
    CSiteStartDialog start(&m_dialog);
    if (start.DoModal() != IDOK || !start.Session()) {
        return;
    }
    Start(std::move(*start.Session()));
    if (!start.Notice().empty()) {
        Say(start.Notice(), MB_ICONEXCLAMATION);
    }
}

void SiteMode::OpenRecord() {
    if (!IsOn()) {
        return;
    }
    const std::filesystem::path& path = m_session->RecordPath();
    const auto result = reinterpret_cast<std::uintptr_t>(
        ShellExecute(m_dialog.m_hWnd, kOpenVerb, TextOf(path), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= kShellExecuteLastError) {
        Say("无法打开记录文件：系统中没有能打开它的程序，或文件还不存在（写入第一台后才会创建）。\n"
            "记录文件在：" +
                Utf8Of(TextOf(path)),
            MB_ICONEXCLAMATION);
    }
}

void SiteMode::Finish(const site::WriteReport& report) {
    const auto when = std::chrono::system_clock::now();
    const std::string label = m_session->NextLabel();
    const site::WriteRecorded recorded = m_session->Record(report, when);
    UpdateCaption();
    if (recorded.next) {
        m_show(*recorded.next);
    }
    if (!recorded.append.ok) {
        Say(recorded.append.MissingLineMessage(), MB_ICONEXCLAMATION);
    }
    if (report.kind != site::WriteKind::All || !report.error.empty()) {
        return;
    }
    std::string text = SentMessage(report, m_session->UnitsSent(), label, when);
    if (!recorded.message.empty()) {
        text += "\n\n" + recorded.message;
    } else if (recorded.next) {
        text += "\n\n" + std::string(kNextFilled);
    }
    Say(text, MB_ICONINFORMATION);
}

void SiteMode::UpdateMenu() {
    CMenu* menu = m_dialog.GetSystemMenu(FALSE);
    if (menu == nullptr) {
        return;
    }
    const UINT whenOff = IsOn() ? MF_GRAYED : MF_ENABLED;
    const UINT whenOn = IsOn() ? MF_ENABLED : MF_GRAYED;
    menu->EnableMenuItem(IDM_SITE_START, MF_BYCOMMAND | whenOff);
    menu->EnableMenuItem(IDM_SITE_OPEN, MF_BYCOMMAND | whenOn);
    menu->EnableMenuItem(IDM_SITE_END, MF_BYCOMMAND | whenOn);
}

void SiteMode::UpdateCaption() {
    if (IsOn()) {
        m_dialog.SetWindowText(m_caption + CString(kCaptionSeparator + m_session->Status()));
    }
}
