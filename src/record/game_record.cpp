#include "record/game_record.h"

#include "board/layouts.h"

namespace kelvara {

namespace {

int count_lines(const std::vector<Line>& lines) {
    int n = 0;
    for (const Line& line : lines) {
        ++n;
        for (const LineMove& m : line) n += count_lines(m.notes.alternatives);
    }
    return n;
}

bool line_has_comments(const Line& line) {
    for (const LineMove& m : line) {
        if (!m.notes.comment.empty()) return true;
        for (const Line& alternative : m.notes.alternatives)
            if (line_has_comments(alternative)) return true;
    }
    return false;
}

}  // namespace

const MoveNotes& GameRecord::notes_of(std::size_t move_index) const {
    static const MoveNotes kNone;
    return move_index < notes.size() ? notes[move_index] : kNone;
}

MoveNotes& GameRecord::notes_for(std::size_t move_index) {
    if (notes.size() <= move_index) notes.resize(move_index + 1);
    return notes[move_index];
}

bool GameRecord::has_comments() const {
    if (!start_comment.empty()) return true;
    for (const MoveNotes& n : notes) {
        if (!n.comment.empty()) return true;
        for (const Line& alternative : n.alternatives)
            if (line_has_comments(alternative)) return true;
    }
    return false;
}

int GameRecord::variation_count() const {
    int n = 0;
    for (const MoveNotes& m : notes) n += count_lines(m.alternatives);
    return n;
}

void GameRecord::set_up_initial_position() {
    const Position& layout = flip_state == 0 ? kStandardLayout : kFlippedLayout;
    board = layout;
    reference = flip_state == 0 ? layout : rotated(layout);
}

void GameRecord::restore_start_position() { board = flip_state == 1 ? rotated(reference) : reference; }

void GameRecord::load_standard_layout() { board = kStandardLayout; }

void GameRecord::set_up_start_position() {
    if (!fen_start.empty())
        restore_start_position();
    else
        set_up_initial_position();
}

}  // namespace kelvara
