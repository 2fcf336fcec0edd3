// Help and version.
#include "cli/HelpText.h"

#include "cli/ExitCode.h"
#include "device/WriteRule.h"
#include "platform/serial/SystemSerialPorts.h"

namespace cli {

namespace {

constexpr const char* kUsage = R"(用法：tavrin-cli --port 串口 [设置…] [选项…]
      tavrin-cli --list-ports
通过串口把网络参数写入 6150 中控，与 tavrin 对话框的按钮发送同样的帧（9600 波特，8N1）。
给出的设置按“写入全部信息”的顺序发送：服务器IP、中控IP、子网掩码、网关IP、MAC，
每帧之后停 %PAUSE% 毫秒。所有值都在打开串口之前检查，有一个不对就什么也不发送。

串口：
  -p, --port=串口        %PORTS%
  -l, --list-ports       列出这台电脑的串口

设置（可以只给其中几项）：
      --server=IP        服务器IP，例如 192.168.1.10
      --controller=IP    中控IP
      --mask=掩码        子网掩码，例如 255.255.255.0
      --gateway=IP       网关IP
      --mac=MAC          MAC 地址：00-11-0A-0D-FF-13、00:11:0a:0d:ff:13，
                         或用空格或点分隔的六个十进制数（如 "0 17 10 13 255 19"，
                         含空格时要加引号）
  -a, --all              要求五项全部给出，相当于“写入全部信息”

现场模式（与对话框共用记录、计划表和检查）：
      --record=文件      每次写入在记录文件（CSV）末尾追加一行，并做下面 --check
                         的全部检查；记录写不进去时什么也不发送（状态 6）。
                         五项全写记一行“全部信息”，只写几项时每帧记一行
      --plan=文件 --next 写入计划表中记录里还没有的下一台，标签记入记录
                         （需要 --record）；命令行上只给计划表没有的值
      --check            发送前检查：中控IP 或 MAC 已在记录中、掩码不连续、
                         中控IP 是网络地址或广播地址、网关不在中控的子网内、
                         MAC 是组播、全 0 或全 FF；有问题就给出提问并停止，
                         什么也不发送（状态 2）
      --force            与 --check 或 --record 一起：检查出问题也照样写入，
                         并在记录中注明

输出：
  -n, --dry-run          只显示要发送的帧（十六进制），不打开串口，不写记录
      --json             在标准输出上输出一个 JSON 对象：串口、帧、结果和记录行
  -h, --help             显示本帮助
  -V, --version          显示版本

发出的每一帧以十六进制显示在标准输出上；消息用中文写到标准错误。

退出状态：
  0    全部发送（--dry-run：帧已显示）
  2    参数或值有误、计划表有误，或检查未通过：什么也没有发送
  3    串口不存在或不是串口，或无法打开：什么也没有发送
  4    串口被占用或没有权限：什么也没有发送
  5    发送失败、超时或设备已断开：消息说明已发出几帧
  6    记录文件写不进去：什么也没有发送；发送之后才写不进去时，
       消息给出缺少的那一行
  7    --next：计划中的每一台都已写入记录，什么也没有发送
  130  按了 Ctrl+C：在两帧之间停止，串口已关闭，消息说明已发出几帧
  1    其他意外错误

示例：
  tavrin-cli --port COM1 --all --server 192.168.1.10 --controller 192.168.1.20 \
      --mask 255.255.255.0 --gateway 192.168.1.1 --mac 00-11-0A-0D-FF-13
  tavrin-cli --port COM1 --mac 00:11:0a:0d:ff:13
  tavrin-cli --dry-run --controller 10.0.0.5
  tavrin-cli --port COM1 --plan 计划.csv --record 记录.csv --next \
      --server 192.168.1.10 --mask 255.255.255.0 --gateway 192.168.1.1
  tavrin-cli --port COM1 --record 记录.csv --force --mac 00-11-0A-0D-FF-13
)";

constexpr const char* kLinuxPorts = "COM1 到 COM255，或设备路径（如 /dev/ttyUSB0）；\n"
                                    "                         COMn 是环境变量 TAVRIN_COMn "
                                    "所指的设备，\n"
                                    "                         没有设置时是 /dev/ttyS<n-1>";
constexpr const char* kWindowsPorts = "COM1 到 COM255";

void Replace(std::string& text, std::string_view mark, const std::string& by) {
    text.replace(text.find(mark), mark.size(), by);
}

} // namespace

std::string HelpText() {
    std::string text = kUsage;
    Replace(text, "%PAUSE%", std::to_string(kPauseAfterWrite.count()));
    Replace(text, "%PORTS%", serial::OpensDevicePaths() ? kLinuxPorts : kWindowsPorts);
    return text;
}

std::string VersionText() {
    return std::string("tavrin-cli ") + TAVRIN_VERSION + "\nCopyright (c) " + TAVRIN_COPYRIGHT +
           "\n按 MIT 许可证发布。\n";
}

} // namespace cli
