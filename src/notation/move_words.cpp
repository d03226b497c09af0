#include "notation/move_words.h"

#include <array>
#include <cctype>

#include "notation/algebraic_notation.h"
#include "notation/chinese_notation.h"
#include "notation/iccs_notation.h"
#include "notation/notation_words.h"
#include "notation/wxf_notation.h"
#include "platform/text.h"

namespace kelvara::notation {

namespace {

constexpr std::string_view kEllipsis = "\xA1\xAD";  // …

bool is_ascii_digit(std::string_view ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; }
bool is_full_width_digit(std::string_view ch) {
    return ch.size() == 2 && static_cast<unsigned char>(ch[0]) == 0xA3 && static_cast<unsigned char>(ch[1]) >= 0xB0 &&
           static_cast<unsigned char>(ch[1]) <= 0xB9;
}

// Punctuation of the GBK symbol rows (lead bytes A1 and A3) separates words, except the
// full-width digits, which black's moves use.
bool is_symbol(std::string_view ch) {
    if (ch.size() != 2 || is_full_width_digit(ch)) return false;
    const auto lead = static_cast<unsigned char>(ch[0]);
    return lead == 0xA1 || lead == 0xA3;
}

// Characters that may belong to a move-like word: double-byte characters other than
// symbols, and ASCII digits.
bool is_word_char(std::string_view ch) { return (ch.size() == 2 && !is_symbol(ch)) || is_ascii_digit(ch); }

std::string joined(std::span<const std::string_view> chars) {
    std::string out;
    for (const std::string_view c : chars) out += c;
    return out;
}

// A run of four characters that is no move but mostly notation words (車二走三) is kept
// for the reader to report; words of text (黑方认输) are not.
bool reads_like_a_move(std::span<const WordMeaning> meanings) {
    int words = 0;
    for (const WordMeaning& m : meanings) words += m.role != WordMeaning::Role::None;
    return meanings.size() == 4 && words >= 2;
}

std::vector<std::string> chinese_moves(std::string_view word) {
    std::vector<std::string> out;
    const std::vector<std::string_view> chars = gbk::characters(word);
    const std::span<const std::string_view> all(chars);
    std::vector<WordMeaning> meanings;
    meanings.reserve(chars.size());
    for (const std::string_view c : chars) meanings.push_back(meaning_of(c));
    const std::span<const WordMeaning> read(meanings);
    std::size_t i = 0;
    while (i < chars.size()) {
        if (const std::size_t n = chinese_move_length(read.subspan(i))) {
            out.push_back(joined(all.subspan(i, n)));
            i += n;
            continue;
        }
        if (is_ascii_digit(chars[i])) {  // a move number: digits and the dots after them
            std::size_t j = i;
            while (j < chars.size() && is_ascii_digit(chars[j])) ++j;
            if (j < chars.size() && (chars[j] == "." || chars[j] == kEllipsis)) {
                while (j < chars.size() && (chars[j] == "." || chars[j] == kEllipsis)) ++j;
                i = j;
                continue;
            }
        }
        if (!is_word_char(chars[i])) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < chars.size() && is_word_char(chars[j]) && !(j > i && chinese_move_length(read.subspan(j)) > 0)) ++j;
        if (reads_like_a_move(read.subspan(i, j - i))) out.push_back(joined(all.subspan(i, j - i)));
        i = j;
    }
    return out;
}

// The word without a move number and the dots after it, and without annotation marks
// before the number (!!12.).
std::string without_move_number(std::string_view word) {
    std::string s = gbk::fold_full_width(word);
    std::size_t i = 0;
    while (i < s.size() && (s[i] == '!' || s[i] == '?')) ++i;
    std::size_t j = i;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
    std::size_t k = j;
    while (k < s.size() && (s[k] == '.' || s.compare(k, kEllipsis.size(), kEllipsis) == 0))
        k += s[k] == '.' ? 1 : kEllipsis.size();
    if (k > j) return s.substr(k);
    while (i < s.size() && (s[i] == '.' || s.compare(i, kEllipsis.size(), kEllipsis) == 0))
        i += s[i] == '.' ? 1 : kEllipsis.size();
    return s.substr(i);
}

// Letters, digits and move signs with at least one letter and one digit: a move the
// notation may not read, but a move all the same.
bool shaped_like_a_move(std::string_view s) {
    if (s.size() < 2 || s.size() > 7) return false;
    bool letter = false, digit = false;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        letter |= std::isalpha(b) != 0;
        digit |= std::isdigit(b) != 0;
        if (!std::isalnum(b) && c != '+' && c != '-' && c != '.' && c != '=' && c != '#') return false;
    }
    return letter && digit;
}

}  // namespace

std::vector<std::string> moves_in_word(Notation notation, std::string_view word) {
    if (notation == Notation::Chinese) return chinese_moves(word);
    if (is_move_token(notation, word)) return {std::string(word)};
    std::string rest = without_move_number(word);
    if (rest.empty()) return {};
    if (is_move_token(notation, rest) || shaped_like_a_move(rest)) return {rest};
    return {};
}

Notation notation_of_words(std::span<const std::string> words) {
    constexpr std::array kOrder = {Notation::Chinese, Notation::Iccs, Notation::Wxf, Notation::Algebraic};
    // The first words tell as well as all of them would.
    constexpr std::size_t kWordsLookedAt = 64;
    std::array<int, kOrder.size()> hits{};
    for (const std::string& word : words.first(std::min(words.size(), kWordsLookedAt)))
        for (std::size_t n = 0; n < kOrder.size(); ++n)
            for (const std::string& move : moves_in_word(kOrder[n], word)) hits[n] += is_move_token(kOrder[n], move);
    std::size_t best = 0;
    for (std::size_t n = 1; n < kOrder.size(); ++n)
        if (hits[n] > hits[best]) best = n;
    return kOrder[best];
}

}  // namespace kelvara::notation
