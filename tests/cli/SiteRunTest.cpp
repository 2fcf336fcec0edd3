// The command line's site mode: which unit --next takes and what may be given with it, the
// checks of each frame, and the lines a write leaves in the record.
#include "cli/SiteRun.h"
#include "cli/ExitCode.h"
#include "tests/site/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using cli::CliOptions;
using cli::ExitCode;
using cli::RunStop;
using cli::SiteRun;
using site_test::TempFolder;

constexpr const char* kPlan = "标签,中控IP,MAC,服务器IP\n"
                              "301,192.168.1.21,00-11-0A-0D-01-01,192.168.1.10\n"
                              "302,192.168.1.22,00-11-0A-0D-01-02,\n";

CliOptions RecordOnly(const TempFolder& folder) {
    CliOptions options;
    options.recordFile = (folder / "record.csv").string();
    return options;
}

CliOptions SiteOptions(const TempFolder& folder) {
    CliOptions options = RecordOnly(folder);
    options.planFile = (folder / "plan.csv").string();
    options.next = true;
    return options;
}

cli::WriteJob Job(const cli::SettingTexts& settings) {
    return cli::PrepareWriteJob(CliOptions(), settings);
}

// The record's lines after the header, each as its cells (none of these hold a comma).
std::vector<std::vector<std::string>> Lines(const TempFolder& folder) {
    const std::string text = site_test::FileText(folder / "record.csv");
    std::vector<std::vector<std::string>> lines;
    for (std::size_t at = text.find("\r\n") + 2; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        std::vector<std::string> cells(1);
        for (const char c : text.substr(at, end - at)) {
            if (c == ',') {
                cells.emplace_back();
            } else {
                cells.back().push_back(c);
            }
        }
        lines.push_back(cells);
        at = end + 2;
    }
    return lines;
}

constexpr std::size_t kKindCell = 4;
constexpr std::size_t kResultCell = 10;
constexpr std::size_t kNoteCell = 11;

ExitCode StopOf(const CliOptions& options) {
    try {
        SiteRun run(options);
    } catch (const RunStop& stop) {
        return stop.Code();
    }
    return ExitCode::Sent;
}

TEST(SiteRun, NextTakesThePlanRowAndTheCommandLineOnlyForWhatThePlanLacks) {
    TempFolder folder;
    site_test::WriteFile(folder / "plan.csv", kPlan);
    const SiteRun run(SiteOptions(folder));
    EXPECT_EQ(run.Label(), "301");
    cli::SettingTexts given;
    given.mask = "255.255.255.0";
    given.gateway = "192.168.1.1";
    const cli::SettingTexts unit = run.NextUnit(given);
    EXPECT_EQ(unit.server, "192.168.1.10");
    EXPECT_EQ(unit.controller, "192.168.1.21");
    EXPECT_EQ(unit.mac, "00-11-0A-0D-01-01");
    EXPECT_EQ(unit.mask, "255.255.255.0");

    // Both giving a value, and neither, are named together.
    given.mac = "00-11-0A-0D-01-09";
    given.gateway.reset();
    try {
        run.NextUnit(given);
        FAIL() << "a MAC given twice was taken";
    } catch (const cli::UsageError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("第 2 行（301）已给出 --mac"), std::string::npos) << message;
        EXPECT_NE(message.find("没有给出 --gateway"), std::string::npos) << message;
        EXPECT_EQ(message.find("--server"), message.rfind("--server")) << message; // example only
    }
}

TEST(SiteRun, OpeningTellsABadPlanFromARecordThatCannotBeWritten) {
    TempFolder folder;
    site_test::WriteFile(folder / "plan.csv", "标签,中控IP,MAC\n301,192.168.1.300,00-11\n");
    EXPECT_EQ(StopOf(SiteOptions(folder)), ExitCode::BadArguments);
    CliOptions gone;
    gone.recordFile = (folder / "gone" / "record.csv").string();
    EXPECT_EQ(StopOf(gone), ExitCode::RecordFailed);
    EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
}

TEST(SiteRun, PlanDoneStopsWithItsOwnStatus) {
    TempFolder folder;
    site_test::WriteFile(folder / "plan.csv",
                         "标签,中控IP,MAC\n301,192.168.1.21,00-11-0A-0D-01-01\n");
    CliOptions options = SiteOptions(folder);
    cli::SettingTexts all;
    all.server = "192.168.1.10";
    all.mask = "255.255.255.0";
    all.gateway = "192.168.1.1";
    {
        SiteRun run(options);
        const cli::WriteJob job = Job(run.NextUnit(all));
        const cli::SiteRecorded recorded =
            run.Record(job, {5, {}, false, "COM1（/dev/ttyS0）"}, {});
        EXPECT_NE(recorded.message.find("已全部写完"), std::string::npos) << recorded.message;
    }
    SiteRun again(options);
    try {
        again.NextUnit(all);
        FAIL() << "a done plan gave a unit";
    } catch (const RunStop& stop) {
        EXPECT_EQ(stop.Code(), ExitCode::PlanDone);
    }
}

TEST(SiteRun, FewerThanFiveSettingsAreOneSingleWritePerFrameWithItsOwnWarnings) {
    TempFolder folder;
    SiteRun run(RecordOnly(folder));
    cli::SettingTexts settings;
    settings.gateway = "10.0.0.1";
    settings.mac = "01-00-5E-00-00-01"; // multicast
    const cli::WriteJob job = Job(settings);
    const auto warnings = run.Check(job);
    ASSERT_EQ(warnings.size(), 2U);
    EXPECT_TRUE(warnings[0].empty());
    ASSERT_EQ(warnings[1].size(), 1U);
    EXPECT_EQ(warnings[1][0].kind, site::WarningKind::MacMulticast);

    // The gateway went out, the MAC's frame failed: two lines, the second with the error.
    const cli::SiteRecorded recorded = run.Record(job, {1, "设备已断开", false, "COM1"}, warnings);
    ASSERT_EQ(recorded.appends.size(), 2U);
    EXPECT_TRUE(recorded.appends[0].ok && recorded.appends[1].ok);
    // A stop between frames records only the frames that went out.
    run.Record(job, {1, "按了 Ctrl+C", true, "COM1"}, {});
    const auto lines = Lines(folder);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0][kKindCell], "网关");
    EXPECT_EQ(lines[0][kResultCell], site::kResultSent);
    EXPECT_EQ(lines[0][kNoteCell], "");
    EXPECT_EQ(lines[1][kKindCell], "MAC");
    EXPECT_EQ(lines[1][kResultCell], "设备已断开");
    EXPECT_NE(lines[1][kNoteCell].find("组播"), std::string::npos) << lines[1][kNoteCell];
    EXPECT_EQ(lines[2][kKindCell], "网关");
}

TEST(SiteRun, FiveSettingsAreOneWriteAllLineEvenWhenStopped) {
    TempFolder folder;
    SiteRun run(RecordOnly(folder));
    const cli::WriteJob job =
        Job({"192.168.1.10", "192.168.1.20", "255.255.255.0", "192.168.1.1", "00-11-0A-0D-FF-13"});
    EXPECT_EQ(run.Check(job).size(), 1U);
    run.Record(job, {2, "按了 Ctrl+C", true, "COM1"}, {});
    const auto lines = Lines(folder);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0][kKindCell], "全部信息");
    EXPECT_EQ(lines[0][kResultCell], "按了 Ctrl+C");
}

} // namespace
