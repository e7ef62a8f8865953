// Sound effects: one-shot sounds, the three background loops and the engine sequences.
#include "frontend/sound.h"

#include <cmath>
#include <cstdlib>

#include "frontend/keys.h"
#include "frontend/settings.h"

namespace dravlen {

namespace {

// A fade of 10,000 steps of one hundredth of a decibel takes about half a second.
constexpr double kFadeStepsPerSecond = 20000;
void shortYield(Form& f) { yieldOnce(f, WaitKind::other, f.p.clock.now() + soundTurn); }

// Sets every whole value from `from` to `to` inclusive, 1 apart, spread evenly over time at
// `perSecond` values a second: set(first, last) sets all the values that are due, in order, then
// the window runs.
template <typename Set>
void sweep(Form& f, long from, long to, double perSecond, Set set) {
    long dir = to < from ? -1 : 1;
    long count = std::labs(to - from) + 1;
    if (!(perSecond > 0)) perSecond = kFadeStepsPerSecond;
    double start = f.p.clock.now();
    long done = 0;
    while (done < count) {
        double elapsed = f.p.clock.now() - start;
        long due = count;
        if (elapsed * perSecond + 1 < static_cast<double>(count))
            due = static_cast<long>(elapsed * perSecond) + 1;
        if (done < due) {
            set(from + dir * done, from + dir * (due - 1));
            done = due;
        }
        if (done < count) shortYield(f);
    }
}

// Loads sound n into a fresh one-shot buffer at position 0, the sound volume and its own
// frequency + 1, and starts it once.
void startShot(Form& f, int n, int pan, bool setPan) {
    if (f.shotBuf) f.p.sound.release(f.shotBuf);
    f.shotBuf = f.p.sound.load(soundPath(f, n));
    f.p.sound.setPosition(f.shotBuf, 0);
    f.p.sound.setVolume(f.shotBuf, engineInt(f.wavol));
    int own = f.p.sound.frequency(f.shotBuf);
    // fq is 16 bits wide: a file rate of 32767 Hz or more plays at its own rate instead.
    if (own > 0 && own < 32767) {
        f.fq = static_cast<int16_t>(own + 1);
        f.p.sound.setFrequency(f.shotBuf, f.fq);
    } else {
        f.fq = static_cast<int16_t>(own > 0 ? 32767 : 0);
    }
    if (setPan) f.p.sound.setPan(f.shotBuf, pan);
    f.p.sound.play(f.shotBuf, false);
}

void endShot(Form& f) {
    f.p.sound.stop(f.shotBuf);
    f.p.sound.release(f.shotBuf);
    f.shotBuf = 0;
}

// Looks at the sound every turn until it ends. The turns that surely pass before its end are
// slept through in one wait, so the window is not woken two hundred times a second for nothing;
// the last turn or two are looked at one by one, as the end is only known to a few samples.
void waitShot(Form& f, bool cutByKey) {
    while (f.p.sound.playing(f.shotBuf)) {
        if (cutByKey && !f.g.empty()) break;
        const double left = f.p.sound.secondsLeft(f.shotBuf);
        double turns = std::isfinite(left) ? std::ceil(left / soundTurn) - 1 : 1;
        if (!(turns >= 1)) turns = 1;
        if (turns > 1e6) turns = 1e6;
        yieldOnce(f, WaitKind::sound, f.p.clock.now() + turns * soundTurn);
    }
}

void oneShot(Form& f, int n, int pan, bool setPan, bool cutByKey) {
    clk(f);
    startShot(f, n, pan, setPan);
    waitShot(f, cutByKey);
    endShot(f);
}

void fade(Form& f, SoundId id, long from, long to) {
    sweep(f, from, to, kFadeStepsPerSecond, [&](long first, long last) {
        f.p.sound.setVolumeSteps(id, static_cast<int>(first), static_cast<int>(last));
    });
}

}  // namespace

std::string soundPath(Form& f, int n) {
    return f.p.system.programFolder() + "/dravlen" + std::to_string(n) + ".wav";
}

void play(Form& f, int n) { oneShot(f, n, 0, false, false); }

void play2(Form& f, int n) { oneShot(f, n, 0, false, true); }

void play3(Form& f, int n, int side) {
    int pan = side == 1 ? -1500 : side == 2 ? 1500 : 0;
    oneShot(f, n, pan, true, false);
}

void startWetLoop(Form& f, int16_t wetWeather) {
    if (f.wetLoopOn == 1 || wetWeather == 0) return;
    f.wetLoopOn = 1;
    f.p.sound.play(f.wetBuf, true);
}

void stopWetLoop(Form& f) {
    if (f.wetLoopOn == 0) return;
    f.p.sound.stop(f.wetBuf);
    f.wetLoopOn = 0;
}

void startBlizzardLoop(Form& f) {
    if (f.windLoopOn == 1) return;
    f.windLoopOn = 1;
    f.p.sound.play(f.blizzardBuf, true);
}

void stopBlizzardLoop(Form& f) {
    if (f.windLoopOn == 0) return;
    f.p.sound.stop(f.blizzardBuf);
    f.windLoopOn = 0;
}

void engineStopSound(Form& f, int n) {
    startShot(f, n, 0, false);
    fade(f, f.engineBuf, -1, -10000);
    f.p.sound.stop(f.engineBuf);
    waitShot(f, false);
    stopWetLoop(f);
    endShot(f);
}

void engineStartSound(Form& f, int16_t wetWeather) {
    startShot(f, 44, 0, false);
    startWetLoop(f, wetWeather);
    dy(f, 12);
    f.p.sound.setVolume(f.engineBuf, -10000);
    f.p.sound.play(f.engineBuf, true);
    long target = engineInt(f.wavol);
    if (target < -10000) target = -10000;
    if (target > 0) target = 0;
    fade(f, f.engineBuf, -10000, target);
    waitShot(f, false);
    endShot(f);
}

void crashSound(Form& f) {
    play(f, 19);
    f.p.sound.stop(f.wetBuf);
    f.p.sound.stop(f.blizzardBuf);
    f.p.sound.stop(f.engineBuf);
}

void startPanned(Form& f, int n, int pan) { startShot(f, n, pan, true); }

void glideShotPan(Form& f, long from, long to, double unitsPerSecond) {
    sweep(f, from, to, unitsPerSecond, [&](long first, long last) {
        f.p.sound.setPanSteps(f.shotBuf, static_cast<int>(first), static_cast<int>(last));
    });
}

void waitShotEnd(Form& f) {
    waitShot(f, false);
    endShot(f);
}

void glideEngine(Form& f, long from, long to, double hertzPerSecond) {
    if (from == to) return;
    sweep(f, from, to, hertzPerSecond, [&](long first, long last) {
        for (long v = first;; v += last < first ? -1 : 1) {
            f.p.sound.setFrequency(f.engineBuf, static_cast<int>(v));
            if (v == last) break;
        }
    });
}

}  // namespace dravlen
