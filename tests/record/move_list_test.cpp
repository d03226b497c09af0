#include "record/move_list.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

TEST(MoveList, SelectionRules) {
    MoveList list;
    int events = 0;
    list.on_selection_changed([&] { ++events; });
    list.select(0);  // no rows: past the last row
    EXPECT_EQ(list.selection(), -1);
    for (int i = 0; i < 3; ++i) list.append("m", i % 2 ? kGreyRow : kRedRow);
    list.select(2);
    EXPECT_EQ(list.selection(), 2);
    EXPECT_EQ(events, 1);
    list.select(3);  // past the last row: nothing
    EXPECT_EQ(list.selection(), 2);
    list.select(2);  // the same row again: no event
    EXPECT_EQ(events, 1);
    list.select(-5);  // clearing raises no event
    EXPECT_EQ(list.selection(), -1);
    EXPECT_EQ(events, 1);
    list.select(0);
    EXPECT_EQ(events, 2);
    list.clear();
    EXPECT_EQ(list.selection(), -1);
    EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace kelvara
