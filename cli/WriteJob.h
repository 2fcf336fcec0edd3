// What a run is to write: the port, and the frames of the settings given, in write-all's
// order, each with its value as sent. Everything is checked here, before any port is opened.
#pragma once

#include "cli/CliOptions.h"
#include "cli/PortArgument.h"
#include "device/DeviceCommand.h"
#include "device/WriteRule.h"
#include "site/UnitValues.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

struct JobFrame {
    DeviceCommand command;
    site::WriteKind kind; // the setting it sends, as the record names a write of it alone
    std::string value;    // "192.168.1.10", "00-11-0A-0D-FF-13"
};

struct WriteJob {
    std::optional<PortArgument> port; // none in a dry run without --port
    std::vector<JobFrame> frames;
    site::UnitValues values; // those the frames send; the others stay zero

    // Whether the frames are the whole unit in write-all's order, which the record counts as
    // one unit written.
    bool IsWriteAll() const { return frames.size() == kWriteAllOrder.size(); }
};

// Reads the port and the settings' values; throws UsageError naming every bad value and, with
// --all, every missing setting.
WriteJob PrepareWriteJob(const CliOptions& options, const SettingTexts& settings);

} // namespace cli
