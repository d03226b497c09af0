#include "game_dump.h"

#include "support/test_support.h"

namespace kelvara::test {

namespace {

void dump_notes(const MoveNotes& notes, std::string& out);

void dump_line(const Line& line, std::string& out) {
    for (const LineMove& m : line) {
        out += " " + iccs(m.move);
        dump_notes(m.notes, out);
    }
}

void dump_notes(const MoveNotes& notes, std::string& out) {
    if (!notes.comment.empty()) out += " {" + U(notes.comment) + "}";
    for (const Line& alternative : notes.alternatives) {
        out += " (";
        dump_line(alternative, out);
        out += " )";
    }
}

void add_lines(const std::string& before, const Line& line, std::vector<std::string>& out) {
    std::string path = before;
    std::vector<std::string> nested;
    for (const LineMove& m : line) {
        for (const Line& alternative : m.notes.alternatives) add_lines(path, alternative, nested);
        path += (path.empty() ? "" : " ") + iccs(m.move);
    }
    out.push_back(path);
    out.insert(out.end(), nested.begin(), nested.end());
}

int count_comments(const Line& line) {
    int n = 0;
    for (const LineMove& m : line) {
        n += !m.notes.comment.empty();
        for (const Line& alternative : m.notes.alternatives) n += count_comments(alternative);
    }
    return n;
}

Line main_line(const GameRecord& game) {
    Line line;
    for (std::size_t i = 0; i < game.moves.size(); ++i) line.push_back({game.moves[i], {}, game.notes_of(i)});
    return line;
}

}  // namespace

std::string iccs(const MoveRecord& m) {
    return {static_cast<char>('a' + 8 - m.from_column), static_cast<char>('0' + m.from_row),
            static_cast<char>('a' + 8 - m.to_column), static_cast<char>('0' + m.to_row)};
}

std::string dump_game(const GameRecord& game) {
    std::string out;
    if (!game.start_comment.empty()) out += "{" + U(game.start_comment) + "}";
    dump_line(main_line(game), out);
    return out;
}

std::vector<std::string> lines_of_play(const GameRecord& game) {
    std::vector<std::string> lines;
    const Line line = main_line(game);
    std::string path;
    for (const LineMove& m : line) path += (path.empty() ? "" : " ") + iccs(m.move);
    lines.push_back(path);
    std::vector<std::string> alternatives;
    path.clear();
    for (const LineMove& m : line) {
        for (const Line& alternative : m.notes.alternatives) add_lines(path, alternative, alternatives);
        path += (path.empty() ? "" : " ") + iccs(m.move);
    }
    lines.insert(lines.end(), alternatives.begin(), alternatives.end());
    return lines;
}

int comment_count(const GameRecord& game) { return !game.start_comment.empty() + count_comments(main_line(game)); }

}  // namespace kelvara::test
