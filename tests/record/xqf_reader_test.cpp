#include "record/xqf_reader.h"

#include <gtest/gtest.h>

#include "board/layouts.h"
#include "game_dump.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::dump_game;
using test::G;
using test::U;

// The squares of the 32 pieces of the standard start, in table order (file * 10 + rank).
constexpr int kStandardTable[32] = {80, 70, 60, 50, 40, 30, 20, 10, 0,  72, 12, 83, 63, 43, 23, 3,
                                    9,  19, 29, 39, 49, 59, 69, 79, 89, 17, 77, 6,  26, 46, 66, 86};

int square(const char* s) { return (s[0] - 'a') * 10 + (s[1] - '0'); }

// Writes XQF files as the tests need them. Version 10 stores 8-byte records; later
// versions 4-byte records with a tag of three bits. With all key bytes zero a keyed file
// has no offsets and no stream key, only the comment-length offset 767 and, from version
// 12, the piece table turned by one entry.
class XqfFile {
public:
    explicit XqfFile(int version = 10) : bytes_(0x400, '\0'), version_(version) {
        bytes_[0] = 'X';
        bytes_[1] = 'Q';
        bytes_[2] = static_cast<char>(version);
        set_table(kStandardTable);
    }

    void set_table(const int (&squares)[32], bool turned = false) {
        for (int i = 0; i < 32; ++i) bytes_[0x10 + (turned ? (i + 31) % 32 : i)] = static_cast<char>(squares[i]);
    }
    void text(std::size_t offset, const std::string& gbk) {
        bytes_[offset] = static_cast<char>(gbk.size());
        bytes_.replace(offset + 1, gbk.size(), gbk);
    }
    void byte(std::size_t offset, int value) { bytes_[offset] = static_cast<char>(value); }

    void root(bool has_child, const std::string& comment = {}) { record(0, 0, has_child, false, comment); }
    void move(const char* iccs, bool has_child, bool has_sibling = false, const std::string& comment = {}) {
        record(square(iccs), square(iccs + 2), has_child, has_sibling, comment);
    }
    // A comment length field that says more than follows.
    void raw(const std::string& bytes) { bytes_ += bytes; }

    const std::string& bytes() const { return bytes_; }

private:
    void record(int from, int to, bool has_child, bool has_sibling, const std::string& comment) {
        bytes_ += static_cast<char>(from + 24);
        bytes_ += static_cast<char>(to + 32);
        if (version_ == 10) {
            bytes_ += static_cast<char>((has_child ? 0xF0 : 0) | (has_sibling ? 0x0F : 0));
            bytes_ += '\0';
            length(comment.size());
        } else {
            bytes_ += static_cast<char>((has_child ? 0x80 : 0) | (has_sibling ? 0x40 : 0) | (comment.empty() ? 0 : 0x20));
            bytes_ += '\x5A';  // noise
            if (!comment.empty()) length(comment.size() + 767);
        }
        bytes_ += comment;
    }
    void length(std::size_t n) {
        for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>((n >> (8 * i)) & 0xFF);
    }

    std::string bytes_;
    int version_;
};

using Loaded = test::ReadGame;

Loaded read(const std::string& bytes, int flip = 0) {
    return test::read_with([&](GameRecord& g, MoveList& l) { return read_xqf_record(bytes, g, l); }, flip);
}

TEST(XqfReader, ReadsTheHeaderTheMovesAndTheirComments) {
    XqfFile f;
    f.text(0x50, G("中炮对屏风马"));
    f.text(0xD0, G("全国赛"));
    f.text(0x110, "1997");
    f.text(0x120, G("北京"));
    f.text(0x130, G("柳大华"));
    f.text(0x140, G("吕钦"));
    f.byte(0x33, 2);
    f.root(true, G("开局\r\n"));
    f.move("h2e2", true, false, G("中炮\r\n第二行\r\n"));
    f.move("h9g7", false);
    const Loaded l = read(f.bytes());
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    EXPECT_EQ(U(l.game.title), "中炮对屏风马");
    EXPECT_EQ(l.game.notation, "xqf");
    EXPECT_EQ(U(l.game.info.event), "全国赛");
    EXPECT_EQ(l.game.info.date, "1997");
    EXPECT_EQ(U(l.game.info.site), "北京");
    EXPECT_EQ(U(l.game.info.red), "柳大华");
    EXPECT_EQ(U(l.game.info.black), "吕钦");
    EXPECT_EQ(l.game.info.result, "0-1");
    EXPECT_TRUE(l.game.fen_start.empty());
    EXPECT_EQ(l.game.board, kStandardLayout);
    ASSERT_EQ(l.list.row_count(), 2);
    EXPECT_EQ(U(l.list.rows()[0].text), "1.红：炮二平五");
    EXPECT_EQ(U(l.list.rows()[1].text), "黑：马8进7");
    EXPECT_EQ(l.game.moves[0], (MoveRecord{25, 2, 1, 0, 2, 4}));
    EXPECT_EQ(U(l.game.start_comment), "开局");
    EXPECT_EQ(U(l.game.notes_of(0).comment), "中炮\n第二行");
    EXPECT_TRUE(l.game.notes_of(1).empty());
}

