// The Windows serial device over drivers that misbehave as USB serial drivers are known to:
// a write that never ends, a cancel that is never completed, a close that blocks for good, and
// "device gone" said with many codes. Whatever the driver does, every call returns within its
// bound and the user gets the message that names the cause. Cross-built, run under Wine.
#include "platform/windows/serial/WindowsSerialPort.h"
#include "platform/windows/serial/CommDriver.h"
#include "platform/windows/serial/WindowsCommErrors.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

using serial::CommDriver;
using serial::CommError;
using serial::DriverResult;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const std::vector<std::uint8_t> kFrame = {0x53, 0x45, 0x51, 1, 2, 3, 4};
constexpr milliseconds kForGood{600000};

// What a fake driver does and what was done to it, kept apart from the driver so that a test
// can look at it after the device has let the driver go.
struct Behaviour {
    DWORD writeResult = ERROR_SUCCESS; // how a started write ends; WAIT_TIMEOUT: never
    bool cancelEndsWrite = true;
    DWORD queueError = ERROR_SUCCESS;
    bool closeBlocks = false;
    std::atomic<int> made{0};
    std::atomic<int> destroyed{0};
    std::atomic<int> closed{0};
    std::atomic<int> discarded{0};
};

class FakeDriver : public CommDriver {
public:
    explicit FakeDriver(std::shared_ptr<Behaviour> behaviour) : m_behaviour(std::move(behaviour)) {
        ++m_behaviour->made;
    }
    ~FakeDriver() override { ++m_behaviour->destroyed; }

    DriverResult Open(const std::wstring&) override { return {}; }
    DriverResult Configure(const serial::LineSettings&, bool) override { return {}; }
    DriverResult StartWrite(std::vector<std::uint8_t> bytes) override {
        m_size = static_cast<DWORD>(bytes.size());
        m_cancelled = false;
        return {ERROR_IO_PENDING, 0};
    }
    DriverResult WaitWrite(milliseconds time) override {
        if (m_cancelled && m_behaviour->cancelEndsWrite) {
            return {ERROR_OPERATION_ABORTED, 0};
        }
        if (m_behaviour->writeResult == WAIT_TIMEOUT || m_cancelled) {
            std::this_thread::sleep_for(time);
            return {WAIT_TIMEOUT, 0};
        }
        return {m_behaviour->writeResult, m_behaviour->writeResult == ERROR_SUCCESS ? m_size : 0};
    }
    DriverResult CancelWrite() override {
        m_cancelled = true;
        return {};
    }
    DriverResult OutputQueue() override { return {m_behaviour->queueError, 0}; }
    DriverResult Close(bool discard) override {
        if (m_behaviour->closeBlocks) {
            std::this_thread::sleep_for(kForGood);
        }
        ++m_behaviour->closed;
        m_behaviour->discarded += discard ? 1 : 0;
        return {};
    }

private:
    std::shared_ptr<Behaviour> m_behaviour;
    DWORD m_size = 0;
    bool m_cancelled = false;
};

class WindowsSerialPortTest : public testing::Test {
protected:
    std::shared_ptr<Behaviour> behaviour = std::make_shared<Behaviour>();
    serial::WindowsSerialPort device{[b = behaviour] { return std::make_unique<FakeDriver>(b); }};

    void Open() { device.Open(1, serial::ParseLineSettings("9600,n,8,1")); }

    // The error of action, checked to have code; how long action took goes to took.
    std::string ErrorOf(const std::function<void()>& action, CommError code, milliseconds& took) {
        const Clock::time_point start = Clock::now();
        try {
            action();
        } catch (const serial::PortError& error) {
            took = std::chrono::duration_cast<milliseconds>(Clock::now() - start);
            EXPECT_EQ(error.Code(), code) << error.what();
            return error.what();
        }
        ADD_FAILURE() << "no error";
        return {};
    }
};

constexpr milliseconds kAnswerWithin{3000};

TEST_F(WindowsSerialPortTest, WriteThatNeverEndsIsCancelledAndReportedWithinTheBound) {
    behaviour->writeResult = WAIT_TIMEOUT;
    Open();
    milliseconds took{};
    const std::string message =
        ErrorOf([&] { device.Transmit(kFrame); }, CommError::TransmitTimeout, took);
    EXPECT_EQ(message, "串口 COM1（\\\\.\\COM1） 发送超时：2 秒内7 字节中有 7 字节未发出，"
                       "未发出的数据已丢弃，端口已关闭。");
    // It waited for the deadline (the wait is in whole milliseconds, rounded down).
    EXPECT_GE(took, serial::SerialPortDevice::kTransmitDeadline - milliseconds{10});
    EXPECT_LT(took, kAnswerWithin);
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(behaviour->discarded, 1); // the cancelled write's port was purged and closed
}

