// The next unit's controller address and MAC.
#include "site/Advance.h"

#include <gtest/gtest.h>

namespace site {
namespace {

UnitValues Unit(Ipv4Octets controller, Ipv4Octets mask = {255, 255, 255, 0},
                MacBytes mac = {0x00, 0x11, 0x0A, 0x00, 0x00, 0x01}) {
    return {{192, 168, 1, 10}, controller, mask, {192, 168, 1, 1}, mac};
}

// A record in which unit sequence was sent with controller and mac.
void Sent(RecordState& record, std::uint64_t sequence, Ipv4Octets controller, MacBytes mac) {
    RecordEntry entry;
    entry.sequence = sequence;
    entry.values = Unit(controller, {255, 255, 255, 0}, mac);
    record.Add(entry);
}

TEST(Advance, ControllerSkipsServerGatewayAndWhatTheRecordHolds) {
    RecordState record;
    EXPECT_EQ(Advance::NextController(Unit({192, 168, 1, 20}), record),
              (Ipv4Octets{192, 168, 1, 21}));
    // .9 -> .10 is the server; .0 -> .1 is the gateway.
    EXPECT_EQ(Advance::NextController(Unit({192, 168, 1, 9}), record),
              (Ipv4Octets{192, 168, 1, 11}));
    EXPECT_EQ(Advance::NextController(Unit({192, 168, 1, 0}), record),
              (Ipv4Octets{192, 168, 1, 2}));
    Sent(record, 1, {192, 168, 1, 21}, {0, 0x11, 0x0A, 0, 0, 9});
    Sent(record, 2, {192, 168, 1, 22}, {0, 0x11, 0x0A, 0, 0, 8});
    EXPECT_EQ(Advance::NextController(Unit({192, 168, 1, 20}), record),
              (Ipv4Octets{192, 168, 1, 23}));
}

TEST(Advance, ControllerCarriesAcrossOctetsAndStopsBeforeTheBroadcast) {
    RecordState record;
    EXPECT_EQ(Advance::NextController(Unit({10, 0, 0, 255}, {255, 255, 0, 0}), record),
              (Ipv4Octets{10, 0, 1, 0}));
    EXPECT_FALSE(Advance::NextController(Unit({192, 168, 1, 254}), record));
    // A /30 has two hosts; a /31 and a /32 none above the first.
    EXPECT_EQ(Advance::NextController(Unit({10, 0, 0, 5}, {255, 255, 255, 252}), record),
              (Ipv4Octets{10, 0, 0, 6}));
    EXPECT_FALSE(Advance::NextController(Unit({10, 0, 0, 6}, {255, 255, 255, 252}), record));
    EXPECT_FALSE(Advance::NextController(Unit({10, 0, 0, 4}, {255, 255, 255, 254}), record));
    EXPECT_FALSE(Advance::NextController(Unit({10, 0, 0, 4}, {255, 255, 255, 255}), record));
}

TEST(Advance, ControllerStaysInASubnetWhoseMaskIsNotContiguous) {
    // Host bits are the last octet's and the second's: .255 carries into the second octet.
    RecordState record;
    const Ipv4Octets mask{255, 0, 255, 0};
    EXPECT_EQ(Advance::NextController(Unit({10, 0, 7, 255}, mask), record),
              (Ipv4Octets{10, 1, 7, 0}));
    EXPECT_FALSE(Advance::NextController(Unit({10, 255, 7, 254}, mask), record));
}

TEST(Advance, MacMovesInItsLastThreeBytesOnly) {
    RecordState record;
    EXPECT_EQ(Advance::NextMac({0x00, 0x11, 0x0A, 0x00, 0x00, 0xFF}, record),
              (MacBytes{0x00, 0x11, 0x0A, 0x00, 0x01, 0x00}));
    EXPECT_EQ(Advance::NextMac({0x00, 0x11, 0x0A, 0x00, 0xFF, 0xFF}, record),
              (MacBytes{0x00, 0x11, 0x0A, 0x01, 0x00, 0x00}));
    // The maker's part never changes: at the end of the unit part there is no next.
    EXPECT_FALSE(Advance::NextMac({0x00, 0x11, 0x0A, 0xFF, 0xFF, 0xFF}, record));
    Sent(record, 1, {192, 168, 1, 30}, {0x00, 0x11, 0x0A, 0x00, 0x00, 0x02});
    Sent(record, 2, {192, 168, 1, 31}, {0x00, 0x11, 0x0A, 0x00, 0x00, 0x03});
    EXPECT_EQ(Advance::NextMac({0x00, 0x11, 0x0A, 0x00, 0x00, 0x01}, record),
              (MacBytes{0x00, 0x11, 0x0A, 0x00, 0x00, 0x04}));
}

TEST(Advance, RunningOutChangesNothingAndSaysWhich) {
    RecordState record;
    const UnitValues full = Unit({192, 168, 1, 254});
    const AdvanceResult address = Advance::Next(full, record);
    EXPECT_FALSE(address.next);
    EXPECT_NE(address.message.find("中控IP"), std::string::npos);
    EXPECT_NE(address.message.find("192.168.1.254"), std::string::npos);

    const AdvanceResult mac = Advance::Next(
        Unit({192, 168, 1, 20}, {255, 255, 255, 0}, {0, 0x11, 0x0A, 255, 255, 255}), record);
    EXPECT_FALSE(mac.next);
    EXPECT_NE(mac.message.find("MAC"), std::string::npos);

    const AdvanceResult both = Advance::Next(Unit({192, 168, 1, 20}), record);
    ASSERT_TRUE(both.next);
    EXPECT_TRUE(both.message.empty());
    UnitValues expected = Unit({192, 168, 1, 21}, {255, 255, 255, 0}, {0, 0x11, 0x0A, 0, 0, 2});
    EXPECT_EQ(*both.next, expected);
}

} // namespace
} // namespace site
