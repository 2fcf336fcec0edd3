// Who took the port: the processes that hold a busy device, found in /proc as fuser finds
// them, and a USB serial adapter that brltty claimed so that it has no device at all.
#include "FakeDeviceTree.h"
#include "platform/linux/serial/LinuxCommErrors.h"
#include "platform/linux/serial/LinuxSerialPort.h"
#include "platform/linux/serial/SerialLock.h"
#include "support/CommDriver.h"
#include "support/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using serial::PortIdentity;
using test::CommError;
using test::ErrorFrom;
using test::FakeDeviceTree;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(PortHolders, EveryProcessWithTheDeviceOpenIsNamedAndNoOtherIs) {
    FakeDeviceTree tree;
    const std::string device = tree.Node("ttyUSB0");
    tree.AddProcess(812, "ModemManager", {"/dev/null", device});
    tree.AddProcess(900, "screen", {device, device});
    tree.AddProcess(901, "minicom", {tree.Node("ttyUSB1")});
    tree.AddProcess(::getpid(), "tavrin", {device}); // this process is never its own holder
    std::filesystem::create_directories(tree.Proc() / "self");
    const std::string holders = tree.List().Holders(device);
    // /proc lists processes in no order that a made-up tree keeps.
    EXPECT_TRUE(holders == "ModemManager（进程 812）、screen（进程 900）" ||
                holders == "screen（进程 900）、ModemManager（进程 812）")
        << holders;
    EXPECT_EQ(tree.List().Holders(tree.Node("ttyS0")), "");
}

TEST(PortHolders, BusyPortNamesTheHoldersOrOnlyThatAnotherProgramHasIt) {
    FakeDeviceTree tree;
    const PortIdentity port{"COM1", tree.Node("ttyUSB0"), tree.Node("ttyUSB0")};
    const std::string start = "无法打开串口 COM1（" + port.path + "）：端口正被另一个程序占用";
    const std::string end = "。请先关闭占用该端口的程序。";
    EXPECT_EQ(ErrorFrom([&] { serial::ThrowPortBusy(port, tree.List().Holders(port.realPath)); },
                        CommError::PortBusy),
              start + end);
    tree.AddProcess(812, "ModemManager", {port.realPath});
    EXPECT_EQ(ErrorFrom([&] { serial::ThrowPortBusy(port, tree.List().Holders(port.realPath)); },
                        CommError::PortBusy),
              start + "：ModemManager（进程 812）" + end);
}

TEST(PortHolders, AdapterThatBrlttyClaimedIsNamedWithTheFix) {
    FakeDeviceTree tree;
    tree.AddBuiltIn("ttyS0", "0");
    tree.AddAdapterWithoutTty("1-3", "1a86", "7523", "USB Serial");
    // An adapter with its tty, and a USB device of another kind, are not claimed ones.
    tree.AddUsb({"ttyUSB1", "1-1", "FTDI", "FT232R USB UART", "", ""});
    tree.AddAdapterWithoutTty("1-4", "046d", "c52b", "USB Receiver");
    const PortIdentity port{"COM1", tree.Node("ttyS0"), tree.Node("ttyS0")};
    const auto message = [&] {
        return ErrorFrom([&] { serial::ThrowOpenError(port, EIO, tree.List()); },
                         CommError::NoSerialHardware);
    };
    // Without brltty another cause has kept the tty away: nothing is said about it.
    EXPECT_FALSE(Contains(message(), "brltty")) << message();
    tree.InstallBrlttyRule();
    const std::string claimed = message();
    EXPECT_TRUE(Contains(claimed, "USB 转串口适配器 USB Serial（1a86:7523） 已插上，却没有成为"
                                  "串口设备：盲文显示程序 brltty"))
        << claimed;
    EXPECT_TRUE(Contains(claimed, "sudo apt remove brltty")) << claimed;
    EXPECT_TRUE(Contains(claimed, "/etc/udev/rules.d/85-brltty.rules")) << claimed;
    EXPECT_FALSE(Contains(claimed, "046d")) << claimed;
    // The other adapter is still offered.
    EXPECT_TRUE(Contains(claimed, "TAVRIN_COM1=" + tree.Node("ttyUSB1"))) << claimed;
}

TEST(PortHolders, ClaimedAdapterIsNotCalledMissingWhenNoOtherDeviceIsThere) {
    FakeDeviceTree tree;
    tree.AddAdapterWithoutTty("1-3", "1a86", "7523", "USB Serial");
    tree.AddProcess(640, "brltty", {});
    const PortIdentity port{"COM1", tree.Node("ttyUSB0"), {}};
    const std::string message = ErrorFrom(
        [&] { serial::ThrowOpenError(port, ENOENT, tree.List()); }, CommError::NoSuchDevice);
    EXPECT_TRUE(Contains(message, "brltty 把它当作盲文显示器占用了")) << message;
    EXPECT_FALSE(Contains(message, "没有连接任何串口设备")) << message;
}

// A real second process holds the pseudo-terminal exclusively. The kernel lets root past an
// exclusive terminal, so as root the holder also takes the lock file, as terminal programs do.
TEST(PortHolders, RealHolderOfAPseudoTerminalIsNamed) {
    test::PseudoTerminal pty;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY);
        ::ioctl(fd, TIOCEXCL);
        ::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    const std::string lockFile = serial::SerialLockFilePath(pty.SlavePath());
    if (::geteuid() == 0) {
        // Qt's lock file: the process, its program's name and the host.
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        std::ofstream(lockFile)
            << child << "\n"
            << std::filesystem::read_symlink("/proc/self/exe").filename().string() << "\n"
            << host << "\n";
    }
    std::string command;
    std::getline(std::ifstream("/proc/" + std::to_string(child) + "/comm"), command);

    serial::LinuxSerialPort device;
    const std::string message = ErrorFrom(
        [&] {
            device.OpenDevice("COM1", pty.SlavePath(), serial::ParseLineSettings("9600,n,8,1"));
        },
        CommError::PortBusy);
    EXPECT_TRUE(Contains(message, "占用：" + command + "（进程 " + std::to_string(child) + "）"))
        << message;
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    if (::geteuid() == 0) {
        std::filesystem::remove(lockFile);
    }
    ::close(ready[0]);
    ::close(ready[1]);
}

} // namespace
