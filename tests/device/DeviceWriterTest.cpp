// The write operations against a recording link: which calls, in which order.
#include "device/DeviceWriter.h"
#include "FakeSerialLink.h"
#include "device/LinkSetup.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;
using test::FakeSerialLink;

// An address source that logs its reading, so that the log shows when it is read.
OctetSource Source(FakeSerialLink& link, Ipv4Octets octets, const char* name) {
    return [&link, octets, name](BYTE& a, BYTE& b, BYTE& c, BYTE& d) {
        link.log.push_back(std::string("read ") + name);
        a = octets[0];
        b = octets[1];
        c = octets[2];
        d = octets[3];
    };
}

class WriteOperations : public testing::Test {
protected:
    // The dialog's data exchange: fills m_mac from the boxes, or rejects a box.
    MacSource Mac() {
        return {[this] {
                    link.log.push_back("update data");
                    if (!macAccepted) {
                        m_mac[0] = 0xAA; // the boxes before the rejected one are converted
                        return FALSE;
                    }
                    std::copy(std::begin(newMac), std::end(newMac), m_mac);
                    return TRUE;
                },
                m_mac};
    }
    AddressSources Addresses() {
        return {Source(link, {192, 168, 1, 10}, "server"),
                Source(link, {192, 168, 1, 20}, "controller"),
                Source(link, {255, 255, 255, 0}, "subnet"),
                Source(link, {192, 168, 1, 1}, "gateway")};
    }

    FakeSerialLink link;
    DeviceWriter writer{link, link.Pause()};
    BYTE m_mac[6] = {};
    BYTE newMac[6] = {0, 1, 2, 3, 4, 255};
    bool macAccepted = true;
};

TEST_F(WriteOperations, AddressWriteReadsFirstOpensOnlyWhenClosedAndCloses) {
    writer.WriteAddress(DeviceOpcode::ServerAddress, Source(link, {192, 168, 1, 10}, "server"));
    EXPECT_EQ(link.log,
              (Log{"read server", "open?=no", "open", "send 53 45 51 C0 A8 01 0A", "close"}));
    EXPECT_FALSE(link.open);

    link.log.clear();
    link.open = true;
    writer.WriteAddress(DeviceOpcode::GatewayAddress, Source(link, {0, 0, 0, 0}, "gateway"));
    EXPECT_EQ(link.log, (Log{"read gateway", "open?=yes", "send 53 45 53 00 00 00 00", "close"}));
}

TEST_F(WriteOperations, MacWriteLeavesThePortOpenForTheNextAddressWrite) {
    EXPECT_TRUE(writer.WriteMac(Mac()));
    writer.WriteAddress(DeviceOpcode::SubnetMask, Source(link, {255, 255, 255, 0}, "subnet"));
    EXPECT_EQ(link.log, (Log{"update data", "open?=no", "open", "send 53 45 55 00 01 02 03 04 FF",
                             "read subnet", "open?=yes", "send 53 45 54 FF FF FF 00", "close"}));
}

TEST_F(WriteOperations, RejectedMacBoxSendsNothing) {
    macAccepted = false;
    EXPECT_FALSE(writer.WriteMac(Mac()));
    EXPECT_EQ(link.log, (Log{"update data"}));
}

TEST_F(WriteOperations, WriteAllSendsFiveFramesInOrderWithAPauseAfterEach) {
    EXPECT_TRUE(writer.WriteAll(Addresses(), Mac()));
    EXPECT_EQ(link.log, (Log{"read server",
                             "open?=no",
                             "open",
                             "send 53 45 51 C0 A8 01 0A",
                             "close",
                             "pause 500",
                             "read controller",
                             "open?=no",
                             "open",
                             "send 53 45 52 C0 A8 01 14",
                             "close",
                             "pause 500",
                             "read subnet",
                             "open?=no",
                             "open",
                             "send 53 45 54 FF FF FF 00",
                             "close",
                             "pause 500",
                             "read gateway",
                             "open?=no",
                             "open",
                             "send 53 45 53 C0 A8 01 01",
                             "close",
                             "pause 500",
                             "update data",
                             "open?=no",
                             "open",
                             "send 53 45 55 00 01 02 03 04 FF",
                             "pause 500"}));
    EXPECT_TRUE(link.open);
}

TEST_F(WriteOperations, WriteAllThatCannotOpenSendsNothingAndStops) {
    link.failOpen = true;
    EXPECT_THROW(writer.WriteAll(Addresses(), Mac()), COleDispatchException);
    EXPECT_EQ(link.log, (Log{"read server", "open?=no", "open"}));
    EXPECT_TRUE(link.frames.empty());
}

TEST_F(WriteOperations, FailedSendLeavesThePortOpenAndAbandonsTheSequence) {
    link.failSend = true;
    EXPECT_THROW(writer.WriteAll(Addresses(), Mac()), COleDispatchException);
    EXPECT_EQ(link.log, (Log{"read server", "open?=no", "open", "send 53 45 51 C0 A8 01 0A"}));
    EXPECT_TRUE(link.open);
}

TEST_F(WriteOperations, WriteAllEndsAtARejectedMacBox) {
    macAccepted = false;
    EXPECT_FALSE(writer.WriteAll(Addresses(), Mac()));
    EXPECT_EQ(link.frames.size(), 4u);
    EXPECT_EQ(link.log.back(), "update data");
    EXPECT_FALSE(link.open);
}

TEST(PortSwitch, ClosesAnOpenPortAndSetsTheChosenNumber) {
    FakeSerialLink link;
    link.open = true;
    int nPort = 1;
    SwitchSerialPort(link, "COM2", nPort);
    EXPECT_EQ(nPort, 2);
    EXPECT_EQ(link.log, (Log{"open?=yes", "close", "port 2"}));
    EXPECT_FALSE(link.open);

    link.log.clear();
    SwitchSerialPort(link, "COM1", nPort);
    EXPECT_EQ(nPort, 1);
    EXPECT_EQ(link.log, (Log{"open?=no", "port 1"}));
}

TEST(PortSwitch, OtherTextKeepsTheNumber) {
    FakeSerialLink link;
    for (const char* text : {"com2", "COM2 ", "", "COM3"}) {
        int nPort = 2;
        SwitchSerialPort(link, text, nPort);
        EXPECT_EQ(nPort, 2) << text;
        EXPECT_EQ(link.log.back(), "port 2") << text;
    }
}

} // namespace
