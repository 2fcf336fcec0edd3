// Small pieces of text handling the readers and writers share: the blanks around a cell, and
// texts joined with a separator (CSV cells, a message's problems).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace site {

// What counts as blank around a cell or a value.
inline constexpr std::string_view kBlanks = " \t";

// The text without the blanks at either end.
inline std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

inline std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            text += separator;
        }
        text += parts[i];
    }
    return text;
}

} // namespace site
