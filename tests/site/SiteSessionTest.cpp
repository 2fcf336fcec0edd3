// A site from start to continuation: counts, advance, plan, and a record that fails.
#include "site/SiteSession.h"

#include "tests/site/TempFolder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace site {
namespace {

using site_test::TempFolder;

const UnitValues kFirst{{192, 168, 1, 10},
                        {192, 168, 1, 20},
                        {255, 255, 255, 0},
                        {192, 168, 1, 1},
                        {0x00, 0x11, 0x0A, 0x00, 0x00, 0x01}};

WriteReport Sent(const UnitValues& values, WriteKind kind = WriteKind::All) {
    return {kind, values, "COM1（/dev/ttyS0）", {}, {}};
}

SiteSession Start(const SiteOptions& options) {
    SiteOpening opening = SiteSession::Open(options);
    if (!opening.session) {
        throw std::runtime_error(opening.message);
    }
    return std::move(*opening.session);
}

TEST(SiteSession, EachSentUnitCountsAndTheNextAdvances) {
    const TempFolder folder;
    SiteSession site = Start({folder / "r.csv", {}, true});
    EXPECT_EQ(site.Status(), "现场：已写 0 台");
    WriteRecorded recorded = site.Record(Sent(kFirst));
    ASSERT_TRUE(recorded.append.ok);
    ASSERT_TRUE(recorded.next);
    EXPECT_EQ(recorded.next->controller, (Ipv4Octets{192, 168, 1, 21}));
    EXPECT_EQ(recorded.next->mac, (MacBytes{0x00, 0x11, 0x0A, 0x00, 0x00, 0x02}));
    // A stopped write-all is recorded but neither counts nor advances; a single write never
    // advances.
    WriteReport stopped = Sent(*recorded.next);
    stopped.error = "设备已断开";
    EXPECT_FALSE(site.Record(stopped).next);
    EXPECT_FALSE(site.Record(Sent(*recorded.next, WriteKind::Mac)).next);
    EXPECT_EQ(site.UnitsSent(), 1u);
    EXPECT_EQ(site.State().NextSequence(), 4u);

    // Continued later: the count and the values given out come back from the record.
    const SiteSession again = Start({folder / "r.csv", {}, true});
    EXPECT_EQ(again.Status(), "现场：已写 1 台");
    EXPECT_EQ(again.State().NextSequence(), 4u);
    EXPECT_EQ(again.Check(WriteKind::All, kFirst).size(), 2u); // its address and MAC again
}

TEST(SiteSession, APlanFillsTheNextUnitAndLabelsTheRecord) {
    const TempFolder folder;
    site_test::WriteFile(folder / "plan.csv",
                         "房间,中控IP,MAC,网关\r\n"
                         "301 教室,192.168.1.31,0 17 10 0 0 49,\r\n"
                         "302 教室,192.168.1.32,0 17 10 0 0 50,192.168.1.254\r\n");
    SiteSession site = Start({folder / "r.csv", folder / "plan.csv", true});
    EXPECT_EQ(site.Status(), "现场：已写 0 台，下一台 301 教室");
    const UnitValues first = site.Prefill(kFirst);
    EXPECT_EQ(first.controller, (Ipv4Octets{192, 168, 1, 31}));
    EXPECT_EQ(first.gateway, kFirst.gateway);
    const WriteRecorded recorded = site.Record(Sent(first));
    ASSERT_TRUE(recorded.next);
    EXPECT_EQ(recorded.next->controller, (Ipv4Octets{192, 168, 1, 32}));
    EXPECT_EQ(recorded.next->gateway, (Ipv4Octets{192, 168, 1, 254}));
    EXPECT_EQ(site.NextLabel(), "302 教室");
    const WriteRecorded last = site.Record(Sent(*recorded.next));
    EXPECT_FALSE(last.next);
    EXPECT_EQ(last.message, "计划中的 2 台中控已全部写完。");
    EXPECT_EQ(site.Status(), "现场：已写 2 台，计划已全部写完");
    EXPECT_NE(site_test::FileText(folder / "r.csv").find(",302 教室,"), std::string::npos);
}

TEST(SiteSession, DoesNotStartOnARecordOrPlanItCannotUse) {
    const TempFolder folder;
    site_test::WriteFile(folder / "other.csv", "a,b\r\n");
    site_test::WriteFile(folder / "plan.csv",
                         "房间,中控IP,MAC\r\n301,192.168.1.300,0 1 2 3 4 5\r\n");
    for (const SiteOptions& options : {SiteOptions{folder / "other.csv", {}, true},
                                       SiteOptions{folder / "r.csv", folder / "plan.csv", true},
                                       SiteOptions{folder / "r.csv", folder / "missing.csv", true},
                                       SiteOptions{folder / "gone" / "r.csv", {}, true}}) {
        const SiteOpening opening = SiteSession::Open(options);
        EXPECT_FALSE(opening.session);
        EXPECT_FALSE(opening.message.empty());
    }
}

TEST(SiteSession, AUnitSentWithoutItsLineStillCounts) {
    const TempFolder folder;
    std::filesystem::create_directory(folder / "sub");
    SiteSession site = Start({folder / "sub" / "r.csv", {}, true});
    std::filesystem::remove_all(folder / "sub"); // the stick pulled out after the check
    const WriteRecorded recorded = site.Record(Sent(kFirst));
    EXPECT_FALSE(recorded.append.ok);
    EXPECT_NE(recorded.append.MissingLineMessage().find(recorded.append.line), std::string::npos);
    EXPECT_EQ(site.UnitsSent(), 1u);
    EXPECT_EQ(site.Check(WriteKind::Controller, kFirst).size(), 1u);
}

} // namespace
} // namespace site
