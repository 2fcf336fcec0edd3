// The columns a plan's header row may name, in the words a technician writes: each column has
// Chinese and English names, matched without regard to case, blanks, "_" or "-":
//
//   label       标签 房间 房间号 名称 位置 label room name location
//   controller  中控IP 中控地址 中控 IP IP地址 controller controllerip
//   MAC         MAC MAC地址 物理地址 mac macaddress
//   server      服务器IP 服务器地址 服务器 server serverip
//   mask        子网掩码 掩码 mask subnetmask netmask
//   gateway     网关 网关IP 网关地址 gateway gatewayip
//
// Label, controller and MAC must be there; other columns (a note, a floor) are passed over.
// Without a header row the columns are label, controller address, MAC, in that order.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace site {

enum class PlanColumn { Label, Controller, Mac, Server, Mask, Gateway };
inline constexpr std::size_t kPlanColumnCount = 6;

// Where each column is in a row, by PlanColumn; none for a column the plan does not have.
using PlanColumnPlaces = std::array<std::optional<std::size_t>, kPlanColumnCount>;

// The column a header cell names; none for any other text.
std::optional<PlanColumn> PlanColumnNamed(std::string_view cell);
// The column's Chinese name in messages.
std::string_view PlanColumnTitle(PlanColumn column);
// The columns a plan's first row names; none when it names none (the row is no header).
// problem is set when it is a header but an unusable one: a column twice, or label,
// controller or MAC missing.
std::optional<PlanColumnPlaces> PlanHeader(const std::vector<std::string>& cells,
                                           std::string& problem);

} // namespace site
