// Parsing of the Settings text.
#include "platform/serial/LineSettings.h"

#include "support/CommDriver.h"

#include <gtest/gtest.h>

namespace {

using serial::LineSettings;
using serial::Parity;
using serial::ParseLineSettings;
using serial::StopBits;

TEST(LineSettings, ReadsEveryValidForm) {
    EXPECT_EQ(ParseLineSettings("9600,n,8,1"),
              (LineSettings{9600, Parity::None, 8, StopBits::One}));
    EXPECT_EQ(ParseLineSettings("2400,E,7,2"),
              (LineSettings{2400, Parity::Even, 7, StopBits::Two}));
    EXPECT_EQ(ParseLineSettings("110,o,5,1.5"),
              (LineSettings{110, Parity::Odd, 5, StopBits::OneAndHalf}));
    EXPECT_EQ(ParseLineSettings(" 115200 , m , 6 , 1 "),
              (LineSettings{115200, Parity::Mark, 6, StopBits::One}));
    EXPECT_EQ(ParseLineSettings("4000000,S,8,2").parity, Parity::Space);
}

TEST(LineSettings, RejectsMalformedTextNamingThePart) {
    const struct {
        const char* text;
        const char* part;
    } cases[] = {
        {"", "4 项"},
        {"9600,n,8", "4 项"},
        {"9600,n,8,1,1", "4 项"},
        {"abc,n,8,1", "波特率"},
        {"0,n,8,1", "波特率"},
        {"-9600,n,8,1", "波特率"},
        {"99999999,n,8,1", "波特率"},
        {"9600,x,8,1", "校验位"},
        {"9600,no,8,1", "校验位"},
        {"9600,,8,1", "校验位"},
        {"9600,n,9,1", "数据位"},
        {"9600,n,4,1", "数据位"},
        {"9600,n,8,3", "停止位"},
        {"9600,n,8,1.0", "停止位"},
        {"9600;n;8;1", "4 项"},
    };
    for (const auto& c : cases) {
        const std::string message =
            test::ErrorFrom([&] { ParseLineSettings(c.text); }, test::CommError::InvalidSettings);
        EXPECT_NE(message.find(c.part), std::string::npos) << c.text << ": " << message;
        EXPECT_NE(message.find(std::string("“") + c.text + "”"), std::string::npos) << message;
    }
}

} // namespace
