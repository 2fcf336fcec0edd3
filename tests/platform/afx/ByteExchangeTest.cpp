// The byte exchange: optional blanks or tabs around an unsigned decimal number 0 to 255.
#include "platform/afx/CDataExchange.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>

namespace {

struct ByteCase {
    const char* text;
    std::optional<int> expected;
};

TEST(ByteExchange, AcceptsExactlyBlankPaddedDecimalBytes) {
    const ByteCase cases[] = {
        {"7", 7},
        {" 7\t", 7},
        {"\t\t 7  ", 7},
        {"0", 0},
        {"255", 255},
        {"007", 7},
        {"256", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-1", std::nullopt},
        {"+7", std::nullopt},
        {"7a", std::nullopt},
        {"7 7", std::nullopt},
        {"0x10", std::nullopt},
        {"4294967303", std::nullopt},   // 2^32 + 7: must not wrap round to 7
        {"\xEF\xBC\x97", std::nullopt}, // full-width digit seven
        {"\xEF\xBC\x91\xEF\xBC\x92", std::nullopt},
        {"7\n", std::nullopt},
        {"\xC2\xA0"
         "7",
         std::nullopt}, // no-break space is not a blank
    };
    for (const ByteCase& c : cases) {
        const std::optional<BYTE> parsed = afx::ParseByteText(c.text);
        if (c.expected) {
            ASSERT_TRUE(parsed.has_value()) << '"' << c.text << '"';
            EXPECT_EQ(*parsed, *c.expected) << '"' << c.text << '"';
        } else {
            EXPECT_FALSE(parsed.has_value()) << '"' << c.text << '"' << " gave " << int(*parsed);
        }
    }
}

// The rule written out a second way: strip the blanks, then all digits, then the value.
std::optional<int> Reference(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const size_t last = text.find_last_not_of(" \t");
    const std::string core = text.substr(first, last - first + 1);
    if (core.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const size_t significant = core.find_first_not_of('0');
    if (significant == std::string::npos) {
        return 0;
    }
    if (core.size() - significant > 3) {
        return std::nullopt;
    }
    const int value = std::stoi(core.substr(significant));
    return value <= 255 ? std::optional<int>(value) : std::nullopt;
}

TEST(ByteExchange, RandomTextsFollowTheRule) {
    // Characters that matter to the rule, and some that merely look like they might.
    const std::string alphabet[] = {"0",        "1",  "2",  "5",  "6",
                                    "9",        " ",  "\t", "-",  "+",
                                    "x",        "a",  ".",  "\n", "\xEF\xBC\x97",
                                    "\xC2\xA0", "00", "255"};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<size_t> pick(0, std::size(alphabet) - 1);
    std::uniform_int_distribution<int> length(0, 12);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += alphabet[pick(random)];
        }
        const std::optional<BYTE> parsed = afx::ParseByteText(text);
        const std::optional<int> expected = Reference(text);
        ASSERT_EQ(parsed.has_value(), expected.has_value()) << '"' << text << '"';
        if (parsed) {
            ASSERT_EQ(*parsed, *expected) << '"' << text << '"';
        }
    }
}

} // namespace
