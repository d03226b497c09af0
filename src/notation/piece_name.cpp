#include "notation/piece_name.h"

#include "platform/gbk_literal.h"

namespace kelvara {

namespace {
// Indexed by code; red codes 16-31 follow black codes 0-15.
constexpr std::string_view kNames[32] = {
    "将"_gbk, "士"_gbk, "士"_gbk, "象"_gbk, "象"_gbk, "马"_gbk, "马"_gbk, "车"_gbk,
    "车"_gbk, "炮"_gbk, "炮"_gbk, "卒"_gbk, "卒"_gbk, "卒"_gbk, "卒"_gbk, "卒"_gbk,
    "帅"_gbk, "仕"_gbk, "仕"_gbk, "相"_gbk, "相"_gbk, "马"_gbk, "马"_gbk, "车"_gbk,
    "车"_gbk, "炮"_gbk, "炮"_gbk, "兵"_gbk, "兵"_gbk, "兵"_gbk, "兵"_gbk, "兵"_gbk,
};
}  // namespace

std::string_view piece_name(int code) { return code >= 0 && code < 32 ? kNames[code] : std::string_view{}; }

}  // namespace kelvara
