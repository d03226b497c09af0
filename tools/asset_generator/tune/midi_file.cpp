#include "tune/midi_file.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>

namespace kelvara::generator::tune {

namespace {

constexpr int kSetUp = 0;
constexpr int kNoteOff = 1;
constexpr int kNoteOn = 2;

std::uint8_t byte(int v) { return static_cast<std::uint8_t>(v & 0xFF); }

void check_channel(int channel, int value) {
    if (channel < 0 || channel > 15 || value < 0 || value > 127)
        throw std::invalid_argument("a MIDI value out of range");
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

}  // namespace

std::vector<std::uint8_t> variable_length(std::uint32_t value) {
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0) out.insert(out.begin(), static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    return out;
}

MidiTrack::MidiTrack(std::string_view name) {
    std::vector<std::uint8_t> meta{0xFF, 0x03};
    const auto length = variable_length(static_cast<std::uint32_t>(name.size()));
    meta.insert(meta.end(), length.begin(), length.end());
    meta.insert(meta.end(), name.begin(), name.end());
    add(0, kSetUp, std::move(meta));
}

void MidiTrack::add(int tick, int order, std::vector<std::uint8_t> bytes) {
    if (tick < 0) throw std::invalid_argument("an event before the start of the tune");
    events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::tempo(int tick, int microseconds_per_quarter) {
    const auto t = static_cast<std::uint32_t>(microseconds_per_quarter);
    add(tick, kSetUp,
        {0xFF, 0x51, 0x03, byte(static_cast<int>(t >> 16)), byte(static_cast<int>(t >> 8)), byte(static_cast<int>(t))});
}

void MidiTrack::time_signature(int tick, int numerator, int denominator) {
    int power = 0;
    while ((1 << power) < denominator) ++power;
    // 24 clocks per metronome click, 8 notated 32nds per quarter.
    add(tick, kSetUp, {0xFF, 0x58, 0x04, byte(numerator), byte(power), 24, 8});
}

void MidiTrack::key_signature(int tick, int sharps) { add(tick, kSetUp, {0xFF, 0x59, 0x02, byte(sharps), 0}); }

void MidiTrack::program(int tick, int channel, int program) {
    check_channel(channel, program);
    add(tick, kSetUp, {byte(0xC0 | channel), byte(program)});
}

void MidiTrack::controller(int tick, int channel, int number, int value) {
    check_channel(channel, number);
    check_channel(channel, value);
    add(tick, kSetUp, {byte(0xB0 | channel), byte(number), byte(value)});
}

void MidiTrack::note(int tick, int length, int channel, int key, int velocity) {
    check_channel(channel, key);
    check_channel(channel, velocity);
    if (tick < 0 || length <= 0 || velocity == 0) throw std::invalid_argument("a note without time or sound");
    notes_.push_back({tick, length, channel, key, velocity});
}

std::vector<std::uint8_t> MidiTrack::encode(int end_tick) const {
    std::vector<Event> events = events_;
    std::vector<Note> notes = notes_;
    std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.tick < b.tick; });
    // The last note begun on each channel and key, to be cut where the next one starts.
    std::map<std::pair<int, int>, std::size_t> sounding;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        Note& n = notes[i];
        if (n.tick >= end_tick) throw std::invalid_argument("a note starts at or after the end of the tune");
        const auto key = std::make_pair(n.channel, n.key);
        if (auto it = sounding.find(key); it != sounding.end()) {
            Note& earlier = notes[it->second];
            if (earlier.tick + earlier.length > n.tick) earlier.length = n.tick - earlier.tick;
        }
        sounding[key] = i;
    }
    for (const Note& n : notes) {
        if (n.length <= 0) continue;  // two notes struck together on one key: the later one sounds
        events.push_back({n.tick, kNoteOn, {byte(0x90 | n.channel), byte(n.key), byte(n.velocity)}});
        events.push_back({std::min(n.tick + n.length, end_tick), kNoteOff, {byte(0x80 | n.channel), byte(n.key), 64}});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    if (!events.empty() && events.back().tick > end_tick)
        throw std::invalid_argument("an event after the end of the tune");

    std::vector<std::uint8_t> body;
    int now = 0;
    for (const Event& e : events) {
        const auto delta = variable_length(static_cast<std::uint32_t>(e.tick - now));
        body.insert(body.end(), delta.begin(), delta.end());
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        now = e.tick;
    }
    const auto delta = variable_length(static_cast<std::uint32_t>(end_tick - now));
    body.insert(body.end(), delta.begin(), delta.end());
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
    put_u32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<std::uint8_t> encode_midi_file(std::span<const MidiTrack> tracks, int ticks_per_quarter, int end_tick) {
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(byte(static_cast<int>(tracks.size() >> 8)));
    out.push_back(byte(static_cast<int>(tracks.size())));
    out.push_back(byte(ticks_per_quarter >> 8));
    out.push_back(byte(ticks_per_quarter));
    for (const MidiTrack& track : tracks) {
        const auto chunk = track.encode(end_tick);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

}  // namespace kelvara::generator::tune
