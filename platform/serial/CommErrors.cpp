// The texts of the communications control's errors.
#include "platform/serial/CommErrors.h"

#include "platform/serial/SerialPortDevice.h"

#include <string>

namespace serial {

namespace {

constexpr const char* kCheckTheLine = "请检查设备和串口线后再写入。";

std::string Bytes(std::size_t unsent, std::size_t total) {
    if (unsent == kUnknownCount) {
        return std::to_string(total) + " 字节可能未全部发出";
    }
    return std::to_string(total) + " 字节中有 " + std::to_string(unsent) + " 字节未发出";
}

} // namespace

std::string CannotOpen(const PortIdentity& port) {
    return "无法打开串口 " + port.Describe() + "：";
}

std::string DeviceEntries(const std::vector<SerialDevice>& devices, const std::string& portName) {
    const std::string setting = NamedByPath(portName) ? "" : kPortVariablePrefix + portName + "=";
    std::string entries;
    for (const SerialDevice& device : devices) {
        entries += DeviceEntry(device) + "\n" + setting + device.PathToUse();
    }
    return entries;
}

bool NamedByPath(const std::string& portName) {
    return portName.starts_with('/');
}

std::string DeviceEntry(const SerialDevice& device) {
    std::string entry = "\n\n• " + device.node + "：" + device.kind;
    if (!device.description.empty()) {
        entry += " " + device.description;
    }
    return entry;
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
    throw PortError(code, description);
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

void ThrowPortBusy(const PortIdentity& port, const std::string& holder) {
    const std::string who = holder.empty() ? std::string() : "：" + holder;
    ThrowCommError(CommError::PortBusy, CannotOpen(port) + "端口正被另一个程序占用" + who +
                                            "。请先关闭占用该端口的程序。");
}

void ThrowOpenFailed(const PortIdentity& port, const std::string& cause) {
    ThrowCommError(CommError::OpenFailed, CannotOpen(port) + cause + "。" + kCheckTheLine);
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
    ThrowDeviceGone(port, unsent, total, others);
}

void ThrowDeviceGone(const PortIdentity& port, std::size_t unsent, std::size_t total,
                     const std::string& choices) {
    ThrowCommError(CommError::DeviceGone,
                   "串口 " + port.Describe() + " 的设备已断开（例如 USB 转串口适配器被拔出），" +
                       Bytes(unsent, total) + "。端口已关闭；重新连接设备后再写入即可。" + choices);
}

void ThrowTransmitTimeout(const PortIdentity& port, std::size_t unsent, std::size_t total) {
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(SerialPortDevice::kTransmitDeadline);
    ThrowCommError(CommError::TransmitTimeout,
                   "串口 " + port.Describe() + " 发送超时：" + std::to_string(seconds.count()) +
                       " 秒内" + Bytes(unsent, total) + "，未发出的数据已丢弃，端口已关闭。");
}

void ThrowTransmitFailed(const PortIdentity& port, const std::string& cause) {
    ThrowCommError(CommError::TransmitFailed, "串口 " + port.Describe() + " 发送失败：" + cause +
                                                  "。端口已关闭；" + kCheckTheLine);
}

} // namespace serial
