// The browser's sound device: Emscripten's OpenAL, which plays on the page's Web Audio context.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/sound_units.h"

namespace dravlen::web {

class WebSound : public SoundDevice {
public:
    virtual void beep() = 0;
    // Makes a missing sound file before it is loaded (see WebPlatform::setSoundMaker).
    virtual void setMaker(std::function<void(const std::string& path)> make) = 0;
};

// Null, with the reason in *error, when no audio context can be opened.
std::unique_ptr<WebSound> makeWebSound(std::string* error);

}  // namespace dravlen::web
