#include "app/settings.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <thread>
#include <utility>

#include "engine/child_process.h"
#include "platform/atomic_file.h"
#include "platform/gbk_literal.h"
#include "platform/text.h"

namespace kelvara {

namespace {

constexpr std::string_view kSection = "设置"_gbk;
constexpr std::string_view kSoundEffects = "使用音效"_gbk;
constexpr std::string_view kBackgroundMusic = "使用背乐"_gbk;
constexpr std::string_view kDemoDelay = "演示延时"_gbk;
constexpr std::string_view kFrameDelay = "帧延时"_gbk;
constexpr std::string_view kAuthor = "动画作者"_gbk;
constexpr std::string_view kDisplaySize = "显示大小"_gbk;
constexpr std::string_view kBoardTurned = "棋盘翻转"_gbk;
constexpr std::string_view kEngineProgram = "分析引擎"_gbk;
constexpr std::string_view kAnalysisTime = "分析用时"_gbk;
constexpr std::string_view kEngineThreads = "引擎线程"_gbk;
constexpr std::string_view kAnalysisShown = "显示分析"_gbk;
constexpr std::string_view kPictureSize = "图片大小"_gbk;
constexpr std::string_view kTrue = "真"_gbk;
constexpr std::string_view kFalse = "假"_gbk;

std::string_view yes_no(bool on) { return on ? kTrue : kFalse; }

// Exactly one of the offered sizes, in decimal; anything else is the fallback.
template <std::size_t N>
int offered_size_from(std::string_view text, const int (&offered)[N], int fallback) {
    for (int size : offered)
        if (text == gbk::decimal(size)) return size;
    return fallback;
}

template <std::size_t N>
int offered_or(int size, const int (&offered)[N], int fallback) {
    for (int each : offered)
        if (size == each) return size;
    return fallback;
}

// Whether the text starts with a number, as gbk::to_integer reads it: blanks, a sign, then
// a digit in ASCII or in full width.
bool starts_with_number(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i < text.size() && text[i] >= '0' && text[i] <= '9') return true;
    return i + 1 < text.size() && static_cast<unsigned char>(text[i]) == 0xA3 &&
           static_cast<unsigned char>(text[i + 1]) >= 0xB0 && static_cast<unsigned char>(text[i + 1]) <= 0xB9;
}

// The delay a file holds, or fallback for a text that is no number or a value out of
// range, which the program could neither show nor use as it is.
int delay_setting(const ProfileFile& file, std::string_view key, int fallback, const DelayRange& range) {
    const std::string text = file.read(kSection, key, "");
    const int value = gbk::to_integer(text);
    return starts_with_number(text) && value >= range.lowest && value <= range.highest ? value : fallback;
}

}  // namespace

int offered_display_size(int percent) { return offered_or(percent, kDisplaySizes, Settings{}.display_size); }

int offered_picture_size(int scale) { return offered_or(scale, kPictureSizes, Settings{}.picture_size); }

Settings load_settings(const ProfileFile& file) {
    Settings s;
    s.sound_effects = file.read(kSection, kSoundEffects, kTrue) == kTrue;
    s.background_music = file.read(kSection, kBackgroundMusic, kFalse) != kFalse;
    s.demo_delay = delay_setting(file, kDemoDelay, s.demo_delay, kDemoDelayRange);
    s.frame_delay = delay_setting(file, kFrameDelay, s.frame_delay, kFrameDelayRange);
    s.author = file.read(kSection, kAuthor, "");
    s.display_size = offered_size_from(file.read(kSection, kDisplaySize, ""), kDisplaySizes, s.display_size);
    s.picture_size = offered_size_from(file.read(kSection, kPictureSize, ""), kPictureSizes, s.picture_size);
    // A line break could never be saved again: no author rather than settings that fail.
    if (s.author.find_first_of("\r\n") != std::string::npos) s.author.clear();
    s.board_turned = file.read(kSection, kBoardTurned, kFalse) == kTrue;
    // A file without the key gets the default; an empty value means no engine.
    const std::string no_key = "\n";
    s.engine_program = file.read(kSection, kEngineProgram, no_key);
    if (s.engine_program == no_key) s.engine_program = default_engine_program();
    s.analysis_time = delay_setting(file, kAnalysisTime, s.analysis_time, kAnalysisTimeRange);
    // A whole number within its range, read as the delays are.
    s.engine_threads = delay_setting(file, kEngineThreads, s.engine_threads, {1, 1, kMostEngineThreads});
    if (s.engine_program.find_first_of("\r\n") != std::string::npos) s.engine_program.clear();
    s.analysis_shown = file.read(kSection, kAnalysisShown, kFalse) == kTrue;
    return s;
}

bool save_settings(const Settings& settings, ProfileFile& file) {
    // Checked first so that a refused author does not leave the other four written.
    ProfileFile updated = file;
    const bool written = updated.write(kSection, kSoundEffects, yes_no(settings.sound_effects)) &&
                         updated.write(kSection, kBackgroundMusic, yes_no(settings.background_music)) &&
                         updated.write(kSection, kDemoDelay, gbk::decimal(settings.demo_delay)) &&
                         updated.write(kSection, kFrameDelay, gbk::decimal(settings.frame_delay)) &&
                         updated.write(kSection, kAuthor, settings.author) &&
                         updated.write(kSection, kDisplaySize,
                                       gbk::decimal(offered_display_size(settings.display_size))) &&
                         updated.write(kSection, kBoardTurned, yes_no(settings.board_turned)) &&
                         updated.write(kSection, kEngineProgram, settings.engine_program) &&
                         updated.write(kSection, kAnalysisTime, gbk::decimal(settings.analysis_time)) &&
                         updated.write(kSection, kEngineThreads, gbk::decimal(settings.engine_threads)) &&
                         updated.write(kSection, kAnalysisShown, yes_no(settings.analysis_shown)) &&
                         updated.write(kSection, kPictureSize,
                                       gbk::decimal(offered_picture_size(settings.picture_size)));
    if (written) file = std::move(updated);
    return written;
}

Settings load_settings(const std::filesystem::path& path) { return load_settings(ProfileFile::load(path)); }

bool save_settings(const Settings& settings, const std::filesystem::path& path, FileError* error) {
    FileError why;
    ProfileFile file;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        const auto bytes = read_file(path, kDefaultReadLimit, &why);
        if (bytes) file = ProfileFile::from_text(*bytes);
    } else if (!path.parent_path().empty()) {
        // The config folder of a fresh account may not exist yet.
        std::filesystem::create_directories(path.parent_path(), ec);
    }
    bool saved = false;
    if (!why) {
        if (!save_settings(settings, file))
            why = FileError::system(EINVAL);  // a line break in the author
        else
            saved = write_file_atomically(path, file.text(), &why);
    }
    if (error) *error = why;
    return saved;
}

int offered_engine_threads() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMostEngineThreads);
}

std::string default_engine_program() {
    constexpr const char* kEngine = "fairy-stockfish";
    return find_program(kEngine) ? kEngine : "";
}

std::string author_line(std::string_view author) {
    if (author.empty()) return {};
    return std::string("动画制作："_gbk) + std::string(author);
}

}  // namespace kelvara
