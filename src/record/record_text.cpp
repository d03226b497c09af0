#include "record/record_text.h"

namespace kelvara {

namespace {

bool is_trailing_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\0'; }

}  // namespace

std::string tidy_comment(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    while (!out.empty() && is_trailing_blank(out.back())) out.pop_back();
    const std::size_t start = out.find_first_not_of('\n');
    return start == std::string::npos ? std::string() : out.substr(start);
}

std::string field_text(std::string_view field) {
    field = field.substr(0, field.find('\0'));
    while (!field.empty() && is_trailing_blank(field.back())) field.remove_suffix(1);
    while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
    return std::string(field);
}

std::string result_of_code(int code) {
    switch (code) {
        case 1: return "1-0";
        case 2: return "0-1";
        case 3: return "1/2-1/2";
        default: return {};
    }
}

}  // namespace kelvara
