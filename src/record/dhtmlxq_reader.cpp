#include "record/dhtmlxq_reader.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <queue>

#include "board/fen.h"
#include "board/layouts.h"
#include "platform/encoding.h"
#include "platform/gbk_literal.h"
#include "platform/text.h"
#include "record/record_text.h"
#include "record/move_tree.h"
#include "record/record_list.h"
#include "record/tree_game.h"

namespace kelvara {

namespace {

constexpr std::string_view kTagStart = "[DhtmlXQ";
constexpr std::size_t kMaxTagName = 64;
// How far a branch may reach back before its own first move for the move it hangs on.
constexpr int kMaxReachBack = 1024;

// The text as GBK: UTF-8 pages are converted, others are taken as GBK.
std::string gbk_text(std::string_view bytes) {
    if (!looks_like_utf8(bytes)) return std::string(bytes);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return utf8_to_gbk(bytes);
}

bool is_name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// An outer pair opens with "[DhtmlXQ" and letters only ("[DhtmlXQ]", "[DhtmlXQiFrame]").
bool is_outer_open(std::string_view text, std::size_t at) {
    std::size_t i = at + kTagStart.size();
    while (i < text.size() && ((text[i] >= 'a' && text[i] <= 'z') || (text[i] >= 'A' && text[i] <= 'Z'))) ++i;
    return i < text.size() && text[i] == ']' && i - at - kTagStart.size() < kMaxTagName;
}

// The records of a text: from each outer opening tag to the next; the whole text when it
// has tags but no outer pair.
std::vector<std::string_view> records_of(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t at = text.find(kTagStart); at != std::string_view::npos; at = text.find(kTagStart, at + 1))
        if (is_outer_open(text, at)) starts.push_back(at);
    std::vector<std::string_view> records;
    for (std::size_t i = 0; i < starts.size(); ++i)
        records.push_back(text.substr(starts[i], (i + 1 < starts.size() ? starts[i + 1] : text.size()) - starts[i]));
    if (records.empty() && text.find("[DhtmlXQ_") != std::string_view::npos) records.push_back(text);
    return records;
}

using Tags = std::map<std::string, std::string_view, std::less<>>;

// The tag name at text[at] after the opening "[" + prefix, up to "]"; empty when none.
std::string_view tag_name(std::string_view text, std::size_t at, std::string_view prefix) {
    std::size_t end = at + prefix.size();
    while (end < text.size() && is_name_char(text[end]) && end - at < kMaxTagName) ++end;
    if (end >= text.size() || text[end] != ']') return {};
    return text.substr(at + prefix.size(), end - at - prefix.size());
}

// Every [DhtmlXQ_name]value[/DhtmlXQ_name] of a record, each value ending at the first
// closing tag of its name after it; the first of each name is kept. One pass over the
// text finds the closing tags, so that no text makes the search slow.
Tags tags_of(std::string_view record) {
    constexpr std::string_view kOpen = "[DhtmlXQ_";
    constexpr std::string_view kClose = "[/DhtmlXQ_";
    std::map<std::string_view, std::vector<std::size_t>> closes;
    for (std::size_t at = record.find(kClose); at != std::string_view::npos; at = record.find(kClose, at + 1))
        if (const std::string_view name = tag_name(record, at, kClose); !name.empty()) closes[name].push_back(at);
    Tags tags;
    for (std::size_t at = record.find(kOpen); at != std::string_view::npos; at = record.find(kOpen, at + 1)) {
        const std::string_view name = tag_name(record, at, kOpen);
        const auto close = closes.find(name);
        if (name.empty() || close == closes.end()) continue;
        const std::size_t value_start = at + kOpen.size() + name.size() + 1;
        const auto end = std::lower_bound(close->second.begin(), close->second.end(), value_start);
        if (end == close->second.end()) continue;
        tags.emplace(std::string(name), record.substr(value_start, *end - value_start));
        at = *end;
    }
    return tags;
}

// A code point as GBK ("?" when GBK lacks it).
std::string gbk_of_code_point(std::uint32_t cp) {
    std::string utf8;
    if (cp < 0x80) {
        utf8 += static_cast<char>(cp);
    } else if (cp < 0x800) {
        utf8 += static_cast<char>(0xC0 | (cp >> 6));
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000 && (cp < 0xD800 || cp > 0xDFFF)) {
        utf8 += static_cast<char>(0xE0 | (cp >> 12));
        utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        return "?";
    }
    return utf8_to_gbk(utf8);
}

// Tag text as the page shows it: HTML character references and \uXXXX escapes decoded.
std::string decoded(std::string_view value) {
    constexpr std::pair<std::string_view, std::string_view> kEntities[] = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&nbsp;", " "}};
    std::string out;
    for (std::size_t i = 0; i < value.size();) {
        const std::string_view rest = value.substr(i);
        bool replaced = false;
        for (const auto& [entity, text] : kEntities)
            if (rest.starts_with(entity)) {
                out += text;
                i += entity.size();
                replaced = true;
                break;
            }
        if (replaced) continue;
        std::uint32_t cp = 0;
        if (rest.size() >= 6 && rest[0] == '\\' && rest[1] == 'u') {
            const auto [end, ec] = std::from_chars(rest.data() + 2, rest.data() + 6, cp, 16);
            if (ec == std::errc() && end == rest.data() + 6) {
                out += gbk_of_code_point(cp);
                i += 6;
                continue;
            }
        }
        if (rest.starts_with("&#")) {
            const std::size_t semi = rest.find(';');
            const bool hex = rest.size() > 2 && (rest[2] == 'x' || rest[2] == 'X');
            const std::size_t digits = hex ? 3 : 2;
            if (semi != std::string_view::npos && semi > digits && semi < 12) {
                const auto [end, ec] = std::from_chars(rest.data() + digits, rest.data() + semi, cp, hex ? 16 : 10);
                if (ec == std::errc() && end == rest.data() + semi) {
                    out += gbk_of_code_point(cp);
                    i += semi + 1;
                    continue;
                }
            }
        }
        const std::size_t n = gbk::char_length(value, i);
        out += value.substr(i, n);
        i += n;
    }
    return out;
}

std::string tag_text(const Tags& tags, std::string_view name) {
    const auto it = tags.find(name);
    return it == tags.end() ? std::string() : field_text(decoded(it->second));
}

std::string comment_text(std::string_view value) { return tidy_comment(gbk::replace_all(decoded(value), "||", "\n")); }

std::string result_of(const std::string& text) {
    constexpr std::pair<std::string_view, std::string_view> kResults[] = {
        {"红胜"_gbk, "1-0"}, {"红方胜"_gbk, "1-0"}, {"黑胜"_gbk, "0-1"},      {"黑方胜"_gbk, "0-1"},
        {"和"_gbk, "1/2-1/2"}, {"和棋"_gbk, "1/2-1/2"}, {"和局"_gbk, "1/2-1/2"},
    };
    for (const auto& [word, result] : kResults)
        if (text == word) return std::string(result);
    return text;
}

// A square of two digits: file from red's left, row from the top.
Square square_of(char file, char row_from_top) {
    if (file < '0' || file > '8' || row_from_top < '0' || row_from_top > '9') return {-1, -1};
    return {kRows - 1 - (row_from_top - '0'), kColumns - 1 - (file - '0')};
}

std::string digits_of(std::string_view value) {
    std::string d;
    for (const char c : value)
        if (c >= '0' && c <= '9') d += c;
    return d;
}

Position start_of(const Tags& tags) {
    if (const auto fen = tags.find("fen"); fen != tags.end() && !field_text(fen->second).empty())
        return parse_fen(field_text(fen->second)).board;
    const auto binit = tags.find("binit");
    const std::string d = binit == tags.end() ? std::string() : digits_of(binit->second);
    if (d.size() < 64) return kStandardLayout;
    // The 32 pieces in the order of the XQF table: red, then black.
    constexpr PieceKind kKinds[16] = {
        PieceKind::Chariot,  PieceKind::Horse,   PieceKind::Elephant, PieceKind::Advisor,
        PieceKind::King,     PieceKind::Advisor, PieceKind::Elephant, PieceKind::Horse,
        PieceKind::Chariot,  PieceKind::Cannon,  PieceKind::Cannon,   PieceKind::Soldier,
        PieceKind::Soldier,  PieceKind::Soldier, PieceKind::Soldier,  PieceKind::Soldier,
    };
    Position p = empty_position();
    for (std::size_t i = 0; i < 32; ++i) {
        const Square s = square_of(d[2 * i], d[2 * i + 1]);
        if (on_board(s)) p[s.row][s.column] = piece_code(i < 16 ? Side::Red : Side::Black, kKinds[i % 16]);
    }
    return p;
}

// Whole numbers separated by "_" in a tag name after its prefix ("move_1_5_2" → 1 5 2).
std::optional<std::vector<int>> numbers_after(std::string_view name, std::string_view prefix, std::size_t count) {
    if (!name.starts_with(prefix)) return std::nullopt;
    name.remove_prefix(prefix.size());
    std::vector<int> numbers;
    while (true) {
        int n = 0;
        const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), n);
        if (ec != std::errc() || n < 0) return std::nullopt;
        numbers.push_back(n);
        name.remove_prefix(static_cast<std::size_t>(end - name.data()));
        if (name.empty()) break;
        if (name[0] != '_') return std::nullopt;
        name.remove_prefix(1);
    }
    if (numbers.size() != count) return std::nullopt;
    return numbers;
}

