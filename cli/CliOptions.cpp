// Reading the command line.
#include "cli/CliOptions.h"

#include <algorithm>
#include <array>

namespace cli {

namespace {

constexpr std::string_view kEndOfOptions = "--";
constexpr std::string_view kJsonOption = "--json";

// An option: its long name, its short letter (0: none), and where it goes.
struct OptionSpec {
    std::string_view name;
    char letter;
    std::string CliOptions::*text;
    std::optional<std::string> SettingTexts::*setting;
    bool CliOptions::*flag;
};

constexpr std::array kOptions = {
    OptionSpec{"port", 'p', &CliOptions::port, nullptr, nullptr},
    OptionSpec{"server", 0, nullptr, &SettingTexts::server, nullptr},
    OptionSpec{"controller", 0, nullptr, &SettingTexts::controller, nullptr},
    OptionSpec{"mask", 0, nullptr, &SettingTexts::mask, nullptr},
    OptionSpec{"gateway", 0, nullptr, &SettingTexts::gateway, nullptr},
    OptionSpec{"mac", 0, nullptr, &SettingTexts::mac, nullptr},
    OptionSpec{"record", 0, &CliOptions::recordFile, nullptr, nullptr},
    OptionSpec{"plan", 0, &CliOptions::planFile, nullptr, nullptr},
    OptionSpec{"all", 'a', nullptr, nullptr, &CliOptions::all},
    OptionSpec{"next", 0, nullptr, nullptr, &CliOptions::next},
    OptionSpec{"check", 0, nullptr, nullptr, &CliOptions::check},
    OptionSpec{"force", 0, nullptr, nullptr, &CliOptions::force},
    OptionSpec{"dry-run", 'n', nullptr, nullptr, &CliOptions::dryRun},
    OptionSpec{"list-ports", 'l', nullptr, nullptr, &CliOptions::listPorts},
    OptionSpec{"json", 0, nullptr, nullptr, &CliOptions::json},
    OptionSpec{"help", 'h', nullptr, nullptr, &CliOptions::help},
    OptionSpec{"version", 'V', nullptr, nullptr, &CliOptions::version},
};

const OptionSpec* FindLong(std::string_view name) {
    const auto found = std::find_if(kOptions.begin(), kOptions.end(),
                                    [&](const OptionSpec& option) { return option.name == name; });
    return found == kOptions.end() ? nullptr : &*found;
}

const OptionSpec* FindShort(char letter) {
    const auto found =
        std::find_if(kOptions.begin(), kOptions.end(),
                     [&](const OptionSpec& option) { return option.letter == letter; });
    return found == kOptions.end() ? nullptr : &*found;
}

std::string Shown(const OptionSpec& option) {
    return "--" + std::string(option.name);
}

[[noreturn]] void Fail(const std::string& sentence) {
    throw UsageError(sentence);
}

// Stores one option; value is set for those that take one.
void Store(CliOptions& options, const OptionSpec& option, const std::optional<std::string>& value) {
    if (option.flag != nullptr) {
        if (value) {
            Fail("选项 " + Shown(option) + " 不带值。");
        }
        options.*option.flag = true;
        return;
    }
    // A value given twice is refused rather than the last one taken: a script that says two
    // things must not have one of them written into a device.
    const bool given = option.text != nullptr ? !(options.*option.text).empty()
                                              : (options.settings.*option.setting).has_value();
    if (given) {
        Fail("选项 " + Shown(option) + " 给了两次。");
    }
    if (option.text != nullptr) {
        if (value->empty()) {
            Fail("选项 " + Shown(option) + " 的值是空的。");
        }
        options.*option.text = *value;
    } else {
        options.settings.*option.setting = *value;
    }
}

bool AnySetting(const SettingTexts& settings) {
    return settings.server || settings.controller || settings.mask || settings.gateway ||
           settings.mac;
}

// What can be told from the options alone about whether they go together.
void CheckCombination(const CliOptions& options) {
    if (options.help || options.version) {
        return;
    }
    const bool writes = AnySetting(options.settings) || options.next || options.all;
    if (options.listPorts) {
        if (writes || !options.port.empty() || !options.recordFile.empty() ||
            !options.planFile.empty() || options.check || options.force || options.dryRun) {
            Fail("--list-ports 只能与 --json 一起使用。");
        }
        return;
    }
    if (!options.planFile.empty() && !options.next) {
        Fail("--plan 需要与 --next 一起使用：--next 取计划表中记录里还没有的下一台。");
    }
    if (options.next && options.planFile.empty()) {
        Fail("--next 需要用 --plan 指定计划表。");
    }
    if (options.next && options.recordFile.empty()) {
        Fail("--next 需要用 --record 指定记录文件：下一台是记录里还没有的第一行。");
    }
    if (options.force && !options.check && options.recordFile.empty()) {
        Fail("--force 只与 --check 或 --record 一起使用：它让检查出的问题照样写入。");
    }
    if (!writes) {
        Fail("没有要写入的内容：请给出 --server、--controller、--mask、--gateway、--mac "
             "中的至少一项，"
             "或者 --plan 和 --next。");
    }
    if (options.port.empty() && !options.dryRun) {
        Fail("请用 --port 指定串口，例如 --port COM1。");
    }
}

} // namespace

bool WantsJson(std::span<const std::string> args) {
    const auto end = std::find(args.begin(), args.end(), kEndOfOptions);
    return std::find(args.begin(), end, kJsonOption) != end;
}

CliOptions ParseOptions(std::span<const std::string> args) {
    CliOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const OptionSpec* option = nullptr;
        std::optional<std::string> value;
        if (arg == kEndOfOptions) {
            if (i + 1 < args.size()) {
                Fail("多余的参数“" + args[i + 1] + "”：tavrin-cli 只接受选项。");
            }
            break;
        }
        if (arg.starts_with("--")) {
            const std::size_t equals = arg.find('=');
            option = FindLong(std::string_view(arg).substr(2, equals - 2));
            if (option == nullptr) {
                Fail("未知的选项“" + arg.substr(0, equals) + "”。");
            }
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            }
        } else if (arg.size() >= 2 && arg[0] == '-') {
            option = FindShort(arg[1]);
            if (option == nullptr || (arg.size() > 2 && option->flag != nullptr)) {
                Fail("未知的选项“" + arg + "”。");
            }
            if (arg.size() > 2) {
                value = arg.substr(2); // "-pCOM1", as getopt reads it
            }
        } else {
            Fail("多余的参数“" + arg + "”：tavrin-cli 只接受选项，值写在选项后面，例如 --mac " +
                 arg + "。");
        }
        if (option->flag == nullptr && !value) {
            if (i + 1 >= args.size()) {
                Fail("选项 " + Shown(*option) + " 缺少值。");
            }
            value = args[++i];
        }
        Store(options, *option, value);
    }
    CheckCombination(options);
    return options;
}

} // namespace cli
