#include "record/pgn_reader.h"

#include <list>

#include "board/fen.h"
#include "board/rules.h"
#include "notation/algebraic_notation.h"
#include "notation/move_notation.h"
#include "notation/move_words.h"
#include "notation/notation_words.h"
#include "record/line_reader.h"
#include "record/move_rows.h"
#include "record/pgn_scanner.h"
#include "record/text_encoding.h"

namespace kelvara {

namespace {

using notation::Notation;

// A game's moves as the text gives them, before they are found on the board.
struct RawMove;
using RawLine = std::vector<RawMove>;
struct RawMove {
    std::string token;
    std::string comment;
    std::vector<RawLine> alternatives;
};
struct RawGame {
    std::string start_comment;
    RawLine main;
};

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// A comment as shown: without carriage returns and the blanks around it.
std::string comment_text(std::string_view raw) {
    std::string text;
    for (const char c : raw)
        if (c != '\r') text += c;
    std::size_t first = 0, last = text.size();
    while (first < last && is_space(text[first])) ++first;
    while (last > first && is_space(text[last - 1])) --last;
    return text.substr(first, last - first);
}

void add_comment(std::string& to, std::string_view raw) {
    const std::string text = comment_text(raw);
    if (text.empty()) return;
    if (!to.empty()) to += '\n';
    to += text;
}

RawGame raw_game(const PgnGame& pgn, Notation notation) {
    RawGame game;
    // A variation before any move of its line replaces nothing: it is read aside and
    // dropped. Kept in a list so that lines nested in it keep their places.
    std::list<RawLine> discarded;
    std::vector<RawLine*> lines{&game.main};
    std::string leading;  // a comment before a variation's first move
    for (const PgnItem& item : pgn.items) {
        RawLine& line = *lines.back();
        switch (item.kind) {
            case PgnItem::Kind::Word:
                for (std::string& token : notation::moves_in_word(notation, item.text)) {
                    line.push_back({std::move(token), std::move(leading), {}});
                    leading.clear();
                }
                break;
            case PgnItem::Kind::Comment:
                if (!line.empty())
                    add_comment(line.back().comment, item.text);
                else if (lines.size() == 1)
                    add_comment(game.start_comment, item.text);
                else
                    add_comment(leading, item.text);
                break;
            case PgnItem::Kind::VariationStart:
                if (line.empty()) {
                    lines.push_back(&discarded.emplace_back());
                } else {
                    line.back().alternatives.emplace_back();
                    lines.push_back(&line.back().alternatives.back());
                }
                leading.clear();
                break;
            case PgnItem::Kind::VariationEnd:
                if (lines.size() > 1) lines.pop_back();
                leading.clear();
                break;
        }
    }
    return game;
}

bool holds_a_move(Notation notation, const std::vector<std::string>& words) {
    for (const std::string& w : words)
        for (const std::string& m : notation::moves_in_word(notation, w))
            if (notation::is_move_token(notation, m)) return true;
    return false;
}

// The [Format] tag's notation when the moves are written in it, else the moves' own form.
Notation notation_of(const PgnGame& pgn, const std::vector<std::string>& words) {
    if (const auto format = pgn.tag("Format"))
        if (const auto named = notation::notation_named(*format); named && holds_a_move(*named, words))
            return *named;
    return notation::notation_of_words(words);
}

// WinBoard counts ranks from 0, pychess from 1: a rank 0 or 10 tells; -1 when none does.
int evident_rank_base(const RawLine& line) {
    for (const RawMove& m : line) {
        const auto a = notation::parse_algebraic_move(m.token);
        if (!a) continue;
        if (a->to_rank == 0 || a->from_rank == 0) return 0;
        if (a->to_rank == 10 || a->from_rank == 10) return 1;
    }
    return -1;
}

std::vector<std::string> tokens_of(const RawLine& line) {
    std::vector<std::string> tokens;
    for (const RawMove& m : line) tokens.push_back(m.token);
    return tokens;
}

// Reads one game's moves onto the board and into lines of the game record.
class GameReader {
public:
    GameReader(Notation notation, notation::ReadOptions options, Side first)
        : notation_(notation), options_(options), first_(first) {}

    // The line read from board with side to move at ply; result says how far it went.
    Line read(const RawLine& raw, Position board, Side side, int ply, LineRead& result) const {
        result = read_line(notation_, tokens_of(raw), board, side, options_);
        Line line;
        for (std::size_t k = 0; k < result.moves.size(); ++k) {
            const Move m = result.moves[k];
            LineMove lm;
            lm.move = move_record(board, m);
            lm.text = row_text(side, ply, first_, shown_text(raw[k].token, board, m, side));
            lm.notes.comment = raw[k].comment;
            for (const RawLine& alternative : raw[k].alternatives) {
                LineRead ignored;
                Line alt = read(alternative, board, side, ply, ignored);
                if (!alt.empty()) lm.notes.alternatives.push_back(std::move(alt));
            }
            line.push_back(std::move(lm));
            make_move(board, m);
            side = opponent(side);
            ++ply;
        }
        return line;
    }

private:
    // A Chinese move as written; any other as the notation writer writes it.
    std::string shown_text(const std::string& token, const Position& board, Move m, Side side) const {
        if (notation_ == Notation::Chinese) return std::string(notation::side_prefix(side)) + token;
        return move_notation(at(board, m.from), side == Side::Red ? 1 : 0, m.from.row, m.from.column, m.to.row,
                             m.to.column, board);
    }

