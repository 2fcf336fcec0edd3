// The texts of the communications control's errors.
#include "platform/comm/CommErrors.h"

#include "platform/comm/CommControl.h"
#include "platform/ole/COleDispatchException.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace platform::comm {

namespace {

constexpr const char* kCheckTheLine = "请检查设备和串口线后再写入。";

std::string Bytes(std::size_t unsent, std::size_t total) {
    if (unsent == kUnknownCount) {
        return std::to_string(total) + " 字节可能未全部发出";
    }
    return std::to_string(total) + " 字节中有 " + std::to_string(unsent) + " 字节未发出";
}

std::string CannotOpen(const PortIdentity& port) {
    return "无法打开串口 " + port.Describe() + "：";
}

// The device the port leads to, as the user knows it.
const std::string& DevicePath(const PortIdentity& port) {
    return port.realPath.empty() ? port.path : port.realPath;
}

// Each device with what it is and the line that makes it this port.
std::string DeviceEntries(const std::vector<SerialDevice>& devices, const std::string& portName) {
    std::string entries;
    for (const SerialDevice& device : devices) {
        entries += "\n\n• " + device.node + "：" + device.kind;
        if (!device.description.empty()) {
            entries += " " + device.description;
        }
        entries += std::string("\n") + kPortVariablePrefix + portName + "=" + device.PathToUse();
    }
    return entries;
}

// What follows a message for a device that is not there: the devices that are.
std::string DevicesToChooseFrom(const PortIdentity& port,
                                const std::vector<SerialDevice>& devices) {
    if (devices.empty()) {
        return "\n\n这台电脑上没有连接任何串口设备。请检查 USB 转串口适配器是否已插好；"
               "插好后再写入一次，这里会列出它和要设置的那一行。";
    }
    return "\n\n这台电脑上有以下串口设备。要把其中一个用作 " + port.name +
           "，请退出 tavrin，用它下面的那一行设置环境变量后重新启动：" +
           DeviceEntries(devices, port.name) +
           "\n\n在终端中把这一行写在 tavrin 前面；从菜单启动时把它写入 "
           "~/.config/environment.d/tavrin.conf 并重新登录。";
}

[[noreturn]] void ThrowWithDevices(CommError code, const PortIdentity& port,
                                   const std::string& cause, const SerialDeviceList& devices) {
    ThrowCommError(code, CannotOpen(port) + cause + DevicesToChooseFrom(port, devices.Devices()));
}

} // namespace

std::string SystemErrorText(int error) {
    switch (error) {
    case ENOENT:
        return "设备不存在";
    case ENXIO:
    case ENODEV:
        return "设备已不存在";
    case EIO:
        return "输入输出错误";
    case EPIPE:
        return "连接已断开";
    case EACCES:
    case EPERM:
        return "没有权限";
    case EBUSY:
        return "设备正忙";
    case EAGAIN:
        return "设备暂时不可用";
    case EINTR:
        return "操作被打断";
    case EINVAL:
        return "设备不接受这个操作";
    case ENOTTY:
        return "不是串口设备";
    case EISDIR:
        return "是一个目录";
    case EROFS:
        return "文件系统是只读的";
    case ENOSPC:
        return "磁盘已满";
    case ENOMEM:
        return "内存不足";
    case EMFILE:
    case ENFILE:
        return "打开的文件太多";
    default:
        return UnexplainedSystemError(std::strerror(error));
    }
}

std::string UnexplainedSystemError(const std::string& systemText) {
    return "系统报告了一个错误（" + systemText + "）";
}

std::string PortIdentity::Describe() const {
    std::string text = name + "（" + path;
    if (!realPath.empty() && realPath != path) {
        text += " → " + realPath;
    }
    return text + "）";
}

void ThrowCommError(CommError code, const std::string& description) {
    AfxThrowOleDispatchException(static_cast<WORD>(code), description);
}

void ThrowInvalidPortNumber(long number) {
    ThrowCommError(CommError::InvalidPortNumber,
                   "端口号 " + std::to_string(number) + " 无效：端口号应在 1 到 255 之间。");
}