// The moves of a line, added one after another from a node; a last move of fewer than
// four digits is where the record breaks off. Returns the nodes in order.
std::vector<int> add_line(MoveTree& tree, int from_node, const std::string& digits) {
    std::vector<int> nodes;
    int parent = from_node;
    std::size_t i = 0;
    for (; i + 4 <= digits.size(); i += 4) {
        parent = tree.add_child(parent, {square_of(digits[i], digits[i + 1]), square_of(digits[i + 2], digits[i + 3])});
        nodes.push_back(parent);
    }
    if (i < digits.size()) nodes.push_back(tree.add_break(parent));
    return nodes;
}

// A line as built: its first ply, the node its first move hangs on, and its own nodes.
struct BuiltLine {
    int first_ply;
    int anchor;
    std::vector<int> nodes;
};

// The node at a ply of a line, the line's own or one before it (reached back through the
// tree's parents); -1 when the line has no such ply.
int node_at(const MoveTree& tree, const BuiltLine& line, int ply) {
    if (ply >= line.first_ply) {
        const auto i = static_cast<std::size_t>(ply - line.first_ply);
        return i < line.nodes.size() ? line.nodes[i] : -1;
    }
    if (line.first_ply - 1 - ply > kMaxReachBack) return -1;
    int n = line.anchor;
    for (int p = line.first_ply - 1; p > ply && n != -1; --p) n = tree.nodes[static_cast<std::size_t>(n)].parent;
    return n;
}

