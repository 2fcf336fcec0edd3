// The names of what a write sends.
#include "site/UnitValues.h"

#include <array>
#include <cstddef>

namespace site {

namespace {

// In the order of WriteKind.
constexpr std::array<std::string_view, 6> kKindNames = {"全部信息", "服务器IP", "中控IP",
                                                        "子网掩码", "网关",     "MAC"};

} // namespace

std::string_view WriteKindName(WriteKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::optional<WriteKind> WriteKindFromName(std::string_view name) {
    for (std::size_t i = 0; i < kKindNames.size(); ++i) {
        if (kKindNames[i] == name) {
            return static_cast<WriteKind>(i);
        }
    }
    return std::nullopt;
}

} // namespace site
