#include "tune/background_tune.h"

#include <array>
#include <string_view>

#include "asset_folder.h"
#include "tune/midi_file.h"
#include "tune/numbered_notation.h"

namespace kelvara::generator::tune {

namespace {

constexpr int kSixteenth = kTicksPerQuarter / 4;
constexpr int kBarSixteenths = 16;
constexpr int kEnd = kBars * kTicksPerBar;

// Keys of 1 (the tonic, D) for each part.
constexpr int kMelodyTonic = 74;  // D5, the dizi's middle register
constexpr int kZhengTonic = 50;   // D3
constexpr int kPadTonic = 50;
constexpr int kBassTonic = 38;  // D2

// Four phrases: a statement, its answer closing on the tonic, a higher contrast that
// hangs on yu, and a return whose last bar climbs from shang back to the opening jue.
constexpr std::string_view kMelody =
    "3:6 5:2 6 5 | 3 2:2 1:2 2:8 | 3 5 2:3 3:1 1 | 6,:4 1:2 2:2 6,:8 |\n"
    "3:6 5:2 6 1' | 6 5:2 3:2 5:8 | 6:3 5:1 3 2:2 3:2 1 | 2 3:2 2:2 1:8 |\n"
    "5 6 1':6 2':2 | 3':8 2' 1' | 6:6 1':2 6 5 | 3 5 6:8 |\n"
    "1':6 6:2 5 3 | 2 3:2 5:2 3:8 | 2:6 1:2 6, 1 | 2:8 1 2 |";

// The harmony as pentatonic steps above the tonic (negative below) and their lengths in
// sixteenths: one root a bar, the cadence of bar 8 split in two.
struct Chord {
    int step;
    int length;
};
constexpr Chord kChords[] = {
    {0, 16},  {-1, 16}, {-2, 16}, {-1, 16},          //
    {0, 16},  {-1, 16}, {1, 16},  {-2, 8},  {0, 8},  //
    {-2, 16}, {0, 16},  {-1, 16}, {-2, 16},          //
    {0, 16},  {-1, 16}, {1, 16},  {-2, 16},
};

// The zheng's broken chord, eighth notes in pentatonic steps above the root: open fifths
// and octaves, the way the instrument's strings lie under the hand.
constexpr std::array<int, 8> kZhengPattern = {0, 3, 5, 7, 8, 7, 5, 3};
constexpr std::array<int, 8> kZhengVelocities = {62, 46, 50, 48, 56, 44, 48, 42};

// General MIDI programs (counted from 0) and the channels that play them.
constexpr int kFlute = 73;
constexpr int kKoto = 107;
constexpr int kSlowStrings = 49;
constexpr int kHarp = 46;
constexpr int kPercussionChannel = 9;
constexpr int kLowWoodBlock = 77;
constexpr int kOpenTriangle = 81;

void set_up(MidiTrack& track, int channel, int program, int volume, int pan) {
    track.program(0, channel, program);
    track.controller(0, channel, 7, volume);
    track.controller(0, channel, 10, pan);
    track.controller(0, channel, 91, 64);  // reverb: a room, not a hall
    track.controller(0, channel, 93, 16);  // a touch of chorus
}

MidiTrack tempo_track() {
    MidiTrack track("Kelvara background tune");
    track.time_signature(0, 4, 4);
    track.key_signature(0, 2);
    track.tempo(0, kMicrosecondsPerQuarter);
    return track;
}

// The dizi carries the melody; the first note of a bar is leaned on a little, long
// notes swell a little more.
MidiTrack dizi_track(const std::vector<TimedNote>& melody) {
    MidiTrack track("Dizi");
    constexpr int kChannel = 0;
    set_up(track, kChannel, kFlute, 100, 70);
    for (const TimedNote& n : melody) {
        int velocity = 70;
        if (n.start % kBarSixteenths == 0) velocity += 8;
        if (n.length >= 8) velocity += 4;
        track.note(n.start * kSixteenth, n.length * kSixteenth, kChannel, n.key, velocity);
    }
    return track;
}

// Broken chords through the piece, and a glissando up the scale in the last two beats
// that carries the loop back to its first bar.
MidiTrack zheng_track() {
    MidiTrack track("Guzheng");
    constexpr int kChannel = 1;
    set_up(track, kChannel, kKoto, 92, 46);
    const int glissando = kEnd - kTicksPerBar / 2;
    int at = 0;
    for (const Chord& chord : kChords) {
        for (int i = 0; i < chord.length / 2; ++i) {
            const int tick = at * kSixteenth + i * 2 * kSixteenth;
            if (tick >= glissando) break;
            track.note(tick, 4 * kSixteenth, kChannel, pentatonic_key(kZhengTonic, chord.step + kZhengPattern[i % 8]),
                       kZhengVelocities[i % 8]);
        }
        at += chord.length;
    }
    for (int i = 0; i < 8; ++i)
        track.note(glissando + i * kSixteenth, kEnd - glissando - i * kSixteenth, kChannel,
                   pentatonic_key(kZhengTonic, 3 + i), 40 + 4 * i);
    return track;
}

// Strings hold the root and its fifth under each chord, quietly.
MidiTrack strings_track() {
    MidiTrack track("Strings");
    constexpr int kChannel = 2;
    set_up(track, kChannel, kSlowStrings, 68, 64);
    int at = 0;
    for (const Chord& chord : kChords) {
        for (int step : {chord.step, chord.step + 3, chord.step + 5})
            track.note(at * kSixteenth, chord.length * kSixteenth, kChannel, pentatonic_key(kPadTonic, step), 44);
        at += chord.length;
    }
    return track;
}

// The harp plucks the bass on each chord and, in the third phrase, shadows the dizi an
// octave below.
MidiTrack harp_track(const std::vector<TimedNote>& melody) {
    MidiTrack track("Harp");
    constexpr int kChannel = 3;
    set_up(track, kChannel, kHarp, 84, 84);
    int at = 0;
    for (const Chord& chord : kChords) {
        track.note(at * kSixteenth, chord.length * kSixteenth, kChannel, pentatonic_key(kBassTonic, chord.step), 60);
        at += chord.length;
    }
    const int third_phrase = 8 * kBarSixteenths;
    const int fourth_phrase = 12 * kBarSixteenths;
    for (const TimedNote& n : melody)
        if (n.start >= third_phrase && n.start < fourth_phrase)
            track.note(n.start * kSixteenth, n.length * kSixteenth, kChannel, n.key - 12, 40);
    return track;
}

// Percussion, sparingly: a wood block at the start of each phrase, a triangle where the
// music turns to its higher third phrase.
MidiTrack percussion_track() {
    MidiTrack track("Percussion");
    track.controller(0, kPercussionChannel, 7, 70);
    track.controller(0, kPercussionChannel, 91, 72);
    for (int bar : {0, 4, 8, 12}) track.note(bar * kTicksPerBar, kSixteenth, kPercussionChannel, kLowWoodBlock, 38);
    track.note(8 * kTicksPerBar, 2 * kTicksPerQuarter, kPercussionChannel, kOpenTriangle, 30);
    return track;
}

}  // namespace

std::vector<std::uint8_t> compose_background_tune() {
    const std::vector<TimedNote> melody = read_numbered(kMelody, kMelodyTonic, kBarSixteenths);
    const std::vector<MidiTrack> tracks = {tempo_track(),   dizi_track(melody), zheng_track(),
                                           strings_track(), harp_track(melody), percussion_track()};
    return encode_midi_file(tracks, kTicksPerQuarter, kEnd);
}

void write_tune_asset(const AssetFolder& folder) { folder.write("tune.mid", compose_background_tune()); }

}  // namespace kelvara::generator::tune
