// Checking what a run is to write.
#include "cli/WriteJob.h"

#include "cli/SettingNames.h"
#include "cli/SettingValues.h"

namespace cli {

namespace {

const std::optional<std::string>& TextOf(const SettingTexts& settings, DeviceOpcode opcode) {
    switch (opcode) {
    case DeviceOpcode::ServerAddress:
        return settings.server;
    case DeviceOpcode::ControllerAddress:
        return settings.controller;
    case DeviceOpcode::SubnetMask:
        return settings.mask;
    case DeviceOpcode::GatewayAddress:
        return settings.gateway;
    case DeviceOpcode::MacAddress:
        break;
    }
    return settings.mac;
}

// The frame of one setting's text, or none when the text is no such value.
std::optional<JobFrame> FrameOf(DeviceOpcode opcode, const std::string& text) {
    if (opcode == DeviceOpcode::MacAddress) {
        const std::optional<MacBytes> mac = ParseMac(text);
        return mac ? std::optional<JobFrame>({DeviceCommand::Mac(*mac), FormatMac(*mac)})
                   : std::nullopt;
    }
    const std::optional<Ipv4Octets> octets = ParseIpv4(text);
    return octets ? std::optional<JobFrame>(
                        {DeviceCommand::Address(opcode, *octets), FormatIpv4(*octets)})
                  : std::nullopt;
}

std::string WhatItShouldBe(DeviceOpcode opcode) {
    if (opcode == DeviceOpcode::MacAddress) {
        return "不是 MAC 地址：应写成 00-11-0A-0D-FF-13 或 00:11:0a:0d:ff:13，"
               "或者用空格或点分隔的六个 0 到 255 之间的十进制数，例如 \"0 17 10 13 255 19\"。";
    }
    return "不是 IP 地址：应为用点分隔的四个 0 到 255 之间的整数，例如 192.168.1.10。";
}

} // namespace

WriteJob PrepareWriteJob(const CliOptions& options, const SettingTexts& settings) {
    WriteJob job;
    std::string problems;
    const auto note = [&problems](const std::string& problem) {
        problems.append(problems.empty() ? "" : "\n").append(problem);
    };
    if (!options.port.empty()) {
        try {
            job.port = ParsePortArgument(options.port);
        } catch (const UsageError& error) {
            note(error.what());
        }
    }
    std::string missing;
    for (const SettingName& name : kSettingNames) {
        const std::optional<std::string>& text = TextOf(settings, name.opcode);
        if (!text) {
            missing.append(missing.empty() ? "--" : "、--").append(name.key);
            continue;
        }
        if (const std::optional<JobFrame> frame = FrameOf(name.opcode, *text)) {
            job.frames.push_back(*frame);
        } else {
            note("--" + std::string(name.key) + " 的值“" + *text + "”" +
                 WhatItShouldBe(name.opcode));
        }
    }
    if (options.all && !missing.empty()) {
        note("--all 要求五项全部给出，缺少 " + missing + "。");
    }
    if (!problems.empty()) {
        throw UsageError(problems);
    }
    return job;
}

} // namespace cli