void ThrowPortAlreadyOpen(const std::string& portName, std::string_view action) {
    ThrowCommError(CommError::PortAlreadyOpen,
                   "串口 " + portName + " 已打开，不能" + std::string(action) + "。请先关闭端口。");
}

void ThrowPortNotOpen(const std::string& portName) {
    ThrowCommError(CommError::PortNotOpen,
                   "串口 " + portName + " 未打开，不能发送数据。请先打开端口。");
}

void ThrowInvalidSettings(const std::string& text, std::string_view cause) {
    ThrowCommError(CommError::InvalidSettings,
                   "串口参数“" + text + "”无效：" + std::string(cause) +
                       "。格式应为“波特率,校验位,数据位,停止位”，例如“9600,n,8,1”。");
}

void ThrowUnsupportedSettings(const PortIdentity& port, std::string_view cause) {
    ThrowCommError(CommError::UnsupportedSettings,
                   "串口 " + port.Describe() + " 不支持所设的参数：" + std::string(cause) + "。");
}

void ThrowPermissionDenied(const PortIdentity& port) {
    ThrowCommError(CommError::PermissionDenied,
                   "无法打开串口 " + port.Describe() +
                       "：没有访问该设备的权限。当前用户需要属于 dialout 组"
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
        ThrowCommError(CommError::OpenFailed,
                       CannotOpen(port) + SystemErrorText(error) + "。" + kCheckTheLine);
    }
}

void ThrowPortBusy(const PortIdentity& port, const std::string& holder) {
    const std::string who = holder.empty() ? std::string() : "（" + holder + "）";
    ThrowCommError(CommError::PortBusy, CannotOpen(port) + "端口正被另一个程序占用" + who +
                                            "。请先关闭占用该端口的程序。");
}

void ThrowLockUnavailable(const PortIdentity& port) {
    ThrowCommError(CommError::LockUnavailable,
                   "无法打开串口 " + port.Describe() +
                       "：无法创建串口锁文件（/var/lock 等目录不可写），"
                       "因此不能独占该端口。请检查 /var/lock 目录是否存在且可写。");
}

void ThrowOpenFailed(const PortIdentity& port, const std::string& systemText) {
    ThrowCommError(CommError::OpenFailed,
                   CannotOpen(port) + UnexplainedSystemError(systemText) + "。" + kCheckTheLine);
}

void ThrowDeviceGone(const PortIdentity& port, std::size_t unsent, std::size_t total,
                     const std::vector<SerialDevice>& devices) {
    // An adapter that comes back may come back under another node; its by-id name stays.
    const std::string others =
        devices.empty()
            ? std::string(
                  "\n\n这台电脑上现在没有连接任何串口设备：请检查 USB 转串口适配器是否已插好。")
            : "\n\n设备重新连接后如果换了名字，请退出 tavrin，用下面对应的一行设置环境变量后"
              "重新启动。这台电脑现有的串口设备：" +
                  DeviceEntries(devices, port.name);
    ThrowCommError(CommError::DeviceGone,
                   "串口 " + port.Describe() + " 的设备已断开（例如 USB 转串口适配器被拔出），" +
                       Bytes(unsent, total) + "。端口已关闭；重新连接设备后再写入即可。" + others);
}

void ThrowTransmitTimeout(const PortIdentity& port, std::size_t unsent, std::size_t total,
                          int seconds) {
    ThrowCommError(CommError::TransmitTimeout,
                   "串口 " + port.Describe() + " 发送超时：" + std::to_string(seconds) + " 秒内" +
                       Bytes(unsent, total) + "，未发出的数据已丢弃，端口已关闭。");
}

void ThrowTransmitFailed(const PortIdentity& port, int error) {
    ThrowCommError(CommError::TransmitFailed, "串口 " + port.Describe() + " 发送失败：" +
                                                  SystemErrorText(error) + "。端口已关闭；" +
                                                  kCheckTheLine);
}

} // namespace platform::comm
