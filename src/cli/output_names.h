#pragma once
// The file names of a batch of animations: each record's own name, made distinct.

#include <string>
#include <vector>

namespace kelvara::cli {

// The output stem of each record path (its file name without the extension), in argument
// order. A stem that an earlier record already has becomes stem-2, stem-3, …, skipping
// any stem that another record has of its own, so that no two outputs share a name.
std::vector<std::string> distinct_output_stems(const std::vector<std::string>& record_paths);

}  // namespace kelvara::cli
