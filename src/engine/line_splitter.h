#pragma once
// Cuts an engine's output into lines. The bytes come from another program, so a line is
// kept to a bounded length (the rest of an overlong line is dropped) and a carriage return
// before the line feed is removed.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

class LineSplitter {
public:
    // Longer lines than any engine writes; a principal variation of 100 moves takes 500 bytes.
    static constexpr std::size_t kMaxLine = 16 * 1024;

    // Takes more bytes and returns the lines they complete.
    std::vector<std::string> feed(std::string_view bytes);

private:
    std::string partial_;
};

}  // namespace kelvara
