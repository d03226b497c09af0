#include "platform/app_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace kelvara {

namespace {

// File names on disk are UTF-8, so these are plain UTF-8 literals, not GBK text.
constexpr const char* kSettingsFileName = "rcanim.ini";
constexpr const char* kOutputFolderName = "棋谱动画";
constexpr const char* kAppFolderName = "kelvara";
constexpr const char* kDesktopEntryName = "kelvara.desktop";

bool is_writable_dir(const std::filesystem::path& dir) {
    std::error_code ec;
    return !dir.empty() && std::filesystem::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

// A portable copy keeps its files beside itself; an installed program never does, even
// where its folder is writable (root running /usr/bin/kelvara, an install into ~/.local).
// Installed is the build's own bin folder, or any bin folder with the desktop entry
// installed beside it.
bool is_installed_dir(const std::filesystem::path& exe_dir) {
    std::error_code ec;
    const auto installed = std::filesystem::path(installed_bin_dir());
    if (!installed.empty() && std::filesystem::equivalent(exe_dir, installed, ec)) return true;
    return std::filesystem::exists(exe_dir.parent_path() / "share" / "applications" / kDesktopEntryName, ec);
}

bool is_dir(const std::filesystem::path& dir) {
    std::error_code ec;
    return !dir.empty() && std::filesystem::is_directory(dir, ec);
}

std::filesystem::path home_dir() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    // No HOME (a service, a bare environment): the password database still knows it.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return "/";
}

std::filesystem::path config_home() {
    // A relative XDG value is invalid and must be ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') return xdg;
    return home_dir() / ".config";
}

// XDG_PICTURES_DIR from user-dirs.dirs: a line XDG_PICTURES_DIR="$HOME/Pictures" or an
// absolute path in quotes. Empty when absent or unreadable.
std::filesystem::path xdg_pictures_dir() {
    std::ifstream in(config_home() / "user-dirs.dirs");
    const std::string prefix = "XDG_PICTURES_DIR=\"";
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) != 0) continue;
        const auto close = line.find('"', prefix.size());
        if (close == std::string::npos) return {};
        std::string value = line.substr(prefix.size(), close - prefix.size());
        if (value.rfind("$HOME", 0) == 0) {
            std::string rest = value.substr(5);
            while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
            return rest.empty() ? home_dir() : home_dir() / rest;
        }
        if (!value.empty() && value.front() == '/') return value;
        return {};
    }
    return {};
}

}  // namespace

const char* installed_bin_dir() {
#ifdef KELVARA_INSTALL_BINDIR
    return KELVARA_INSTALL_BINDIR;
#else
    return "";
#endif
}

std::filesystem::path executable_dir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path{} : exe.parent_path();
}

std::filesystem::path settings_file_path(const std::filesystem::path& exe_dir) {
    if (!is_installed_dir(exe_dir) && is_writable_dir(exe_dir)) return exe_dir / kSettingsFileName;
    return config_home() / kAppFolderName / kSettingsFileName;
}

std::filesystem::path output_folder(const std::filesystem::path& exe_dir) {
    if (!exe_dir.empty() && !is_installed_dir(exe_dir)) {
        const auto beside = exe_dir / kOutputFolderName;
        if (is_writable_dir(beside) || is_writable_dir(exe_dir)) return beside;
    }
    if (const auto pictures = xdg_pictures_dir(); is_dir(pictures)) return pictures / kOutputFolderName;
    if (const auto pictures = home_dir() / "Pictures"; is_dir(pictures)) return pictures / kOutputFolderName;
    return home_dir() / kOutputFolderName;
}

}  // namespace kelvara
