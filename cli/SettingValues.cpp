// Reading and writing setting values.
#include "cli/SettingValues.h"

#include <charconv>
#include <vector>

namespace cli {

namespace {

constexpr std::size_t kMaxDecimalDigits = 3;
constexpr unsigned kMaxByte = 255;
constexpr std::size_t kHexDigits = 2;
constexpr int kHexBase = 16;

// The fields of text between single separators; a separator at either end or two in a row
// give an empty field.
std::vector<std::string_view> Fields(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos;
         start = at + 1) {
        fields.push_back(text.substr(start, at - start));
    }
    fields.push_back(text.substr(start));
    return fields;
}

// A field of digits in base, at most maxDigits of them, no greater than 255.
std::optional<std::uint8_t> Byte(std::string_view field, int base, std::size_t maxDigits) {
    if (field.empty() || field.size() > maxDigits) {
        return std::nullopt;
    }
    unsigned value = 0;
    const auto [end, error] =
        std::from_chars(field.data(), field.data() + field.size(), value, base);
    if (error != std::errc() || end != field.data() + field.size() || value > kMaxByte) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

template <std::size_t N>
std::optional<std::array<std::uint8_t, N>> Bytes(const std::vector<std::string_view>& fields,
                                                 int base, std::size_t maxDigits) {
    if (fields.size() != N) {
        return std::nullopt;
    }
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::optional<std::uint8_t> byte = Byte(fields[i], base, maxDigits);
        if (!byte) {
            return std::nullopt;
        }
        bytes[i] = *byte;
    }
    return bytes;
}

// Six decimals separated by runs of spaces, blanks at either end allowed.
std::vector<std::string_view> SpaceFields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t at = text.find_first_not_of(' '); at != std::string_view::npos;) {
        const std::size_t end = text.find(' ', at);
        fields.push_back(text.substr(at, end - at));
        at = end == std::string_view::npos ? end : text.find_first_not_of(' ', end);
    }
    return fields;
}

} // namespace

std::optional<Ipv4Octets> ParseIpv4(std::string_view text) {
    return Bytes<4>(Fields(text, '.'), 10, kMaxDecimalDigits);
}

std::optional<MacBytes> ParseMac(std::string_view text) {
    for (const char separator : {'-', ':'}) {
        if (text.find(separator) != std::string_view::npos) {
            return Bytes<6>(Fields(text, separator), kHexBase, kHexDigits);
        }
    }
    if (text.find('.') != std::string_view::npos) {
        return Bytes<6>(Fields(text, '.'), 10, kMaxDecimalDigits);
    }
    return Bytes<6>(SpaceFields(text), 10, kMaxDecimalDigits);
}

std::string FormatIpv4(const Ipv4Octets& octets) {
    std::string text;
    for (const std::uint8_t octet : octets) {
        text.append(text.empty() ? "" : ".").append(std::to_string(octet));
    }
    return text;
}

std::string FormatMac(const MacBytes& mac) {
    return HexBytes(mac, "-");
}

std::string HexBytes(std::span<const std::uint8_t> bytes, std::string_view separator) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += text.empty() ? "" : separator;
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

} // namespace cli
