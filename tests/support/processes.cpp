#include "support/processes.h"

#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
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

std::string write_launcher(const std::filesystem::path& path, const std::string& program,
                           const std::string& arguments) {
    std::ofstream(path) << "#!/bin/sh\nexec '" << program << "' " << arguments << " \"$@\"\n";
    ::chmod(path.c_str(), 0755);
    return path.string();
}

}  // namespace kelvara::test