struct Branch {
    int parent_line;
    int ply;
    std::string_view digits;
};

MoveTree tree_of(const Tags& tags) {
    MoveTree tree;
    std::map<int, BuiltLine> lines;
    const auto movelist = tags.find("movelist");
    lines[0] = {1, 0, add_line(tree, 0, movelist == tags.end() ? std::string() : digits_of(movelist->second))};

    // Branches hang on lines built before them: each is built once its line is, in the
    // order of their numbers; a branch whose line never appears is left out.
    std::map<int, Branch> branches;
    std::multimap<int, int> waiting;  // line -> branches that hang on it
    for (const auto& [name, value] : tags)
        if (const auto n = numbers_after(name, "move_", 3); n && (*n)[2] > 0 && (*n)[1] > 0)
            if (branches.emplace((*n)[2], Branch{(*n)[0], (*n)[1], value}).second) waiting.emplace((*n)[0], (*n)[2]);
    std::priority_queue<int, std::vector<int>, std::greater<>> ready;
    auto release = [&](int line) {
        const auto [first, last] = waiting.equal_range(line);
        for (auto it = first; it != last; ++it) ready.push(it->second);
        waiting.erase(first, last);
    };
    release(0);
    while (!ready.empty()) {
        const int number = ready.top();
        ready.pop();
        const Branch& b = branches.at(number);
        const int anchor = node_at(tree, lines.at(b.parent_line), b.ply - 1);
        if (anchor == -1 || !tree.nodes[static_cast<std::size_t>(anchor)].readable) continue;
        lines[number] = {b.ply, anchor, add_line(tree, anchor, digits_of(b.digits))};
        release(number);
    }

    // Comments: comment0 on the start, commentN after main-line ply N, commentB_N after
    // ply N of branch B (plies counted from the start of the game).
    for (const auto& [name, value] : tags) {
        int node = -1;
        if (const auto n = numbers_after(name, "comment", 1)) {
            node = (*n)[0] == 0 ? 0 : node_at(tree, lines.at(0), (*n)[0]);
        } else if (const auto bn = numbers_after(name, "comment", 2)) {
            const auto line = lines.find((*bn)[0]);
            if (line != lines.end() && (*bn)[1] >= line->second.first_ply) node = node_at(tree, line->second, (*bn)[1]);
        }
        if (node != -1) tree.nodes[static_cast<std::size_t>(node)].comment = comment_text(value);
    }
    return tree;
}

std::optional<ReadStop> read_record(std::string_view record, GameRecord& game, MoveList& list) {
    const auto tags = tags_of(record);
    game.title = tag_text(tags, "title");
    game.notation = "dhtmlxq";
    game.info.event = tag_text(tags, "event");
    game.info.date = tag_text(tags, "date");
    game.info.site = tag_text(tags, "place");
    game.info.round = tag_text(tags, "round");
    game.info.red = tag_text(tags, "red");
    if (game.info.red.empty()) game.info.red = tag_text(tags, "redname");
    game.info.black = tag_text(tags, "black");
    if (game.info.black.empty()) game.info.black = tag_text(tags, "blackname");
    game.info.result = result_of(tag_text(tags, "result"));
    if (game.title.empty()) game.title = game.info.event;

    set_record_start(game, start_of(tags));
    return load_move_tree(tree_of(tags), game, list);
}

}  // namespace

bool looks_like_dhtmlxq(std::string_view bytes) { return bytes.find(kTagStart) != std::string_view::npos; }

std::vector<GameSummary> list_dhtmlxq_games(std::string_view bytes) {
    const std::string text = gbk_text(bytes);
    return summarise_records(records_of(text), read_record);
}

std::optional<ReadStop> read_dhtmlxq_game(std::string_view bytes, int index, GameRecord& game, MoveList& list) {
    const std::string text = gbk_text(bytes);
    return read_listed_record(records_of(text), index, game, list, read_record);
}

}  // namespace kelvara
