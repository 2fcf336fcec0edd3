// Writing JSON.
#include "cli/JsonObject.h"

#include <algorithm>
#include <cstdio>

namespace cli {

namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// The length of the well-formed UTF-8 sequence at the start of text, 0 when there is none.
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    const unsigned char second = length > 1 ? byte(1) : 0;
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
        return 0;
    }
    return length;
}

} // namespace

std::string JsonObject::Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text.substr(at));
        if (length != 1) {
            // Bytes that are no UTF-8 (a file name in another encoding) become U+FFFD, so
            // that the output stays JSON.
            quoted += length == 0 ? kReplacement : text.substr(at, length);
            at += std::max<std::size_t>(length, 1);
            continue;
        }
        const char c = text[at++];
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < kFirstPrintable) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                quoted += escaped;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}

JsonObject& JsonObject::AddRaw(std::string_view key, const std::string& json) {
    if (!m_members.empty()) {
        m_members += ',';
    }
    m_members.append(Quoted(key)).append(":").append(json);
    return *this;
}

JsonObject& JsonObject::Add(std::string_view key, std::string_view text) {
    return AddRaw(key, Quoted(text));
}

JsonObject& JsonObject::Add(std::string_view key, const std::optional<std::string>& text) {
    return AddRaw(key, text ? Quoted(*text) : "null");
}

JsonObject& JsonObject::Add(std::string_view key, long long number) {
    return AddRaw(key, std::to_string(number));
}

JsonObject& JsonObject::Add(std::string_view key, bool value) {
    return AddRaw(key, value ? "true" : "false");
}

JsonObject& JsonObject::Add(std::string_view key, const JsonObject& object) {
    return AddRaw(key, object.Text());
}

JsonObject& JsonObject::Add(std::string_view key, const std::vector<JsonObject>& array) {
    std::string json = "[";
    for (const JsonObject& element : array) {
        if (json.size() > 1) {
            json += ',';
        }
        json.append(element.Text());
    }
    json += ']';
    return AddRaw(key, json);
}

std::string JsonObject::Text() const {
    return "{" + m_members + "}";
}

} // namespace cli
