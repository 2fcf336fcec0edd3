// Class identifiers of hosted controls and their registry text form.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

struct GUID {
    DWORD Data1 = 0;
    WORD Data2 = 0;
    WORD Data3 = 0;
    BYTE Data4[8] = {};

    friend bool operator==(const GUID&, const GUID&) = default;
};
using CLSID = GUID;

namespace platform {

// Reads "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (hex digits of either case); nothing when
// the text is not exactly that.
std::optional<GUID> ParseGuid(std::string_view text);

// The registry form of an identifier, upper-case hex in braces.
std::string FormatGuid(const GUID& guid);

} // namespace platform
