#pragma once
// The one loaded game: the board position as shown, the reference position in standard
// orientation, the moves, and the texts and flags that go with them. One instance is
// owned by the application (or by a GIF maker for its own replay).
//
// Besides the main line a record may hold what players write around it: the game's
// facts (event, players, result), a comment before the first move and after any move,
// and alternative lines, each replacing one move of the line it branches from.

#include <optional>
#include <string>
#include <vector>

#include "board/position.h"

namespace kelvara {

// The facts a record gives about its game (GBK; empty when the record does not say).
struct GameInfo {
    std::string event;
    std::string site;
    std::string date;
    std::string round;
    std::string red;
    std::string black;
    std::string result;  // as the record writes it: "1-0", "0-1", "1/2-1/2", "*", "红胜", …
};

struct LineMove;
// A line of moves; an alternative line starts with the move it plays instead.
using Line = std::vector<LineMove>;

// What a record says about one move besides the move itself.
struct MoveNotes {
    std::string comment;             // GBK; the text after the move
    std::vector<Line> alternatives;  // lines that replace this move, in the record's order
    bool empty() const { return comment.empty() && alternatives.empty(); }
};

struct LineMove {
    MoveRecord move;
    std::string text;  // GBK: the move's row as the move list shows it ("2.红：马二进三",
                       // "黑：炮８平５"): in Chinese notation as the record wrote it, or as
                       // the writer writes it for moves read from other notations
    MoveNotes notes;
};

struct GameRecord {
    int flip_state = 0;           // 1: the board position is held turned by 180 degrees
    Position board{};             // indexed by display squares
    Position reference{};         // always standard orientation
    std::vector<MoveRecord> moves;
    int current_move = 0;         // index of the last move played on board; -1 = start
    std::string fen_start;        // board field of the record's FEN tag, "" if none (GBK)
    std::string title;            // GBK
    std::string file_name;        // GBK: the record's file name, without its folder
    int making = 0;               // 1 while an animation is being made
    bool loaded = false;          // a record was opened into it: it can be turned,
                                  // pictured and animated, moves or none

    Side first_to_move = Side::Red;  // black opens some endgame studies
    GameInfo info;
    std::string notation;            // how the record wrote its moves: "chinese", "wxf", "iccs",
                                     // "algebraic"; or the format that gives moves as squares:
                                     // "qq", "xqf", "cbr", "dhtmlxq"
    std::string start_comment;       // GBK; before the first move
    // notes[i] belongs to moves[i]. It may be shorter than moves: a move past its end has
    // no notes. Readers that keep no notes leave it empty.
    std::vector<MoveNotes> notes;

    const MoveNotes& notes_of(std::size_t move_index) const;
    MoveNotes& notes_for(std::size_t move_index);  // grows notes as far as the index
    bool has_comments() const;
    // Every alternative line at any depth.
    int variation_count() const;

    // Both positions get the start arrangement for the current flip state.
    void set_up_initial_position();
    // The board position from the reference position, turned when flip_state is 1.
    void restore_start_position();
    // The board position becomes the standard layout whatever the flip state.
    void load_standard_layout();
    // The start of this record: from the reference position when it began from a FEN
    // position, else the initial arrangement.
    void set_up_start_position();
};

}  // namespace kelvara
