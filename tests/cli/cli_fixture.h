#pragma once
// Small records written into a fresh folder for kelvara-cli, and the shape of the JSON
// that `moves --json` prints.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli_runner.h"
#include "json_value.h"
#include "support/test_support.h"

namespace kelvara::test {

class CliTest : public ::testing::Test {
protected:
    // Writes the bytes to a file of that name (UTF-8 on disk) and returns its path.
    std::string write(const std::string& name, const std::string& bytes) {
        const auto path = dir_.path() / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    const TempDir& dir() const { return dir_; }

private:
    TempDir dir_;
};

inline bool is_square(const Json* v) {
    return v && v->kind == Json::Kind::Array && v->items.size() == 2 && v->items[0].is_integer() &&
           v->items[1].is_integer() && v->items[0].number >= 0 && v->items[0].number <= 9 &&
           v->items[1].number >= 0 && v->items[1].number <= 8;
}

// A move: exactly piece (0-31), from and to (squares on the board), text, comment and
// alternatives (lines of moves of the same form).
inline ::testing::AssertionResult has_move_shape(const Json& m) {
    using K = Json::Kind;
    const Json* piece = m.find("piece");
    if (m.keys() != std::vector<std::string>{"piece", "from", "to", "text", "comment", "alternatives"} ||
        !piece->is_integer() || piece->number < 0 || piece->number > 31 || !is_square(m.find("from")) ||
        !is_square(m.find("to")) || m.find("text")->kind != K::String || m.find("text")->text.empty() ||
        m.find("comment")->kind != K::String || m.find("alternatives")->kind != K::Array)
        return ::testing::AssertionFailure() << "malformed move";
    for (const Json& line : m.find("alternatives")->items) {
        if (line.kind != K::Array || line.items.empty()) return ::testing::AssertionFailure() << "malformed line";
        for (const Json& alternative : line.items)
            if (auto r = has_move_shape(alternative); !r) return r;
    }
    return ::testing::AssertionSuccess();
}

// The object has exactly the game's facts, moves and stopped; every move the move shape;
// stopped is null or {move, reason} with move the number after the last move printed.
inline ::testing::AssertionResult has_moves_shape(const Json& v) {
    using K = Json::Kind;
    const std::vector<std::string> keys = {"title", "fen",     "notation",   "event", "red",    "black",
                                           "result", "comment", "variations", "moves", "stopped"};
    if (v.keys() != keys) return ::testing::AssertionFailure() << "wrong members";
    for (const char* text : {"title", "fen", "notation", "event", "red", "black", "result", "comment"})
        if (v.find(text)->kind != K::String) return ::testing::AssertionFailure() << text << " must be a string";
    if (!v.find("variations")->is_integer()) return ::testing::AssertionFailure() << "variations must be a number";
    const Json& moves = *v.find("moves");
    if (moves.kind != K::Array) return ::testing::AssertionFailure() << "moves must be an array";
    for (std::size_t i = 0; i < moves.items.size(); ++i)
        if (auto r = has_move_shape(moves.items[i]); !r) return r << " (move " << i + 1 << ")";
    const Json& stopped = *v.find("stopped");
    if (stopped.kind == K::Null) return ::testing::AssertionSuccess();
    if (stopped.keys() != std::vector<std::string>{"move", "reason"} || !stopped.find("move")->is_integer() ||
        stopped.find("reason")->kind != K::String || stopped.find("reason")->text.empty())
        return ::testing::AssertionFailure() << "stopped must be null or {move, reason}";
    if (stopped.find("move")->number != static_cast<double>(moves.items.size() + 1))
        return ::testing::AssertionFailure() << "the stop is not the move after the last one printed";
    return ::testing::AssertionSuccess();
}

}  // namespace kelvara::test
