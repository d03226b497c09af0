#pragma once
// Melodies written in numbered notation (简谱), the way Chinese music is usually
// notated, read into timed notes. Only the five notes of the pentatonic scale exist:
//   1 2 3 5 6   gong, shang, jue, zhi, yu above the tonic; 0 a rest
//   '  ,        an octave up or down (repeatable): 6, is yu below the tonic
//   :n          the length in sixteenths (default 4, a quarter)
//   |           a bar line: each bar must fill exactly one bar
// Anything else, 4 and 7 included, is refused.

#include <string_view>
#include <vector>

namespace kelvara::generator::tune {

struct TimedNote {
    int start;   // in sixteenths from the start of the melody
    int length;  // in sixteenths
    int key;     // MIDI key
};

// `tonic` is the MIDI key of 1; `bar_length` in sixteenths. Throws std::invalid_argument
// with the offending token on any error.
std::vector<TimedNote> read_numbered(std::string_view text, int tonic, int bar_length);

// The MIDI key of the pentatonic step `step` above the tonic (negative below): steps
// 0–4 are 1 2 3 5 6, step 5 is 1 an octave up.
int pentatonic_key(int tonic, int step);

}  // namespace kelvara::generator::tune
