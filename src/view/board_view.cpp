#include "view/board_view.h"

#include <algorithm>

#include "kelvara_assets.h"
#include "platform/gbk_literal.h"
#include "record/open_record.h"
#include "view/board_geometry.h"

namespace kelvara {

namespace {

using namespace board;

const SpriteCanvas::TextTemplate kCounterTemplate{std::string("宋体"_gbk), 12, Weight::Bold, kTextColour};
const SpriteCanvas::TextTemplate kTitleTemplate{std::string("宋体"_gbk), 14, Weight::Normal, kTextColour};
const SpriteCanvas::TextTemplate kAuthorTemplate{std::string("宋体"_gbk), 12, Weight::Normal, kTextColour};

// Piece pictures by kind, black then red: king, advisor, elephant, horse, chariot,
// cannon, soldier.
const std::span<const unsigned char>* const kPiecePictures[2][7] = {
    {&assets::black_king_png, &assets::black_advisor_png, &assets::black_elephant_png, &assets::black_horse_png,
     &assets::black_chariot_png, &assets::black_cannon_png, &assets::black_soldier_png},
    {&assets::red_king_png, &assets::red_advisor_png, &assets::red_elephant_png, &assets::red_horse_png,
     &assets::red_chariot_png, &assets::red_cannon_png, &assets::red_soldier_png},
};

}  // namespace

BoardView::BoardView(SpriteCanvas& canvas) : canvas_(canvas) {}

void BoardView::set_up_board_canvas() {
    canvas_.set_picture(canvas_.create_sprite(0, 0, true), assets::board_png);
    canvas_.set_picture(canvas_.create_sprite(0, 0, true), assets::file_labels_0_png);
    canvas_.set_picture(canvas_.create_sprite(0, 0, false), assets::from_marker_png);
    canvas_.set_picture(canvas_.create_sprite(0, 0, false), assets::to_marker_png);
    canvas_.create_sprite(kCounterLeft, kCounterTop, true, &kCounterTemplate);
    canvas_.create_sprite(kTitleLeft, kTitleTop, true, &kTitleTemplate);
    canvas_.create_sprite(kAuthorLeft, kAuthorTop, true, &kAuthorTemplate);
    refresh_display();
}

void BoardView::redraw_board(GameRecord& game) {
    if (game.making == 1) {
        game.set_up_start_position();
        game.current_move = -1;
    }
    hide_move_markers();
    for (int id : piece_sprites_) canvas_.delete_sprite(id);
    piece_sprites_.clear();
    set_move_counter(static_cast<int>(game.moves.size()), 0);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) place_piece_sprite(game.board[r][c], c, r);
}

void BoardView::place_piece_sprite(PieceCode code, int column, int row) {
    if (code == kEmpty) return;
    const Point p = square_origin(row, column);
    const int id = canvas_.create_sprite(p.x, p.y, true);
    piece_sprites_.push_back(id);
    canvas_.set_picture(id, piece_picture(code));
}

std::span<const std::uint8_t> BoardView::piece_picture(int code) {
    if (!is_piece(code)) return {};
    return *kPiecePictures[is_red(code) ? 1 : 0][static_cast<int>(piece_kind(code))];
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
    const Point p = square_probe(row, column);
    return canvas_.hit_test(p.x, p.y);
}

bool BoardView::is_piece_sprite(int id) const {
    return std::find(piece_sprites_.begin(), piece_sprites_.end(), id) != piece_sprites_.end();
}

void BoardView::forget_piece_sprite(int id) {
    const auto it = std::find(piece_sprites_.begin(), piece_sprites_.end(), id);
    if (it != piece_sprites_.end()) piece_sprites_.erase(it);
}

void BoardView::delete_piece_sprite_at(int row, int column) {
    const int id = find_piece_sprite(row, column);
    if (!is_piece_sprite(id)) return;
    canvas_.delete_sprite(id);
    forget_piece_sprite(id);
}

void BoardView::set_move_counter(int total, int current) {
    canvas_.set_text(kCounterSprite, std::to_string(total) + "-" + std::to_string(current));
    canvas_.move(kCounterSprite, kCounterRight - canvas_.sprite_width(kCounterSprite), kCounterTop);
}

void BoardView::show_title(std::string& title) {
    cut_title(title);
    canvas_.set_text(kTitleSprite, title);
    canvas_.move(kTitleSprite, kTitleCentre - canvas_.sprite_width(kTitleSprite) / 2, kTitleTop);
}

void BoardView::set_author_line(std::string_view text) { canvas_.set_text(kAuthorSprite, text); }

void BoardView::show_file_labels(int flip_state) {
    canvas_.set_picture(kFileLabelSprite, flip_state == 1 ? assets::file_labels_1_png : assets::file_labels_0_png);
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
