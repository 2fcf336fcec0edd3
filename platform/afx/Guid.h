// Class identifiers of hosted controls and their registry text form.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace afx {

// Reads "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (hex digits of either case); nothing when
// the text is not exactly that.
std::optional<GUID> ParseGuid(std::string_view text);

// The registry form of an identifier, upper-case hex in braces.
std::string FormatGuid(const GUID& guid);

} // namespace afx
