// The table of the game's sounds: number, kind, what it is, and the function that makes it.
#pragma once

#include <vector>

#include "synth.h"

namespace soundgen {

enum class SoundKind { oneShot, loop };

struct SoundDef {
    int number;            // the game's sound number (file dravlen<number>.wav)
    SoundKind kind;
    const char* what;      // one line for listings and the spectrogram sheet
    Signal (*make)();
};

const std::vector<SoundDef>& soundTable();

// The finished 16-bit samples of a sound: DC removed, edges faded (one-shots), peak at -1 dBFS.
std::vector<int16_t> finish(const SoundDef& def, Signal s);

}  // namespace soundgen
