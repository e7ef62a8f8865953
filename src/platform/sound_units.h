// The game's sound units in linear terms, shared by the platforms that mix with OpenAL.
#pragma once

#include <algorithm>
#include <cmath>

namespace dravlen {

// Hundredths of a decibel (0 loudest .. -10000 silent) to a linear gain; values above 0 play
// at full scale and values below -10000 as -10000.
inline float gainFromHundredthsDb(int v) {
    v = std::clamp(v, -10000, 0);
    return static_cast<float>(std::pow(10.0, v / 2000.0));
}

// The pan as DirectSound applies it: the near side stays at full level and the far side is
// attenuated by the pan's hundredths of a decibel. Clamped to -10000..10000.
struct SideGains {
    float left = 1;
    float right = 1;
};
inline SideGains panGains(int pan) {
    pan = std::clamp(pan, -10000, 10000);
    SideGains g;
    if (pan > 0) g.left = gainFromHundredthsDb(-pan);
    if (pan < 0) g.right = gainFromHundredthsDb(pan);
    return g;
}

// The playback rate the game asked for, kept in 100..200000 Hz; 0 or less means "the file's own".
inline int clampFrequency(int hertz, int fileRate) {
    if (hertz <= 0) return fileRate;
    return std::clamp(hertz, 100, 200000);
}

}  // namespace dravlen