// The abandon path: a driver that does not even complete the cancel keeps its handle, buffer
// and OVERLAPPED, so nothing is freed or closed that it may still use; the next write gets a
// new driver.
TEST_F(WindowsSerialPortTest, DriverThatIgnoresTheCancelIsLetGoAndTheNextOpenWorks) {
    behaviour->writeResult = WAIT_TIMEOUT;
    behaviour->cancelEndsWrite = false;
    Open();
    milliseconds took{};
    ErrorOf([&] { device.Transmit(kFrame); }, CommError::TransmitTimeout, took);
    EXPECT_LT(took, kAnswerWithin);
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(behaviour->closed, 0);
    EXPECT_EQ(behaviour->destroyed, 0);

    behaviour->writeResult = ERROR_SUCCESS;
    Open();
    EXPECT_EQ(behaviour->made, 2);
    device.Transmit(kFrame);
    device.Close();
    EXPECT_EQ(behaviour->closed, 1);
}

TEST_F(WindowsSerialPortTest, CloseThatBlocksForGoodReturnsWithinItsBound) {
    Open();
    device.Transmit(kFrame);
    behaviour->closeBlocks = true;
    const Clock::time_point start = Clock::now();
    device.Close();
    EXPECT_LT(Clock::now() - start, 4 * serial::WindowsSerialPort::kCallBound);
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(behaviour->destroyed, 0);
}

// Every code with which a driver says that its device has gone gives the device-gone message
// and the ports there are now, whether the write fails or the queue cannot be read after it.
TEST_F(WindowsSerialPortTest, EveryDeviceGoneCodeGivesTheDeviceGoneMessage) {
    const DWORD gone[] = {ERROR_ACCESS_DENIED,        ERROR_OPERATION_ABORTED, ERROR_BAD_COMMAND,
                          ERROR_GEN_FAILURE,          ERROR_DEVICE_REMOVED,    ERROR_NOT_READY,
                          ERROR_DEVICE_NOT_CONNECTED, ERROR_INVALID_HANDLE,    ERROR_FILE_NOT_FOUND,
                          ERROR_DEV_NOT_EXIST};
    const std::string start =
        "串口 COM1（\\\\.\\COM1） 的设备已断开（例如 USB 转串口适配器被拔出），";
    for (const DWORD code : gone) {
        for (const bool afterWrite : {false, true}) {
            SCOPED_TRACE(testing::Message() << "code " << code << (afterWrite ? " after" : ""));
            EXPECT_TRUE(serial::IsDeviceGoneError(code));
            behaviour->writeResult = afterWrite ? ERROR_SUCCESS : code;
            behaviour->queueError = afterWrite ? code : ERROR_SUCCESS;
            Open();
            milliseconds took{};
            const std::string message =
                ErrorOf([&] { device.Transmit(kFrame); }, CommError::DeviceGone, took);
            EXPECT_EQ(message.rfind(start, 0), 0u) << message;
            EXPECT_NE(message.find("这台电脑"), std::string::npos) << message;
            EXPECT_FALSE(device.IsOpen());
        }
    }
    for (const DWORD other : {ERROR_INVALID_PARAMETER, ERROR_TIMEOUT, ERROR_SHARING_VIOLATION}) {
        EXPECT_FALSE(serial::IsDeviceGoneError(other)) << other;
    }
}

TEST_F(WindowsSerialPortTest, WriteThatFailsOtherwiseNamesTheSystemsCause) {
    behaviour->writeResult = ERROR_INVALID_PARAMETER;
    Open();
    milliseconds took{};
    const std::string message =
        ErrorOf([&] { device.Transmit(kFrame); }, CommError::TransmitFailed, took);
    EXPECT_EQ(message.rfind("串口 COM1（\\\\.\\COM1） 发送失败：系统报告了一个错误（", 0), 0u)
        << message;
}

// The system's driver opens a port for this program alone, so that no other program writes
// between its frames. Windows refuses a second open of a COM port whatever the sharing; Wine
// does not (server/fd.c, open_fd, checks sharing only for files and directories, whose inodes
// it tracks, never for a character device), so the sharing is checked on a file here.
TEST(SystemCommDriver, OpensForThisProgramAlone) {
    wchar_t folder[MAX_PATH] = {};
    wchar_t file[MAX_PATH] = {};
    ASSERT_NE(GetTempPathW(MAX_PATH, folder), 0u);
    ASSERT_NE(GetTempFileNameW(folder, L"tav", 0, file), 0u);
    const std::unique_ptr<CommDriver> driver = serial::CreateSystemCommDriver();
    ASSERT_EQ(driver->Open(file).error, static_cast<DWORD>(ERROR_SUCCESS));
    const HANDLE second =
        CreateFileW(file, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    const DWORD error = GetLastError();
    if (second != INVALID_HANDLE_VALUE) {
        CloseHandle(second);
    }
    EXPECT_EQ(second, INVALID_HANDLE_VALUE);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    driver->Close(false);
    DeleteFileW(file);
}

} // namespace