TEST(XqfReader, KeepsVariationsAsAlternativesNestedAsTheTreeHasThem) {
    // 1. h2e2 (1. b2e2 h7e7) h9g7 (1... h7e7 2. h0g2 (2. b0c2)) 2. h0g2
    XqfFile f(12);
    f.set_table(kStandardTable, true);
    f.root(true);
    f.move("h2e2", true, true);
    f.move("h9g7", true, true);
    f.move("h0g2", false);
    f.move("h7e7", true, false, G("顺炮"));
    f.move("h0g2", false, true);
    f.move("b0c2", false);
    f.move("b2e2", true);
    f.move("h7e7", false);
    const Loaded l = read(f.bytes());
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    EXPECT_EQ(dump_game(l.game), " h2e2 ( b2e2 h7e7 ) h9g7 ( h7e7 {顺炮} h0g2 ( b0c2 ) ) h0g2");
    EXPECT_EQ(l.game.variation_count(), 3);
    // An alternative's moves read as the rows of the list would; rows with alternatives are marked.
    EXPECT_EQ(U(l.game.notes_of(1).alternatives[0][1].text), "2.红：马二进三");
    const std::vector<bool> marked = {l.list.rows()[0].has_alternatives, l.list.rows()[1].has_alternatives,
                                      l.list.rows()[2].has_alternatives};
    EXPECT_EQ(marked, (std::vector<bool>{true, true, false}));
}

TEST(XqfReader, AMainLineMoveThatCannotBePlayedStopsTheReading) {
    struct Case {
        const char* second;
        StopReason reason;
        const char* written;
    };
    const Case cases[] = {
        {"e5e6", StopReason::NoPieceToMove, "E5-E6"},   // an empty square
        {"b0c2", StopReason::NoPieceToMove, "B0-C2"},   // red again: the piece is not black's
        {"h9h5", StopReason::IllegalMove, "H9-H5"},     // a horse moving like a chariot
        {"j9h7", StopReason::SquareOffBoard, "\?\?-H7"},  // file j: square 99, off the board
    };
    for (const Case& c : cases) {
        XqfFile f;
        f.root(true);
        f.move("h2e2", true);
        f.move(c.second, true);
        f.move("h0g2", false);
        const Loaded l = read(f.bytes());
        ASSERT_TRUE(l.stop) << c.second;
        EXPECT_EQ(l.stop->move, 2);
        EXPECT_EQ(l.stop->reason, c.reason) << c.second;
        EXPECT_EQ(l.stop->written, c.written);
        EXPECT_EQ(l.game.moves.size(), 1u);
        EXPECT_EQ(l.list.row_count(), 1);
    }
}

TEST(XqfReader, AnAlternativeEndsBeforeAMoveThatCannotBePlayed) {
    XqfFile f;
    f.root(true);
    f.move("h2e2", true, true);
    f.move("h9g7", false);
    f.move("b2e2", true);    // 1. b2e2 b9c7 2. h2h8: the cannon cannot pass a piece
    f.move("b9c7", true);
    f.move("h2h8", true);
    f.move("h9g7", false);
    const Loaded l = read(f.bytes());
    EXPECT_FALSE(l.stop);
    EXPECT_EQ(dump_game(l.game), " h2e2 ( b2e2 b9c7 ) h9g7");
}

