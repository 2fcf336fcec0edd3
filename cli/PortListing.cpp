// The machine's serial ports.
#include "cli/PortListing.h"

#include "cli/JsonObject.h"
#include "platform/serial/CommErrors.h"

namespace cli {

namespace {

constexpr std::string_view kEntryStart = "\n\n"; // DeviceEntry's blank line before an entry
constexpr const char* kNoPorts = "这台电脑上没有找到串口设备。使用 USB 转串口适配器时，"
                                 "请检查它是否已插好（Windows 上还要装好驱动程序）。\n";

} // namespace

std::string NoPortsText() {
    return kNoPorts;
}

std::string PortListingText(const std::vector<serial::SerialDevice>& devices) {
    std::string text;
    for (const serial::SerialDevice& device : devices) {
        text += serial::DeviceEntry(device).substr(kEntryStart.size()) + "\n";
        text += "  --port " + device.PathToUse() + "\n";
    }
    return text;
}

std::string PortListingJson(const std::vector<serial::SerialDevice>& devices) {
    std::vector<JsonObject> ports;
    for (const serial::SerialDevice& device : devices) {
        ports.push_back(JsonObject()
                            .Add("node", device.node)
                            .Add("stable_name", device.stableName)
                            .Add("kind", device.kind)
                            .Add("description", device.description)
                            .Add("port", device.PathToUse()));
    }
    return JsonObject().Add("ports", ports).Text() + "\n";
}

} // namespace cli
