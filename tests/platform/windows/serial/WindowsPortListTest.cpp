// The serial ports a Windows PC offers in the control's messages: which ports are listed and
// how, and what the user is told to do with them. Pure logic, so it runs on any system.
#include "platform/windows/serial/WindowsPortList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using serial::InstalledPort;
using serial::OfferedPorts;
using serial::PortsAfterDisconnect;
using serial::PortsToChooseFrom;
using serial::SerialDevice;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::vector<std::string> Nodes(const std::vector<SerialDevice>& ports) {
    std::vector<std::string> nodes;
    for (const SerialDevice& port : ports) {
        nodes.push_back(port.node);
    }
    return nodes;
}

// A PC with a CH340 adapter, an FTDI adapter, a built-in port and a Bluetooth link, and
// devices that name ports the serial map does not have (a printer port, a port whose
// adapter is unplugged).
const std::vector<InstalledPort> kDescribed = {
    {"COM3", "USB-SERIAL CH340 (COM3)", "USB"},
    {"COM10", "USB Serial Port (COM10)", "FTDIBUS"},
    {"COM1", "通信端口 (COM1)", "ACPI"},
    {"COM5", "Bluetooth 链接上的标准串行 (COM5)", "BTHENUM"},
    {"LPT1", "ECP 打印机端口 (LPT1)", "ACPI"},
    {"COM9", "Prolific USB-to-Serial Comm Port (COM9)", "USB"},
};

TEST(WindowsPortList, OffersEachMappedPortOnceInNumberOrder) {
    const auto ports = OfferedPorts(
        {"COM10", "COM3", "com1", "COM5", "CNCA0", "COM2", "COM3", " ", ""}, kDescribed);
    // By number, not by text (COM10 after COM5); other names last; each port once.
    EXPECT_EQ(Nodes(ports),
              (std::vector<std::string>{"COM1", "COM2", "COM3", "COM5", "COM10", "CNCA0"}));
}

TEST(WindowsPortList, DescribesPortsByTheirDevices) {
    const auto ports = OfferedPorts({"COM3", "COM10", "COM1", "COM5", "COM2"}, kDescribed);
    ASSERT_EQ(ports.size(), 5u);
    // The friendly name without the "(COMn)" that the entry already starts with.
    EXPECT_EQ(ports[0].node, "COM1");
    EXPECT_EQ(ports[0].description, "通信端口");
    EXPECT_EQ(ports[0].kind, "内置串口");
    EXPECT_EQ(ports[2].description, "USB-SERIAL CH340");
    EXPECT_EQ(ports[2].kind, "USB 转串口适配器");
    EXPECT_EQ(ports[3].kind, "蓝牙串口");
    EXPECT_EQ(ports[4].description, "USB Serial Port");
    EXPECT_EQ(ports[4].kind, "USB 转串口适配器"); // FTDI's own bus is USB too
    // A port that no device describes is still offered, plainly.
    EXPECT_EQ(ports[1].node, "COM2");
    EXPECT_EQ(ports[1].description, "");
    EXPECT_EQ(ports[1].kind, "串口");
}

TEST(WindowsPortList, MatchesNamesWithoutRegardToCaseAndKeepsOtherPortsInNames) {
    const auto ports = OfferedPorts({"COM4", "COM6"}, {{"com4 ", "Adapter (com4)", "usb"},
                                                       {"COM6", "Bridge to (COM7)", ""},
                                                       {"COM6", "Second device (COM6)", "USB"}});
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[0].description, "Adapter");
    EXPECT_EQ(ports[0].kind, "USB 转串口适配器");
    // Only the port's own name is taken off; the first device naming the port describes it.
    EXPECT_EQ(ports[1].description, "Bridge to (COM7)");
    EXPECT_EQ(ports[1].kind, "串口");
}

TEST(WindowsPortList, EmptyMapOffersNothingAndOverlongNumbersAreNames) {
    EXPECT_TRUE(OfferedPorts({}, kDescribed).empty());
    // A name too long to be a port number is sorted with the other names, not misread.
    const auto ports = OfferedPorts({"COM99999999999999999999", "COM7"}, {});
    EXPECT_EQ(Nodes(ports), (std::vector<std::string>{"COM7", "COM99999999999999999999"}));
}

TEST(WindowsPortList, MissingPortListsPortsAndHowToRenumberOne) {
    const auto ports = OfferedPorts({"COM3", "COM10"}, kDescribed);
    const std::string text = PortsToChooseFrom("COM2", ports);
    EXPECT_TRUE(text.starts_with("\n\n")) << text;
    EXPECT_TRUE(Contains(text, "\n\n• COM3：USB 转串口适配器 USB-SERIAL CH340")) << text;
    EXPECT_TRUE(Contains(text, "\n\n• COM10：USB 转串口适配器 USB Serial Port")) << text;
    EXPECT_LT(text.find("COM3："), text.find("COM10：")) << text;
    // The way through Device Manager, in order, ending with the port's own name.
    std::size_t at = 0;
    for (const char* step :
         {"设备管理器", "端口 (COM 和 LPT)", "属性", "端口设置", "高级", "COM 端口号", "COM2"}) {
        at = text.find(step, at);
        ASSERT_NE(at, std::string::npos) << step << " in: " << text;
    }
    // Nothing of the Linux advice.
    EXPECT_FALSE(Contains(text, "TAVRIN_")) << text;
    EXPECT_FALSE(Contains(text, "环境变量")) << text;
}

TEST(WindowsPortList, NoPortsSaysSoAndOffersNoSteps) {
    for (const std::string& text :
         {PortsToChooseFrom("COM1", {}), PortsAfterDisconnect("COM1", {})}) {
        EXPECT_TRUE(text.starts_with("\n\n")) << text;
        EXPECT_TRUE(Contains(text, "没有串口")) << text;
        EXPECT_FALSE(Contains(text, "•")) << text;
        EXPECT_FALSE(Contains(text, "设备管理器")) << text;
    }
}

TEST(WindowsPortList, DisconnectedPortTellsHowToGetItsNameBack) {
    const std::string text = PortsAfterDisconnect("COM1", OfferedPorts({"COM4"}, {}));
    EXPECT_TRUE(text.starts_with("\n\n")) << text;
    EXPECT_TRUE(Contains(text, "\n\n• COM4：串口")) << text;
    EXPECT_TRUE(Contains(text, "不再是 COM1")) << text;
    EXPECT_TRUE(Contains(text, "COM 端口号")) << text;
    EXPECT_FALSE(Contains(text, "环境变量")) << text;
}

} // namespace
