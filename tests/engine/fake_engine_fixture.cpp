#include "fake_engine_fixture.h"

#include <fstream>

namespace kelvara::test {

std::string FakeEngineTest::fake(const std::string& arguments) {
    return write_launcher(dir_.path() / ("engine" + std::to_string(++scripts_) + ".sh"), KELVARA_FAKE_ENGINE,
                          arguments);
}

std::vector<std::string> FakeEngineTest::logged() const {
    std::vector<std::string> lines;
    std::ifstream in(log_path());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

EngineSettings FakeEngineTest::quick(const std::string& program) {
    EngineSettings s;
    s.program = program;
    s.handshake_limit = std::chrono::milliseconds(1500);
    s.uci_answer_wait = std::chrono::milliseconds(200);
    s.silence_limit = std::chrono::milliseconds(700);
    s.quit_grace = std::chrono::milliseconds(200);
    return s;
}

void FakeEngineTest::attach(EngineClient& client) {
    client.on_update([this](const SearchUpdate& u) { updates_.push_back(u); });
    attach_failures(client);
}

void FakeEngineTest::attach_failures(EngineClient& client) {
    client.on_failure([this](const EngineFailure& f) { failures_.push_back(f); });
}

bool FakeEngineTest::pump_until(EngineClient& client, const std::function<bool()>& done,
                                std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= until) return false;
        client.pump(std::chrono::milliseconds(20));
    }
    return true;
}

bool FakeEngineTest::pump_until_answered(EngineClient& client) {
    return pump_until(client, [this] { return final_update() || !failures_.empty(); });
}

const SearchUpdate* FakeEngineTest::ask(EngineClient& client, const SearchPosition& position, SearchLimit limit) {
    updates_.clear();
    client.search(position, limit);
    pump_until_answered(client);
    return final_update();
}

const SearchUpdate* FakeEngineTest::final_update() const {
    for (const SearchUpdate& u : updates_)
        if (u.final) return &u;
    return nullptr;
}

}  // namespace kelvara::test
