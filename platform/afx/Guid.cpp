// Class identifiers: parsing and formatting of the braced registry form.
#include "platform/afx/Guid.h"

#include <cstdio>

namespace platform {

namespace {

constexpr std::size_t kGuidTextLength = 38; // {8-4-4-4-12}
constexpr std::size_t kDashPositions[] = {9, 14, 19, 24};

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads the hex digits of text[pos, pos + count) into value; false on any other character.
bool ReadHex(std::string_view text, std::size_t pos, std::size_t count, std::uint64_t& value) {
    value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        const int digit = HexValue(text[i]);
        if (digit < 0) {
            return false;
        }
        value = (value << 4) | static_cast<std::uint64_t>(digit);
    }
    return true;
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
    GUID guid;
    std::uint64_t value = 0;
    if (!ReadHex(text, 1, 8, value)) {
        return std::nullopt;
    }
    guid.Data1 = static_cast<DWORD>(value);
    if (!ReadHex(text, 10, 4, value)) {
        return std::nullopt;
    }
    guid.Data2 = static_cast<WORD>(value);
    if (!ReadHex(text, 15, 4, value)) {
        return std::nullopt;
    }
    guid.Data3 = static_cast<WORD>(value);
    // Data4 is the last two groups, read as eight single bytes.
    constexpr std::size_t kData4Starts[] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (std::size_t i = 0; i < 8; ++i) {
        if (!ReadHex(text, kData4Starts[i], 2, value)) {
            return std::nullopt;
        }
        guid.Data4[i] = static_cast<BYTE>(value);
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

} // namespace platform
