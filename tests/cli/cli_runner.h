#pragma once
// Runs the built kelvara-cli with arguments and collects what it printed.

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvara::test {

struct CliRun {
    int status = -1;  // the exit status; -N when signal N ended the program
    std::string out;  // standard output
    std::string err;  // standard error
};

struct CliOptions {
    std::optional<unsigned long> file_size_limit{};  // bytes, as `ulimit -f` sets it
    std::function<void(pid_t)> while_running{};    // called once the program has started
    std::string input{};                           // what the program reads on standard input
};

CliRun run_cli(const std::vector<std::string>& args, const CliOptions& options = {});

}  // namespace kelvara::test
