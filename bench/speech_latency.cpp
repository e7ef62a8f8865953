// The speech latency benchmark (scripts/bench-desktop.sh runs it): how long after a key-down the
// speech in progress falls silent and the next line starts, for the embedded espeak-ng engine
// (read from what its output mixed, through a loopback recorder) and for a private
// speech-dispatcher (from its events); and what start-up spends on a daemon that is not there.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/desktop/audio.h"
#include "platform/desktop/speechd_engine.h"
#include "private_daemon.h"

using namespace dravlen;
using namespace dravlen::desktop;
using testing::longText;
using SteadyClock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

double msSince(SteadyClock::time_point from, SteadyClock::time_point to = SteadyClock::now()) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.1f ms (min %.1f, max %.1f)\n", what, ms[ms.size() / 2], ms.front(), ms.back());
}

bool embedded() {
    const int rate = 44100;
    auto output = AudioOutput::openRecorder(rate);
    std::string error;
    auto speech = output ? makeSpeechEngine(*output, &error) : nullptr;
    if (!speech || speech->voiceCount() == 0) {
        std::printf("embedded: no engine (%s)\n", error.c_str());
        return false;
    }
    auto loud = [](float x) { return std::fabs(x) > 0.003f; };
    auto recordingAfterSync = [&] {
        speech->speak("", SpeakFlag::sync);
        std::this_thread::sleep_for(100ms);
        return output->recorded();
    };
    std::vector<double> silence, next;
    for (int i = 0; i < 10; ++i) {
        // Silence: a purge with nothing after it, to the first 10 ms without a sound. (With a
        // next line queued, its first word follows the cut so closely that no gap shows.)
        speech->speak(longText(), SpeakFlag::async);
        std::this_thread::sleep_for(600ms);
        size_t key = output->recorded().size() / 2;
        speech->speak("", SpeakFlag::purge);
        auto rec = recordingAfterSync();
        size_t frames = rec.size() / 2, quietAt = frames;
        for (size_t f = key, quiet = 0; f < frames && quietAt == frames; ++f) {
            quiet = loud(rec[2 * f]) ? 0 : quiet + 1;
            if (quiet == size_t(rate / 100)) quietAt = f + 1 - quiet;  // the first 10 ms without a sound
        }
        silence.push_back(1000.0 * double(quietAt - key) / rate);
        // The next line: from the call to its first sound, on a quiet output. After a purge the
        // line goes to a source of its own at once, so this is what follows the cut above.
        key = output->recorded().size() / 2;
        speech->speak("The next line.", SpeakFlag::async);
        rec = recordingAfterSync();
        frames = rec.size() / 2;
        size_t soundAt = frames;
        for (size_t f = key; f < frames && soundAt == frames; ++f)
            if (loud(rec[2 * f])) soundAt = f;
        next.push_back(1000.0 * double(soundAt - key) / rate);
    }
    report("embedded, key-down to silence", silence);
    report("embedded, key-down to the first audio of the next line", next);
    return true;
}

bool speechDispatcher() {
    testing::PrivateDaemon daemon;
    if (!daemon.start()) {
        std::printf("speech-dispatcher: the private daemon did not come up (is it installed?)\n");
        return false;
    }
    auto started = SteadyClock::now();
    SpeechdSpeech engine(daemon.socket());
    if (!engine.ready(10) || !engine.selectVoice(0)) {
        std::printf("speech-dispatcher: the private daemon did not answer\n");
        return false;
    }
    std::printf("speech-dispatcher with espeak-ng: connected and voices listed after %.0f ms\n", msSince(started));
    auto waitFor = [&](SpeechdEvent event, SteadyClock::time_point since) {
        for (int i = 0; i < 500 && engine.lastEventAt(event) < since; ++i) std::this_thread::sleep_for(10ms);
        return engine.lastEventAt(event) >= since;
    };
    std::vector<double> silence, next;
    for (int i = 0; i < 10; ++i) {
        auto start = SteadyClock::now();
        engine.speak(longText(), SpeakFlag::async);
        if (!waitFor(SpeechdEvent::begin, start)) {
            std::printf("speech-dispatcher: the daemon never began to speak\n");
            return false;
        }
        std::this_thread::sleep_for(300ms);
        auto key = SteadyClock::now();
        engine.speak("", SpeakFlag::purge);  // what a key-down does
        engine.speak("The next line.", SpeakFlag::async);
        engine.speak("", SpeakFlag::sync);
        silence.push_back(msSince(key, engine.lastEventAt(SpeechdEvent::cancel)));
        next.push_back(msSince(key, engine.lastEventAt(SpeechdEvent::begin)));
    }
    report("speech-dispatcher, key-down to cancel event", silence);
    report("speech-dispatcher, key-down to begin event of the next line", next);
    return true;
}

}  // namespace

int main() {
    bool ok = embedded();
    ok = speechDispatcher() && ok;
    for (int i = 0; i < 3; ++i) {
        auto start = SteadyClock::now();
        SpeechdSpeech absent;  // the default address, where no daemon runs here
        bool found = absent.ready();
        std::printf("no speech-dispatcher: found %d after %.2f ms\n", found, msSince(start));
    }
    return ok ? 0 : 1;
}
