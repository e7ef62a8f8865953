// The player's own speech set-up: a speech engine on a speech-dispatcher that is already running.
//
// Every call that may wait on the daemon (connecting, listing voices, speaking, cancelling,
// settings) runs on a thread of the engine's own; the game's thread only queues requests and
// reads state, so a daemon that hangs can never freeze the game. When the daemon goes away the
// engine reports itself lost and keeps the texts it had not finished, so that another engine
// can speak them.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/desktop/audio.h"

namespace dravlen::desktop {

// What the daemon reported last, for measurements.
enum class SpeechdEvent { begin, end, cancel };

class SpeechdSpeech : public DesktopSpeech {
public:
    // Starts reaching a speech-dispatcher at once, on the engine's own thread, and returns at
    // once. One is never started: only a daemon already running answers. `socketPath` names
    // its unix socket; empty means the user's default address (SPEECHD_ADDRESS or the runtime
    // folder's socket).
    explicit SpeechdSpeech(const std::string& socketPath = "");
    ~SpeechdSpeech() override;
    SpeechdSpeech(const SpeechdSpeech&) = delete;
    SpeechdSpeech& operator=(const SpeechdSpeech&) = delete;

    // Waits until the daemon has listed its voices. A daemon that has not answered by `seconds`
    // after the engine was made is given up; one that has answered is given at least five
    // seconds from then for its list. True when it is ready to speak with at least one voice.
    bool ready(double seconds = 1.0);

    // The English voices of the daemon's default output module: the plain voices first, then
    // their variants, each group by name, at most `maxVoices` in all.
    static constexpr int maxVoices = 24;
    int voiceCount() override;
    std::string voiceName(int index) override;
    bool selectVoice(int index) override;
    int defaultRate() override { return 0; }
    void setRate(int rate) override;
    void setVolume(int volume) override;
    // Flag 1 queues (each text goes to the daemon at priority "text" once the one before has
    // ended); flag 2 cancels what this game queued and nothing of other programs; flag 0 waits
    // for the end of this text and of everything queued before it, or for the daemon to be lost.
    void speak(const std::string& text, SpeakFlag flag) override;
    std::vector<std::string> heard() override;

    // True once the daemon has gone away or stopped answering; nothing is spoken after that.
    bool lost();
    // The texts handed over and not yet heard to their end, oldest first; they are forgotten here.
    std::vector<std::string> takeUnheard();
    // When the daemon last reported that event (the epoch when never).
    std::chrono::steady_clock::time_point lastEventAt(SpeechdEvent event);

    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
    std::thread worker_;
};

// The voices an engine would offer from the speech-dispatcher at the unix socket `socketPath`,
// read on the calling thread; empty when it cannot be reached, ends the list early, or stays
// silent for `silence` at any point.
std::vector<std::string> speechdVoices(const std::string& socketPath,
                                       std::chrono::milliseconds silence = std::chrono::seconds(5));

// The speech-dispatcher game rate (-10..10) and volume (0..100) on its own -100..100 scales.
int speechdRate(int rate);
int speechdVolume(int volume);

}  // namespace dravlen::desktop
