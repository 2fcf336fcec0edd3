// The command line of tavrin-cli as the user gave it: GNU-style long options ("--port COM1"
// or "--port=COM1"), a few with a short form ("-p COM1"), checked for what can be told
// without reading any file or value.
#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>

namespace cli {

// A command line that cannot be run; what() is the Chinese sentence saying why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The five settings as typed, each absent when not given.
struct SettingTexts {
    std::optional<std::string> server;
    std::optional<std::string> controller;
    std::optional<std::string> mask;
    std::optional<std::string> gateway;
    std::optional<std::string> mac;
};

struct CliOptions {
    std::string port;
    SettingTexts settings;
    std::string recordFile;
    std::string planFile;
    bool all = false;
    bool next = false;
    bool check = false;
    bool force = false;
    bool dryRun = false;
    bool listPorts = false;
    bool json = false;
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program's name. Throws UsageError for an unknown option, a
// missing or repeated value, a stray argument or options that do not go together.
CliOptions ParseOptions(std::span<const std::string> args);

// Whether the arguments ask for JSON output, read before anything else so that even a command
// line that cannot be parsed is answered in JSON.
bool WantsJson(std::span<const std::string> args);

} // namespace cli
