// The communications control wrapper: its class identifier, and frames written through it to
// the hosted control arriving byte-exact on a pseudo-terminal standing in for COM1.
#include "device/MSComm.h"
#include "device/DeviceWriter.h"
#include "device/LinkSetup.h"
#include "platform/afx/ControlContainer.h"
#include "platform/comm/CommControl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace {

// COM1 as a pseudo-terminal for one test; reads what the program sends.
class PtyCom1 {
public:
    PtyCom1() {
        char name[256] = {};
        EXPECT_EQ(::openpty(&m_master, &m_slave, name, nullptr, nullptr), 0);
        ::setenv("TAVRIN_COM1", name, 1);
    }
    ~PtyCom1() {
        ::unsetenv("TAVRIN_COM1");
        ::close(m_slave);
        ::close(m_master);
    }
    std::vector<BYTE> Read(std::size_t count) {
        std::vector<BYTE> bytes;
        pollfd entry{m_master, POLLIN, 0};
        while (bytes.size() < count && ::poll(&entry, 1, 2000) > 0) {
            BYTE buffer[64];
            const ssize_t got = ::read(m_master, buffer, sizeof buffer);
            if (got <= 0) {
                break;
            }
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
        return bytes;
    }

private:
    int m_master = -1;
    int m_slave = -1;
};

TEST(MSComm, ClassIdIsThatOfTheCommControl) {
    EXPECT_EQ(CMSComm::GetClsid(), comm::kCommControlClsid);
}

TEST(MSComm, WritesReachTheLineByteExactWithThePortRules) {
    AfxEnableControlContainer();
    PtyCom1 com1;
    CWnd parent;
    ASSERT_TRUE(parent.Create("static", "", WS_POPUP, RECT{0, 0, 100, 100}, nullptr, 0));
    CMSComm comm;
    ASSERT_TRUE(comm.Create(nullptr, "", WS_CHILD, RECT{0, 0, 10, 10}, &parent, 1014));
    ConfigureSerialLink(comm, kPortNumberCom1);
    EXPECT_FALSE(comm.GetPortOpen());

    DeviceWriter writer(comm, [](DWORD) {});
    writer.WriteAddress(DeviceOpcode::ServerAddress, [](BYTE& a, BYTE& b, BYTE& c, BYTE& d) {
        a = 192, b = 168, c = 1, d = 10;
    });
    EXPECT_EQ(com1.Read(7), (std::vector<BYTE>{0x53, 0x45, 0x51, 0xC0, 0xA8, 0x01, 0x0A}));
    EXPECT_FALSE(comm.GetPortOpen());

    BYTE mac[6] = {0x00, 0x0A, 0x0D, 0x11, 0x13, 0xFF};
    EXPECT_TRUE(writer.WriteMac({[] { return TRUE; }, mac}));
    EXPECT_EQ(com1.Read(9),
              (std::vector<BYTE>{0x53, 0x45, 0x55, 0x00, 0x0A, 0x0D, 0x11, 0x13, 0xFF}));
    EXPECT_TRUE(comm.GetPortOpen());

    // Switching to COM2 closes COM1; the control refuses a port change while open otherwise.
    int nPort = kPortNumberCom1;
    SwitchSerialPort(comm, kPortCom2, nPort);
    EXPECT_EQ(nPort, kPortNumberCom2);
    EXPECT_FALSE(comm.GetPortOpen());
}

} // namespace
