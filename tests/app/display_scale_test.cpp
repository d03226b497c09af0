// The display size scales the program through Qt's scale factor, on top of the user's own.

#include <gtest/gtest.h>

#include <fstream>

#include "app/display_scale.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

TEST(DisplayScale, MultipliesTheUsersOwnFactor) {
    EXPECT_DOUBLE_EQ(scale_factor("", 100), 1.0);
    EXPECT_DOUBLE_EQ(scale_factor("", 150), 1.5);
    EXPECT_DOUBLE_EQ(scale_factor("2", 200), 4.0);
    EXPECT_DOUBLE_EQ(scale_factor("1.25", 150), 1.875);
    // A factor that is no positive number counts as 1, a size not offered as 100 %.
    EXPECT_DOUBLE_EQ(scale_factor("abc", 150), 1.5);
    EXPECT_DOUBLE_EQ(scale_factor("-2", 200), 2.0);
    EXPECT_DOUBLE_EQ(scale_factor("0", 100), 1.0);
    EXPECT_DOUBLE_EQ(scale_factor("2", 175), 2.0);
}

TEST(DisplayScale, SetsTheFactorForQtAndGivesTheUsersBack) {
    const QByteArray saved = qgetenv("QT_SCALE_FACTOR");
    const bool was_set = qEnvironmentVariableIsSet("QT_SCALE_FACTOR");
    test::TempDir dir;
    const auto settings = dir.path() / "rcanim.ini";
    std::ofstream(settings, std::ios::binary) << test::G("[设置]\r\n显示大小=200\r\n");

    qunsetenv("QT_SCALE_FACTOR");
    {
        const DisplayScale scale(settings);
        EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "2");
        scale.restore_environment();
        EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
    }
    qputenv("QT_SCALE_FACTOR", "1.5");
    {
        const DisplayScale scale(settings);
        EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "3");
        scale.restore_environment();
        EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.5");
    }
    // 100 % leaves Qt's own scaling alone.
    const DisplayScale plain(dir.path() / "missing.ini");
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.5");

    if (was_set)
        qputenv("QT_SCALE_FACTOR", saved);
    else
        qunsetenv("QT_SCALE_FACTOR");
}

}  // namespace
}  // namespace kelvara
