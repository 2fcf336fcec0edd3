// The communications control's errors: each cause gives its own clear error, the control
// stays usable afterwards, and nothing blocks beyond the deadline or spins.
#include "platform/serial/SerialPortDevice.h"
#include "support/CommDriver.h"
#include "support/PseudoTerminal.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using test::CommDriver;
using test::CommError;
using test::ErrorFrom;
using test::PseudoTerminal;
using test::ScopedEnv;

const std::vector<BYTE> kFrame = {0x53, 0x45, 0x54, 0xFF, 0xFF, 0xFF, 0x00};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A scratch directory for links to devices, removed at the end of the test.
class ScratchDir {
public:
    ScratchDir() {
        char pattern[] = "/tmp/tavrin-comm-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~ScratchDir() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

TEST(CommErrors, MissingDeviceNamesPortPathAndCause) {
    ScratchDir dir;
    const std::string missing = (dir.path / "ttyUSB9").string();
    ScopedEnv com1("TAVRIN_COM1", missing);
    CommDriver comm;
    std::string message = ErrorFrom([&] { comm.Open(); }, CommError::NoSuchDevice);
    EXPECT_TRUE(Contains(message, "COM1")) << message;
    EXPECT_TRUE(Contains(message, missing)) << message;
    EXPECT_TRUE(Contains(message, "设备不存在")) << message;
    EXPECT_FALSE(comm.IsOpen());

    // A link whose device has gone is missing too; the message tells how to choose another.
    std::filesystem::create_symlink(missing, dir.path / "com1");
    ScopedEnv link("TAVRIN_COM1", (dir.path / "com1").string());
    ErrorFrom([&] { comm.Open(); }, CommError::NoSuchDevice);
    ::unsetenv("TAVRIN_COM200");
    comm.SetPort(200);
    message = ErrorFrom([&] { comm.Open(); }, CommError::NoSuchDevice);
    EXPECT_TRUE(Contains(message, "/dev/ttyS199")) << message;
    // What follows depends on this machine's devices; its form is checked on made-up trees.
    EXPECT_TRUE(Contains(message, "\nTAVRIN_COM200=/dev/") ||
                Contains(message, "没有连接任何串口设备"))
        << message;
}

TEST(CommErrors, PortHeldByAnotherOpenIsBusyUnderAnyOfItsNames) {
    PseudoTerminal pty;
    ScratchDir dir;
    const auto link = dir.path / "com2";
    std::filesystem::create_symlink(pty.SlavePath(), link);
    ScopedEnv com1("TAVRIN_COM1", pty.SlavePath());
    CommDriver holder;
    holder.Open();

    CommDriver second;
    second.SetPort(2);
    for (const std::string& name : {pty.SlavePath(), link.string()}) {
        ScopedEnv com2("TAVRIN_COM2", name);
        const std::string message = ErrorFrom([&] { second.Open(); }, CommError::PortBusy);
        const std::string shown = name == pty.SlavePath() ? name : name + " → " + pty.SlavePath();
        EXPECT_EQ(message, "无法打开串口 COM2（" + shown + "）：端口正被另一个程序占用：" +
                               QCoreApplication::applicationName().toStdString() + "（进程 " +
                               std::to_string(::getpid()) + "）。请先关闭占用该端口的程序。");
        EXPECT_FALSE(second.IsOpen());
    }
    EXPECT_TRUE(holder.IsOpen());
    holder.Send(kFrame);
    EXPECT_EQ(pty.Read(kFrame.size()), kFrame);

    holder.Close();
    ScopedEnv com2("TAVRIN_COM2", link.string());
    second.Open();
    second.Send(kFrame);
    EXPECT_EQ(pty.Read(kFrame.size()), kFrame);
}

TEST(CommErrors, HangupWhileOpenFailsOnceQuicklyAndTheNextDeviceWorks) {
    auto pty = std::make_unique<PseudoTerminal>();
    auto com1 = std::make_unique<ScopedEnv>("TAVRIN_COM1", pty->SlavePath());
    CommDriver comm;
    comm.Open();
    comm.Send(kFrame);
    EXPECT_EQ(pty->Read(kFrame.size()), kFrame);

    pty->Hangup();
    const auto cpuBefore = test::ProcessCpuTime();
    test::RunEventLoop(300ms); // an open, dead line must not keep the loop busy
    EXPECT_LT(test::ProcessCpuTime() - cpuBefore, 100ms);

    const auto start = std::chrono::steady_clock::now();
    const std::string message = ErrorFrom([&] { comm.Send(kFrame); }, CommError::DeviceGone);
    EXPECT_LT(std::chrono::steady_clock::now() - start,
              serial::SerialPortDevice::kTransmitDeadline);
    // The words of today, then the machine's serial devices (which differ from machine to
    // machine; their form is checked on a made-up tree).
    const std::string words = "串口 COM1（" + pty->SlavePath() +
                              "） 的设备已断开（例如 USB 转串口适配器被拔出），7 字节中有 7 "
                              "字节未发出。端口已关闭；重新连接设备后再写入即可。\n\n";
    EXPECT_EQ(message.substr(0, words.size()), words);
    const std::string devices = message.substr(std::min(words.size(), message.size()));
    EXPECT_TRUE(devices.starts_with("设备重新连接后如果换了名字") ||
                devices ==
                    "这台电脑上现在没有连接任何串口设备：请检查 USB 转串口适配器是否已插好。")
        << devices;
    EXPECT_FALSE(comm.IsOpen());
    // Reported once: the port now counts as closed.
    ErrorFrom([&] { comm.Send(kFrame); }, CommError::PortNotOpen);

    // The adapter comes back (as a new device node): the next write goes through.
    com1.reset();
    pty = std::make_unique<PseudoTerminal>();
    com1 = std::make_unique<ScopedEnv>("TAVRIN_COM1", pty->SlavePath());
    comm.Open();
    comm.Send(kFrame);
    EXPECT_EQ(pty->Read(kFrame.size()), kFrame);
}

TEST(CommErrors, ClosingAfterAnIdleHangupLosesNothingAndReportsNothing) {
    PseudoTerminal pty;
    ScopedEnv com1("TAVRIN_COM1", pty.SlavePath());
    CommDriver comm;
    comm.Open();
    pty.Hangup();
    comm.Close();
    EXPECT_FALSE(comm.IsOpen());
}

TEST(CommErrors, LineThatTakesNothingTimesOutAtTheDeadlineWithoutSpinning) {
    PseudoTerminal pty; // nobody reads the master, so the line fills up
    ScopedEnv com1("TAVRIN_COM1", pty.SlavePath());
    CommDriver comm;
    comm.Open();
    const std::vector<BYTE> flood(1 << 20, 0x55);
    const auto start = std::chrono::steady_clock::now();
    const auto cpuBefore = test::ProcessCpuTime();
    const std::string message = ErrorFrom([&] { comm.Send(flood); }, CommError::TransmitTimeout);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, serial::SerialPortDevice::kTransmitDeadline - 50ms);
    EXPECT_LT(elapsed, serial::SerialPortDevice::kTransmitDeadline + 1s);
    EXPECT_LT(test::ProcessCpuTime() - cpuBefore, 300ms);
    EXPECT_TRUE(
        std::regex_match(message, std::regex("串口 COM1（" + pty.SlavePath() +
                                             "） 发送超时：2 秒内1048576 字节中有 [0-9]+ "
                                             "字节未发出，未发出的数据已丢弃，端口已关闭。")))
        << message;
    EXPECT_FALSE(comm.IsOpen());
}

TEST(CommErrors, MalformedOrUnsupportedSettingsKeepTheOldOnes) {
    PseudoTerminal pty;
    ScopedEnv com1("TAVRIN_COM1", pty.SlavePath());
    CommDriver comm;
    ErrorFrom([&] { comm.SetSettings("9600,x,8,1"); }, CommError::InvalidSettings);
    EXPECT_EQ(afx::ByteText(comm.control.GetProperty(comm::kDispSettings).bstrVal), "9600,n,8,1");

    // Well-formed but impossible on a line: fails on opening, which leaves the port free.
    comm.SetSettings("9600,n,8,1.5");
    const std::string message = ErrorFrom([&] { comm.Open(); }, CommError::UnsupportedSettings);
    EXPECT_TRUE(Contains(message, "1.5")) << message;
    EXPECT_FALSE(comm.IsOpen());

    comm.SetSettings("9600,n,8,1");
    comm.Open();
    ErrorFrom([&] { comm.SetSettings("9600,n,5,2"); }, CommError::UnsupportedSettings);
    ErrorFrom([&] { comm.SetSettings("fast"); }, CommError::InvalidSettings);
    EXPECT_EQ(afx::ByteText(comm.control.GetProperty(comm::kDispSettings).bstrVal), "9600,n,8,1");
    comm.Send(kFrame);
    EXPECT_EQ(pty.Read(kFrame.size()), kFrame);
}

TEST(CommErrors, OutputWhileClosedAndPortChangesWhileOpenAreRefused) {
    PseudoTerminal pty;
    ScopedEnv com1("TAVRIN_COM1", pty.SlavePath());
    CommDriver comm;
    std::string message = ErrorFrom([&] { comm.Send(kFrame); }, CommError::PortNotOpen);
    EXPECT_TRUE(Contains(message, "COM1")) << message;
    EXPECT_TRUE(pty.Idle());

    comm.Open();
    message = ErrorFrom([&] { comm.SetPort(2); }, CommError::PortAlreadyOpen);
    EXPECT_TRUE(Contains(message, "COM1")) << message;
    EXPECT_EQ(comm.control.GetProperty(comm::kDispCommPort).iVal, 1);
    ErrorFrom([&] { comm.Open(); }, CommError::PortAlreadyOpen);
    comm.Send(kFrame);
    EXPECT_EQ(pty.Read(kFrame.size()), kFrame);

    comm.Close();
    comm.Close(); // closing a closed port is no error
    ErrorFrom([&] { comm.SetPort(0); }, CommError::InvalidPortNumber);
    ErrorFrom([&] { comm.SetPort(256); }, CommError::InvalidPortNumber);
    comm.SetPort(2);
    EXPECT_EQ(comm.control.GetProperty(comm::kDispCommPort).iVal, 2);
}

} // namespace
