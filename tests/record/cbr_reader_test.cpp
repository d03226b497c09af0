#include "record/cbr_reader.h"

#include <gtest/gtest.h>

#include "game_dump.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

using test::dump_game;
using test::U;

std::string utf16(const std::u16string& s) {
    std::string out;
    for (const char16_t c : s) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

std::string u32(std::uint32_t v) {
    std::string out;
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

// The square index of a CBR board: rows from black's back rank, files from red's left.
int square(const char* iccs) { return (9 - (iccs[1] - '0')) * 9 + (iccs[0] - 'a'); }

// A CCBridge record (format version 2) with the standard start, written for the tests.
class CbrFile {
public:
    CbrFile() : bytes_(2214, '\0') {
        bytes_.replace(0, 16, std::string("CCBridge Record\0", 16));
        bytes_[19] = 2;
        bytes_[2112] = 1;
        // Black's back rank first, each rank from file a: codes 0x11-0x17 red, 0x21-0x27 black.
        fill_row(0, "\x21\x22\x23\x24\x25\x24\x23\x22\x21");
        fill_row(2, "\0\x26\0\0\0\0\0\x26\0");
        fill_row(3, "\x27\0\x27\0\x27\0\x27\0\x27");
        fill_row(6, "\x17\0\x17\0\x17\0\x17\0\x17");
        fill_row(7, "\0\x16\0\0\0\0\0\x16\0");
        fill_row(9, "\x11\x12\x13\x14\x15\x14\x13\x12\x11");
    }
    void text(std::size_t offset, const std::u16string& s) { bytes_.replace(offset, 2 * s.size(), utf16(s)); }
    void byte(std::size_t offset, int v) { bytes_[offset] = static_cast<char>(v); }
    void clear_board() { std::fill(bytes_.begin() + 2120, bytes_.begin() + 2210, '\0'); }
    void piece(const char* at, int code) { bytes_[2120 + static_cast<std::size_t>(square(at))] = static_cast<char>(code); }

    // flags: 0x01 no child, 0x02 sibling follows, 0x04 comment.
    void root(int flags, const std::u16string& comment = {}) { entry(flags, 0, 0, comment); }
    void move(const char* iccs, int flags, const std::u16string& comment = {}) {
        entry(flags, square(iccs), square(iccs + 2), comment);
    }
    void raw(const std::string& b) { bytes_ += b; }
    const std::string& bytes() const { return bytes_; }

private:
    void fill_row(int row, const char* codes) {
        for (int c = 0; c < 9; ++c) bytes_[2120 + static_cast<std::size_t>(row * 9 + c)] = codes[c];
    }
    void entry(int flags, int from, int to, const std::u16string& comment) {
        if (!comment.empty()) flags |= 0x04;
        bytes_ += static_cast<char>(flags);
        bytes_ += '\0';
        bytes_ += static_cast<char>(from);
        bytes_ += static_cast<char>(to);
        if (!comment.empty()) bytes_ += u32(static_cast<std::uint32_t>(2 * comment.size())) + utf16(comment);
    }
    std::string bytes_;
};

struct Loaded {
    GameRecord game;
    MoveList list;
    std::optional<ReadStop> stop;
};

Loaded read(const std::string& bytes) {
    Loaded l;
    l.stop = read_cbr_record(bytes, l.game, l.list);
    return l;
}

TEST(CbrReader, ReadsTheFactsTheTreeAndTheComments) {
    CbrFile f;
    f.text(180, u"第一轮");
    f.text(180 + 6, u"\0垃圾");  // what follows the terminator is not text
    f.text(692, u"全国赛");
    f.text(1076, u"胡荣华");
    f.text(1300, u"杨官璘");
    f.byte(2076, 3);
    f.root(0x00, u"开局\r\n");
    f.move("h2e2", 0x02, u"中炮");  // has a sibling after its subtree
    f.move("h9g7", 0x01);
    f.move("b2e2", 0x01);
    const Loaded l = read(f.bytes());
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    EXPECT_EQ(U(l.game.title), "第一轮");
    EXPECT_EQ(U(l.game.info.event), "全国赛");
    EXPECT_EQ(U(l.game.info.red), "胡荣华");
    EXPECT_EQ(U(l.game.info.black), "杨官璘");
    EXPECT_EQ(l.game.info.result, "1/2-1/2");
    EXPECT_TRUE(l.game.fen_start.empty());
    EXPECT_EQ(dump_game(l.game), "{开局} h2e2 {中炮} ( b2e2 ) h9g7");
    EXPECT_EQ(U(l.list.rows()[1].text), "黑：马8进7");
}

TEST(CbrReader, ARootWithoutMovesIsAPosition) {
    CbrFile f;
    f.clear_board();
    f.piece("e0", 0x15);
    f.piece("e9", 0x25);
    f.piece("a3", 0x11);
    f.root(0x01, u"摆局");
    const Loaded l = read(f.bytes());
    EXPECT_FALSE(l.stop);
    EXPECT_TRUE(l.game.moves.empty());
    EXPECT_EQ(l.game.fen_start, "4k4/9/9/9/9/9/R8/9/9/4K4");
    EXPECT_EQ(U(l.game.start_comment), "摆局");
}

TEST(CbrReader, ACommentLongerThanTheRecordStopsAtItsMove) {
    CbrFile f;
    f.root(0x00);
    f.move("h2e2", 0x00);
    f.raw(std::string("\x05\x00", 2) + static_cast<char>(square("h9")) + static_cast<char>(square("g7")) +
          u32(1000) + "ab");
    const Loaded l = read(f.bytes());
    ASSERT_TRUE(l.stop);
    EXPECT_EQ(l.stop->move, 2);
    EXPECT_EQ(l.stop->reason, StopReason::RecordBreaksOff);
    EXPECT_EQ(l.game.moves.size(), 1u);
    // A record too short to hold its board is no game at all.
    EXPECT_TRUE(read(f.bytes().substr(0, 2200)).stop);
}

TEST(CbrReader, BlackMayMoveFirst) {
    CbrFile f;
    f.clear_board();
    f.piece("e0", 0x15);
    f.piece("d9", 0x25);
    f.piece("a9", 0x21);
    f.byte(2112, 2);
    f.root(0x00);
    f.move("a9a1", 0x01);
    const Loaded l = read(f.bytes());
    ASSERT_FALSE(l.stop) << U(describe(*l.stop));
    EXPECT_EQ(l.game.first_to_move, Side::Black);
    EXPECT_EQ(U(l.list.rows()[0].text), "黑：车1进8");
}

// A library of three slots: a game, a heading without moves, and a deleted copy; the
// index names the game's record by its GUID although it lies in the last slot.
TEST(CblReader, OffersTheLiveGamesWithMovesFoundByTheirGuid) {
    constexpr std::uint32_t kCapacity = 3;
    std::string library(66624 + 276 * kCapacity, '\0');
    library.replace(0, 16, std::string("CCBridgeLibrary\0", 16));
    library.replace(60, 4, u32(kCapacity));
    auto record = [](const std::u16string& title, bool with_move, char guid) {
        CbrFile f;
        f.text(180, title);
        std::string b = f.bytes();
        b[20] = guid;
        b += with_move ? std::string("\x00\x00\x00\x00", 4) + "\x01" + std::string(1, '\0') +
                             static_cast<char>(square("h2")) + static_cast<char>(square("e2"))
                       : std::string("\x01\x00\x00\x00", 4);
        b.resize(4096, '\0');
        return b;
    };
    auto entry = [&](std::size_t k, std::uint32_t flags, std::uint32_t order, const std::u16string& guid) {
        const std::size_t at = 66624 + k * 276;
        library.replace(at, 4, u32(flags));
        library.replace(at + 4, 4, u32(order));
        library.replace(at + 20, 2 * guid.size(), utf16(guid));
    };
    entry(0, 7, 0, u"{00000003-0000-0000-0000-000000000000}");  // the game, in slot 2
    entry(1, 7, 1, u"{00000002-0000-0000-0000-000000000000}");  // the heading
    entry(2, 5, 2, u"{00000001-0000-0000-0000-000000000000}");  // deleted
    library += record(u"删除的", true, 1) + record(u"标题", false, 2) + record(u"对局", true, 3);

    const auto games = list_cbl_games(library);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(U(games[0].title), "对局");
    EXPECT_EQ(games[0].plies, 1);
    GameRecord game;
    MoveList list;
    EXPECT_FALSE(read_cbl_game(library, 0, game, list));
    EXPECT_EQ(U(game.title), "对局");
    EXPECT_TRUE(read_cbl_game(library, 1, game, list));
}

}  // namespace
}  // namespace kelvara
