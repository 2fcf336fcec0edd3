// A stop request cuts a pause short; without one the pause lasts.
#include "cli/StopRequest.h"

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace {

using namespace std::chrono_literals;

TEST(StopRequest, PauseLastsUntilAStopIsRequested) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(cli::StopRequest::Pause(30ms));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 30ms);

    std::thread raiser([] {
        std::this_thread::sleep_for(20ms);
        cli::StopRequest::Raise(SIGINT);
    });
    const auto stopped = std::chrono::steady_clock::now();
    EXPECT_FALSE(cli::StopRequest::Pause(5s));
    raiser.join();
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, 1s);
    // The first request is the one reported.
    cli::StopRequest::Raise(SIGTERM);
    EXPECT_EQ(cli::StopRequest::Signal(), SIGINT);
}

} // namespace
