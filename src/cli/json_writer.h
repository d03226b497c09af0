#pragma once
// Just enough JSON for kelvara-cli's output: strings are UTF-8 and escaped.

#include <string>
#include <string_view>

namespace kelvara::cli {

std::string json_string(std::string_view utf8);

}  // namespace kelvara::cli
