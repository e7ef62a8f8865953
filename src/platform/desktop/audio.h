// The desktop's audio: one OpenAL Soft output shared by the sound device and the speech engine.
//
// Nothing here names an OpenAL or espeak-ng type, so tests can drive the real mixing path
// through a loopback output without any sound card.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sound_units.h"

namespace dravlen::desktop {

// The conversions from the game's sound units are in platform/sound_units.h.

// ---- The output ------------------------------------------------------------------------

class AudioOutput {
public:
    // The default output device. Null, with the reason in *error, when there is none.
    static std::unique_ptr<AudioOutput> openDefault(std::string* error);
    // A loopback output that needs no sound card: a thread of its own mixes it in real time
    // (one period every 10 ms) and keeps everything mixed, for tests and measurements.
    static std::unique_ptr<AudioOutput> openRecorder(int rate);

    virtual ~AudioOutput() = default;
    virtual int rate() const = 0;
    // The frames mixed since the output was opened (stereo, at rate()).
    virtual int64_t framesMixed() = 0;
    // Returns once the mixer has mixed at least one whole period after this call, so that a
    // gain change made before it (which OpenAL ramps over one period) has reached its end.
    // Never called on the game's thread but where the game does not go.
    virtual void waitOnePeriod() = 0;
    // Runs `action` on the output's own thread once a gain change made before this call has
    // reached its end, and returns at once: a sound or a voice is faded out without holding up
    // the caller, then stopped by the action. Actions run in the order given.
    virtual void afterFade(std::function<void()> action) = 0;
    // Returns when every action given to afterFade so far has run: owners call it before they
    // release what their actions use.
    virtual void finishFades() = 0;
    // Recorder only: everything mixed so far, interleaved left/right, full scale 1.0.
    virtual std::vector<float> recorded() { return {}; }
};

// ---- The sound device and the speech engine over an output -----------------------------

class DesktopSound : public SoundDevice {
public:
    // Also plays the system beep.
    virtual void beep() = 0;
    // Starts reading the folder's wave files on a thread of its own, so that loading one of
    // them later does not read the file on the caller's thread.
    virtual void readAhead(const std::string& folder) = 0;
};
std::unique_ptr<DesktopSound> makeSoundDevice(AudioOutput& output);

class DesktopSpeech : public SpeechEngine {
public:
    // For tests: the texts whose end has been heard so far, in the order heard.
    virtual std::vector<std::string> heard() = 0;
};
// A speech engine without voices (voiceCount 0) when espeak-ng cannot start; *error says why.
std::unique_ptr<DesktopSpeech> makeSpeechEngine(AudioOutput& output, std::string* error);

// The espeak-ng speed in words per minute for a rate on the game's scale (-10..10, clamped).
int wordsPerMinute(int rate);

}  // namespace dravlen::desktop
