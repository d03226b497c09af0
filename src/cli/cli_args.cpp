#include "cli/cli_args.h"

#include <charconv>

#include "view/board_geometry.h"

namespace kelvara::cli {

std::optional<std::string> Args::value(const std::string& option) const {
    auto it = values.find(option);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

std::optional<int> Args::integer(const std::string& option, int low, int high) {
    const auto text = value(option);
    if (!text) return std::nullopt;
    int v = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), v);
    if (ec != std::errc() || end != text->data() + text->size() || v < low || v > high) {
        error = option + " needs a whole number from " + std::to_string(low) + " to " + std::to_string(high);
        return std::nullopt;
    }
    return v;
}

int picture_scale(Args& args) { return args.integer("--scale", 1, board::kMaxScale).value_or(1); }

Args parse_args(int argc, char** argv, const std::set<std::string>& valued, const std::set<std::string>& flags) {
    Args args;
    if (argc < 2) {
        args.error = "no command given";
        return args;
    }
    args.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.size() > 1 && a[0] == '-') {
            if (valued.count(a)) {
                if (i + 1 >= argc) {
                    args.error = a + " needs a value";
                    return args;
                }
                args.values[a] = argv[++i];
            } else if (flags.count(a)) {
                args.flags.insert(a);
            } else {
                args.error = "unknown option " + a;
                return args;
            }
        } else {
            args.files.push_back(a);
        }
    }
    return args;
}

}  // namespace kelvara::cli
