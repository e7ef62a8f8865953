// A form and a trip on the scripted platform, for driving the game's steps one at a time: keys in,
// spoken lines, sounds and draws out. The program folder holds only the wave files a test writes,
// so other sounds are silent and only speech and pauses take time.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <tuple>

#include "dialogue/ending.h"  // GameOver, for the steps that end the game
#include "dialogue/screen.h"
#include "frontend/entry.h"
#include "frontend/form.h"
#include "frontend/keys.h"
#include "frontend/settings.h"
#include "frontend/sound.h"
#include "frontend/speech.h"
#include "harness.h"
#include "world/routes.h"
#include "world/trip.h"

namespace dravlen::testing {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Longs = std::vector<long>;
using Draws = std::function<bool(const std::vector<double>&)>;

// The first seed from 1 whose first n draws satisfy `wanted`.
inline uint32_t seedWhere(int n, const Draws& wanted) {
    for (uint32_t s = 1; s < 100000; ++s) {
        Rng r;
        r.seed(s);
        std::vector<double> d;
        for (int i = 0; i < n; ++i) d.push_back(r.rnd());
        if (wanted(d)) return s;
    }
    ADD_FAILURE() << "no seed found";
    return 1;
}

// A silent 16-bit mono wave file of `frames` frames at `rate`, its fmt chunk saying it has `fmtSize` bytes.
inline std::string waveFile(uint32_t rate, uint32_t frames, uint32_t fmtSize = 16) {
    auto le32 = [](uint32_t v) {
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(v >> (8 * i));
        return bytes;
    };
    return "RIFF" + le32(36 + frames * 2) + "WAVEfmt " + le32(fmtSize) + le32(0x10001) + le32(rate) + le32(rate * 2) +
           le32(0x100002) + "data" + le32(frames * 2) + std::string(frames * 2, '\0');
}

struct Rig {
    scripted::ScriptedPlatform sp;
    std::string settings, program;
    Platform p;
    Form f;
    Trip t;
    Lines lines;                // transcript lines, in order
    std::vector<double> draws;  // every number drawn

    explicit Rig(const std::string& keys = "", uint32_t seed = 1) : p(init(keys)), f(p) {
        f.kp = settings;
        f.nov = 1;
        f.transcriptEcho = [this](const std::string& l) { lines.push_back(l); };
        t.dayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
        t.ordinals = {"", "first", "second", "third", "fourth"};
        t.rng.seed(seed);
        t.rng.observer = [this](double v) { draws.push_back(v); };
        fillRouteTables(t.tables);
    }
    Platform init(const std::string& keys) {
        static int rigs = 0;  // each rig of a test its own folders
        settings = freshDir("-settings" + std::to_string(++rigs));
        program = freshDir("-program" + std::to_string(rigs));
        sp.setSettingsFolder(settings);
        sp.setProgramFolder(program);
        sp.setTimeLimit(100000);
        sp.addKeys(keys);
        return sp.platform();
    }
    // Sound n as a silent wave file of `seconds` at `rate`.
    void sound(int n, double seconds, int rate = 22050) {
        std::ofstream(program + "/dravlen" + std::to_string(n) + ".wav", std::ios::binary)
            << waveFile(static_cast<uint32_t>(rate), static_cast<uint32_t>(seconds * rate));
    }
    // The values of every event `op` (of buffer `id` when given), in order.
    Longs values(const std::string& op, int id = 0) const {
        Longs out;
        for (auto& e : sp.events())
            if (e.op == op && (id == 0 || e.id == id)) out.push_back(e.value);
        return out;
    }
};

// On the road: the wet, blizzard and engine loops loaded as the game loads them.
struct TripRig : Rig {
    explicit TripRig(const std::string& keys = "", uint32_t seed = 1) : Rig(keys, seed) {
        f.wetBuf = p.sound.load(program + "/dravlen20.wav");
        f.blizzardBuf = p.sound.load(program + "/dravlen21.wav");
        f.engineBuf = p.sound.load(program + "/dravlen46.wav");
    }
    // A rig whose first n draws satisfy `wanted`.
    TripRig(int n, const Draws& wanted, const std::string& keys = "") : TripRig(keys, seedWhere(n, wanted)) {}

    // One-shot sounds played, in order (the wet, blizzard and engine loops left out).
    std::vector<int> soundsPlayed() const {
        std::vector<int> out;
        std::map<int, int> numberOf;
        for (auto& e : sp.events()) {
            if (e.op == "sound.load") numberOf[e.id] = e.sound;
            const int n = numberOf[e.id];
            if (e.op == "sound.play" && n != 46 && n != 20 && n != 21) out.push_back(n);
        }
        return out;
    }
    // When the text was spoken, or a sound first played (by its number); -1 when never.
    double when(const std::string& text, int sound = 0) const {
        std::map<int, int> numberOf;
        for (auto& e : sp.events()) {
            if (e.op == "sound.load") numberOf[e.id] = e.sound;
            if ((e.op == "speak" && e.text == text && sound == 0) || (e.op == "sound.play" && sound && numberOf[e.id] == sound))
                return e.t;
        }
        return -1;
    }
};

// Freight on a route (0 middle, 1 northern, 2 southern) an hour after the start, with tires
// that cannot blow.
inline void onTheRoad(TripRig& r, int route) {
    r.t.route = static_cast<int16_t>(route);
    r.t.roadFactor = route == 1 ? 4 : route == 0 ? 2 : 1;
    r.t.cargo = 2;
    r.t.tripHours = 1;
    r.t.tireWear = 0;
}

}  // namespace dravlen::testing
