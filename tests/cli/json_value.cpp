#include "json_value.h"

#include <cmath>
#include <cstdlib>

namespace kelvara::test {

const Json* Json::find(std::string_view key) const {
    for (const auto& [name, value] : members)
        if (name == key) return &value;
    return nullptr;
}

std::vector<std::string> Json::keys() const {
    std::vector<std::string> names;
    for (const auto& member : members) names.push_back(member.first);
    return names;
}

bool Json::is_integer() const { return kind == Kind::Number && std::trunc(number) == number; }

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    std::optional<Json> document(std::string* error) {
        Json value;
        skip_blanks();
        const bool ok = parse_value(value, 0) && (skip_blanks(), at_ == s_.size());
        if (ok) return value;
        if (error) *error = (why_.empty() ? "text after the value" : why_) + " at byte " + std::to_string(at_);
        return std::nullopt;
    }

private:
    static constexpr int kMaxDepth = 64;

    bool fail(const char* why) {
        if (why_.empty()) why_ = why;
        return false;
    }
    bool more() const { return at_ < s_.size(); }
    char peek() const { return s_[at_]; }
    void skip_blanks() {
        while (more() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) ++at_;
    }
    bool literal(std::string_view word) {
        if (s_.substr(at_, word.size()) != word) return fail("unknown literal");
        at_ += word.size();
        return true;
    }

    bool parse_value(Json& v, int depth) {
        if (depth > kMaxDepth) return fail("nested too deep");
        if (!more()) return fail("value expected");
        switch (peek()) {
            case 'n': v.kind = Json::Kind::Null; return literal("null");
            case 't': v.kind = Json::Kind::Bool; v.boolean = true; return literal("true");
            case 'f': v.kind = Json::Kind::Bool; v.boolean = false; return literal("false");
            case '"': v.kind = Json::Kind::String; return parse_string(v.text);
            case '[': v.kind = Json::Kind::Array; return parse_array(v, depth);
            case '{': v.kind = Json::Kind::Object; return parse_object(v, depth);
            default: v.kind = Json::Kind::Number; return parse_number(v.number);
        }
    }

    bool parse_array(Json& v, int depth) {
        ++at_;
        skip_blanks();
        if (more() && peek() == ']') return ++at_, true;
        for (;;) {
            Json item;
            skip_blanks();
            if (!parse_value(item, depth + 1)) return false;
            v.items.push_back(std::move(item));
            skip_blanks();
            if (!more()) return fail("unterminated array");
            if (peek() == ']') return ++at_, true;
            if (peek() != ',') return fail("',' or ']' expected");
            ++at_;
        }
    }

    bool parse_object(Json& v, int depth) {
        ++at_;
        skip_blanks();
        if (more() && peek() == '}') return ++at_, true;
        for (;;) {
            skip_blanks();
            std::string key;
            if (!more() || peek() != '"') return fail("member name expected");
            if (!parse_string(key)) return false;
            if (v.find(key)) return fail("duplicate member name");
            skip_blanks();
            if (!more() || peek() != ':') return fail("':' expected");
            ++at_;
            skip_blanks();
            Json value;
            if (!parse_value(value, depth + 1)) return false;
            v.members.emplace_back(std::move(key), std::move(value));
            skip_blanks();
            if (!more()) return fail("unterminated object");
            if (peek() == '}') return ++at_, true;
            if (peek() != ',') return fail("',' or '}' expected");
            ++at_;
        }
    }

    bool digits() {
        const std::size_t start = at_;
        while (more() && peek() >= '0' && peek() <= '9') ++at_;
        return at_ > start;
    }

    bool parse_number(double& out) {
        const std::size_t start = at_;
        if (more() && peek() == '-') ++at_;
        if (more() && peek() == '0') {
            ++at_;
        } else if (!digits()) {
            return fail("number expected");
        }
        if (more() && peek() == '.' && (++at_, !digits())) return fail("digits expected after '.'");
        if (more() && (peek() == 'e' || peek() == 'E')) {
            ++at_;
            if (more() && (peek() == '+' || peek() == '-')) ++at_;
            if (!digits()) return fail("digits expected in the exponent");
        }
        out = std::strtod(std::string(s_.substr(start, at_ - start)).c_str(), nullptr);
        return true;
    }

    bool hex4(unsigned& out) {
        if (at_ + 4 > s_.size()) return fail("four hex digits expected");
        out = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s_[at_++];
            const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (d < 0) return fail("bad hex digit");
            out = out * 16 + static_cast<unsigned>(d);
        }
        return true;
    }

    static void append_utf8(std::string& out, unsigned cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    // One UTF-8 sequence copied whole; overlong forms, surrogates and bytes past U+10FFFF fail.
    bool copy_utf8(std::string& out) {
        const auto b = static_cast<unsigned char>(peek());
        const std::size_t n = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
        if (n == 0 || b > 0xF4 || at_ + n > s_.size()) return fail("invalid UTF-8");
        unsigned cp = b & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
        for (std::size_t k = 1; k < n; ++k) {
            const auto c = static_cast<unsigned char>(s_[at_ + k]);
            if ((c & 0xC0) != 0x80) return fail("invalid UTF-8");
            cp = (cp << 6) | (c & 0x3F);
        }
        if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
            return fail("invalid UTF-8");
        out.append(s_.substr(at_, n));
        at_ += n;
        return true;
    }

    bool parse_string(std::string& out) {
        ++at_;
        for (;;) {
            if (!more()) return fail("unterminated string");
            const auto c = static_cast<unsigned char>(peek());
            if (c == '"') return ++at_, true;
            if (c < 0x20) return fail("control character in a string");
            if (c >= 0x80) {
                if (!copy_utf8(out)) return false;
                continue;
            }
            ++at_;
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (!more()) return fail("unterminated escape");
            const char e = s_[at_++];
            switch (e) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    unsigned cp = 0;
                    if (!hex4(cp)) return false;
                    if (cp >= 0xD800 && cp <= 0xDBFF) {
                        unsigned low = 0;
                        if (s_.substr(at_, 2) != "\\u" || (at_ += 2, !hex4(low)) || low < 0xDC00 || low > 0xDFFF)
                            return fail("lone surrogate");
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                        return fail("lone surrogate");
                    }
                    append_utf8(out, cp);
                    break;
                }
                default: return fail("unknown escape");
            }
        }
    }

    std::string_view s_;
    std::size_t at_ = 0;
    std::string why_;
};

}  // namespace

std::optional<Json> parse_json(std::string_view text, std::string* error) { return Parser(text).document(error); }

}  // namespace kelvara::test
