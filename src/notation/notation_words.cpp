#include "notation/notation_words.h"

#include "platform/gbk_literal.h"

namespace kelvara::notation {

namespace {

using Role = WordMeaning::Role;

// Index by PieceKind; [script] simplified, traditional.
struct PieceWords {
    PieceKind kind;
    std::string_view red[2];
    std::string_view black[2];
};
constexpr PieceWords kPieceWords[kPieceKinds] = {
    {PieceKind::King, {"帅"_gbk, "帥"_gbk}, {"将"_gbk, "將"_gbk}},
    {PieceKind::Advisor, {"仕"_gbk, "仕"_gbk}, {"士"_gbk, "士"_gbk}},
    {PieceKind::Elephant, {"相"_gbk, "相"_gbk}, {"象"_gbk, "象"_gbk}},
    {PieceKind::Horse, {"马"_gbk, "馬"_gbk}, {"马"_gbk, "馬"_gbk}},
    {PieceKind::Chariot, {"车"_gbk, "車"_gbk}, {"车"_gbk, "車"_gbk}},
    {PieceKind::Cannon, {"炮"_gbk, "炮"_gbk}, {"炮"_gbk, "炮"_gbk}},
    {PieceKind::Soldier, {"兵"_gbk, "兵"_gbk}, {"卒"_gbk, "卒"_gbk}},
};

// Names that no writer here writes but records do: red's own chariot and horse, the
// cannon written with the stone or the wrap radical, a rarer chariot.
struct VariantWord {
    std::string_view word;
    PieceKind kind;
};
constexpr VariantWord kPieceVariants[] = {
    {"俥"_gbk, PieceKind::Chariot}, {"硨"_gbk, PieceKind::Chariot}, {"傌"_gbk, PieceKind::Horse},
    {"砲"_gbk, PieceKind::Cannon},  {"包"_gbk, PieceKind::Cannon},
};

constexpr std::string_view kChineseNumerals[10] = {
    "", "一"_gbk, "二"_gbk, "三"_gbk, "四"_gbk, "五"_gbk, "六"_gbk, "七"_gbk, "八"_gbk, "九"_gbk,
};

// [direction][script]; the first words are the ones written.
constexpr std::string_view kDirectionWords[3][2] = {
    {"进"_gbk, "進"_gbk},
    {"平"_gbk, "平"_gbk},
    {"退"_gbk, "退"_gbk},
};
struct OldDirection {
    std::string_view word;
    Direction direction;
};
constexpr OldDirection kOldDirections[] = {{"上"_gbk, Direction::Forward}, {"下"_gbk, Direction::Back}};

constexpr std::string_view kPlaceWords[3][2] = {
    {"前"_gbk, "前"_gbk},
    {"中"_gbk, "中"_gbk},
    {"后"_gbk, "後"_gbk},
};

int index_of(PieceKind kind) { return static_cast<int>(kind); }
int index_of(Script script) { return script == Script::Simplified ? 0 : 1; }

}  // namespace

WordMeaning meaning_of(std::string_view character) {
    WordMeaning m;
    // Digits, ASCII or full width (A3B0-A3B9), are the only single characters that count.
    const auto b0 = character.empty() ? 0 : static_cast<unsigned char>(character[0]);
    if (character.size() == 1 || (character.size() == 2 && b0 == 0xA3)) {
        const auto digit = character.size() == 1 ? b0 : static_cast<unsigned char>(character[1]) - 0x80;
        if (digit >= '0' && digit <= '9') {
            m.role = Role::Number;
            m.number = digit - '0';
        }
        return m;
    }
    for (const PieceWords& p : kPieceWords)
        for (int s = 0; s < 2; ++s)
            if (character == p.red[s] || character == p.black[s]) {
                m.role = Role::Piece;
                m.piece = p.kind;
                return m;
            }
    for (const VariantWord& v : kPieceVariants)
        if (character == v.word) {
            m.role = Role::Piece;
            m.piece = v.kind;
            return m;
        }
    for (int n = 1; n <= 9; ++n)
        if (character == kChineseNumerals[n]) {
            m.role = Role::Number;
            m.number = n;
            m.chinese_numeral = true;
            return m;
        }
    for (int d = 0; d < 3; ++d)
        for (const std::string_view word : kDirectionWords[d])
            if (character == word) {
                m.role = Role::Direction;
                m.direction = static_cast<Direction>(d);
                return m;
            }
    for (const OldDirection& o : kOldDirections)
        if (character == o.word) {
            m.role = Role::Direction;
            m.direction = o.direction;
            return m;
        }
    for (int p = 0; p < 3; ++p)
        for (const std::string_view word : kPlaceWords[p])
            if (character == word) {
                m.role = Role::Place;
                m.place = static_cast<Place>(p);
                return m;
            }
    return m;
}

std::string_view piece_word(Side side, PieceKind kind, Script script) {
    if (kind == PieceKind::None) return {};
    const PieceWords& p = kPieceWords[index_of(kind)];
    return side == Side::Red ? p.red[index_of(script)] : p.black[index_of(script)];
}

std::string_view piece_name(int code) {
    const auto side = side_of(code);
    return side ? piece_word(*side, piece_kind(code)) : std::string_view{};
}

std::string_view chinese_numeral(int n) { return n >= 1 && n <= 9 ? kChineseNumerals[n] : std::string_view{}; }

std::string_view direction_word(Direction direction, Script script) {
    return kDirectionWords[static_cast<int>(direction)][index_of(script)];
}

std::string_view place_word(Place place, Script script) {
    return kPlaceWords[static_cast<int>(place)][index_of(script)];
}

std::string_view side_prefix(Side side) { return side == Side::Red ? "红："_gbk : "黑："_gbk; }

}  // namespace kelvara::notation
