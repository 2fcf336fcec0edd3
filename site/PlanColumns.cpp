// The names of a plan's columns.
#include "site/PlanColumns.h"

#include <array>
#include <string>

namespace site {

namespace {

struct ColumnName {
    PlanColumn column;
    std::string_view name; // as Normalised() leaves it
};

constexpr std::array kColumnNames = {
    ColumnName{PlanColumn::Label, "标签"},
    ColumnName{PlanColumn::Label, "房间"},
    ColumnName{PlanColumn::Label, "房间号"},
    ColumnName{PlanColumn::Label, "名称"},
    ColumnName{PlanColumn::Label, "位置"},
    ColumnName{PlanColumn::Label, "label"},
    ColumnName{PlanColumn::Label, "room"},
    ColumnName{PlanColumn::Label, "name"},
    ColumnName{PlanColumn::Label, "location"},
    ColumnName{PlanColumn::Controller, "中控ip"},
    ColumnName{PlanColumn::Controller, "中控地址"},
    ColumnName{PlanColumn::Controller, "中控"},
    ColumnName{PlanColumn::Controller, "ip"},
    ColumnName{PlanColumn::Controller, "ip地址"},
    ColumnName{PlanColumn::Controller, "controller"},
    ColumnName{PlanColumn::Controller, "controllerip"},
    ColumnName{PlanColumn::Mac, "mac"},
    ColumnName{PlanColumn::Mac, "mac地址"},
    ColumnName{PlanColumn::Mac, "物理地址"},
    ColumnName{PlanColumn::Mac, "macaddress"},
    ColumnName{PlanColumn::Server, "服务器ip"},
    ColumnName{PlanColumn::Server, "服务器地址"},
    ColumnName{PlanColumn::Server, "服务器"},
    ColumnName{PlanColumn::Server, "server"},
    ColumnName{PlanColumn::Server, "serverip"},
    ColumnName{PlanColumn::Mask, "子网掩码"},
    ColumnName{PlanColumn::Mask, "掩码"},
    ColumnName{PlanColumn::Mask, "mask"},
    ColumnName{PlanColumn::Mask, "subnetmask"},
    ColumnName{PlanColumn::Mask, "netmask"},
    ColumnName{PlanColumn::Gateway, "网关"},
    ColumnName{PlanColumn::Gateway, "网关ip"},
    ColumnName{PlanColumn::Gateway, "网关地址"},
    ColumnName{PlanColumn::Gateway, "gateway"},
    ColumnName{PlanColumn::Gateway, "gatewayip"},
};

// The cell without blanks, "_" and "-", in lower case (ASCII letters only: the Chinese
// names have no case).
std::string Normalised(std::string_view cell) {
    std::string name;
    for (const char c : cell) {
        if (c == ' ' || c == '\t' || c == '_' || c == '-') {
            continue;
        }
        name += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return name;
}

} // namespace

std::optional<PlanColumn> PlanColumnNamed(std::string_view cell) {
    const std::string name = Normalised(cell);
    for (const ColumnName& known : kColumnNames) {
        if (known.name == name) {
            return known.column;
        }
    }
    return std::nullopt;
}

std::string_view PlanColumnTitle(PlanColumn column) {
    switch (column) {
    case PlanColumn::Label:
        return "标签";
    case PlanColumn::Controller:
        return "中控IP";
    case PlanColumn::Mac:
        return "MAC";
    case PlanColumn::Server:
        return "服务器IP";
    case PlanColumn::Mask:
        return "子网掩码";
    case PlanColumn::Gateway:
        return "网关";
    }
    return {};
}

std::optional<PlanColumnPlaces> PlanHeader(const std::vector<std::string>& cells,
                                           std::string& problem) {
    PlanColumnPlaces places;
    bool named = false;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::optional<PlanColumn> column = PlanColumnNamed(cells[i]);
        if (!column) {
            continue;
        }
        named = true;
        std::optional<std::size_t>& place = places[static_cast<std::size_t>(*column)];
        if (place && problem.empty()) {
            problem = "表头中“" + std::string(PlanColumnTitle(*column)) + "”列出现了两次（第 " +
                      std::to_string(*place + 1) + " 列和第 " + std::to_string(i + 1) + " 列）";
        }
        place = place.value_or(i);
    }
    if (!named) {
        return std::nullopt;
    }
    for (const PlanColumn needed : {PlanColumn::Label, PlanColumn::Controller, PlanColumn::Mac}) {
        if (!places[static_cast<std::size_t>(needed)] && problem.empty()) {
            problem = "表头中没有“" + std::string(PlanColumnTitle(needed)) +
                      "”列（计划必须有标签、中控IP 和 MAC 三列）";
        }
    }
    return places;
}

} // namespace site
