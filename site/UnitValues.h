// One unit's five settings as they are sent, and what one write sends of them: all five
// ("写入全部信息") or one setting's button.
#pragma once

#include "device/DeviceCommand.h"

#include <optional>
#include <string_view>

namespace site {

struct UnitValues {
    Ipv4Octets server{};
    Ipv4Octets controller{};
    Ipv4Octets mask{};
    Ipv4Octets gateway{};
    MacBytes mac{};

    bool operator==(const UnitValues&) const = default;
};

// What one write sends: the whole unit, or the one setting of a button.
enum class WriteKind { All, Server, Controller, Mask, Gateway, Mac };

// Whether a write of kind sends setting (one of the single kinds).
constexpr bool Sends(WriteKind kind, WriteKind setting) {
    return kind == WriteKind::All || kind == setting;
}

// The name of what was written, as the record's column and messages give it: 全部信息,
// 服务器IP, 中控IP, 子网掩码, 网关, MAC.
std::string_view WriteKindName(WriteKind kind);
// The kind a name stands for; none for any other text.
std::optional<WriteKind> WriteKindFromName(std::string_view name);

} // namespace site
