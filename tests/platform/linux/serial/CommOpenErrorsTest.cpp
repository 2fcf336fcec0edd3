// What the user reads when a port's device cannot be opened or goes away: the cause in
// Chinese, no English system text, and where the device is not there or is no serial port,
// the serial devices the machine has with the exact line that selects each.
#include "FakeDeviceTree.h"
#include "platform/linux/serial/LinuxCommErrors.h"
#include "platform/linux/serial/LinuxSerialPort.h"
#include "support/CommDriver.h"
#include "support/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

using serial::LinuxSerialPort;
using serial::PortIdentity;
using serial::ThrowOpenError;
using test::CommError;
using test::ErrorFrom;
using test::FakeDeviceTree;

constexpr const char* kFtdiById = "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
constexpr int kLastErrno = 133;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// No text of the system's (strerror) shows, except `allowed` where no wording fits.
void ExpectNoSystemText(const std::string& message, int allowed = 0) {
    for (int error = 1; error <= kLastErrno; ++error) {
        if (error != allowed) {
            EXPECT_FALSE(Contains(message, std::strerror(error)))
                << std::strerror(error) << " in: " << message;
        }
    }
}

// A machine with an FTDI adapter under udev, an adapter without udev and a real UART.
class CommOpenErrors : public testing::Test {
protected:
    void SetUp() override {
        tree.AddUsb({"ttyUSB0", "1-1", "FTDI", "FT232R USB UART", "", kFtdiById});
        tree.AddUsb(
            {"ttyUSB1", "1-2", "Prolific Technology Inc.", "USB-Serial Controller", "", ""});
        tree.AddBuiltIn("ttyS0", "4");
        tree.AddBuiltIn("ttyS1", "0");
        tree.AddVirtual("tty1");
        tree.AddPseudoTerminal("2");
    }

    std::string OpenError(const std::string& path, CommError expected) {
        LinuxSerialPort device(tree.List());
        return ErrorFrom(
            [&] { device.OpenDevice("COM1", path, serial::ParseLineSettings("9600,n,8,1")); },
            expected);
    }

    // The list of this tree's devices as the message shows it.
    std::string Listing(const std::string& port = "COM1") const {
        const std::string line = "\nTAVRIN_" + port + "=";
        return "\n\n• " + tree.Node("ttyUSB0") + "：USB 转串口适配器 FTDI FT232R USB UART" + line +
               tree.ById(kFtdiById) + "\n\n• " + tree.Node("ttyUSB1") +
               "：USB 转串口适配器 Prolific Technology Inc. USB-Serial Controller" + line +
               tree.Node("ttyUSB1") + "\n\n• " + tree.Node("ttyS0") + "：内置串口" + line +
               tree.Node("ttyS0");
    }
    std::string CannotOpenTail(const std::string& port = "COM1") const {
        return "\n\n这台电脑上有以下串口设备。要把其中一个用作 " + port +
               "，请退出 tavrin，用它下面的那一行设置环境变量后重新启动：" + Listing(port) +
               "\n\n在终端中把这一行写在 tavrin 前面；从菜单启动时把它写入 "
               "~/.config/environment.d/tavrin.conf 并重新登录。";
    }

    FakeDeviceTree tree;
};

TEST_F(CommOpenErrors, DeviceThatIsNotThereOrNoSerialPortListsTheMachinesDevices) {
    const std::string directory = tree.Root().string();
    const std::string file = (tree.Root() / "notes.txt").string();
    std::ofstream(file) << "not a port\n";
    const std::string missing = tree.Node("ttyUSB7");
    const std::string noUart = tree.Node("ttyS1");
    const struct {
        std::string path;
        CommError code;
        std::string expected;
    } cases[] = {
        {directory, CommError::NotSerialDevice,
         "无法打开串口 COM1（" + directory + "）：" + directory + " 是一个目录，不是串口设备。"},
        {file, CommError::NotSerialDevice,
         "无法打开串口 COM1（" + file + "）：" + file + " 不是串口设备。"},
        {"/dev/null", CommError::NotSerialDevice,
         "无法打开串口 COM1（/dev/null）：/dev/null 不是串口设备。"},
        {missing, CommError::NoSuchDevice, "无法打开串口 COM1（" + missing + "）：设备不存在。"},
        {noUart, CommError::NoSerialHardware,
         "无法打开串口 COM1（" + noUart + "）：" + noUart +
             " 后面没有串口硬件，这台电脑没有这个串口。"},
    };
    for (const auto& c : cases) {
        const std::string message = OpenError(c.path, c.code);
        EXPECT_EQ(message, c.expected + CannotOpenTail());
        ExpectNoSystemText(message);
    }
}

TEST_F(CommOpenErrors, LinkNamesTheRealDeviceAndAMissingLinkTargetIsMissing) {
    const auto link = tree.Root() / "com1";
    // Not /dev/null: the test above opens that, and a run beside it would find it locked.
    std::filesystem::create_symlink("/dev/zero", link);
    EXPECT_EQ(OpenError(link.string(), CommError::NotSerialDevice),
              "无法打开串口 COM1（" + link.string() + " → /dev/zero）：/dev/zero 不是串口设备。" +
                  CannotOpenTail());
    const auto dangling = tree.Root() / "com2";
    std::filesystem::create_symlink(tree.Node("ttyUSB7"), dangling);
    EXPECT_EQ(OpenError(dangling.string(), CommError::NoSuchDevice),
              "无法打开串口 COM1（" + dangling.string() + "）：设备不存在。" + CannotOpenTail());
}

