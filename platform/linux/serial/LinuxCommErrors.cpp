// The texts of the communications control's errors that only this system has: its error
// numbers in Chinese, its device rights and lock files, and how a port is made to lead to
// another device.
#include "platform/linux/serial/LinuxCommErrors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>

namespace serial {

namespace {

constexpr std::pair<int, const char*> kErrorTexts[] = {
    {ENOENT, "设备不存在"},
    {ENXIO, "设备已不存在"},
    {ENODEV, "设备已不存在"},
    {EIO, "输入输出错误"},
    {EPIPE, "连接已断开"},
    {EACCES, "没有权限"},
    {EPERM, "没有权限"},
    {EBUSY, "设备正忙"},
    {EAGAIN, "设备暂时不可用"},
    {EINTR, "操作被打断"},
    {EINVAL, "设备不接受这个操作"},
    {ENOTTY, "不是串口设备"},
    {EISDIR, "是一个目录"},
    {EROFS, "文件系统是只读的"},
    {ENOSPC, "磁盘已满"},
    {ENOMEM, "内存不足"},
    {EMFILE, "打开的文件太多"},
    {ENFILE, "打开的文件太多"},
};

// The device the port leads to, as the user knows it.
const std::string& DevicePath(const PortIdentity& port) {
    return port.realPath.empty() ? port.path : port.realPath;
}

// What follows a message for a device that is not there: the devices that are.
std::string DevicesToChooseFrom(const PortIdentity& port,
                                const std::vector<SerialDevice>& devices) {
    if (devices.empty()) {
        return "\n\n这台电脑上没有连接任何串口设备。请检查 USB 转串口适配器是否已插好；"
               "插好后再写入一次，这里会列出它和要设置的那一行。";
    }
    if (NamedByPath(port.name)) {
        return "\n\n这台电脑上有以下串口设备。要改用其中一个，请用它下面的设备路径再写入一次：" +
               DeviceEntries(devices, port.name);
    }
    return "\n\n这台电脑上有以下串口设备。要把其中一个用作 " + port.name +
           "，请退出 tavrin，用它下面的那一行设置环境变量后重新启动：" +
           DeviceEntries(devices, port.name) +
           "\n\n在终端中把这一行写在 tavrin 前面；从菜单启动时把它写入 "
           "~/.config/environment.d/tavrin.conf 并重新登录。";
}

// What to do about adapters that brltty has claimed, named in adapters; empty without one.
std::string BrlttyClaim(const std::string& adapters) {
    if (adapters.empty()) {
        return {};
    }
    return "\n\nUSB 转串口适配器 " + adapters +
           " 已插上，却没有成为串口设备：盲文显示程序 brltty 把它当作盲文显示器占用了。"
           "不用盲文显示器时请卸载 brltty（sudo apt remove brltty）；要留着 brltty，就停用它的 "
           "udev 规则（sudo ln -s /dev/null /etc/udev/rules.d/85-brltty.rules）。然后拔下适配器"
           "重新插上，再写入一次。";
}

[[noreturn]] void ThrowWithDevices(CommError code, const PortIdentity& port,
                                   const std::string& cause, const SerialDeviceList& devices) {
    const std::string claimed = BrlttyClaim(devices.AdaptersClaimedByBrltty());
    const std::vector<SerialDevice> found = devices.Devices();
    // With a claimed adapter, "no serial device is connected" would send the user to the cable.
    const std::string choices =
        claimed.empty() || !found.empty() ? DevicesToChooseFrom(port, found) : std::string();
    ThrowCommError(code, CannotOpen(port) + cause + claimed + choices);
}

} // namespace

std::string SystemErrorText(int error) {
    const auto* known = std::find_if(std::begin(kErrorTexts), std::end(kErrorTexts),
                                     [error](const auto& entry) { return entry.first == error; });
    return known != std::end(kErrorTexts) ? known->second
                                          : UnexplainedSystemError(std::strerror(error));
}

void ThrowPermissionDenied(const PortIdentity& port) {
    ThrowCommError(CommError::PermissionDenied,
                   CannotOpen(port) + "没有访问该设备的权限。当前用户需要属于 dialout 组"
                                      "（sudo usermod -aG dialout 用户名，然后重新登录）。");
}

void ThrowOpenError(const PortIdentity& port, int error, const SerialDeviceList& devices) {
    switch (error) {
    case ENOENT:
        ThrowWithDevices(CommError::NoSuchDevice, port, "设备不存在。", devices);
    case ENXIO:
    case ENODEV:
        ThrowWithDevices(CommError::NoSuchDevice, port,
                         "设备节点还在，但它背后的设备已不存在（例如 USB 转串口适配器已拔出）。",
                         devices);
    case ENOTTY:
        ThrowWithDevices(CommError::NotSerialDevice, port, DevicePath(port) + " 不是串口设备。",
                         devices);
    case EISDIR:
        ThrowWithDevices(CommError::NotSerialDevice, port,
                         DevicePath(port) + " 是一个目录，不是串口设备。", devices);
    case EIO:
        if (devices.HasNoUart(DevicePath(port))) {
            ThrowWithDevices(CommError::NoSerialHardware, port,
                             DevicePath(port) + " 后面没有串口硬件，这台电脑没有这个串口。",
                             devices);
        }
        ThrowWithDevices(CommError::OpenFailed, port,
                         "设备没有响应（输入输出错误），可能已断开或损坏。", devices);
    case EACCES:
    case EPERM:
        ThrowPermissionDenied(port);
    case EBUSY:
        ThrowPortBusy(port, {});
    default:
        ThrowOpenFailed(port, SystemErrorText(error));
    }
}

void ThrowLockUnavailable(const PortIdentity& port) {
    ThrowCommError(CommError::LockUnavailable,
                   CannotOpen(port) + "无法创建串口锁文件（/var/lock 等目录不可写），"
                                      "因此不能独占该端口。请检查 /var/lock 目录是否存在且可写。");
}

} // namespace serial
