#include "app/settings.h"

#include <system_error>
#include <utility>

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
constexpr std::string_view kTrue = "真"_gbk;
constexpr std::string_view kFalse = "假"_gbk;

std::string_view yes_no(bool on) { return on ? kTrue : kFalse; }

// Exactly one of the offered sizes, in decimal; anything else is the default.
int display_size_from(std::string_view text) {
    for (int size : kDisplaySizes)
        if (text == gbk::decimal(size)) return size;
    return Settings{}.display_size;
}

}  // namespace

int offered_display_size(int percent) {
    for (int size : kDisplaySizes)
        if (percent == size) return size;
    return Settings{}.display_size;
}

namespace {

}  // namespace

Settings load_settings(const ProfileFile& file) {
    Settings s;
    s.sound_effects = file.read(kSection, kSoundEffects, kTrue) == kTrue;
    s.background_music = file.read(kSection, kBackgroundMusic, kFalse) != kFalse;
    s.demo_delay = gbk::to_integer(file.read(kSection, kDemoDelay, "1000"));
    s.frame_delay = gbk::to_integer(file.read(kSection, kFrameDelay, "100"));
    s.author = file.read(kSection, kAuthor, "");
    s.display_size = display_size_from(file.read(kSection, kDisplaySize, ""));
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
                                       gbk::decimal(offered_display_size(settings.display_size)));
    if (written) file = std::move(updated);
    return written;
}

Settings load_settings(const std::filesystem::path& path) { return load_settings(ProfileFile::load(path)); }

bool save_settings(const Settings& settings, const std::filesystem::path& path) {
    std::error_code ec;
    ProfileFile file;
    if (std::filesystem::exists(path, ec)) {
        const auto bytes = read_file(path);
        if (!bytes) return false;
        file = ProfileFile::from_text(*bytes);
    } else if (!path.parent_path().empty()) {
        // The config folder of a fresh account may not exist yet.
        std::filesystem::create_directories(path.parent_path(), ec);
    }
    return save_settings(settings, file) && file.save(path);
}

std::string author_line(std::string_view author) {
    if (author.empty()) return {};
    return std::string("动画制作："_gbk) + std::string(author);
}

}  // namespace kelvara
