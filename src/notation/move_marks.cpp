#include "notation/move_marks.h"

#include "platform/text.h"

namespace kelvara::notation {

namespace {

bool is_annotation(char c) { return c == '!' || c == '?'; }

void strip_annotations(std::string& s) {
    while (!s.empty() && is_annotation(s.back())) s.pop_back();
    std::size_t first = 0;
    while (first < s.size() && is_annotation(s[first])) ++first;
    s.erase(0, first);
}

}  // namespace

std::string bare_move(std::string_view token, std::size_t min_length) {
    std::string s = gbk::fold_full_width(token);
    strip_annotations(s);
    if (s.size() > min_length && (s.back() == '+' || s.back() == '#')) {
        s.pop_back();
        strip_annotations(s);
    }
    return s;
}

}  // namespace kelvara::notation
