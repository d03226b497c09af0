// The settings file on any bytes: a file read and written back unchanged is the same
// bytes, the settings read from it are values the program can use, and settings saved
// into it read back as they were saved.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "fuzz_check.h"
#include "platform/profile_file.h"

using namespace kelvara;

namespace {

bool within(int value, const DelayRange& range) { return value >= range.lowest && value <= range.highest; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProfileFile file = ProfileFile::from_text(bytes);
    KELVARA_FUZZ_CHECK(file.text() == bytes);

    const Settings loaded = load_settings(file);
    KELVARA_FUZZ_CHECK(within(loaded.demo_delay, kDemoDelayRange));
    KELVARA_FUZZ_CHECK(within(loaded.frame_delay, kFrameDelayRange));
    KELVARA_FUZZ_CHECK(loaded.author.size() < ProfileFile::kValueBufferSize);

    // What was read can always be written back, and reads back the same.
    Settings changed = loaded;
    changed.sound_effects = !loaded.sound_effects;
    changed.board_turned = !loaded.board_turned;
    changed.frame_delay = kFrameDelayRange.lowest + static_cast<int>(size % 1000);
    KELVARA_FUZZ_CHECK(save_settings(changed, file));
    const ProfileFile reread = ProfileFile::from_text(file.text());
    for (const ProfileFile* f : {static_cast<const ProfileFile*>(&file), &reread}) {
        const Settings back = load_settings(*f);
        KELVARA_FUZZ_CHECK(back.sound_effects == changed.sound_effects);
        KELVARA_FUZZ_CHECK(back.background_music == changed.background_music);
        KELVARA_FUZZ_CHECK(back.demo_delay == changed.demo_delay);
        KELVARA_FUZZ_CHECK(back.frame_delay == changed.frame_delay);
        KELVARA_FUZZ_CHECK(back.author == changed.author);
        KELVARA_FUZZ_CHECK(back.board_turned == changed.board_turned);
    }

    // Any section, key and value taken from the input: a write either is refused and
    // changes nothing, or keeps every line it did not touch.
    const std::size_t a = size > 0 ? data[0] % (size + 1) : 0;
    const std::size_t b = size > 1 ? a + data[1] % (size - a + 1) : a;
    const std::string_view section = bytes.substr(0, a), key = bytes.substr(a, b - a), value = bytes.substr(b);
    ProfileFile written = ProfileFile::from_text(bytes);
    const std::string before = written.text();
    if (!written.write(section, key, value)) KELVARA_FUZZ_CHECK(written.text() == before);
    (void)written.read(section, key, "");
    return 0;
}
