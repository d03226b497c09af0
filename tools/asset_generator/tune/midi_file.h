#pragma once
// A small writer of standard MIDI files (format 1): one track per part, events at
// absolute ticks, written as delta times in variable-length quantities.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara::generator::tune {

class MidiTrack {
public:
    explicit MidiTrack(std::string_view name);

    void tempo(int tick, int microseconds_per_quarter);
    // Numerator, denominator (a power of two).
    void time_signature(int tick, int numerator, int denominator);
    // Sharps (positive) or flats (negative); major keys only.
    void key_signature(int tick, int sharps);
    void program(int tick, int channel, int program);
    void controller(int tick, int channel, int number, int value);
    // A note from `tick` for `length` ticks. A later note on the same key and channel
    // that starts before this one ends cuts it short, so every note-on meets its own
    // note-off.
    void note(int tick, int length, int channel, int key, int velocity);

    // The track chunk ("MTrk", length, events, End of Track at `end_tick`). Notes that
    // sound past `end_tick` stop there, so a looping tune ends with nothing held.
    std::vector<std::uint8_t> encode(int end_tick) const;

private:
    struct Event {
        int tick;
        int order;  // at one tick: meta and set-up first, then note-offs, then note-ons
        std::vector<std::uint8_t> bytes;
    };
    struct Note {
        int tick;
        int length;
        int channel;
        int key;
        int velocity;
    };
    void add(int tick, int order, std::vector<std::uint8_t> bytes);
    std::vector<Event> events_;
    std::vector<Note> notes_;
};

// Header chunk (format 1, the tracks' count, `ticks_per_quarter`) and the track chunks.
std::vector<std::uint8_t> encode_midi_file(std::span<const MidiTrack> tracks, int ticks_per_quarter, int end_tick);

// A number in the file's variable-length form: seven bits a byte, most significant
// first, the top bit set on every byte but the last.
std::vector<std::uint8_t> variable_length(std::uint32_t value);

}  // namespace kelvara::generator::tune
