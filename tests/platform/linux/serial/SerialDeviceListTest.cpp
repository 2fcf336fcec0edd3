// The serial device list on made-up /dev and /sys trees: what is listed, under which name,
// described how, and that listing opens and changes nothing under /dev.
#include "FakeDeviceTree.h"

#include <gtest/gtest.h>

#include <array>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

using serial::SerialDevice;
using test::FakeDeviceTree;

constexpr const char* kFtdiById = "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
constexpr const char* kArduinoById = "usb-Arduino__www.arduino.cc__0043_7563-if00";
constexpr const char* kBareById = "usb-1a86_USB_Serial-if00-port0";

std::vector<std::array<std::string, 4>> Rows(const std::vector<SerialDevice>& devices) {
    std::vector<std::array<std::string, 4>> rows;
    for (const SerialDevice& device : devices) {
        rows.push_back({device.node, device.stableName, device.kind, device.description});
    }
    return rows;
}

// A machine with a bit of everything: adapters with and without udev names, a real UART,
// ports without one, virtual consoles and a pseudo-terminal.
class SerialDeviceListTest : public testing::Test {
protected:
    void SetUp() override {
        tree.AddUsb({"ttyUSB10", "1-3", "", "USB2.0-Serial", "", ""}); // no udev
        tree.AddUsb({"ttyUSB0", "1-1", "FTDI", "FT232R USB UART", "", kFtdiById});
        tree.AddUsb({"ttyUSB2", "1-4", "", "", "", kBareById}); // no strings in sysfs
        tree.AddUsb(
            {"ttyACM0", "1-2", "Arduino (www.arduino.cc)", "Arduino Uno", "", kArduinoById});
        tree.AddBuiltIn("ttyS0", "4");
        tree.AddBuiltIn("ttyS1", "0");
        tree.AddReservedPort("ttyS4");
        tree.AddVirtual("tty0");
        tree.AddVirtual("ptmx");
        tree.AddPseudoTerminal("3");
    }
    FakeDeviceTree tree;
};

TEST_F(SerialDeviceListTest, ListsPortsWithHardwareUsbFirstByStableNameAndWhatTheyAre) {
    using Row = std::array<std::string, 4>;
    const std::vector<Row> expected = {
        {tree.Node("ttyACM0"), tree.ById(kArduinoById), "USB 串口设备", "Arduino Uno"},
        {tree.Node("ttyUSB0"), tree.ById(kFtdiById), "USB 转串口适配器", "FTDI FT232R USB UART"},
        {tree.Node("ttyUSB2"), tree.ById(kBareById), "USB 转串口适配器", "1a86 USB Serial"},
        {tree.Node("ttyUSB10"), "", "USB 转串口适配器", "USB2.0-Serial"},
        {tree.Node("ttyS0"), "", "内置串口", ""},
    };
    const auto devices = tree.List().Devices();
    EXPECT_EQ(Rows(devices), expected);
    // The name to give the program is the one that stays when the adapter moves.
    EXPECT_EQ(devices[1].PathToUse(), tree.ById(kFtdiById));
    EXPECT_EQ(devices[3].PathToUse(), tree.Node("ttyUSB10"));
}

TEST_F(SerialDeviceListTest, KnowsWhichPortsHaveNoUart) {
    const auto list = tree.List();
    EXPECT_TRUE(list.HasNoUart(tree.Node("ttyS1")));
    EXPECT_TRUE(list.HasNoUart(tree.Node("ttyS4")));
    EXPECT_FALSE(list.HasNoUart(tree.Node("ttyS0")));
    EXPECT_FALSE(list.HasNoUart(tree.Node("ttyUSB0")));
    EXPECT_FALSE(list.HasNoUart(tree.Node("tty0")));
    EXPECT_FALSE(list.HasNoUart(tree.Node("ttyS9"))); // not known to the kernel
    // Only the nodes under /dev are the kernel's; another file named alike is not.
    EXPECT_FALSE(list.HasNoUart((tree.Root() / "ttyS1").string()));
}

TEST_F(SerialDeviceListTest, ListingOpensAndChangesNothingUnderDev) {
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    constexpr uint32_t kTouches = IN_OPEN | IN_ACCESS | IN_MODIFY | IN_ATTRIB | IN_CREATE |
                                  IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
    for (const auto& dir : {tree.Dev(), tree.Dev() / "serial" / "by-id", tree.Dev() / "pts"}) {
        ASSERT_GE(::inotify_add_watch(watch, dir.c_str(), kTouches), 0) << dir;
    }
    EXPECT_EQ(tree.List().Devices().size(), 5u);
    EXPECT_TRUE(tree.List().HasNoUart(tree.Node("ttyS1")));

    alignas(inotify_event) char buffer[4096];
    std::vector<std::string> touched;
    for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* at = buffer; at < buffer + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            // Reading a directory's entries is what listing is; any file touched is not.
            if ((event->mask & IN_ISDIR) == 0) {
                touched.emplace_back(event->len > 0 ? event->name : "(watched directory)");
            }
            at += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    EXPECT_EQ(touched, std::vector<std::string>{});
}

TEST(SerialDeviceList, NoPortsWithHardwareListsNothing) {
    FakeDeviceTree tree;
    tree.AddNoSerialHardware();
    tree.AddReservedPort("ttyS2");
    EXPECT_TRUE(tree.List().Devices().empty());
    EXPECT_TRUE(
        serial::SerialDeviceList(tree.Root() / "absent", tree.Root() / "absent").Devices().empty());
}

TEST(SerialDeviceList, PortWhoseNodeIsMissingIsNotOffered) {
    FakeDeviceTree tree;
    tree.AddUsb({"ttyUSB0", "1-1", "FTDI", "FT232R USB UART", "", ""});
    std::filesystem::remove(tree.Node("ttyUSB0")); // no udev to make it, e.g. in a container
    EXPECT_TRUE(tree.List().Devices().empty());
}

} // namespace
