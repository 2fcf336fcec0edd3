// Recognising the encodings of a plan or a record.
#include "site/TextEncoding.h"

#include <cstdint>

namespace site {

namespace {

constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// The length of the sequence a lead byte starts, and the range its second byte must be in
// (which rules out overlong forms, surrogates and values beyond U+10FFFF); 0 for a byte that
// cannot lead.
struct Lead {
    std::size_t length;
    std::uint8_t secondLow;
    std::uint8_t secondHigh;
};

constexpr std::uint8_t kContinuationLow = 0x80;
constexpr std::uint8_t kContinuationHigh = 0xBF;

Lead LeadOf(std::uint8_t byte) {
    if (byte < 0x80) {
        return {1, 0, 0};
    }
    if (byte >= 0xC2 && byte <= 0xDF) {
        return {2, kContinuationLow, kContinuationHigh};
    }
    if (byte == 0xE0) {
        return {3, 0xA0, kContinuationHigh};
    }
    if (byte == 0xED) {
        return {3, kContinuationLow, 0x9F};
    }
    if (byte >= 0xE1 && byte <= 0xEF) {
        return {3, kContinuationLow, kContinuationHigh};
    }
    if (byte == 0xF0) {
        return {4, 0x90, kContinuationHigh};
    }
    if (byte >= 0xF1 && byte <= 0xF3) {
        return {4, kContinuationLow, kContinuationHigh};
    }
    if (byte == 0xF4) {
        return {4, kContinuationLow, 0x8F};
    }
    return {0, 0, 0};
}

} // namespace

bool IsUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const Lead lead = LeadOf(static_cast<std::uint8_t>(bytes[at]));
        if (lead.length == 0 || bytes.size() - at < lead.length) {
            return false;
        }
        for (std::size_t i = 1; i < lead.length; ++i) {
            const auto byte = static_cast<std::uint8_t>(bytes[at + i]);
            const std::uint8_t low = i == 1 ? lead.secondLow : kContinuationLow;
            const std::uint8_t high = i == 1 ? lead.secondHigh : kContinuationHigh;
            if (byte < low || byte > high) {
                return false;
            }
        }
        at += lead.length;
    }
    return true;
}

std::string_view WithoutUtf8Bom(std::string_view bytes) {
    return bytes.starts_with(kUtf8Bom) ? bytes.substr(kUtf8Bom.size()) : bytes;
}

bool HasUtf16Bom(std::string_view bytes) {
    return bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom);
}

} // namespace site
