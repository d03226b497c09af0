#pragma once
// The command line of kelvara-cli: a command, files, and options with or without values.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kelvara::cli {

struct Args {
    std::string command;
    std::vector<std::string> files;
    std::map<std::string, std::string> values;  // --option VALUE
    std::set<std::string> flags;                // --flag
    std::string error;                          // non-empty: a usage error

    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
    std::optional<std::string> value(const std::string& option) const;
    // The option's value as an integer within [low, high]; sets error otherwise.
    std::optional<int> integer(const std::string& option, int low, int high);
};

// The --scale of the picture commands, 1 to 3 (1 when absent; sets error for a scale the
// board is not drawn at).
int picture_scale(Args& args);

// valued: the options that take a value; flags: those that do not. Anything else that
// starts with "-" is a usage error.
Args parse_args(int argc, char** argv, const std::set<std::string>& valued, const std::set<std::string>& flags);

}  // namespace kelvara::cli
