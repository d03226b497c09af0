#pragma once
// The file names of pictures drawn for denser screens: "board.png" at scale 2 is
// "board@2x.png", at scale 3 "board@3x.png"; scale 1 keeps the plain name.

#include <string>
#include <string_view>

namespace kelvara {

inline std::string scaled_file_name(std::string_view name, int scale) {
    if (scale == 1) return std::string(name);
    const auto dot = name.rfind('.');
    const std::string_view stem = name.substr(0, dot);
    const std::string_view extension = dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
    return std::string(stem) + "@" + std::to_string(scale) + "x" + std::string(extension);
}

}  // namespace kelvara
