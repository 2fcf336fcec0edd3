// Class identifiers: parsing and formatting of the braced registry form.
#include "platform/afx/Guid.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

namespace afx {

namespace {

constexpr std::size_t kGuidTextLength = 38; // {8-4-4-4-12}
constexpr std::size_t kDashPositions[] = {9, 14, 19, 24};
// Where each of Data4's eight bytes starts: the last two groups.
constexpr std::size_t kData4Starts[] = {20, 22, 25, 27, 29, 31, 33, 35};

// The count hex digits at pos, nothing when any of them is another character.
std::optional<std::uint32_t> Hex(std::string_view text, std::size_t pos, std::size_t count) {
    std::uint32_t value = 0;
    const char* first = text.data() + pos;
    const auto [end, error] = std::from_chars(first, first + count, value, 16);
    if (error != std::errc() || end != first + count) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<GUID> ParseGuid(std::string_view text) {
    if (text.size() != kGuidTextLength || text.front() != '{' || text.back() != '}') {
        return std::nullopt;
    }
    for (std::size_t pos : kDashPositions) {
        if (text[pos] != '-') {
            return std::nullopt;
        }
    }
    const auto data1 = Hex(text, 1, 8);
    const auto data2 = Hex(text, 10, 4);
    const auto data3 = Hex(text, 15, 4);
    if (!data1 || !data2 || !data3) {
        return std::nullopt;
    }
    GUID guid{};
    guid.Data1 = static_cast<DWORD>(*data1);
    guid.Data2 = static_cast<WORD>(*data2);
    guid.Data3 = static_cast<WORD>(*data3);
    for (std::size_t i = 0; i < 8; ++i) {
        const auto byte = Hex(text, kData4Starts[i], 2);
        if (!byte) {
            return std::nullopt;
        }
        guid.Data4[i] = static_cast<BYTE>(*byte);
    }
    return guid;
}

std::string FormatGuid(const GUID& guid) {
    char buffer[kGuidTextLength + 1];
    std::snprintf(buffer, sizeof buffer, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                  guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                  guid.Data4[6], guid.Data4[7]);
    return buffer;
}

} // namespace afx
