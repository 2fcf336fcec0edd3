// One JSON object written member by member, for the run's report on standard output. Strings
// are UTF-8 and written as they are, with only the characters JSON requires escaped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

class JsonObject {
public:
    JsonObject& Add(std::string_view key, std::string_view text);
    // A string member, or null when there is none.
    JsonObject& Add(std::string_view key, const std::optional<std::string>& text);
    JsonObject& Add(std::string_view key, const char* text) {
        return Add(key, std::string_view(text));
    }
    JsonObject& Add(std::string_view key, const std::string& text) {
        return Add(key, std::string_view(text));
    }
    JsonObject& Add(std::string_view key, long long number);
    JsonObject& Add(std::string_view key, bool value);
    JsonObject& Add(std::string_view key, const JsonObject& object);
    JsonObject& Add(std::string_view key, const std::vector<JsonObject>& array);

    // The object on one line.
    std::string Text() const;

    // text as a JSON string, quotes included.
    static std::string Quoted(std::string_view text);

private:
    JsonObject& AddRaw(std::string_view key, const std::string& json);

    std::string m_members;
};

} // namespace cli
