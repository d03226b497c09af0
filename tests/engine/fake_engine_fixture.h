#pragma once
// Tests that drive the engine client against fake-engine: each test writes a small
// script that starts the fake with the behaviour it wants, and collects what the client
// reports.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "engine/engine_client.h"
#include "support/processes.h"
#include "support/test_support.h"

namespace kelvara::test {

class FakeEngineTest : public ::testing::Test {
protected:
    // A script that runs the fake engine with these arguments; its path.
    std::string fake(const std::string& arguments);
    // The commands the fake wrote to its log (--log log_path()).
    std::vector<std::string> logged() const;
    std::string log_path() const { return (dir_.path() / "commands.log").string(); }

    // Settings for a program with short limits, so that failures show quickly.
    static EngineSettings quick(const std::string& program);

    // A client whose updates and failures are collected.
    void attach(EngineClient& client);
    void attach_failures(EngineClient& client);
    // Pumps until done() or the time is up; false when the time ran out.
    bool pump_until(EngineClient& client, const std::function<bool()>& done,
                    std::chrono::milliseconds limit = std::chrono::seconds(10));
    // Pumps until a final update or a failure.
    bool pump_until_answered(EngineClient& client);
    // Forgets the updates so far, asks about the position and pumps until the answer;
    // the final update, or nullptr when none came.
    const SearchUpdate* ask(EngineClient& client, const SearchPosition& position, SearchLimit limit);
    const SearchUpdate* final_update() const;

    std::vector<SearchUpdate> updates_;
    std::vector<EngineFailure> failures_;

private:
    TempDir dir_;
    int scripts_ = 0;
};

}  // namespace kelvara::test
