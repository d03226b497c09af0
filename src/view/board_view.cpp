#include "view/board_view.h"

#include <utility>

#include "kelvara_assets.h"
#include "platform/gbk_literal.h"
#include "platform/scaled_name.h"
#include "platform/text.h"
#include "record/open_record.h"
#include "view/board_geometry.h"

namespace kelvara {

namespace {

using namespace board;

// The text lines' character heights at scale 1.
constexpr int kCounterHeight = 12;
constexpr int kTitleHeight = 14;
constexpr int kAuthorHeight = 12;

SpriteCanvas::TextTemplate text_template(int pixel_height, Weight weight) {
    return {std::string("宋体"_gbk), pixel_height, weight, kTextColour};
}

// Piece pictures by kind, black then red: king, advisor, elephant, horse, chariot,
// cannon, soldier.
constexpr std::string_view kPieceFiles[2][7] = {
    {"black_king.png", "black_advisor.png", "black_elephant.png", "black_horse.png", "black_chariot.png",
     "black_cannon.png", "black_soldier.png"},
    {"red_king.png", "red_advisor.png", "red_elephant.png", "red_horse.png", "red_chariot.png", "red_cannon.png",
     "red_soldier.png"},
};

std::span<const std::uint8_t> picture(std::string_view name, int scale) {
    return assets::find(scaled_file_name(name, scale));
}

}  // namespace

BoardView::Pictures BoardView::decode_pictures(int scale) {
    const auto decoded = [scale](std::string_view name) { return SpriteCanvas::decode(picture(name, scale)); };
    Pictures p;
    p.board = decoded("board.png");
    p.file_labels[0] = decoded("file_labels_0.png");
    p.file_labels[1] = decoded("file_labels_1.png");
    p.from_marker = decoded("from_marker.png");
    p.to_marker = decoded("to_marker.png");
    for (int side = 0; side < 2; ++side)
        for (int kind = 0; kind < 7; ++kind) p.pieces[side][kind] = decoded(kPieceFiles[side][kind]);
    return p;
}

// Decoded once per scale for the whole run: every board session (the screen, each
// animation job, each picture of kelvara-cli) shows the same embedded pictures, and
// decoding them took most of the time a session needs to start.
const BoardView::Pictures& BoardView::pictures_for(int scale) {
    switch (scale) {
        case 2: {
            static const Pictures two = decode_pictures(2);
            return two;
        }
        case 3: {
            static const Pictures three = decode_pictures(3);
            return three;
        }
        default: {
            static const Pictures one = decode_pictures(1);
            return one;
        }
    }
}

BoardView::BoardView(SpriteCanvas& canvas, int scale)
    : canvas_(canvas), scale_(clamp_scale(scale)), pictures_(pictures_for(scale_)) {}

board::Point BoardView::square_origin(int row, int column) const {
    const Point p = board::square_origin(row, column);
    return {p.x * scale_, p.y * scale_};
}

void BoardView::set_up_board_canvas() {
    const int s = scale_;
    canvas_.set_picture(canvas_.create_sprite(0, 0, true), pictures_.board);
    canvas_.set_picture(canvas_.create_sprite(0, 0, true), pictures_.file_labels[0]);
    canvas_.set_picture(canvas_.create_sprite(0, 0, false), pictures_.from_marker);
    canvas_.set_picture(canvas_.create_sprite(0, 0, false), pictures_.to_marker);
    const auto counter = text_template(kCounterHeight * s, Weight::Bold);
    const auto title = text_template(kTitleHeight * s, Weight::Normal);
    const auto author = text_template(kAuthorHeight * s, Weight::Normal);
    canvas_.create_sprite(kCounterLeft * s, kCounterTop * s, true, &counter);
    canvas_.create_sprite(kTitleLeft * s, kTitleTop * s, true, &title);
    canvas_.create_sprite(kAuthorLeft * s, kAuthorTop * s, true, &author);
    refresh_display();
}

void BoardView::redraw_board(GameRecord& game) {
    if (game.making == 1) {
        game.set_up_start_position();
        game.current_move = -1;
    }
    hide_move_markers();
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) delete_piece_sprite_at(r, c);
    set_move_counter(static_cast<int>(game.moves.size()), 0);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) place_piece_sprite(game.board[r][c], c, r);
}

void BoardView::place_piece_sprite(PieceCode code, int column, int row) {
    if (code == kEmpty) return;
    delete_piece_sprite_at(row, column);  // a square holds one piece
    const Point p = square_origin(row, column);
    const int id = canvas_.create_sprite(p.x, p.y, true);
    sprite_on({row, column}) = id;
    canvas_.set_picture(id, piece_picture(code));
}

