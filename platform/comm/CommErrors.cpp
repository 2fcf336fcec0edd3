// The texts of the communications control's errors.
#include "platform/comm/CommErrors.h"

#include "platform/ole/COleDispatchException.h"

#include <string>

namespace platform::comm {

namespace {

CString Bytes(std::size_t unsent, std::size_t total) {
    if (unsent == kUnknownCount) {
        return std::to_string(total) + " 字节可能未全部发出";
    }
    return std::to_string(total) + " 字节中有 " + std::to_string(unsent) + " 字节未发出";
}

} // namespace

CString PortIdentity::Describe() const {
    CString text = name + "（" + path;
    if (!realPath.empty() && realPath != path) {
        text += " → " + realPath;
    }
    return text + "）";
}

void ThrowCommError(CommError code, const CString& description) {
    AfxThrowOleDispatchException(static_cast<WORD>(code), description);
}

void ThrowInvalidPortNumber(long number) {
    ThrowCommError(CommError::InvalidPortNumber,
                   "端口号 " + std::to_string(number) + " 无效：端口号应在 1 到 255 之间。");
}

void ThrowPortAlreadyOpen(const CString& portName, std::string_view action) {
    ThrowCommError(CommError::PortAlreadyOpen,
                   "串口 " + portName + " 已打开，不能" + CString(action) + "。请先关闭端口。");
}

void ThrowPortNotOpen(const CString& portName) {
    ThrowCommError(CommError::PortNotOpen,
                   "串口 " + portName + " 未打开，不能发送数据。请先打开端口。");
}

void ThrowInvalidSettings(const CString& text, std::string_view cause) {
    ThrowCommError(CommError::InvalidSettings,
                   "串口参数“" + text + "”无效：" + CString(cause) +
                       "。格式应为“波特率,校验位,数据位,停止位”，例如“9600,n,8,1”。");
}

void ThrowUnsupportedSettings(const PortIdentity& port, std::string_view cause) {
    ThrowCommError(CommError::UnsupportedSettings,
                   "串口 " + port.Describe() + " 不支持所设的参数：" + CString(cause) + "。");
}

void ThrowNoSuchDevice(const PortIdentity& port) {
    ThrowCommError(CommError::NoSuchDevice,
                   "无法打开串口 " + port.Describe() +
                       "：设备不存在。请检查串口线或 USB 转串口适配器是否已连接；"
                       "也可以用环境变量 TAVRIN_" +
                       port.name + " 指定串口设备。");
}

void ThrowPermissionDenied(const PortIdentity& port) {
    ThrowCommError(CommError::PermissionDenied,
                   "无法打开串口 " + port.Describe() +
                       "：没有访问该设备的权限。当前用户需要属于 dialout 组"
                       "（sudo usermod -aG dialout 用户名，然后重新登录）。");
}

void ThrowPortBusy(const PortIdentity& port, const CString& holder) {
    const CString who = holder.empty() ? CString("另一个程序") : "另一个程序（" + holder + "）";
    ThrowCommError(CommError::PortBusy, "无法打开串口 " + port.Describe() + "：端口正被" + who +
                                            "占用。请先关闭占用该端口的程序。");
}

void ThrowLockUnavailable(const PortIdentity& port) {
    ThrowCommError(CommError::LockUnavailable,
                   "无法打开串口 " + port.Describe() +
                       "：无法创建串口锁文件（/var/lock 等目录不可写），"
                       "因此不能独占该端口。");
}

void ThrowOpenFailed(const PortIdentity& port, const CString& cause) {
    ThrowCommError(CommError::OpenFailed, "无法打开串口 " + port.Describe() + "：" + cause + "。");
}

void ThrowDeviceGone(const PortIdentity& port, std::size_t unsent, std::size_t total) {
    ThrowCommError(CommError::DeviceGone,
                   "串口 " + port.Describe() + " 的设备已断开（例如 USB 转串口适配器被拔出），" +
                       Bytes(unsent, total) + "。端口已关闭；重新连接设备后再写入即可。");
}

void ThrowTransmitTimeout(const PortIdentity& port, std::size_t unsent, std::size_t total,
                          int seconds) {
    ThrowCommError(CommError::TransmitTimeout,
                   "串口 " + port.Describe() + " 发送超时：" + std::to_string(seconds) + " 秒内" +
                       Bytes(unsent, total) + "，未发出的数据已丢弃，端口已关闭。");
}

void ThrowTransmitFailed(const PortIdentity& port, const CString& cause) {
    ThrowCommError(CommError::TransmitFailed,
                   "串口 " + port.Describe() + " 发送失败：" + cause + "。端口已关闭。");
}

} // namespace platform::comm
