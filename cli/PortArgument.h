// The port a user names with --port: "COM<n>" as the dialog maps it, or, where the system
// opens devices by path (Linux), the path of a serial device.
#pragma once

#include <string>

namespace cli {

struct PortArgument {
    std::string name; // "COM1", or the path as given
    long number = 0;  // n of COM<n>; 0 for a path
    std::string path; // the device it opens: $TAVRIN_COM1, /dev/ttyS0, \\.\COM1, the path

    bool IsNumbered() const { return number != 0; }
};

// Reads a port: "COM1" in any case (and "\\.\COM1"), from COM1 to COM255, or a path with a
// slash where the system takes paths. Throws UsageError saying what a port looks like.
PortArgument ParsePortArgument(const std::string& text);

} // namespace cli
