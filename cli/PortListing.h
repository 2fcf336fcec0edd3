// --list-ports: the serial ports this machine has, worded as the dialog's messages list them,
// each with the --port value that selects it.
#pragma once

#include "platform/serial/SerialDevice.h"

#include <string>
#include <vector>

namespace cli {

// The listing as text, one port to an entry.
std::string PortListingText(const std::vector<serial::SerialDevice>& devices);
// What is said when the machine has no serial port.
std::string NoPortsText();
// The listing as the JSON report's text.
std::string PortListingJson(const std::vector<serial::SerialDevice>& devices);

} // namespace cli