const SpriteCanvas::PictureRef& BoardView::piece_picture(int code) const {
    static const SpriteCanvas::PictureRef none;
    if (!is_piece(code)) return none;
    return pictures_.pieces[is_red(code) ? 1 : 0][static_cast<int>(piece_kind(code))];
}

void BoardView::show_move_markers(int flip_state, int from_column, int from_row, int to_column, int to_row) {
    const Square from = display_square(flip_state, from_row, from_column);
    const Square to = display_square(flip_state, to_row, to_column);
    if (!canvas_.visible(kFromMarker)) {
        canvas_.set_visible(kFromMarker, true);
        canvas_.set_visible(kToMarker, true);
    }
    const Point f = square_origin(from.row, from.column);
    const Point t = square_origin(to.row, to.column);
    canvas_.move(kFromMarker, f.x, f.y);
    canvas_.move(kToMarker, t.x, t.y);
}

void BoardView::hide_move_markers() {
    canvas_.set_visible(kFromMarker, false);
    canvas_.set_visible(kToMarker, false);
}

int BoardView::find_piece_sprite(int row, int column) const {
    const int id = piece_sprites_[row][column];
    return id != 0 ? id : -1;
}

void BoardView::delete_piece_sprite_at(int row, int column) {
    int& id = sprite_on({row, column});
    if (id == 0) return;
    canvas_.delete_sprite(id);
    id = 0;
}

void BoardView::move_piece_sprite(Square from, Square to) {
    if (from == to) return;
    delete_piece_sprite_at(to.row, to.column);
    int& moving = sprite_on(from);
    if (moving == 0) return;
    const Point p = square_origin(to.row, to.column);
    canvas_.move(moving, p.x, p.y);
    sprite_on(to) = std::exchange(moving, 0);
}

std::vector<int> BoardView::piece_sprites() const {
    std::vector<int> ids;
    for (const auto& row : piece_sprites_)
        for (int id : row)
            if (id != 0) ids.push_back(id);
    return ids;
}

Rect BoardView::square_area(Square square) const {
    const Point p = square_origin(square.row, square.column);
    const Point next = square_origin(square.row + 1, square.column + 1);
    return {p.x, p.y, next.x, next.y};
}

Rect BoardView::set_move_counter(int total, int current) {
    const Rect before = canvas_.sprite_bounds(kCounterSprite);
    canvas_.set_text(kCounterSprite, std::to_string(total) + "-" + std::to_string(current));
    canvas_.move(kCounterSprite, kCounterRight * scale_ - canvas_.sprite_width(kCounterSprite), kCounterTop * scale_);
    const Rect author = fit_author_line();
    return unite(unite(before, canvas_.sprite_bounds(kCounterSprite)), author);
}

void BoardView::show_title(std::string& title) {
    cut_title(title);
    canvas_.set_text(kTitleSprite, title);
    canvas_.move(kTitleSprite, kTitleCentre * scale_ - canvas_.sprite_width(kTitleSprite) / 2, kTitleTop * scale_);
}

void BoardView::set_author_line(std::string_view text) {
    author_line_ = std::string(text);
    author_room_ = -1;
    fit_author_line();
}

Rect BoardView::fit_author_line() {
    const int room =
        (kCounterRight - kAuthorCounterGap - kAuthorLeft) * scale_ - canvas_.sprite_width(kCounterSprite);
    if (room == author_room_) return {};  // the counter kept its width: the line still fits
    author_room_ = room;
    const Rect before = canvas_.sprite_bounds(kAuthorSprite);
    std::string_view shown = author_line_;
    canvas_.set_text(kAuthorSprite, shown);
    while (!shown.empty() && canvas_.sprite_width(kAuthorSprite) > room) {
        shown = gbk::cut_whole_chars(shown, shown.size() - 1);
        canvas_.set_text(kAuthorSprite, shown);
    }
    return unite(before, canvas_.sprite_bounds(kAuthorSprite));
}

void BoardView::show_file_labels(int flip_state) {
    canvas_.set_picture(kFileLabelSprite, pictures_.file_labels[flip_state == 1 ? 1 : 0]);
}

void BoardView::set_counter_and_author_visible(bool visible) {
    canvas_.set_visible(kCounterSprite, visible);
    canvas_.set_visible(kAuthorSprite, visible);
}

void BoardView::refresh_display() {
    display_ = canvas_.composed();
    if (display_changed_) display_changed_();
}

}  // namespace kelvara
