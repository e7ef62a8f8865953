// A trip on the scripted platform for driving the trip's steps one at a time: keys in, lines out.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dialogue/ending.h"  // GameOver, for the steps that end the game
#include "frontend/form.h"
#include "harness.h"
#include "world/trip.h"
#include "world/routes.h"

namespace dravlen::testing {

using Lines = std::vector<std::string>;
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

// The folder holds no wave files, so sounds are silent and only speech and pauses take time.
struct TripRig {
    scripted::ScriptedPlatform sp;
    std::string dir;
    Platform p;
    Form f;
    Trip t;
    Lines lines;                // transcript lines, in order
    std::vector<double> draws;  // every number drawn

    explicit TripRig(const std::string& keys = "", uint32_t seed = 1) : p(init(keys)), f(p) {
        f.kp = dir;
        f.transcriptEcho = [this](const std::string& l) { lines.push_back(l); };
        t.dayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
        t.ordinals = {"", "first", "second", "third", "fourth"};
        t.rng.seed(seed);
        t.rng.observer = [this](double v) { draws.push_back(v); };
        fillRouteTables(t.tables);
        f.wetBuf = p.sound.load(dir + "/dravlen20.wav");
        f.blizzardBuf = p.sound.load(dir + "/dravlen21.wav");
        f.engineBuf = p.sound.load(dir + "/dravlen46.wav");
    }
    // A rig whose first n draws satisfy `wanted`.
    TripRig(int n, const Draws& wanted, const std::string& keys = "") : TripRig(keys, seedWhere(n, wanted)) {}
    Platform init(const std::string& keys) {
        static int rigs = 0;
        dir = freshDir("-" + std::to_string(++rigs));
        sp.setSettingsFolder(dir);
        sp.setProgramFolder(dir);
        sp.addKeys(keys);
        return sp.platform();
    }

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
