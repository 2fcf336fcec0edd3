// Reading and writing addresses and MACs.
#include "site/ValueText.h"

#include "site/TextPieces.h"

#include <array>
#include <vector>

namespace site {

namespace {

constexpr unsigned kMaxByte = 255;
constexpr std::size_t kMaxDecimalDigits = 3;
constexpr std::size_t kMaxHexDigits = 2;
constexpr int kDecimal = 10;
constexpr int kHex = 16;
constexpr int kBitsPerByte = 8;

constexpr const char* kIpv4Shape = "不是四段用点分隔的 0 到 255 的数（例如 192.168.1.20）";
constexpr const char* kMacShape = "不是 MAC 地址的写法（例如 00-11-0A-0D-FF-13、00:11:0a:0d:ff:13 "
                                  "或六个 0 到 255 的数 0 17 10 13 255 19）";

// The fields between single separators; one at either end or two in a row give an empty field.
std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos;
         start = at + 1) {
        fields.push_back(text.substr(start, at - start));
    }
    fields.push_back(text.substr(start));
    return fields;
}

// The fields between runs of blanks.
std::vector<std::string_view> SplitBlanks(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t at = text.find_first_not_of(kBlanks); at != std::string_view::npos;) {
        const std::size_t end = text.find_first_of(kBlanks, at);
        fields.push_back(text.substr(at, end - at));
        at = end == std::string_view::npos ? end : text.find_first_not_of(kBlanks, end);
    }
    return fields;
}

int DigitValue(char c, int base) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (base == kHex && c >= 'a' && c <= 'f') {
        return c - 'a' + kDecimal;
    }
    if (base == kHex && c >= 'A' && c <= 'F') {
        return c - 'A' + kDecimal;
    }
    return -1;
}

// Reads fields as N bytes in base: the bytes, or the problem with the first field that is no
// number (shape) or a number too large (its range).
template <std::size_t N>
ValueReading<std::array<std::uint8_t, N>> ReadBytes(const std::vector<std::string_view>& fields,
                                                    int base, const char* shape) {
    if (fields.size() != N) {
        return {std::nullopt, shape};
    }
    const std::size_t maxDigits = base == kHex ? kMaxHexDigits : kMaxDecimalDigits;
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::string_view field = fields[i];
        if (field.empty()) {
            return {std::nullopt, shape};
        }
        unsigned value = 0;
        for (const char c : field) {
            const int digit = DigitValue(c, base);
            if (digit < 0) {
                return {std::nullopt, shape};
            }
            if (value <= kMaxByte) { // beyond it the value only has to stay too large
                value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
            }
        }
        if (value > kMaxByte || field.size() > maxDigits) {
            const char* range = base == kHex ? "00 到 FF" : "0 到 255";
            return {std::nullopt, "第 " + std::to_string(i + 1) + " 段 " + std::string(field) +
                                      " 超出 " + range + " 的范围"};
        }
        bytes[i] = static_cast<std::uint8_t>(value);
    }
    return {bytes, {}};
}

// The bytes as one number, the first highest, and back.
template <std::size_t N> std::uint64_t NumberOf(const std::array<std::uint8_t, N>& bytes) {
    std::uint64_t number = 0;
    for (const std::uint8_t byte : bytes) {
        number = (number << kBitsPerByte) | byte;
    }
    return number;
}

template <std::size_t N> std::array<std::uint8_t, N> BytesOf(std::uint64_t number) {
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = N; i-- > 0; number >>= kBitsPerByte) {
        bytes[i] = static_cast<std::uint8_t>(number & kMaxByte);
    }
    return bytes;
}

} // namespace

ValueReading<Ipv4Octets> ReadIpv4(std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) {
        return {std::nullopt, "是空的"};
    }
    return ReadBytes<4>(Split(text, '.'), kDecimal, kIpv4Shape);
}

ValueReading<MacBytes> ReadMac(std::string_view text) {
    text = Trimmed(text);
    if (text.empty()) {
        return {std::nullopt, "是空的"};
    }
    const bool dashes = text.find('-') != std::string_view::npos;
    const bool colons = text.find(':') != std::string_view::npos;
    if (dashes && colons) {
        return {std::nullopt, kMacShape};
    }
    if (dashes || colons) {
        return ReadBytes<6>(Split(text, dashes ? '-' : ':'), kHex, kMacShape);
    }
    if (text.find('.') != std::string_view::npos) {
        return ReadBytes<6>(Split(text, '.'), kDecimal, kMacShape);
    }
    return ReadBytes<6>(SplitBlanks(text), kDecimal, kMacShape);
}

std::optional<Ipv4Octets> ParseIpv4(std::string_view text) {
    return ReadIpv4(text).value;
}

std::optional<MacBytes> ParseMac(std::string_view text) {
    return ReadMac(text).value;
}

std::string FormatIpv4(const Ipv4Octets& octets) {
    std::vector<std::string> fields;
    for (const std::uint8_t octet : octets) {
        fields.push_back(std::to_string(octet));
    }
    return Joined(fields, ".");
}

std::string FormatMac(const MacBytes& mac) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    constexpr unsigned kNibble = 4;
    constexpr unsigned kLowNibble = 0xF;
    std::string text;
    for (const std::uint8_t byte : mac) {
        text += text.empty() ? "" : "-";
        text += kDigits[byte >> kNibble];
        text += kDigits[byte & kLowNibble];
    }
    return text;
}

std::uint32_t Ipv4Number(const Ipv4Octets& octets) {
    return static_cast<std::uint32_t>(NumberOf(octets));
}

Ipv4Octets Ipv4FromNumber(std::uint32_t number) {
    return BytesOf<4>(number);
}

std::uint64_t MacNumber(const MacBytes& mac) {
    return NumberOf(mac);
}

MacBytes MacFromNumber(std::uint64_t number) {
    return BytesOf<6>(number);
}

} // namespace site
