// Class identifiers: parsing and formatting of the braced registry form.
#include "platform/afx/Guid.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace platform {

namespace {

constexpr std::size_t kGuidTextLength = 38; // {8-4-4-4-12}

} // namespace

std::optional<GUID> ParseGuid(std::string_view text) {
    if (text.size() != kGuidTextLength) {
        return std::nullopt;
    }
    GUID guid{};
    unsigned long data1 = 0;
    unsigned data2 = 0;
    unsigned data3 = 0;
    unsigned data4[8] = {};
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "{%8lx-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x}", &data1, &data2,
                    &data3, &data4[0], &data4[1], &data4[2], &data4[3], &data4[4], &data4[5],
                    &data4[6], &data4[7]) != 11) {
        return std::nullopt;
    }
    guid.Data1 = static_cast<DWORD>(data1);
    guid.Data2 = static_cast<WORD>(data2);
    guid.Data3 = static_cast<WORD>(data3);
    for (std::size_t i = 0; i < 8; ++i) {
        guid.Data4[i] = static_cast<BYTE>(data4[i]);
    }
    // The scan also takes signs, spaces and short groups: only the exact form comes back
    // unchanged when formatted again.
    std::string upper = copy;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (FormatGuid(guid) != upper) {
        return std::nullopt;
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
