// The scripted platform: the whole game headless on a virtual clock, with scripted keys and
// every platform call recorded in order with its virtual time.
//
// Virtual time:
//  - The clock starts at 0 s, which is 12:00:00 noon by the time of day.
//  - A yield (Window::pump) with a deadline in the future jumps the clock to that deadline;
//    one without advances it by 10 ms, the real platform's event-wait granularity.
//  - Speech: a text takes (0.3 + 0.06 x its length in characters) seconds at rate 0, scaled by
//    3^(-rate/10) (rate clamped to -10..10); an empty text takes no time. Texts queue one after
//    another; a sync speak advances the clock to the end of everything queued, itself included.
//    A purge cuts the text in progress and drops everything queued.
//  - Sounds last as long as their wave files (frames / rate, read from the file's header) at
//    the current playback frequency; a missing or unreadable file gives a silent buffer.
//
// Keys: tokens are delivered one per key-wait yield (WaitKind::key) in order; a token written
// with a leading "!" is delivered at the very next yield of any kind instead. When a key wait
// finds no token left, the platform asks `moreKeys` (interactive mode) and otherwise throws
// KeysExhausted.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace dravlen::scripted {

struct Event {
    double t = 0;        // virtual seconds since start
    std::string op;      // speak, rate, volume, voice, sound.load, sound.play, sound.stop,
                         // sound.release, sound.volume, sound.frequency, sound.pan,
                         // sound.position, beep, message, launch, exit, key, rnd
    std::string text;    // speak/message text, launch program, sound.load file, key token
    int id = 0;          // sound buffer id
    int sound = 0;       // sound.load: the sound number taken from the file name (0 if none)
    long value = 0;      // flags, rate, volume, voice index, looped, frequency, pan, position, exit status
    double real = 0;     // rnd value
};

struct Key {
    int code = 0;            // Windows virtual-key code
    std::string token;       // as written, without the "!"
    bool immediate = false;  // "!" token
};

// Parses one token ("enter", "!kp5", "a"); nullopt when it is not a token of the contract.
std::optional<Key> parseToken(const std::string& token);
// Parses blank- and line-separated tokens; nullopt (with the bad token in *bad) on a bad token.
std::optional<std::vector<Key>> parseTokens(const std::string& text, std::string* bad = nullptr);

// Writes events as JSON lines as they come, folding a run of consecutive volume or frequency
// settings of one buffer (a fade or a glide) into one event with from, to and steps. Only the
// run being folded is held, so a whole trip streams in constant memory.
class EventWriter {
public:
    explicit EventWriter(std::ostream& out) : out_(out) {}
    EventWriter(const EventWriter&) = delete;
    EventWriter& operator=(const EventWriter&) = delete;
    ~EventWriter() { finish(); }
    void add(const Event& e);
    void finish();  // writes the run being folded, if any

private:
    void writeRun();
    std::ostream& out_;
    bool folding_ = false;
    Event first_;           // the run's first setting
    long lastValue_ = 0;    // and its last one
    double lastT_ = 0;
    long steps_ = 0;
};

// The same as JSON lines in one text.
std::string eventsToJson(const std::vector<Event>& events);

// How the game yielded. A look is a yield whose deadline is not in the future: on a real desktop
// it returns at once, so a wait made of nothing but looks spins a core.
struct YieldCounts {
    long long yields = 0;
    long long looks = 0;
    long long longestLookRun = 0;  // the most looks in a row, with no yield that slept between
};

class ScriptedPlatform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform();
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    Platform platform();

    // Set-up.
    void addKeys(const std::vector<Key>& keys);
    void addKeys(const std::string& tokens);  // throws std::invalid_argument on a bad token
    void setVoices(int count);                // default 2
    void setSettingsFolder(const std::string& dir);  // default: the current folder
    void setProgramFolder(const std::string& dir);   // default: the folder of the executable
    // Asked when a key wait finds no key left; returns more tokens, or nullopt when input has ended.
    std::function<std::optional<std::vector<Key>>()> moreKeys;
    // The next yield reports a request to close the window.
    void requestClose();
    // A yield past this virtual time throws std::runtime_error: a game that never ends is hung.
    // Default 1,000,000 seconds, far beyond any trip. So does the 50,000,000th yield.
    void setTimeLimit(double seconds);

    // Every recorded event is handed to `sink` as it happens; with `keep` false the events are
    // not also kept in memory, and events() stays empty.
    void streamEvents(std::function<void(const Event&)> sink, bool keep);

    // What happened.
    const std::vector<Event>& events() const;
    void record(const std::string& op, const std::string& text = "", long value = 0);
    void recordRandom(double value);
    double now() const;
    YieldCounts yields() const;
    // Texts spoken to their end, in order, and texts purged before their end: kept while
    // anything is recorded (the runner without an events file keeps neither).
    const std::vector<std::string>& heard() const;
    const std::vector<std::string>& cut() const;
    size_t keysLeft() const;
    int rate() const;
    int volume() const;
    int voice() const;
    const std::string& caption() const;

    struct Impl;

private:
    Impl* impl_;
};

}  // namespace dravlen::scripted
