// The browser's sound device: Emscripten's OpenAL, which plays on the page's Web Audio context.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace dravlen::web {

class WebSound : public SoundDevice {
public:
    virtual void beep() = 0;
    // Makes a missing sound file before it is loaded (see WebPlatform::setSoundMaker).
    virtual void setMaker(std::function<void(const std::string& path)> make) = 0;
};

// Null, with the reason in *error, when no audio context can be opened.
std::unique_ptr<WebSound> makeWebSound(std::string* error);

// The game's sound units in linear terms: hundredths of a decibel (0 loudest, -10000 silent,
// clamped) to a gain, and the pan as DirectSound applies it: the near side stays at full level
// and the far side is attenuated by the pan's hundredths of a decibel.
float gainFromHundredthsDb(int hundredthsOfDb);
struct SideGains {
    float left = 1;
    float right = 1;
};
SideGains panGains(int pan);

}  // namespace dravlen::web
