// Reading the command line: the GNU forms, and the command lines that must be refused before
// anything is opened.
#include "cli/CliOptions.h"
#include "cli/ExitCode.h"
#include "cli/PortArgument.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using cli::CliOptions;
using cli::UsageError;

CliOptions Parse(std::vector<std::string> args) {
    return cli::ParseOptions(args);
}

TEST(CliOptions, LongShortAndAttachedValuesReadAlike) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--port", "COM2", "--mac", "0 1 2 3 4 5", "--dry-run"},
             {"--port=COM2", "--mac=0 1 2 3 4 5", "-n"},
             {"-p", "COM2", "--mac", "0 1 2 3 4 5", "-n"},
             {"-pCOM2", "--mac=0 1 2 3 4 5", "--dry-run", "--"}}) {
        const CliOptions options = Parse(args);
        EXPECT_EQ(options.port, "COM2") << args[0];
        EXPECT_EQ(options.settings.mac, "0 1 2 3 4 5") << args[0];
        EXPECT_TRUE(options.dryRun) << args[0];
        EXPECT_FALSE(options.settings.server) << args[0];
    }
    // A value may begin with a dash when it is attached or follows its option.
    EXPECT_EQ(Parse({"--port", "COM1", "--server", "-1"}).settings.server, "-1");
}

TEST(CliOptions, RefusesWhatCannotBeRun) {
    const std::vector<std::vector<std::string>> refused = {
        {"--port", "COM1"},                                               // nothing to write
        {"--server", "1.2.3.4"},                                          // no port
        {"--port", "COM1", "--server"},                                   // no value
        {"--port", "COM1", "--server", "1.1.1.1", "--server", "2.2.2.2"}, // twice
        {"--port", "COM1", "--port", "COM2", "--mac", "1 2 3 4 5 6"},
        {"--port", "COM1", "--mac", "1", "2"}, // an unquoted MAC
        {"--port", "COM1", "--mac", "1 2 3 4 5 6", "--", "x"},
        {"--port=", "--mac", "1 2 3 4 5 6"}, // empty port
        {"--prot", "COM1"},
        {"-x"},
        {"-nq"},
        {"--dry-run=yes", "--mac", "0 0 0 0 0 0"},
        {"--port", "COM1", "--plan", "p.csv", "--mac", "1 2 3 4 5 6"}, // --plan without --next
        {"--port", "COM1", "--next", "--record", "r.csv"},             // --next without --plan
        {"--port", "COM1", "--plan", "p.csv", "--next"},               // nor without --record
        {"--port", "COM1", "--force", "--mac", "1 2 3 4 5 6"},         // --force without --check
        {"--list-ports", "--dry-run"},
    };
    for (const auto& args : refused) {
        EXPECT_THROW(Parse(args), UsageError) << testing::PrintToString(args);
    }
}

TEST(CliOptions, HelpAndVersionNeedNothingElse) {
    EXPECT_TRUE(Parse({"--help"}).help);
    EXPECT_TRUE(Parse({"-V"}).version);
    EXPECT_TRUE(Parse({"-l", "--json"}).listPorts);
    EXPECT_TRUE(Parse({"--port", "COM1", "--plan", "p", "--next", "--record", "r"}).next);
    // A record checks, so --force goes with it as with --check.
    EXPECT_TRUE(
        Parse({"--port", "COM1", "--record", "r", "--force", "--mac", "0 0 0 0 0 1"}).force);
}

TEST(CliOptions, JsonIsSeenEvenInACommandLineThatFails) {
    EXPECT_TRUE(cli::WantsJson(std::vector<std::string>{"--bogus", "--json"}));
    EXPECT_FALSE(cli::WantsJson(std::vector<std::string>{"--", "--json"}));
    EXPECT_FALSE(cli::WantsJson(std::vector<std::string>{"--json=1"}));
}

TEST(PortArgument, ComNamesInAnyCaseUpTo255AndPaths) {
    EXPECT_EQ(cli::ParsePortArgument("com3").name, "COM3");
    EXPECT_EQ(cli::ParsePortArgument(R"(\\.\COM10)").number, 10);
    EXPECT_EQ(cli::ParsePortArgument("COM255").number, 255);
    const cli::PortArgument path = cli::ParsePortArgument("/dev/ttyUSB0");
    EXPECT_FALSE(path.IsNumbered());
    EXPECT_EQ(path.path, "/dev/ttyUSB0");
    for (const char* text :
         {"COM0", "COM256", "COM01", "COM", "COM1x", "LPT1", "ttyUSB0", "COM-1"}) {
        EXPECT_THROW(cli::ParsePortArgument(text), UsageError) << text;
    }
}

TEST(ExitCode, NothingSentTellsThePortsFaultOnceSentItIsAFailedWrite) {
    using serial::CommError;
    EXPECT_EQ(cli::ExitCodeFor(CommError::NoSuchDevice, 0), cli::ExitCode::PortMissing);
    EXPECT_EQ(cli::ExitCodeFor(CommError::NotSerialDevice, 0), cli::ExitCode::PortMissing);
    EXPECT_EQ(cli::ExitCodeFor(CommError::PortBusy, 0), cli::ExitCode::PortBusy);
    EXPECT_EQ(cli::ExitCodeFor(CommError::PermissionDenied, 0), cli::ExitCode::PortBusy);
    EXPECT_EQ(cli::ExitCodeFor(CommError::LockUnavailable, 0), cli::ExitCode::PortBusy);
    EXPECT_EQ(cli::ExitCodeFor(CommError::TransmitTimeout, 0), cli::ExitCode::WriteFailed);
    // The device went away between frames: the next open fails, but the unit is half written.
    EXPECT_EQ(cli::ExitCodeFor(CommError::NoSuchDevice, 2), cli::ExitCode::WriteFailed);
    EXPECT_EQ(cli::ExitCodeFor(CommError::PortBusy, 1), cli::ExitCode::WriteFailed);
}

} // namespace
