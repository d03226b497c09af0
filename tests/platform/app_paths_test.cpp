#include "platform/app_paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "support/test_support.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;

const fs::path kOutput = "棋谱动画";

// Points HOME and XDG_CONFIG_HOME into a fresh folder and puts them back afterwards.
class AppPaths : public ::testing::Test {
protected:
    void SetUp() override {
        save("HOME", home_);
        save("XDG_CONFIG_HOME", xdg_);
        home = root.path() / "home";
        fs::create_directories(home);
        ::setenv("HOME", home.c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override {
        restore("HOME", home_);
        restore("XDG_CONFIG_HOME", xdg_);
    }

    test::TempDir root;
    fs::path home;

private:
    static void save(const char* name, std::optional<std::string>& slot) {
        if (const char* v = std::getenv(name)) slot = v;
    }
    static void restore(const char* name, const std::optional<std::string>& slot) {
        if (slot)
            ::setenv(name, slot->c_str(), 1);
        else
            ::unsetenv(name);
    }
    std::optional<std::string> home_, xdg_;
};

TEST_F(AppPaths, WritableExecutableFolderKeepsEverythingBesideIt) {
    const auto exe = root.path() / "portable";
    fs::create_directories(exe);
    EXPECT_EQ(settings_file_path(exe), exe / "rcanim.ini");
    EXPECT_EQ(output_folder(exe), exe / kOutput);
}

TEST_F(AppPaths, TheInstalledProgramsFolderIsNeverAPortableCopy) {
    // Root may write to /usr/bin, but a package's programs keep the user's files in the
    // user's folders, not among the system's programs.
    const fs::path installed = installed_bin_dir();
    ASSERT_FALSE(installed.empty());
    ASSERT_TRUE(installed.is_absolute());
    if (!fs::is_directory(installed)) GTEST_SKIP() << installed << " does not exist here";
    EXPECT_EQ(settings_file_path(installed), home / ".config" / "kelvara" / "rcanim.ini");
    EXPECT_EQ(output_folder(installed), home / kOutput);
    // The same folder spelt another way is still that folder.
    EXPECT_EQ(settings_file_path(installed / "."), home / ".config" / "kelvara" / "rcanim.ini");
}

TEST_F(AppPaths, AnInstallUnderAnyPrefixIsNoPortableCopy) {
    // cmake --install --prefix ~/.local: a writable bin folder with the desktop entry beside it.
    const auto prefix = home / ".local";
    fs::create_directories(prefix / "bin");
    EXPECT_EQ(settings_file_path(prefix / "bin"), prefix / "bin" / "rcanim.ini");  // not installed yet
    fs::create_directories(prefix / "share" / "applications");
    std::ofstream(prefix / "share" / "applications" / "kelvara.desktop") << "[Desktop Entry]\n";
    EXPECT_EQ(settings_file_path(prefix / "bin"), home / ".config" / "kelvara" / "rcanim.ini");
    EXPECT_EQ(output_folder(prefix / "bin"), home / kOutput);
}

TEST_F(AppPaths, UnwritableExecutableFolderUsesTheUsersFolders) {
    // A folder that does not exist stands for one we may not write: permission bits do
    // not stop root, who runs the tests on CI.
    const auto exe = root.path() / "no-such-install";
    EXPECT_EQ(settings_file_path(exe), home / ".config" / "kelvara" / "rcanim.ini");
    EXPECT_EQ(output_folder(exe), home / kOutput);
    EXPECT_EQ(output_folder(fs::path{}), home / kOutput);

    fs::create_directories(home / "Pictures");
    EXPECT_EQ(output_folder(exe), home / "Pictures" / kOutput);

    const auto config = root.path() / "cfg";
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    EXPECT_EQ(settings_file_path(exe), config / "kelvara" / "rcanim.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);  // invalid, ignored
    EXPECT_EQ(settings_file_path(exe), home / ".config" / "kelvara" / "rcanim.ini");
}

TEST_F(AppPaths, PicturesFolderFromUserDirs) {
    const auto exe = root.path() / "no-such-install";
    fs::create_directories(home / ".config");
    fs::create_directories(home / "Bilder");
    fs::create_directories(home / "Pictures");
    std::ofstream(home / ".config" / "user-dirs.dirs") << "# comment\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    EXPECT_EQ(output_folder(exe), home / "Bilder" / kOutput);

    // A pictures folder that is named but missing falls back to ~/Pictures.
    std::ofstream(home / ".config" / "user-dirs.dirs") << "XDG_PICTURES_DIR=\"/nowhere/at/all\"\n";
    EXPECT_EQ(output_folder(exe), home / "Pictures" / kOutput);
}

TEST_F(AppPaths, WritableOutputFolderInAReadOnlyInstall) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes to any folder: a read-only install cannot be made";
    const auto exe = root.path() / "install";
    fs::create_directories(exe / kOutput);
    fs::permissions(exe, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(output_folder(exe), exe / kOutput);
    EXPECT_EQ(settings_file_path(exe), home / ".config" / "kelvara" / "rcanim.ini");
    fs::permissions(exe / kOutput, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(output_folder(exe), home / kOutput);
    fs::permissions(exe, fs::perms::owner_all);
}

TEST(ExecutableDir, IsTheFolderOfTheRunningTest) {
    const auto dir = executable_dir();
    ASSERT_FALSE(dir.empty());
    EXPECT_TRUE(fs::exists(dir / "platform_tests"));
}

}  // namespace
}  // namespace kelvara
