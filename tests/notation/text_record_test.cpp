#include "notation/text_record.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace kelvara {
namespace {

using test::G;
using test::U;

std::vector<MoveRow> rows(std::initializer_list<const char*> texts) {
    std::vector<MoveRow> out;
    for (const char* t : texts) out.push_back({G(t), kRedRow});
    return out;
}

TEST(TextRecord, PairsRowsIntoLinesAndDropsTheSidePrefixes) {
    EXPECT_EQ(U(text_record(rows({"1.红：炮二平五", "黑：马8进7", "2.红：马二进三"}))),
              "1. 炮二平五 马8进7\r\n2. 马二进三");
    EXPECT_EQ(U(text_record(rows({"1.红：炮二平五", "黑：马８进７"}))), "1. 炮二平五 马８进７");
    EXPECT_EQ(text_record({}), "");
}

TEST(TextRecord, BlackFirstPairsByPosition) {
    EXPECT_EQ(U(text_record(rows({"黑：马８进７", "1.红：炮二平五", "黑：炮８平５"}))),
              " 马８进７1. 炮二平五\r\n 炮８平５");
}

TEST(TextRecord, ReplacesWholeCharactersOnly) {
    // 筑 is D6 FE and 红 is BA EC: "\xFE\xBA\xEC" would look like a match across them.
    std::vector<MoveRow> r{{G("筑") + "\xBA\xEC\xA3\xBA", kRedRow}};
    EXPECT_EQ(text_record(r), G("筑") + " ");
}

}  // namespace
}  // namespace kelvara
