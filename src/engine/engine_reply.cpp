#include "engine/engine_reply.h"

#include <algorithm>
#include <charconv>

namespace kelvara {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

template <typename Number>
std::optional<Number> number_of(std::string_view word) {
    Number value{};
    const char* first = word.data();
    if (!word.empty() && word.front() == '+') ++first;
    const auto [end, ec] = std::from_chars(first, word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

// Words of info lines that take one value; they end a principal variation.
constexpr std::string_view kInfoKeys[] = {"depth",    "seldepth", "time",   "nodes",          "multipv",
                                          "score",    "currmove", "hashfull", "nps",          "tbhits",
                                          "cpuload",  "string",   "refutation", "currline", "currmovenumber",
                                          "sbhits",   "lowerbound", "upperbound", "wdl"};

bool is_info_key(std::string_view word) {
    for (std::string_view k : kInfoKeys)
        if (word == k) return true;
    return false;
}

// Scores beyond this are no centipawns an engine means; they are read as not given.
constexpr int kScoreLimit = 1'000'000;

}  // namespace

std::vector<std::string_view> words_of(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && is_blank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !is_blank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

std::optional<EngineInfo> parse_info_line(std::string_view line) {
    const auto words = words_of(line);
    if (words.empty() || words[0] != "info") return std::nullopt;
    EngineInfo info;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string_view key = words[i];
        const bool has_value = i + 1 < words.size();
        if (key == "string") break;  // free text to the end of the line
        if (key == "depth" && has_value) {
            info.depth = std::max(0, number_of<int>(words[++i]).value_or(0));
        } else if (key == "multipv" && has_value) {
            info.multipv = number_of<int>(words[++i]).value_or(1);
        } else if (key == "nodes" && has_value) {
            info.nodes = number_of<std::int64_t>(words[++i]).value_or(-1);
        } else if (key == "score" && has_value) {
            // UCI: score cp N | score mate N; UCCI: score N.
            EngineScore score;
            std::string_view value = words[++i];
            if ((value == "cp" || value == "mate") && i + 1 < words.size()) {
                score.kind = value == "mate" ? EngineScore::Kind::Mate : EngineScore::Kind::Centipawns;
                value = words[++i];
            }
            const auto n = number_of<int>(value);
            if (n && *n > -kScoreLimit && *n < kScoreLimit) {
                score.value = *n;
                info.score = score;
            }
        } else if (key == "lowerbound" || key == "upperbound") {
            info.bound = true;
        } else if (key == "pv") {
            while (i + 1 < words.size() && !is_info_key(words[i + 1])) info.pv.emplace_back(words[++i]);
        } else if (is_info_key(key) && has_value) {
            ++i;  // a value this program has no use for
        }
    }
    return info;
}

std::optional<BestMoveReply> parse_bestmove_line(std::string_view line) {
    const auto words = words_of(line);
    if (words.empty()) return std::nullopt;
    if (words[0] == "nobestmove") return BestMoveReply{};
    if (words[0] != "bestmove") return std::nullopt;
    if (words.size() < 2 || words[1] == "(none)" || words[1] == "0000" || words[1] == "none") return BestMoveReply{};
    return BestMoveReply{std::string(words[1])};
}

std::optional<EngineOption> parse_option_line(std::string_view line) {
    const auto words = words_of(line);
    if (words.size() < 2 || words[0] != "option") return std::nullopt;
    EngineOption option;
    std::size_t i = 1;
    if (words[1] == "name") {
        // A UCI name may hold spaces: it runs to the word "type".
        for (i = 2; i < words.size() && words[i] != "type"; ++i) {
            if (!option.name.empty()) option.name += ' ';
            option.name += words[i];
        }
    } else {
        option.name = words[1];
        i = 2;
    }
    if (option.name.empty()) return std::nullopt;
    for (; i < words.size(); ++i) {
        if (words[i] == "type" && i + 1 < words.size()) option.type = words[++i];
        else if (words[i] == "var" && i + 1 < words.size()) option.choices.emplace_back(words[++i]);
    }
    return option;
}

std::optional<std::string> parse_id_name(std::string_view line) {
    const auto words = words_of(line);
    if (words.size() < 3 || words[0] != "id" || words[1] != "name") return std::nullopt;
    // Everything after "id name ", as the engine spelt it.
    const std::size_t from = static_cast<std::size_t>(words[2].data() - line.data());
    std::string name(line.substr(from));
    while (!name.empty() && is_blank(name.back())) name.pop_back();
    return name;
}

}  // namespace kelvara
