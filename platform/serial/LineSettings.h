// The line settings of the communications control, as its Settings text gives them:
// "baud,parity,data bits,stop bits", for example "9600,n,8,1".
#pragma once

#include <string>

namespace serial {

struct PortIdentity;

enum class Parity { None, Even, Odd, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };

struct LineSettings {
    long baudRate = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;

    friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

// The line the controller speaks, 9600 baud 8N1: the control's settings until told otherwise,
// and what every program that writes a controller opens its port with.
constexpr const char* kDefaultSettings = "9600,n,8,1";

constexpr long kMaxBaudRate = 4000000;
constexpr int kMinDataBits = 5;
constexpr int kMaxDataBits = 8;

// Reads a Settings text; a malformed one throws the control's invalid-settings error saying
// which part is wrong. Parity letters may be of either case; blanks around parts are allowed.
LineSettings ParseLineSettings(const std::string& text);
// Throws port's unsupported-settings error for settings no serial line can carry: 1.5 stop
// bits exist only with 5 data bits, and then 2 do not (a line told 2 sends 1.5).
void CheckLineCanCarry(const PortIdentity& port, const LineSettings& settings);

} // namespace serial
