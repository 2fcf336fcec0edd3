// The communications control over a made-up serial device: what the control asks of the
// system's device for each property, and that the device's errors reach the caller as the
// control's own while the properties stay as they were.
#include "support/CommDriver.h"

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

using serial::LineSettings;
using test::CommDriver;
using test::CommError;
using test::ErrorFrom;

// What the control asked of the device, in order.
struct DeviceLog {
    std::vector<std::string> calls;
    std::vector<long> openedPorts;
    std::vector<LineSettings> settings; // given to Open and Apply
    std::vector<std::vector<BYTE>> transmitted;
    bool open = false;
    std::optional<CommError> failNext; // the next call fails with this error
};

class FakeSerialPort : public serial::SerialPortDevice {
public:
    explicit FakeSerialPort(DeviceLog& log) : m_log(log) {}

    bool IsOpen() const override { return m_log.open; }
    void Open(long port, const LineSettings& settings) override {
        Call("Open");
        m_log.openedPorts.push_back(port);
        m_log.settings.push_back(settings);
        m_log.open = true;
    }
    void Apply(const LineSettings& settings) override {
        Call("Apply");
        m_log.settings.push_back(settings);
    }
    void Transmit(std::span<const std::uint8_t> bytes) override {
        Call("Transmit", true);
        m_log.transmitted.emplace_back(bytes.begin(), bytes.end());
    }
    void Close() override {
        Call("Close", true);
        m_log.open = false;
    }

private:
    // Fails when asked to; a failed write or close leaves the port closed, as the system's
    // devices do.
    void Call(const char* name, bool closesOnFailure = false) {
        m_log.calls.push_back(name);
        if (const auto error = std::exchange(m_log.failNext, std::nullopt)) {
            m_log.open = m_log.open && !closesOnFailure;
            serial::ThrowCommError(*error, "made-up failure");
        }
    }

    DeviceLog& m_log;
};

class CommControlOnDevice : public testing::Test {
protected:
    DeviceLog log;
    CommDriver comm{std::make_unique<FakeSerialPort>(log)};
};

TEST_F(CommControlOnDevice, OpensTheChosenPortWithTheParsedSettingsAndClosesOnRequest) {
    comm.SetPort(3);
    comm.SetSettings("2400,E,7,2");
    EXPECT_TRUE(log.calls.empty()); // a closed port only remembers them
    comm.Open();
    EXPECT_TRUE(comm.IsOpen());
    comm.SetSettings(" 19200 ,o,5,1.5");
    comm.Close();
    EXPECT_FALSE(comm.IsOpen());

    EXPECT_EQ(log.calls, (std::vector<std::string>{"Open", "Apply", "Close"}));
    EXPECT_EQ(log.openedPorts, std::vector<long>{3});
    EXPECT_EQ(log.settings, (std::vector<LineSettings>{
                                {2400, serial::Parity::Even, 7, serial::StopBits::Two},
                                {19200, serial::Parity::Odd, 5, serial::StopBits::OneAndHalf}}));
}

TEST_F(CommControlOnDevice, OutputGoesWholeInOneCallAndOnlyToAnOpenPort) {
    const std::vector<BYTE> frame = {0x53, 0x45, 0x54, 0x00, 0xFF, 0x0A};
    ErrorFrom([&] { comm.Send(frame); }, CommError::PortNotOpen);
    comm.Open();
    comm.Send(frame);
    comm.control.PutProperty(comm::kDispOutput, COleVariant("SET"));
    ErrorFrom([&] { comm.SetPort(2); }, CommError::PortAlreadyOpen);
    ErrorFrom([&] { comm.Open(); }, CommError::PortAlreadyOpen);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"Open", "Transmit", "Transmit"}));
    EXPECT_EQ(log.transmitted, (std::vector<std::vector<BYTE>>{frame, {'S', 'E', 'T'}}));

    comm.Close();
    comm.SetPort(2);
    comm.Open();
    EXPECT_EQ(log.openedPorts, (std::vector<long>{1, 2}));
}

TEST_F(CommControlOnDevice, DeviceErrorsReachTheCallerAndThePropertiesStay) {
    log.failNext = CommError::NoSuchDevice;
    EXPECT_EQ(ErrorFrom([&] { comm.Open(); }, CommError::NoSuchDevice), "made-up failure");
    EXPECT_FALSE(comm.IsOpen());

    comm.Open();
    log.failNext = CommError::UnsupportedSettings;
    ErrorFrom([&] { comm.SetSettings("110,m,7,2"); }, CommError::UnsupportedSettings);
    EXPECT_EQ(afx::ByteText(comm.control.GetProperty(comm::kDispSettings).bstrVal), "9600,n,8,1");
    EXPECT_TRUE(comm.IsOpen());

    // A device that fails a write has closed the port: the control says so from then on.
    log.failNext = CommError::DeviceGone;
    ErrorFrom([&] { comm.Send({1, 2, 3}); }, CommError::DeviceGone);
    EXPECT_FALSE(comm.IsOpen());
    ErrorFrom([&] { comm.Send({1, 2, 3}); }, CommError::PortNotOpen);
}

} // namespace
