// The moves a record's words hold, and which notation the words are written in.

#include "notation/move_words.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace kelvara {
namespace {

using notation::Notation;
using Moves = std::vector<std::string>;

Moves moves(Notation n, const std::string& utf8_word) {
    Moves out;
    for (const std::string& m : notation::moves_in_word(n, test::G(utf8_word))) out.push_back(test::U(m));
    return out;
}

TEST(MoveWords, ChineseMovesAreFoundWhereverTheyStandInAWord) {
    EXPECT_EQ(moves(Notation::Chinese, "1.炮二平五"), (Moves{"炮二平五"}));
    EXPECT_EQ(moves(Notation::Chinese, "炮二平五马８进７"), (Moves{"炮二平五", "马８进７"}));
    EXPECT_EQ(moves(Notation::Chinese, "12.前兵九平八二7平6"), (Moves{"前兵九平八", "二7平6"}));
    EXPECT_EQ(moves(Notation::Chinese, "1…炮８平５"), (Moves{"炮８平５"}));
    EXPECT_EQ(moves(Notation::Chinese, "马8进7!?"), (Moves{"马8进7"}));
    EXPECT_EQ(moves(Notation::Chinese, "馬２進３"), (Moves{"馬２進３"}));
    // A run of notation words that is no move is kept for the reader to report; words of
    // text are not.
    EXPECT_EQ(moves(Notation::Chinese, "車二走三"), (Moves{"車二走三"}));
    EXPECT_EQ(moves(Notation::Chinese, "黑方认输"), (Moves{}));
    EXPECT_EQ(moves(Notation::Chinese, "12."), (Moves{}));
}

TEST(MoveWords, LetterMovesLoseTheirNumbersButKeepTheirDigits) {
    EXPECT_EQ(moves(Notation::Wxf, "C2.5"), (Moves{"C2.5"}));
    EXPECT_EQ(moves(Notation::Wxf, "33.4"), (Moves{"33.4"}));  // a tandem pawn, not move 33
    EXPECT_EQ(moves(Notation::Wxf, "12.33.4"), (Moves{"33.4"}));
    EXPECT_EQ(moves(Notation::Wxf, "1.C2.5"), (Moves{"C2.5"}));
    EXPECT_EQ(moves(Notation::Wxf, "Ｃ２＝５"), (Moves{"Ｃ２＝５"}));
    EXPECT_EQ(moves(Notation::Wxf, "!!12."), (Moves{}));
    EXPECT_EQ(moves(Notation::Wxf, "X9.9"), (Moves{"X9.9"}));  // shaped like a move: reported
    EXPECT_EQ(moves(Notation::Iccs, "1.h2e2"), (Moves{"h2e2"}));
    EXPECT_EQ(moves(Notation::Iccs, "3..."), (Moves{}));
    EXPECT_EQ(moves(Notation::Algebraic, "10.Rb10"), (Moves{"Rb10"}));
    EXPECT_EQ(moves(Notation::Algebraic, "$1"), (Moves{}));
}

TEST(MoveWords, TheNotationIsTheOneMostWordsAreWrittenIn) {
    const auto of = [](std::initializer_list<const char*> utf8) {
        std::vector<std::string> words;
        for (const char* w : utf8) words.push_back(test::G(w));
        return notation::notation_of_words(words);
    };
    EXPECT_EQ(of({"1.", "炮二平五", "马８进７"}), Notation::Chinese);
    EXPECT_EQ(of({"1.", "Ｃ２＝５", "Ｈ８＋７", "2.", "Ｈ２＋３"}), Notation::Wxf);
    EXPECT_EQ(of({"1.", "h2e2", "h9g7"}), Notation::Iccs);
    EXPECT_EQ(of({"1.", "H2-E2", "H9-G7"}), Notation::Iccs);
    EXPECT_EQ(of({"1.", "Cbe2", "Hc7", "2.", "Hc2", "Rb9", "3.", "c5"}), Notation::Algebraic);
    EXPECT_EQ(of({}), Notation::Chinese);
}

}  // namespace
}  // namespace kelvara
