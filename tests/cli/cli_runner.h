#pragma once
// Runs the built kelvara-cli with arguments and collects what it printed.

#include <string>
#include <vector>

namespace kelvara::test {

struct CliRun {
    int status = -1;  // the exit status; -N when signal N ended the program
    std::string out;  // standard output
    std::string err;  // standard error
};

CliRun run_cli(const std::vector<std::string>& args);

}  // namespace kelvara::test