TEST(XqfReader, DataThatEndsOrLiesInsideAMoveStopsThere) {
    auto with_second_move = [](const std::string& tail) {
        XqfFile f;
        f.root(true);
        f.move("h2e2", true);
        f.raw(tail);
        return read(f.bytes());
    };
    // The record of move 2 cut short; its comment longer than the file; a negative length.
    const std::string cut = std::string("\x67\x63\xF0", 3);
    const std::string too_long = std::string("\x67\x63\x00\x00\xFF\x00\x00\x00", 8) + "abc";
    const std::string negative = std::string("\x67\x63\x00\x00\xFE\xFF\xFF\xFF", 8);
    for (const std::string& tail : {cut, too_long, negative}) {
        const Loaded l = with_second_move(tail);
        ASSERT_TRUE(l.stop);
        EXPECT_EQ(l.stop->move, 2);
        EXPECT_EQ(l.stop->reason, StopReason::RecordBreaksOff);
        EXPECT_EQ(l.game.moves.size(), 1u);
    }
    // The same move whole is read.
    EXPECT_FALSE(with_second_move(std::string("\x67\x63\x00\x00\x03\x00\x00\x00", 8) + "abc").stop);
}

TEST(XqfReader, AHeaderWithoutMovesIsAPositionAndAShorterFileAStop) {
    XqfFile f;
    const Loaded header_only = read(f.bytes());
    EXPECT_FALSE(header_only.stop);
    EXPECT_TRUE(header_only.game.moves.empty());
    f.root(false, G("残局"));
    EXPECT_EQ(U(read(f.bytes()).game.start_comment), "残局");

    const Loaded short_file = read(f.bytes().substr(0, 600));
    ASSERT_TRUE(short_file.stop);
    EXPECT_EQ(short_file.stop->reason, StopReason::RecordBreaksOff);
    EXPECT_EQ(short_file.game.board, kStandardLayout);
}

TEST(XqfReader, StartsFromThePieceTableWithPiecesOffTheBoardLeftOut) {
    // A handicap: red without both horses; off the board is any value from 90 up.
    int table[32];
    std::copy(std::begin(kStandardTable), std::end(kStandardTable), table);
    table[1] = 0xFF;
    table[7] = 97;
    XqfFile f;
    f.set_table(table);
    f.root(true);
    f.move("h2e2", false);
    const Loaded l = read(f.bytes(), 1);
    ASSERT_FALSE(l.stop);
    EXPECT_EQ(l.game.fen_start, "rnbakabnr/9/1c5c1/p1p1p1p1p/9/9/P1P1P1P1P/1C5C1/9/R1BAKAB1R");
    EXPECT_EQ(l.game.first_to_move, Side::Red);
    // Shown turned, as the flip state asks.
    EXPECT_EQ(l.game.board, rotated(l.game.reference));
}

TEST(XqfReader, AGameWhoseFirstMoveIsBlacksStartsWithBlack) {
    // Kings and one black chariot: black plays first.
    int table[32];
    std::fill(std::begin(table), std::end(table), 0xFF);
    table[4] = square("e0");
    table[20] = square("d9");
    table[16] = square("a9");
    XqfFile f;
    f.set_table(table);
    f.root(true);
    f.move("a9a1", true);
    f.move("e0f0", false);
    const Loaded l = read(f.bytes());
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    EXPECT_EQ(l.game.first_to_move, Side::Black);
    EXPECT_EQ(U(l.list.rows()[0].text), "黑：车1进8");
    EXPECT_EQ(U(l.list.rows()[1].text), "1.红：帅五平四");
}

TEST(XqfReader, VersionElevenTurnsThePieceTableOnlyWhenThatGivesASoundStart) {
    for (const bool turned : {false, true}) {
        XqfFile f(11);
        f.set_table(kStandardTable, turned);
        f.root(true);
        f.move("h0g2", false);  // a horse's move, which the other reading gives to a chariot
        const Loaded l = read(f.bytes());
        EXPECT_FALSE(l.stop) << turned;
        EXPECT_TRUE(l.game.fen_start.empty()) << turned << " " << l.game.fen_start;
    }
    // From version 12 the table is always turned: the plain one is no standard start.
    XqfFile plain(12);
    plain.root(false);
    EXPECT_FALSE(read(plain.bytes()).game.fen_start.empty());
}

TEST(XqfReader, ATitleMaySpillPastItsFieldUpTo127Bytes) {
    XqfFile f;
    f.text(0x50, std::string(120, 'T'));
    f.text(0xD0, G("赛事"));
    EXPECT_EQ(read(f.bytes()).game.title, std::string(120, 'T'));
    f.text(0x50, std::string(130, 'T'));
    EXPECT_EQ(read(f.bytes()).game.title, std::string(127, 'T'));
}

}  // namespace
}  // namespace kelvara
