#pragma once
// Numerals and words shared by the notation writer and reader: red writes files and
// counts as Chinese numerals, black as digits; each side counts files from its own right.

#include <string_view>

#include "platform/gbk_literal.h"

namespace kelvara::notation {

// Index n holds the numeral of n; index 0 is unused.
inline constexpr std::string_view kRedNumerals[10] = {
    "", "一"_gbk, "二"_gbk, "三"_gbk, "四"_gbk, "五"_gbk, "六"_gbk, "七"_gbk, "八"_gbk, "九"_gbk,
};

inline constexpr std::string_view kRedSidePrefix = "红："_gbk;
inline constexpr std::string_view kBlackSidePrefix = "黑："_gbk;

inline constexpr std::string_view kFront = "前"_gbk;
inline constexpr std::string_view kMiddle = "中"_gbk;
inline constexpr std::string_view kRear = "后"_gbk;

inline constexpr std::string_view kForward = "进"_gbk;
inline constexpr std::string_view kSideways = "平"_gbk;
inline constexpr std::string_view kBack = "退"_gbk;

inline constexpr std::string_view kRedAdvisor = "仕"_gbk;
inline constexpr std::string_view kRedElephant = "相"_gbk;
inline constexpr std::string_view kBlackAdvisor = "士"_gbk;
inline constexpr std::string_view kBlackElephant = "象"_gbk;
inline constexpr std::string_view kHorse = "马"_gbk;
inline constexpr std::string_view kRedPawn = "兵"_gbk;
inline constexpr std::string_view kBlackPawn = "卒"_gbk;

// Red file n is column n - 1, black file n is column 9 - n.
constexpr int column_of_file(bool red, int file) { return red ? file - 1 : 9 - file; }

// Red moves towards higher rows, black towards lower ones.
constexpr int forward_sense(bool red) { return red ? 1 : -1; }

}  // namespace kelvara::notation
