#pragma once
// A strict JSON reader for checking kelvara-cli's output: what it accepts is valid JSON
// (RFC 8259) in valid UTF-8, and it keeps enough of the value to check its structure.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvara::test {

struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;                                   // String: decoded, UTF-8
    std::vector<Json> items;                            // Array
    std::vector<std::pair<std::string, Json>> members;  // Object, in their order

    // The member's value, or nullptr when this is no object or has no such member.
    const Json* find(std::string_view key) const;
    // The member names, in their order.
    std::vector<std::string> keys() const;
    bool is_integer() const;
};

// The value that the whole text holds (white space around it allowed), or nullopt with
// why in *error when the text is not valid JSON.
std::optional<Json> parse_json(std::string_view text, std::string* error = nullptr);

}  // namespace kelvara::test
