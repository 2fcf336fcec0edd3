// The JSON report: what must be escaped, and text that is not UTF-8.
#include "cli/JsonObject.h"

#include <gtest/gtest.h>

namespace {

using cli::JsonObject;

TEST(JsonObject, MembersNestingAndNull) {
    const JsonObject frame = JsonObject().Add("hex", "53 45").Add("sent", true);
    EXPECT_EQ(JsonObject()
                  .Add("port", "COM1")
                  .Add("record", std::optional<std::string>())
                  .Add("sent", 2LL)
                  .Add("frames", std::vector<JsonObject>{frame, frame})
                  .Add("none", std::vector<JsonObject>{})
                  .Text(),
              R"({"port":"COM1","record":null,"sent":2,"frames":[{"hex":"53 45","sent":true},)"
              R"({"hex":"53 45","sent":true}],"none":[]})");
}

TEST(JsonObject, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonObject::Quoted("a\"b\\c\nd\r\te\x01"), R"("a\"b\\c\nd\r\te\u0001")");
    EXPECT_EQ(JsonObject::Quoted(R"(\\.\COM1)"), R"("\\\\.\\COM1")");
}

TEST(JsonObject, KeepsUtf8AndReplacesWhatIsNot) {
    EXPECT_EQ(JsonObject::Quoted("无法打开串口"), "\"无法打开串口\"");
    // A GBK file name, a cut sequence, an overlong form and a surrogate.
    EXPECT_EQ(JsonObject::Quoted("\xBC\xC7.csv"), "\"\xEF\xBF\xBD\xEF\xBF\xBD.csv\"");
    EXPECT_EQ(JsonObject::Quoted("\xE6\x97"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(JsonObject::Quoted("\xC0\xAF"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(JsonObject::Quoted("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(JsonObject::Quoted("\xF0\x9F\x98\x80"), "\"\xF0\x9F\x98\x80\"");
}

} // namespace
