// The platform contract: the few things the game needs from a desktop, and nothing more.
//
// Two implementations live beside this header: the real desktop one (SDL2 window and keys,
// OpenAL Soft mixing, libsndfile for wave files, espeak-ng speech) and a scripted one
// (virtual clock, scripted keys, every call recorded) that runs the whole game headless.
// Nothing outside src/platform/ includes a library header; the game sees only these classes.
#pragma once

#include <exception>
#include <limits>
#include <string>
#include <vector>

namespace dravlen {

// Why the game yields. A key wait is a wait that only a key can end (the wait in getkey and
// the rate adjuster's own wait). A sound wait waits for a one-shot to reach its end: the game
// looks at the sound every `soundTurn` seconds, and when it knows that the sound will still be
// playing several turns from now it folds those turns into one wait, which a key or a close
// request still ends at once. Every other wait (a pause, a fade) is `other`.
enum class WaitKind { key, sound, other };

// How often a sound wait or a fade looks again.
inline constexpr double soundTurn = 0.005;

// The deadline of a wait that has none: a key wait sleeps until a key or a close request.
inline constexpr double noDeadline = std::numeric_limits<double>::infinity();

// What the window reported during one yield, in arrival order.
struct WindowEvents {
    std::vector<int> keys;        // Windows virtual-key codes of every key-down, repeats included
    bool closeRequested = false;  // the window manager asked the window to close
};

class Window {
public:
    virtual ~Window() = default;
    virtual void setCaption(const std::string& caption) = 0;
    // Processes pending window events and returns them. It may sleep inside the event wait
    // until the monotonic time `until` (see Clock::now) or until a key or a close request
    // arrives, whichever comes first; `until` at or before now means "just look and return",
    // and `noDeadline` means that only a key or a close request ends the wait.
    virtual WindowEvents pump(WaitKind why, double until) = 0;
};

struct TimeOfDay {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic seconds from an arbitrary origin: every pause and deadline is measured on it,
    // so no wait can hang across midnight.
    virtual double now() = 0;
    // The local time of day; used only to seed the random generator.
    virtual TimeOfDay timeOfDay() = 0;
};

// Speak flags, as the game uses them.
enum class SpeakFlag : int {
    sync = 0,   // return when this text and everything queued before it has been heard
    async = 1,  // queue behind anything in progress and return at once
    purge = 2,  // silence at once and discard everything queued, then speak the text (if any) asynchronously
};

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // A stable list of voices, indexed from 0.
    virtual int voiceCount() = 0;
    virtual std::string voiceName(int index) = 0;
    // Later speech uses that voice. False (and the current voice stays) when there is no such voice.
    virtual bool selectVoice(int index) = 0;
    // The rate a newly created voice has, on the game's scale (0 normal, +10 about three times
    // faster, -10 about three times slower).
    virtual int defaultRate() = 0;
    // Applies to speech started afterwards. Values outside -10..10 are clamped by the engine.
    virtual void setRate(int rate) = 0;
    // 0..100; values outside are clamped by the engine. Applies to speech started afterwards.
    virtual void setVolume(int volume) = 0;
    virtual void speak(const std::string& text, SpeakFlag flag) = 0;
};

using SoundId = int;  // 0 is "no buffer"; every call accepts it and does nothing

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // A stopped buffer at the file's own format and frequency, position 0, volume 0, pan 0.
    // A missing or unreadable file still gives a buffer: one that plays nothing and never
    // reports playing.
    virtual SoundId load(const std::string& path) = 0;
    virtual void release(SoundId id) = 0;            // gone and silent
    virtual void play(SoundId id, bool looped) = 0;  // a stopped buffer continues where it stopped
    virtual void stop(SoundId id) = 0;               // silent at once; the position is kept
    virtual bool playing(SoundId id) = 0;            // false once a one-shot has reached its end
    virtual void setPosition(SoundId id, long frame) = 0;
    virtual void setVolume(SoundId id, int hundredthsOfDb) = 0;  // 0 loudest .. -10000 silent, clamped
    // A fade's or a glide's steps that fall due together: every whole value from `from` to
    // `to`, one apart, in order. The last one is what is heard.
    virtual void setVolumeSteps(SoundId id, int from, int to) {
        for (int v = from;; v += to < from ? -1 : 1) {
            setVolume(id, v);
            if (v == to) break;
        }
    }
    virtual int frequency(SoundId id) = 0;                       // current playback rate in Hz
    virtual void setFrequency(SoundId id, int hertz) = 0;
    virtual void setPan(SoundId id, int pan) = 0;  // -10000 left only .. 10000 right only, clamped
    virtual void setPanSteps(SoundId id, int from, int to) {
        for (int v = from;; v += to < from ? -1 : 1) {
            setPan(id, v);
            if (v == to) break;
        }
    }
    // Seconds until a playing one-shot reaches its end at its current frequency; 0 when it is
    // not playing, infinity when it loops.
    virtual double secondsLeft(SoundId id) = 0;
};

class System {
public:
    virtual ~System() = default;
    // The per-user folder for the settings file and the transcript; empty when there is none.
    virtual std::string settingsFolder() = 0;
    // The folder the program was started from: the wave files live there.
    virtual std::string programFolder() = 0;
    // Starts another program detached, without a shell; false when it could not be started.
    virtual bool launch(const std::string& path) = 0;
    // Shows a message with an OK button and returns when it is closed.
    virtual void messageBox(const std::string& text) = 0;
    virtual void beep() = 0;
};

struct Platform {
    Window& window;
    Clock& clock;
    SpeechEngine& speech;
    SoundDevice& sound;
    System& system;
};

// Thrown by a scripted platform when the game waits for a key and the script has none left.
struct KeysExhausted : std::exception {
    const char* what() const noexcept override { return "the scripted keys ran out"; }
};

}  // namespace dravlen
