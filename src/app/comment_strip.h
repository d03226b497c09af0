#pragma once
// The comment strip under the move list: what the record says about the selected move
// (or, before the first move, about the start), read without leaving the board. It is
// shown only for records that carry comments; the move list gives it the room it takes.

#include <QPlainTextEdit>

#include "record/game_record.h"

namespace kelvara {

// Its height under the move list, and the gap between them.
inline constexpr int kCommentStripHeight = 84;
inline constexpr int kCommentStripGap = 3;

class CommentStrip : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CommentStrip(QWidget* parent = nullptr);

    // The comment on the move at the index (from 0), or on the start for -1.
    void show_comment(const GameRecord& game, int move_index);
};

}  // namespace kelvara
