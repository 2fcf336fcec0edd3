// Texts one after another with a separator between them: CSV cells, a message's problems.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace site {

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
