// tune.mid: a well-formed format 1 file that any player reads, whose notes all end,
// whose tracks all end together (so it loops without a gap), of a calm length and in
// the pentatonic scale.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "kelvara_assets.h"

namespace kelvara {
namespace {

struct Track {
    std::string name;
    int end_tick = -1;  // the tick of End of Track; -1 when it is missing
    bool events_after_end = false;
    int notes = 0;
    std::vector<std::string> faults;  // unpaired notes and bad events
    std::set<int> pitch_classes;      // of notes outside the percussion channel
};

struct Midi {
    int format = -1;
    int declared_tracks = -1;
    int division = -1;
    int tempo = 500000;
    std::vector<Track> tracks;
    bool trailing_bytes = false;
};

class Reader {
public:
    explicit Reader(std::span<const unsigned char> b) : b_(b) {}
    bool has(std::size_t n) const { return at_ + n <= b_.size(); }
    std::uint8_t byte() { return has(1) ? b_[at_++] : (fail_ = true, 0); }
    std::uint32_t be(int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | byte();
        return v;
    }
    std::uint32_t vlq() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t c = byte();
            v = (v << 7) | (c & 0x7F);
            if (!(c & 0x80)) return v;
        }
        fail_ = true;
        return v;
    }
    std::string text(std::size_t n) {
        std::string s;
        for (std::size_t i = 0; i < n; ++i) s.push_back(static_cast<char>(byte()));
        return s;
    }
    std::size_t at() const { return at_; }
    bool failed() const { return fail_; }

private:
    std::span<const unsigned char> b_;
    std::size_t at_ = 0;
    bool fail_ = false;
};

Track read_track(Reader& r, std::size_t end, int& tempo) {
    Track t;
    int tick = 0;
    std::map<std::pair<int, int>, int> sounding;
    std::uint8_t status = 0;
    while (r.at() < end && !r.failed()) {
        tick += static_cast<int>(r.vlq());
        if (t.end_tick >= 0) t.events_after_end = true;
        std::uint8_t first = r.byte();
        if (first == 0xFF) {
            const std::uint8_t type = r.byte();
            const std::string data = r.text(r.vlq());
            if (type == 0x03) t.name = data;
            if (type == 0x51 && data.size() == 3)
                tempo = (static_cast<unsigned char>(data[0]) << 16) | (static_cast<unsigned char>(data[1]) << 8) |
                        static_cast<unsigned char>(data[2]);
            if (type == 0x2F) t.end_tick = tick;
            continue;
        }
        if (first == 0xF0 || first == 0xF7) {
            r.text(r.vlq());
            continue;
        }
        std::uint8_t d1;
        if (first & 0x80) {
            status = first;
            d1 = r.byte();
        } else {
            d1 = first;  // running status
        }
        const int kind = status & 0xF0, channel = status & 0x0F;
        const std::uint8_t d2 = (kind == 0xC0 || kind == 0xD0) ? 0 : r.byte();
        if (kind == 0x90 && d2 > 0) {
            if (sounding.count({channel, d1})) t.faults.push_back("note " + std::to_string(d1) + " struck twice");
            sounding[{channel, d1}] = tick;
            ++t.notes;
            if (channel != 9) t.pitch_classes.insert(d1 % 12);
        } else if (kind == 0x80 || kind == 0x90) {
            if (!sounding.erase({channel, d1})) t.faults.push_back("note-off without note-on " + std::to_string(d1));
        }
    }
    for (const auto& [key, start] : sounding)
        t.faults.push_back("note " + std::to_string(key.second) + " from tick " + std::to_string(start) +
                           " never ends");
    if (r.failed()) t.faults.push_back("the track is cut short");
    return t;
}

Midi read_midi(std::span<const unsigned char> bytes) {
    Midi m;
    Reader r(bytes);
    if (r.text(4) != "MThd" || r.be(4) != 6) return m;
    m.format = static_cast<int>(r.be(2));
    m.declared_tracks = static_cast<int>(r.be(2));
    m.division = static_cast<int>(r.be(2));
    while (r.has(8)) {
        if (r.text(4) != "MTrk") return m;
        const std::size_t length = r.be(4);
        m.tracks.push_back(read_track(r, r.at() + length, m.tempo));
    }
    m.trailing_bytes = r.at() != bytes.size();
    return m;
}

TEST(Tune, IsAFormatOneFileWithOneChunkPerDeclaredTrack) {
    const Midi m = read_midi(assets::tune_mid);
    EXPECT_EQ(m.format, 1);
    EXPECT_EQ(m.division, 120);
    ASSERT_GE(m.tracks.size(), 4u) << "a tempo track and several instruments";
    EXPECT_EQ(m.declared_tracks, static_cast<int>(m.tracks.size()));
    EXPECT_FALSE(m.trailing_bytes);
    EXPECT_EQ(m.tracks[0].notes, 0) << "the first track holds the tempo only";
}

TEST(Tune, EveryTrackEndsAtTheSameTickWithEveryNoteReleased) {
    const Midi m = read_midi(assets::tune_mid);
    ASSERT_FALSE(m.tracks.empty());
    const int end = m.tracks[0].end_tick;
    for (const Track& t : m.tracks) {
        EXPECT_GE(t.end_tick, 0) << t.name << " has no End of Track";
        EXPECT_FALSE(t.events_after_end) << t.name << ": events after End of Track";
        EXPECT_EQ(t.end_tick, end) << t.name << " ends apart from the others, which leaves a gap in the loop";
        for (const std::string& f : t.faults) ADD_FAILURE() << t.name << ": " << f;
    }
}

TEST(Tune, LastsBetweenFortyAndNinetySecondsInThePentatonicScale) {
    const Midi m = read_midi(assets::tune_mid);
    ASSERT_FALSE(m.tracks.empty());
    ASSERT_GT(m.division, 0);
    const double seconds = m.tracks[0].end_tick / static_cast<double>(m.division) * m.tempo / 1e6;
    EXPECT_GE(seconds, 40.0);
    EXPECT_LE(seconds, 90.0);
    // D gong mode: D, E, F♯, A and B only.
    const std::set<int> scale = {2, 4, 6, 9, 11};
    for (const Track& t : m.tracks)
        for (int pc : t.pitch_classes) EXPECT_TRUE(scale.count(pc)) << t.name << " plays pitch class " << pc;
}

}  // namespace
}  // namespace kelvara
