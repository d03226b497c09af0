#include "engine/line_splitter.h"

namespace kelvara {

std::vector<std::string> LineSplitter::feed(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        partial_.append(piece.substr(0, kMaxLine - partial_.size()));
        if (end == std::string_view::npos) break;
        if (!partial_.empty() && partial_.back() == '\r') partial_.pop_back();
        lines.push_back(std::move(partial_));
        partial_.clear();
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace kelvara
