#include "sound/piece_sounds.h"

#include "asset_folder.h"
#include "sound/synthesis.h"
#include "sound/wav_file.h"

namespace kelvara::generator::sound {

namespace {

// A thick wooden disc: its own modes are high and short.
constexpr Mode kPieceModes[] = {
    {1480, 0.60, 0.020},
    {2350, 1.40, 0.016},
    {3900, 1.00, 0.009},
    {5600, 0.60, 0.005},
};
// The board's plank under it: low modes that ring a little longer.
constexpr Mode kBoardModes[] = {
    {190, 0.22, 0.035},
    {410, 0.25, 0.030},
    {760, 0.22, 0.025},
    {1120, 0.18, 0.020},
};
// Two pieces striking each other: both discs ring, brighter and harder than on the board.
constexpr Mode kPieceOnPieceModes[] = {
    {1250, 0.50, 0.030}, {2100, 1.30, 0.026}, {3350, 1.00, 0.018}, {4700, 0.70, 0.011}, {6300, 0.40, 0.006},
};
// The capturing piece landing with weight: the board answers deeper and longer.
constexpr Mode kHeavyBoardModes[] = {
    {95, 0.35, 0.160},  {150, 0.80, 0.110},  {330, 0.60, 0.085},  {620, 0.45, 0.060},
    {980, 0.30, 0.042}, {1480, 0.35, 0.024}, {2350, 0.30, 0.015},
};
// The captured piece knocked aside and settling.
constexpr Mode kSettleModes[] = {
    {420, 0.20, 0.035},
    {2250, 0.50, 0.014},
    {3600, 0.30, 0.008},
};

// Noise seeds, fixed so that every run draws the same clicks.
constexpr std::uint32_t kMoveSeed = 0x4B656C76;
constexpr std::uint32_t kCaptureSeed = 0x61726131;

// One millisecond to rise from silence, and the tail faded out over the last 40 ms.
constexpr int kFadeIn = 22;
constexpr int kFadeOut = 882;

}  // namespace

std::vector<std::int16_t> synthesise_move_sound() {
    std::vector<double> signal(kMoveSamples, 0.0);
    Noise noise(kMoveSeed);
    add_strike(signal, {0.004, 1.0, 0.00035, kPieceModes, 0.8, 3000, 0.0025}, noise);
    add_strike(signal, {0.004, 1.0, 0.0008, kBoardModes, 0.0, 0, 0}, noise);
    // The piece rocks once on its rim as it settles.
    add_strike(signal, {0.031, 0.16, 0.0004, kPieceModes, 0.3, 3400, 0.0015}, noise);
    return to_pcm16(std::move(signal), kFadeIn, kFadeOut, kPeakDbfs);
}

std::vector<std::int16_t> synthesise_capture_sound() {
    std::vector<double> signal(kCaptureSamples, 0.0);
    Noise noise(kCaptureSeed);
    add_strike(signal, {0.006, 0.9, 0.0003, kPieceOnPieceModes, 0.6, 4000, 0.0020}, noise);
    add_strike(signal, {0.052, 1.1, 0.0010, kHeavyBoardModes, 0.35, 2200, 0.0030}, noise);
    add_strike(signal, {0.160, 0.28, 0.0005, kSettleModes, 0.25, 3200, 0.0015}, noise);
    add_strike(signal, {0.228, 0.12, 0.0004, kSettleModes, 0.2, 3500, 0.0012}, noise);
    return to_pcm16(std::move(signal), kFadeIn, kFadeOut, kPeakDbfs);
}

void write_sound_assets(const AssetFolder& folder) {
    folder.write("move.wav", encode_wav(synthesise_move_sound(), kSampleRate));
    folder.write("capture.wav", encode_wav(synthesise_capture_sound(), kSampleRate));
}

}  // namespace kelvara::generator::sound
