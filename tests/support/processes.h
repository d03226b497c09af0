#pragma once
// Watching child processes from tests: that an engine is really gone, and the script that
// starts the fake engine with the behaviour a test wants.

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace kelvara::test {

// Whether the process is gone: no such process, or only a zombie nobody reaps yet.
bool process_gone(pid_t pid);
// Waits up to a few seconds for process_gone.
bool process_ends(pid_t pid);

// Writes an executable script at path that runs program with the arguments; its path.
std::string write_launcher(const std::filesystem::path& path, const std::string& program,
                           const std::string& arguments);

}  // namespace kelvara::test
