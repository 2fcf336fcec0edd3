// The line settings of the communications control, as its Settings text gives them:
// "baud,parity,data bits,stop bits", for example "9600,n,8,1".
#pragma once

#include "platform/base/WinDef.h"

#include <string>

namespace platform::comm {

enum class Parity { None, Even, Odd, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };

struct LineSettings {
    long baudRate = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;

    friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

constexpr long kMaxBaudRate = 4000000;
constexpr int kMinDataBits = 5;
constexpr int kMaxDataBits = 8;

// Reads a Settings text; a malformed one throws the control's invalid-settings error saying
// which part is wrong. Parity letters may be of either case; blanks around parts are allowed.
LineSettings ParseLineSettings(const std::string& text);

} // namespace platform::comm
