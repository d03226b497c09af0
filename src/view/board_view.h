#pragma once
// The board view: the board picture, file labels, move markers, move counter, title and
// author lines and one sprite per piece, composed on a sprite canvas. The board display
// shows the canvas only as it was at the last refresh_display, never half drawn.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "board/position.h"
#include "platform/image.h"
#include "platform/rect.h"
#include "platform/sprite_canvas.h"
#include "record/game_record.h"
#include "view/board_geometry.h"

namespace kelvara {

class BoardView {
public:
    // scale (1 to 3; see board::kMaxScale): the canvas is that many times the board's
    // size, and every place, picture and text size follows.
    explicit BoardView(SpriteCanvas& canvas, int scale = 1);

    SpriteCanvas& canvas() { return canvas_; }
    int scale() const { return scale_; }
    // Top-left of the cell of a display square on this view's canvas.
    board::Point square_origin(int row, int column) const;

    // Sprites 1 to 7: board, file labels, the two hidden markers, counter, title, author.
    void set_up_board_canvas();
    // Rebuilds the piece sprites from the board position. While an animation is being
    // made, the board position is first put back to the start of the game.
    void redraw_board(GameRecord& game);
    void place_piece_sprite(PieceCode code, int column, int row);

    // Markers on the from and to squares of a move, given in record squares.
    void show_move_markers(int flip_state, int from_column, int from_row, int to_column, int to_row);
    void hide_move_markers();
    // The piece sprite standing on a display square; -1 for none.
    int find_piece_sprite(int row, int column) const;
    // Deletes the piece sprite on a display square; nothing when none stands there.
    void delete_piece_sprite_at(int row, int column);
    // Moves the piece sprite on from to the square to, whose own sprite is deleted first.
    // Where no piece sprite stands on from (a record whose move starts from an empty
    // square), only the destination's sprite goes.
    void move_piece_sprite(Square from, Square to);
    // The piece sprites, row by row.
    std::vector<int> piece_sprites() const;
    // The pixels of a display square's cell, where its piece and markers are drawn.
    Rect square_area(Square square) const;

    // "N-n", right-aligned at x 250 (times the scale). The author line is cut to the room
    // the counter leaves. Returns where the counter, and the author line when it was cut
    // anew, were and are now drawn.
    Rect set_move_counter(int total, int current);
    // Cuts the title to 36 bytes at a whole character and centres it at the top.
    void show_title(std::string& title);
    // Drawn whole where it fits left of the move counter, else cut at a whole character.
    void set_author_line(std::string_view text);
    void show_file_labels(int flip_state);
    void set_counter_and_author_visible(bool visible);

    // Captures the canvas as the picture of the board display.
    void refresh_display();
    const Image& display() const { return display_; }
    // Runs after every refresh_display (the GUI repaints the board display).
    void on_display_changed(std::function<void()> handler) { display_changed_ = std::move(handler); }

private:
    // The embedded pictures of this view's scale, decoded.
    struct Pictures {
        SpriteCanvas::PictureRef board;
        SpriteCanvas::PictureRef file_labels[2];
        SpriteCanvas::PictureRef from_marker;
        SpriteCanvas::PictureRef to_marker;
        SpriteCanvas::PictureRef pieces[2][7];
    };
    static Pictures decode_pictures(int scale);
    static const Pictures& pictures_for(int scale);
    // The picture of a piece code; null for any other code.
    const SpriteCanvas::PictureRef& piece_picture(int code) const;

    // Where the author line was and is drawn when it had to be fitted again; empty when
    // it stayed as it was.
    Rect fit_author_line();
    int& sprite_on(Square square) { return piece_sprites_[square.row][square.column]; }

    SpriteCanvas& canvas_;
    int scale_;
    const Pictures& pictures_;
    std::string author_line_;  // GBK, whole; the sprite may show less of it
    int author_room_ = -1;     // the width the shown part was fitted to
    std::array<std::array<int, kColumns>, kRows> piece_sprites_{};  // sprite ids by display square; 0: none
    Image display_;
    std::function<void()> display_changed_;
};

}  // namespace kelvara
