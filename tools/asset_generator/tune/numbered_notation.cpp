#include "tune/numbered_notation.h"

#include <stdexcept>
#include <string>

namespace kelvara::generator::tune {

namespace {

// Semitones of gong, shang, jue, zhi and yu above the tonic.
constexpr int kPentatonic[] = {0, 2, 4, 7, 9};

[[noreturn]] void refuse(std::string_view token, std::string_view why) {
    throw std::invalid_argument("numbered notation: \"" + std::string(token) + "\": " + std::string(why));
}

int semitones_of_degree(char degree, std::string_view token) {
    switch (degree) {
        case '1':
            return 0;
        case '2':
            return 2;
        case '3':
            return 4;
        case '5':
            return 7;
        case '6':
            return 9;
        default:
            refuse(token, "not a note of the pentatonic scale");
    }
}

}  // namespace

int pentatonic_key(int tonic, int step) {
    const int octave = step >= 0 ? step / 5 : -((-step + 4) / 5);
    return tonic + 12 * octave + kPentatonic[step - 5 * octave];
}

std::vector<TimedNote> read_numbered(std::string_view text, int tonic, int bar_length) {
    std::vector<TimedNote> notes;
    int now = 0;
    int bar_start = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ' || text[at] == '\n') {
            ++at;
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(" \n", at), text.size());
        const std::string_view token = text.substr(at, end - at);
        at = end;
        if (token == "|") {
            if (now - bar_start != bar_length) refuse(token, "the bar before it is not one bar long");
            bar_start = now;
            continue;
        }
        std::size_t i = 0;
        const char degree = token[i++];
        int octave = 0;
        for (; i < token.size() && (token[i] == '\'' || token[i] == ','); ++i) octave += token[i] == '\'' ? 1 : -1;
        int length = 4;
        if (i < token.size()) {
            if (token[i] != ':' || i + 1 == token.size()) refuse(token, "expected :length");
            length = 0;
            for (++i; i < token.size(); ++i) {
                if (token[i] < '0' || token[i] > '9') refuse(token, "the length is not a number");
                length = length * 10 + (token[i] - '0');
            }
            if (length == 0) refuse(token, "a note of no length");
        }
        if (degree != '0') notes.push_back({now, length, tonic + 12 * octave + semitones_of_degree(degree, token)});
        now += length;
    }
    if (now != bar_start) refuse("end", "the last bar is not closed by a bar line");
    return notes;
}

}  // namespace kelvara::generator::tune
