// Checking what a run is to write.
#include "cli/WriteJob.h"

#include "cli/SettingNames.h"
#include "site/ValueText.h"

namespace cli {

namespace {

// Where a setting's value goes among the unit's values.
Ipv4Octets& AddressOf(site::UnitValues& values, DeviceOpcode opcode) {
    switch (opcode) {
    case DeviceOpcode::ServerAddress:
        return values.server;
    case DeviceOpcode::ControllerAddress:
        return values.controller;
    case DeviceOpcode::SubnetMask:
        return values.mask;
    default:
        break;
    }
    return values.gateway;
}

// Reads one setting's text into the job (its frame and its value), or says what is wrong with
// the text.
std::string AddSetting(WriteJob& job, const SettingName& name, const std::string& text) {
    if (name.opcode == DeviceOpcode::MacAddress) {
        const site::ValueReading<MacBytes> mac = site::ReadMac(text);
        if (!mac.value) {
            return mac.problem;
        }
        job.values.mac = *mac.value;
        job.frames.push_back(
            {DeviceCommand::Mac(*mac.value), name.kind, site::FormatMac(*mac.value)});
        return {};
    }
    const site::ValueReading<Ipv4Octets> address = site::ReadIpv4(text);
    if (!address.value) {
        return address.problem;
    }
    AddressOf(job.values, name.opcode) = *address.value;
    job.frames.push_back({DeviceCommand::Address(name.opcode, *address.value), name.kind,
                          site::FormatIpv4(*address.value)});
    return {};
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
        const std::optional<std::string>& text = settings.*name.text;
        if (!text) {
            missing.append(missing.empty() ? "--" : "、--").append(name.key);
            continue;
        }
        if (const std::string problem = AddSetting(job, name, *text); !problem.empty()) {
            note("--" + std::string(name.key) + " 的值“" + *text + "”" + problem + "。");
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
