#include "fake_engine_fixture.h"

#include <signal.h>
#include <sys/stat.h>

#include <fstream>
#include <thread>

namespace kelvara::test {

bool process_gone(pid_t pid) {
    if (::kill(pid, 0) != 0) return errno == ESRCH;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    std::getline(stat, text);
    const auto close = text.rfind(')');
    return close != std::string::npos && close + 2 < text.size() && text[close + 2] == 'Z';
}

bool process_ends(pid_t pid) {
    for (int i = 0; i < 300; ++i) {
        if (process_gone(pid)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::string FakeEngineTest::fake(const std::string& arguments) {
    const auto path = dir_.path() / ("engine" + std::to_string(++scripts_) + ".sh");
    std::ofstream(path) << "#!/bin/sh\nexec '" << KELVARA_FAKE_ENGINE << "' " << arguments << " \"$@\"\n";
    ::chmod(path.c_str(), 0755);
    return path.string();
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

const SearchUpdate* FakeEngineTest::final_update() const {
    for (const SearchUpdate& u : updates_)
        if (u.final) return &u;
    return nullptr;
}

}  // namespace kelvara::test
