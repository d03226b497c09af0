#include "cli/output_names.h"

#include <filesystem>
#include <set>

#include "export/gif_maker.h"

namespace kelvara::cli {

std::vector<std::string> distinct_output_stems(const std::vector<std::string>& record_paths) {
    std::vector<std::string> stems;
    for (const auto& path : record_paths) stems.push_back(output_stem(std::filesystem::path(path).filename().string()));
    // Every stem keeps its own name at its first use; only the repeats are renamed.
    std::set<std::string> taken(stems.begin(), stems.end());
    std::set<std::string> used;
    for (auto& stem : stems) {
        if (used.insert(stem).second) continue;
        std::string candidate;
        for (int n = 2;; ++n) {
            candidate = stem + "-" + std::to_string(n);
            if (!taken.count(candidate)) break;
        }
        taken.insert(candidate);
        used.insert(candidate);
        stem = candidate;
    }
    return stems;
}

}  // namespace kelvara::cli
