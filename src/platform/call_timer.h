// A measuring wrapper around a platform: how long the game's thread spends inside each kind of
// call, so that a benchmark can show that no call holds the game while a player types.
//
// The waits the game asks for are not counted: a yield that may sleep, and a synchronous line
// (it lasts as long as the line). A yield that only looks (its deadline already past) is, as it
// should return at once.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "platform/platform.h"

namespace dravlen {

class CallTimer {
public:
    explicit CallTimer(Platform inner)
        : window_(*this, inner.window), speech_(*this, inner.speech), sound_(*this, inner.sound),
          clock_(inner.clock), system_(inner.system) {}
    CallTimer(const CallTimer&) = delete;
    CallTimer& operator=(const CallTimer&) = delete;

    Platform platform() { return Platform{window_, clock_, speech_, sound_, system_}; }

    struct Figure {
        double longest = 0;  // seconds
        long long count = 0;
    };
    const std::map<std::string, Figure>& figures() const { return figures_; }

    // One line per kind of call, the longest first: "name longest_ms count".
    void write(std::FILE* out) const {
        std::vector<std::pair<std::string, Figure>> rows(figures_.begin(), figures_.end());
        std::sort(rows.begin(), rows.end(), [](auto& a, auto& b) { return a.second.longest > b.second.longest; });
        for (auto& [name, f] : rows) std::fprintf(out, "%s %.3f %lld\n", name.c_str(), f.longest * 1000, f.count);
    }

private:
    using Steady = std::chrono::steady_clock;

    // Times one call: constructed before it, destroyed after it.
    struct Timed {
        CallTimer& timer;
        const char* name;
        Steady::time_point start = Steady::now();
        ~Timed() {
            Figure& f = timer.figures_[name];
            f.longest = std::max(f.longest, std::chrono::duration<double>(Steady::now() - start).count());
            ++f.count;
        }
    };

    struct TimedWindow : Window {
        CallTimer& t;
        Window& w;
        TimedWindow(CallTimer& timer, Window& window) : t(timer), w(window) {}
        void setCaption(const std::string& c) override {
            Timed m{t, "window.setCaption"};
            w.setCaption(c);
        }
        WindowEvents pump(WaitKind why, double until) override {
            if (why == WaitKind::key || until > t.clock_.now()) return w.pump(why, until);
            Timed m{t, "window.pump (a look)"};
            return w.pump(why, until);
        }
    };

    struct TimedSpeech : SpeechEngine {
        CallTimer& t;
        SpeechEngine& s;
        TimedSpeech(CallTimer& timer, SpeechEngine& speech) : t(timer), s(speech) {}
        int voiceCount() override {
            Timed m{t, "speech.voiceCount"};
            return s.voiceCount();
        }
        std::string voiceName(int i) override {
            Timed m{t, "speech.voiceName"};
            return s.voiceName(i);
        }
        bool selectVoice(int i) override {
            Timed m{t, "speech.selectVoice"};
            return s.selectVoice(i);
        }
        int defaultRate() override { return s.defaultRate(); }
        void setRate(int r) override {
            Timed m{t, "speech.setRate"};
            s.setRate(r);
        }
        void setVolume(int v) override {
            Timed m{t, "speech.setVolume"};
            s.setVolume(v);
        }
        void speak(const std::string& text, SpeakFlag flag) override {
            if (flag == SpeakFlag::sync) return s.speak(text, flag);
            Timed m{t, flag == SpeakFlag::purge ? "speech.speak (purge)" : "speech.speak (queued)"};
            s.speak(text, flag);
        }
    };

    struct TimedSound : SoundDevice {
        CallTimer& t;
        SoundDevice& d;
        TimedSound(CallTimer& timer, SoundDevice& device) : t(timer), d(device) {}
        SoundId load(const std::string& path) override {
            Timed m{t, "sound.load"};
            return d.load(path);
        }
        void release(SoundId id) override {
            Timed m{t, "sound.release"};
            d.release(id);
        }
        void play(SoundId id, bool looped) override {
            Timed m{t, "sound.play"};
            d.play(id, looped);
        }
        void stop(SoundId id) override {
            Timed m{t, "sound.stop"};
            d.stop(id);
        }
        bool playing(SoundId id) override {
            Timed m{t, "sound.playing"};
            return d.playing(id);
        }
        void setPosition(SoundId id, long frame) override {
            Timed m{t, "sound.setPosition"};
            d.setPosition(id, frame);
        }
        void setVolume(SoundId id, int v) override {
            Timed m{t, "sound.setVolume"};
            d.setVolume(id, v);
        }
        void setVolumeSteps(SoundId id, int from, int to) override {
            Timed m{t, "sound.setVolumeSteps"};
            d.setVolumeSteps(id, from, to);
        }
        int frequency(SoundId id) override {
            Timed m{t, "sound.frequency"};
            return d.frequency(id);
        }
        void setFrequency(SoundId id, int hz) override {
            Timed m{t, "sound.setFrequency"};
            d.setFrequency(id, hz);
        }
        void setPan(SoundId id, int pan) override {
            Timed m{t, "sound.setPan"};
            d.setPan(id, pan);
        }
        void setPanSteps(SoundId id, int from, int to) override {
            Timed m{t, "sound.setPanSteps"};
            d.setPanSteps(id, from, to);
        }
        double secondsLeft(SoundId id) override {
            Timed m{t, "sound.secondsLeft"};
            return d.secondsLeft(id);
        }
    };

    std::map<std::string, Figure> figures_;
    TimedWindow window_;
    TimedSpeech speech_;
    TimedSound sound_;
    Clock& clock_;
    System& system_;
};

}  // namespace dravlen
