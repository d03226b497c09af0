// The committed assets are what the generator draws today, byte for byte: it is
// deterministic, and nobody changed it without redrawing assets/.

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "platform/font.h"
#include "support/test_support.h"

namespace kelvara {
namespace {

#ifdef KELVARA_ASSET_GENERATOR

std::set<std::string> asset_files(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto ext = entry.path().extension();
        if (ext == ".png" || ext == ".gif" || ext == ".wav" || ext == ".mid")
            names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(AssetGenerator, RedrawsTheCommittedAssetsExactly) {
    if (!Font::find_song()) GTEST_SKIP() << "AR PL UMing is not installed: the generator cannot draw";
    test::TempDir out;
    const std::string command = std::string("\"") + KELVARA_ASSET_GENERATOR + "\" \"" + out.path().string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::filesystem::path committed = KELVARA_ASSETS_DIR;
    const auto drawn = asset_files(out.path());
    EXPECT_EQ(drawn, asset_files(committed)) << "assets/ holds other files than the generator makes";
    EXPECT_EQ(drawn.size(), 235u);  // 77 pictures at three scales, the palette, two sounds, the tune
    for (const auto& name : drawn)
        EXPECT_EQ(test::read_file(out.path() / name), test::read_file(committed / name))
            << name << " differs from the committed file: run the regenerate-assets target and commit assets/";
}

// The icons installed into the desktop's theme are the generator's too.
TEST(AssetGenerator, RedrawsTheCommittedThemeIconsExactly) {
    if (!Font::find_song()) GTEST_SKIP() << "AR PL UMing is not installed: the generator cannot draw";
    test::TempDir out;
    const std::string command =
        std::string("\"") + KELVARA_ASSET_GENERATOR + "\" --icons \"" + out.path().string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::filesystem::path committed = KELVARA_ICONS_DIR;
    int icons = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(out.path())) {
        if (!entry.is_regular_file()) continue;
        ++icons;
        const auto relative = std::filesystem::relative(entry.path(), out.path());
        EXPECT_EQ(test::read_file(entry.path()), test::read_file(committed / relative))
            << relative << " differs from the committed file: run the regenerate-assets target and commit data/icons/";
    }
    EXPECT_EQ(icons, 15);  // the application's and the records' at seven sizes, and the SVG one
}

#else

TEST(AssetGenerator, RedrawsTheCommittedAssetsExactly) { GTEST_SKIP() << "built without the developer tools"; }

#endif

}  // namespace
}  // namespace kelvara