// The command line opens a port by its path: the devices are offered by their paths, since no
// environment variable names such a port.
TEST_F(CommOpenErrors, APortGivenByItsPathIsOfferedDevicePathsNotVariables) {
    const std::string missing = tree.Node("ttyUSB7");
    LinuxSerialPort device(tree.List());
    const std::string message = ErrorFrom(
        [&] { device.OpenDevice(missing, missing, serial::ParseLineSettings("9600,n,8,1")); },
        CommError::NoSuchDevice);
    EXPECT_TRUE(Contains(message, "请用它下面的设备路径再写入一次")) << message;
    EXPECT_TRUE(Contains(message, "\n" + tree.Node("ttyS0"))) << message;
    EXPECT_TRUE(Contains(message, kFtdiById)) << message;
    EXPECT_FALSE(Contains(message, "TAVRIN_")) << message;
    EXPECT_FALSE(Contains(message, "environment.d")) << message;
}

// Causes only a real kernel gives, injected: each is said in Chinese.
TEST_F(CommOpenErrors, EveryCauseTheKernelGivesIsSaidInChinese) {
    const PortIdentity usb{"COM2", tree.Node("ttyUSB0"), tree.Node("ttyUSB0")};
    const std::string prefix = "无法打开串口 COM2（" + usb.path + "）：";
    const std::string tail = CannotOpenTail("COM2");
    const struct {
        int error;
        CommError code;
        std::string expected;
    } cases[] = {
        {ENXIO, CommError::NoSuchDevice,
         prefix + "设备节点还在，但它背后的设备已不存在（例如 USB 转串口适配器已拔出）。" + tail},
        {ENODEV, CommError::NoSuchDevice,
         prefix + "设备节点还在，但它背后的设备已不存在（例如 USB 转串口适配器已拔出）。" + tail},
        {EIO, CommError::OpenFailed,
         prefix + "设备没有响应（输入输出错误），可能已断开或损坏。" + tail},
        {EACCES, CommError::PermissionDenied,
         prefix + "没有访问该设备的权限。当前用户需要属于 dialout 组（sudo usermod -aG dialout "
                  "用户名，然后重新登录）。"},
        {EBUSY, CommError::PortBusy, prefix + "端口正被另一个程序占用。请先关闭占用该端口的程序。"},
        {EAGAIN, CommError::OpenFailed, prefix + "设备暂时不可用。请检查设备和串口线后再写入。"},
    };
    for (const auto& c : cases) {
        const std::string message =
            ErrorFrom([&] { ThrowOpenError(usb, c.error, tree.List()); }, c.code);
        EXPECT_EQ(message, c.expected) << std::strerror(c.error);
        ExpectNoSystemText(message);
    }
    // On a ttyS node without a UART the kernel's I/O error means there is no such port.
    const PortIdentity ttyS{"COM1", tree.Node("ttyS1"), tree.Node("ttyS1")};
    const std::string message =
        ErrorFrom([&] { ThrowOpenError(ttyS, EIO, tree.List()); }, CommError::NoSerialHardware);
    EXPECT_TRUE(Contains(message, "后面没有串口硬件")) << message;

    // A cause without its own wording: a Chinese sentence, the system's text in brackets.
    const std::string other =
        ErrorFrom([&] { ThrowOpenError(usb, EXDEV, tree.List()); }, CommError::OpenFailed);
    EXPECT_EQ(other, prefix + "系统报告了一个错误（" + std::strerror(EXDEV) +
                         "）。请检查设备和串口线后再写入。");
    ExpectNoSystemText(other, EXDEV);
}

TEST(CommOpenErrorsNoDevices, WithoutAnySerialDeviceTheMessageSaysToCheckTheAdapter) {
    FakeDeviceTree tree;
    tree.AddNoSerialHardware();
    LinuxSerialPort device(tree.List());
    const std::string message = ErrorFrom(
        [&] {
            device.OpenDevice("COM1", tree.Node("ttyS0"), serial::ParseLineSettings("9600,n,8,1"));
        },
        CommError::NoSerialHardware);
    EXPECT_EQ(message, "无法打开串口 COM1（" + tree.Node("ttyS0") + "）：" + tree.Node("ttyS0") +
                           " 后面没有串口硬件，这台电脑没有这个串口。"
                           "\n\n这台电脑上没有连接任何串口设备。请检查 USB 转串口适配器是否已插好；"
                           "插好后再写入一次，这里会列出它和要设置的那一行。");
}

TEST_F(CommOpenErrors, DeviceGoneListsWhatIsThereNow) {
    test::PseudoTerminal pty;
    LinuxSerialPort device(tree.List());
    device.OpenDevice("COM1", pty.SlavePath(), serial::ParseLineSettings("9600,n,8,1"));
    pty.Hangup();
    const std::vector<BYTE> frame = {0x53, 0x45, 0x51, 1, 2, 3, 4};
    const std::string message = ErrorFrom([&] { device.Transmit(frame); }, CommError::DeviceGone);
    EXPECT_EQ(message,
              "串口 COM1（" + pty.SlavePath() +
                  "） 的设备已断开（例如 USB 转串口适配器被拔出），7 字节中有 7 字节未发出。"
                  "端口已关闭；重新连接设备后再写入即可。"
                  "\n\n设备重新连接后如果换了名字，请退出 tavrin，用下面对应的一行设置"
                  "环境变量后重新启动。这台电脑现有的串口设备：" +
                  Listing());
    EXPECT_FALSE(device.IsOpen());
}

} // namespace
