// The encodings a plan or a record arrives in: UTF-8 with or without a byte order mark, and
// GBK (code page 936), which Excel on a Chinese Windows writes for "CSV (逗号分隔)".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace site {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values beyond
// U+10FFFF).
bool IsUtf8(std::string_view bytes);
// The text without a leading UTF-8 byte order mark.
std::string_view WithoutUtf8Bom(std::string_view bytes);
// Whether the bytes start with a UTF-16 byte order mark (Excel's "Unicode text").
bool HasUtf16Bom(std::string_view bytes);
// GBK text (code page 936) as UTF-8; none when the bytes are not GBK. Each system decodes it
// with its own converter.
std::optional<std::string> GbkToUtf8(std::string_view bytes);

} // namespace site
