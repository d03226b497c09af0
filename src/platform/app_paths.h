#pragma once
// Where the program keeps its files. A portable install keeps the settings file and the
// animations beside the executable; an install in a folder the user cannot write to uses
// the user's XDG config folder and pictures folder instead. File names on disk are UTF-8.

#include <filesystem>

namespace kelvara {

// The folder the programs are installed into (CMAKE_INSTALL_FULL_BINDIR of the build),
// which is never taken for a portable copy's folder.
const char* installed_bin_dir();

// The folder of the running executable, from /proc/self/exe; empty when unknown.
std::filesystem::path executable_dir();

// exe_dir/rcanim.ini when exe_dir is writable and not an installed program's folder (the
// build's installed bin folder, or one with share/applications/kelvara.desktop beside it),
// else $XDG_CONFIG_HOME/kelvara/rcanim.ini (~/.config/kelvara/rcanim.ini). The folder may
// not exist yet.
std::filesystem::path settings_file_path(const std::filesystem::path& exe_dir);

// exe_dir/棋谱动画 when that folder exists and is writable, or when exe_dir is writable,
// unless exe_dir is an installed program's folder; else 棋谱动画 in the XDG pictures
// folder, in ~/Pictures, or in the home folder, the first that exists. The folder itself
// may not exist yet.
std::filesystem::path output_folder(const std::filesystem::path& exe_dir);

}  // namespace kelvara
