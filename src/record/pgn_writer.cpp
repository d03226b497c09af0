#include "record/pgn_writer.h"

#include "board/fen.h"
#include "board/layouts.h"
#include "board/rules.h"
#include "platform/encoding.h"
#include "platform/gbk_literal.h"
#include "platform/text.h"

namespace kelvara {

namespace {

constexpr std::string_view kResults[] = {"1-0", "0-1", "1/2-1/2", "*"};

// Tag values and comments must not end their brackets early: the closing characters
// inside them become their full-width forms.
std::string tag_value(std::string_view text) {
    std::string out = gbk::replace_all(text, "\"", "\xA1\xB1");  // ”
    out = gbk::replace_all(out, "\r", "");
    return gbk::replace_all(out, "\n", " ");
}

std::string comment_text(std::string_view text, std::string_view line_break) {
    std::string out = gbk::replace_all(text, "\r", "");
    out = gbk::replace_all(out, "{", "\xA3\xFB");  // ｛
    out = gbk::replace_all(out, "}", "\xA3\xFD");  // ｝
    return gbk::replace_all(out, "\n", line_break);
}

class PgnWriter {
public:
    PgnWriter(const GameRecord& game, const PgnOptions& options)
        : game_(game), options_(options), line_break_(options.crlf ? "\r\n" : "\n") {}

    std::string write() {
        write_tags();
        if (!game_.start_comment.empty()) out_ += "{" + comment_text(game_.start_comment, line_break_) + "}" + line_break_;
        write_main_line();
        out_ += result() + line_break_;
        return options_.encoding == PgnEncoding::Utf8 ? gbk_to_utf8(out_) : out_;
    }

private:
    void tag(std::string_view name, std::string_view value) {
        out_ += "[" + std::string(name) + " \"" + tag_value(value) + "\"]" + line_break_;
    }

    std::string result() const {
        for (const std::string_view r : kResults)
            if (game_.info.result == r) return std::string(r);
        return "*";
    }

    Position start() const { return game_.fen_start.empty() ? kStandardLayout : parse_fen_board(game_.fen_start); }

    void write_tags() {
        const GameInfo& info = game_.info;
        tag("Game", "Chinese Chess");
        tag("Event", info.event.empty() ? game_.title : info.event);
        if (!game_.title.empty() && !info.event.empty() && game_.title != info.event) tag("Title", game_.title);
        tag("Site", info.site);
        tag("Date", info.date);
        tag("Round", info.round);
        tag("Red", info.red);
        tag("Black", info.black);
        tag("Result", result());
        if (!game_.fen_start.empty() || game_.first_to_move == Side::Black)
            tag("FEN", fen_text(start(), game_.first_to_move));
        if (options_.notation == notation::MoveWriting::Iccs) tag("Format", "ICCS");
        if (options_.notation == notation::MoveWriting::Wxf) tag("Format", "WXF");
        for (const auto& [name, value] : options_.extra_tags) tag(name, value);
    }

    std::string move_text(const Position& board, Move m) const { return notation::write_move(options_.notation, board, m); }

    // "12." before red's move; "12..." before black's when something came between.
    static std::string number(int ply, Side first, Side side) {
        const int turn = (ply + (first == Side::Black ? 1 : 0)) / 2 + 1;
        return std::to_string(turn) + (side == Side::Red ? "." : "...");
    }

    // The moves of a line as one piece of text: its comments and nested alternatives
    // inline. ply counts from the start of the game.
    std::string line_text(const Line& line, Position board, Side side, int ply) const {
        std::string text;
        bool numbered = false;  // whether the next black move may go without its number
        for (const LineMove& m : line) {
            const Move move{m.move.from(), m.move.to()};
            if (!text.empty()) text += " ";
            if (side == Side::Red || !numbered) text += number(ply, game_.first_to_move, side) + " ";
            text += move_text(board, move);
            numbered = side == Side::Red;
            if (!m.notes.comment.empty()) {
                text += " {" + comment_text(m.notes.comment, line_break_) + "}";
                numbered = false;
            }
            for (const Line& alternative : m.notes.alternatives) {
                text += " (" + line_text(alternative, board, side, ply) + ")";
                numbered = false;
            }
            make_move(board, move);
            side = opponent(side);
            ++ply;
        }
        return text;
    }

    // One line per move pair; a move with a comment or alternatives ends its line, and
    // each comment and alternative takes a line of its own.
    void write_main_line() {
        Position board = start();
        Side side = game_.first_to_move;
        std::string line;
        bool numbered = false;
        for (std::size_t i = 0; i < game_.moves.size(); ++i) {
            const MoveRecord& m = game_.moves[i];
            const Move move{m.from(), m.to()};
            const int ply = static_cast<int>(i);
            if (side == Side::Red || !numbered) line += number(ply, game_.first_to_move, side) + " ";
            line += move_text(board, move);
            numbered = side == Side::Red;
            const MoveNotes& notes = game_.notes_of(i);
            if (!notes.empty() || side == Side::Black) {
                out_ += line + line_break_;
                line.clear();
            } else {
                line += " ";
            }
            if (!notes.comment.empty()) out_ += "{" + comment_text(notes.comment, line_break_) + "}" + line_break_;
            for (const Line& alternative : notes.alternatives)
                out_ += "(" + line_text(alternative, board, side, ply) + ")" + line_break_;
            if (!notes.empty()) numbered = false;
            make_move(board, move);
            side = opponent(side);
        }
        if (!line.empty()) {
            line.pop_back();
            out_ += line + line_break_;
        }
    }

    const GameRecord& game_;
    const PgnOptions& options_;
    std::string line_break_;
    std::string out_;
};

}  // namespace

std::string write_pgn(const GameRecord& game, const PgnOptions& options) { return PgnWriter(game, options).write(); }

}  // namespace kelvara
