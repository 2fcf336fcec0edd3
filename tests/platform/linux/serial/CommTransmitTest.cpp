// The communications control against a real pseudo-terminal: what arrives on the line and
// how the line is set.
#include "platform/linux/serial/LinuxSerialPort.h"
#include "platform/linux/serial/SerialLock.h"
#include "support/CommDriver.h"
#include "support/PseudoTerminal.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using test::CommDriver;
using test::PseudoTerminal;
using test::ScopedEnv;

class CommTransmit : public testing::Test {
protected:
    PseudoTerminal pty;
    ScopedEnv com1{"TAVRIN_COM1", pty.SlavePath()};
    CommDriver comm;
};

TEST_F(CommTransmit, FramesArriveWholeAndUnchanged) {
    // Bytes a cooked line would translate or swallow: NUL, LF, CR, XON, XOFF, DEL-range.
    const std::vector<BYTE> special = {0x53, 0x45, 0x51, 0x00, 0x0A, 0x0D, 0x11, 0x13, 0xFF};
    const std::vector<BYTE> address = {0x53, 0x45, 0x51, 0xC0, 0xA8, 0x01, 0x0A};
    comm.Open();
    comm.Send(special);
    EXPECT_EQ(pty.Read(special.size()), special);
    comm.Send(address);
    EXPECT_EQ(pty.Read(address.size()), address);
    comm.Close();
    EXPECT_TRUE(pty.Idle());
}

TEST_F(CommTransmit, LineIs9600EightNoneOneRawWithoutFlowControl) {
    comm.SetSettings("9600,n,8,1");
    comm.Open();
    EXPECT_TRUE(test::LineIs9600EightNoneOneRaw(pty.SlaveSettings()));
}

// A pseudo-terminal keeps speed and stop bits but always reports 8 data bits and no parity,
// so those two are checked on the parsing side only.
TEST_F(CommTransmit, OtherSettingsApplyOnOpenAndWhileOpen) {
    comm.SetSettings("2400,e,7,2");
    comm.Open();
    termios tio = pty.SlaveSettings();
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B2400));
    EXPECT_NE(tio.c_cflag & CSTOPB, 0u);

    comm.SetSettings("19200,o,8,1");
    tio = pty.SlaveSettings();
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B19200));
    EXPECT_EQ(tio.c_cflag & CSTOPB, 0u);

    // 1.5 stop bits exist only with 5 data bits, where the line's "two" means 1.5.
    comm.SetSettings("9600,n,5,1.5");
    tio = pty.SlaveSettings();
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B9600));
    EXPECT_NE(tio.c_cflag & CSTOPB, 0u);
}

TEST_F(CommTransmit, ThousandOpenWriteCloseCyclesLeakNothing) {
    const std::vector<BYTE> frame = {0x53, 0x45, 0x55, 0x00, 0x01, 0x02, 0x03, 0x04, 0xFF};
    const std::string lockFile = serial::SerialLockFilePath(pty.SlavePath());
    ASSERT_FALSE(lockFile.empty());
    comm.Open(); // warm up whatever Qt allocates once
    comm.Close();
    const int descriptors = test::OpenDescriptorCount();
    constexpr int kCycles = 1000;
    std::size_t delivered = 0;
    for (int i = 0; i < kCycles; ++i) {
        comm.Open();
        if (i == 0) {
            EXPECT_TRUE(QFile::exists(QString::fromStdString(lockFile))) << lockFile;
        }
        comm.Send(frame);
        comm.Close();
        const std::vector<BYTE> got = pty.Read(frame.size());
        ASSERT_EQ(got, frame) << "cycle " << i;
        delivered += got.size();
    }
    EXPECT_EQ(delivered, kCycles * frame.size());
    EXPECT_TRUE(pty.Idle());
    EXPECT_EQ(test::OpenDescriptorCount(), descriptors);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(lockFile))) << lockFile;
}

TEST_F(CommTransmit, DestroyingAnOpenControlDeliversAndReleasesThePort) {
    const std::string lockFile = serial::SerialLockFilePath(pty.SlavePath());
    {
        CommDriver other;
        other.Open();
        other.Send({0x53, 0x45, 0x52, 1, 2, 3, 4});
    }
    EXPECT_EQ(pty.Read(7), (std::vector<BYTE>{0x53, 0x45, 0x52, 1, 2, 3, 4}));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(lockFile)));
    comm.Open(); // free again
    EXPECT_TRUE(comm.IsOpen());
}

TEST(CommPortMapping, EnvironmentNamesTheDeviceElseTtyS) {
    using serial::DevicePathForPort;
    {
        ScopedEnv com2("TAVRIN_COM2", "/dev/ttyUSB0");
        EXPECT_EQ(DevicePathForPort(2), "/dev/ttyUSB0");
    }
    {
        ScopedEnv bare("TAVRIN_COM2", "ttyACM0");
        EXPECT_EQ(DevicePathForPort(2), "/dev/ttyACM0");
    }
    ScopedEnv empty("TAVRIN_COM1", "");
    EXPECT_EQ(DevicePathForPort(1), "/dev/ttyS0");
    ::unsetenv("TAVRIN_COM12");
    EXPECT_EQ(DevicePathForPort(12), "/dev/ttyS11");
    EXPECT_EQ(serial::PortName(2), "COM2");
}

TEST(DrainPause, FollowsTheLineWithinBoundsAndNeverPassesTheDeadline) {
    using serial::SerialPortDevice;
    using std::chrono::milliseconds;
    const auto later = SerialPortDevice::Clock::now() + std::chrono::seconds(10);
    // Ten bits a character: 12 bytes at 9600 baud take 12.5 ms.
    EXPECT_EQ(SerialPortDevice::DrainPause(12, 9600, later), milliseconds(12));
    EXPECT_EQ(SerialPortDevice::DrainPause(1, 115200, later), milliseconds(1));
    EXPECT_EQ(SerialPortDevice::DrainPause(4096, 9600, later), milliseconds(20));
    // A line without a rate still rests, and the deadline comes first.
    EXPECT_EQ(SerialPortDevice::DrainPause(4096, 0, later), milliseconds(20));
    EXPECT_EQ(SerialPortDevice::DrainPause(4096, 9600, SerialPortDevice::Clock::now()),
              milliseconds(0));
}

} // namespace
