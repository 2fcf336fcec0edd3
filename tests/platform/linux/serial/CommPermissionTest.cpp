// A device the user may not open: the error says so and names the dialout group. Root opens
// every device, so as root the test drops to the user "nobody" for the attempt.
#include "support/CommDriver.h"
#include "support/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using test::CommError;

// Runs as the user nobody until destroyed, keeping root as the saved id to come back to.
class AsUnprivilegedUser {
public:
    AsUnprivilegedUser() {
        const passwd* nobody = ::getpwnam("nobody");
        if (nobody == nullptr) {
            return;
        }
        m_groups.resize(static_cast<std::size_t>(::getgroups(0, nullptr)));
        ::getgroups(static_cast<int>(m_groups.size()), m_groups.data());
        m_active = ::setgroups(0, nullptr) == 0 &&
                   ::setresgid(nobody->pw_gid, nobody->pw_gid, 0) == 0 &&
                   ::setresuid(nobody->pw_uid, nobody->pw_uid, 0) == 0;
    }
    ~AsUnprivilegedUser() {
        if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0 ||
            ::setgroups(m_groups.size(), m_groups.data()) != 0) {
            std::abort(); // the rest of the run would be meaningless
        }
    }
    bool Active() const { return m_active && ::geteuid() != 0; }

private:
    std::vector<gid_t> m_groups;
    bool m_active = false;
};

void ExpectPermissionDenied(test::CommDriver& comm, const std::string& path) {
    const std::string message = test::ErrorFrom([&] { comm.Open(); }, CommError::PermissionDenied);
    EXPECT_EQ(message, "无法打开串口 COM1（" + path +
                           "）：没有访问该设备的权限。当前用户需要属于 dialout 组"
                           "（sudo usermod -aG dialout 用户名，然后重新登录）。");
    EXPECT_FALSE(comm.IsOpen());
}

TEST(CommPermission, DeviceTheUserMayNotOpenSaysSoAndNamesDialout) {
    test::PseudoTerminal pty;
    test::ScopedEnv com1("TAVRIN_COM1", pty.SlavePath());
    test::CommDriver comm;
    if (::geteuid() != 0) {
        // An ordinary user owns the pseudo-terminal it made; taking away its rights suffices.
        ASSERT_EQ(::chmod(pty.SlavePath().c_str(), 0), 0);
        ExpectPermissionDenied(comm, pty.SlavePath());
        return;
    }
    // The pseudo-terminal belongs to root (mode 0620), so nobody may not open it.
    AsUnprivilegedUser nobody;
    if (!nobody.Active()) {
        GTEST_SKIP() << "running as root but cannot switch to the user nobody (no such user, "
                        "or no CAP_SETUID in this container): permission case not tested";
    }
    ExpectPermissionDenied(comm, pty.SlavePath());
}

} // namespace