    Notation notation_;
    notation::ReadOptions options_;
    Side first_;
};

// Whose move opens: the FEN's side, or red; but when that side cannot make the first move
// and the other can, the other (files that leave the side out, or write "-b" or a wrong one).
Side first_side(std::optional<Side> declared, Notation notation, notation::ReadOptions options, const RawLine& main,
                const Position& board) {
    const Side side = declared.value_or(Side::Red);
    if (main.empty()) return side;
    if (!notation::read_move(notation, main.front().token, board, side, options).candidates.empty()) return side;
    if (!notation::read_move(notation, main.front().token, board, opponent(side), options).candidates.empty())
        return opponent(side);
    return side;
}

GameInfo info_of(const PgnGame& pgn) {
    GameInfo info;
    const auto value = [&pgn](std::string_view name) { return pgn.tag(name).value_or(std::string()); };
    info.event = value("Event");
    info.site = value("Site");
    info.date = value("Date");
    info.round = value("Round");
    info.red = pgn.tag("Red").value_or(value("White"));  // WinBoard names red White
    info.black = value("Black");
    info.result = pgn.tag("Result").value_or(pgn.result);
    return info;
}

void read_game(const PgnGame& pgn, GameRecord& game, MoveList& list, std::optional<ReadStop>& stop) {
    const std::vector<std::string> words = pgn.main_line_words();
    const Notation notation = notation_of(pgn, words);
    const RawGame raw = raw_game(pgn, notation);

    game.info = info_of(pgn);
    if (const auto event = pgn.tag("Event")) game.title = *event;
    game.notation = std::string(notation::notation_name(notation));
    game.start_comment = raw.start_comment;

    Position start = game.board;  // the standard layout, loaded by the caller
    std::optional<Side> declared;
    game.fen_start.clear();
    if (const auto fen = pgn.tag("FEN")) {
        const FenPosition parsed = parse_fen(*fen);
        std::string_view board_field = *fen;
        while (!board_field.empty() && board_field.front() == ' ') board_field.remove_prefix(1);
        game.fen_start = std::string(board_field.substr(0, board_field.find(' ')));
        start = parsed.board;
        declared = parsed.side_to_move;
        game.reference = start;
    }

    notation::ReadOptions options;
    const int base = notation == Notation::Algebraic ? evident_rank_base(raw.main) : 0;
    options.rank_base = base < 0 ? 0 : base;
    Side first = first_side(declared, notation, options, raw.main, start);

    LineRead read;
    Line line = GameReader(notation, options, first).read(raw.main, start, first, 0, read);
    if (base < 0 && read.stopped) {  // neither rank base is evident: keep the one that reads further
        notation::ReadOptions other{1};
        const Side other_first = first_side(declared, notation, other, raw.main, start);
        LineRead other_read;
        Line other_line = GameReader(notation, other, other_first).read(raw.main, start, other_first, 0, other_read);
        if (other_line.size() > line.size()) {
            line = std::move(other_line);
            read = other_read;
            first = other_first;
        }
    }

    game.first_to_move = first;
    for (std::size_t k = 0; k < line.size(); ++k) {
        LineMove& m = line[k];
        const bool red = is_red(m.move.piece);
        list.append(m.text, red ? kRedRow : kGreyRow, !m.notes.alternatives.empty());
        game.moves.push_back(m.move);
        if (!m.notes.empty()) game.notes_for(k) = std::move(m.notes);
    }
    if (read.stopped) {
        const auto at_move = *read.stopped;
        stop = ReadStop{static_cast<int>(at_move) + 1,
                        read.ambiguous ? StopReason::AmbiguousMove : StopReason::UnresolvedMove,
                        raw.main[at_move].token, 0};
    }
}

}  // namespace

bool recognises_pgn(std::string_view bytes) {
    const RecordText text = record_text_as_gbk(bytes);
    for (const PgnGame& pgn : scan_pgn_games(text.gbk)) {
        if (!pgn.tags.empty()) return true;
        // A word shaped like a move counts even when it is none, so that the reading
        // can say what stopped it.
        const std::vector<std::string> words = pgn.main_line_words();
        const Notation notation = notation::notation_of_words(words);
        for (const std::string& w : words)
            if (!notation::moves_in_word(notation, w).empty()) return true;
    }
    return false;
}

std::vector<GameSummary> list_pgn_games(std::string_view bytes) {
    const RecordText text = record_text_as_gbk(bytes);
    std::vector<GameSummary> games;
    for (const PgnGame& pgn : scan_pgn_games(text.gbk)) {
        const GameInfo info = info_of(pgn);
        const std::vector<std::string> words = pgn.main_line_words();
        GameSummary s{static_cast<int>(games.size()) + 1, info.event, info.red, info.black, info.result, 0};
        const Notation notation = notation_of(pgn, words);
        for (const std::string& w : words) s.plies += static_cast<int>(notation::moves_in_word(notation, w).size());
        games.push_back(std::move(s));
    }
    return games;
}

std::optional<ReadStop> read_pgn_record(std::string_view bytes, GameRecord& game, MoveList& list, int game_index) {
    const RecordText text = record_text_as_gbk(bytes);
    const std::vector<PgnGame> games = scan_pgn_games(text.gbk);
    game.load_standard_layout();
    game.reference = game.board;
    std::optional<ReadStop> stop;
    if (game_index >= 0 && static_cast<std::size_t>(game_index) < games.size())
        read_game(games[static_cast<std::size_t>(game_index)], game, list, stop);
    game.set_up_start_position();
    return stop;
}

}  // namespace kelvara
