#pragma once
// Chinese move notation, simplified or traditional, read and written.
//
// Read: four characters, or five for the older two-file pawn form, in any of the forms
// real records use, with numerals as Chinese, full-width or ASCII digits for either side:
//   炮二平五  马８进７  馬8進7       piece, from-file, direction, number
//   前车进一  後車退三  中卒平６      place (前 中 后), piece, ...
//   二兵平四  一卒进１              ordinal (一 … 五) of a pawn, counted from the mover's right file
//   前九平八  后7平6  二7平6        place or ordinal and file, no piece: a pawn
//   前兵九平八                      place, piece, file
// Written: the notation writer's text (炮二平五, 马8进7, 前车进一, 二卒平4) in either script,
// black's digits in ASCII or in full width as PGN records write them (马８进７).

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "board/position.h"
#include "notation/move_description.h"
#include "notation/notation_words.h"

namespace kelvara::notation {

// How many characters (4 or 5), from the start of a text's characters as meaning_of reads
// them, form a Chinese move; 0 when they form none. Only the shape counts (a numeral where
// one belongs), not whether it fits a board.
std::size_t chinese_move_length(std::span<const WordMeaning> meanings);

// The description of a move of 4 or 5 GBK characters; nullopt when the token is not a
// Chinese move or names a file or number outside 1-9.
std::optional<MoveDescription> parse_chinese_move(std::string_view token);

struct ChineseStyle {
    Script script = Script::Simplified;
    bool full_width_digits = false;  // black's digits as １…９, as PGN records write them
};

// The move in Chinese notation without the side prefix, as the notation writer writes it
// for the side of the piece on the from-square; "" when no piece stands there.
std::string chinese_move_text(const Position& board, Move move, ChineseStyle style = {});
// The first `most` moves of a line played on from board (an engine's best line), each as
// chinese_move_text writes it; the line stops at a move whose piece is not on the board.
std::vector<std::string> chinese_line_text(Position board, const std::vector<Move>& line, std::size_t most,
                                           ChineseStyle style = {});

}  // namespace kelvara::notation
