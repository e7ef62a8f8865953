// A trip on the scripted platform for driving the trip's steps one at a time: keys in, lines out.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/ending.h"
#include "frontend/form.h"
#include "platform/scripted/scripted.h"
#include "road/trip.h"
#include "world/routes.h"

namespace dravlen::testing {

inline std::string tripDir(const std::string& what) {
    auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "dravlen-trip-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" + what +
                       "-" + std::to_string(::getpid());
    for (char& c : name)
        if (c == '/') c = '_';
    auto d = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    return d.string();
}

// Sounds are silent here (an empty program folder), so only speech and pauses take time.
struct TripRig {
    scripted::ScriptedPlatform sp;
    std::string settings = tripDir("settings");
    std::string program = tripDir("program");
    Platform p;
    Form f;
    Trip t;
    std::vector<std::string> lines;  // transcript lines, in order
    std::vector<double> draws;       // every number drawn

    explicit TripRig(const std::string& keys = "", uint32_t seed = 1) : p(init(keys)), f(p) {
        f.kp = settings;
        f.transcriptEcho = [this](const std::string& l) { lines.push_back(l); };
        t.dayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
        t.rng.seed(seed);
        t.rng.observer = [this](double v) { draws.push_back(v); };
        fillRouteTables(t.tables);
        f.wetBuf = p.sound.load(program + "/dravlen20.wav");
        f.blizzardBuf = p.sound.load(program + "/dravlen21.wav");
        f.engineBuf = p.sound.load(program + "/dravlen46.wav");
    }

    Platform init(const std::string& keys) {
        sp.setSettingsFolder(settings);
        sp.setProgramFolder(program);
        sp.addKeys(keys);
        return sp.platform();
    }

    // Runs a step; true when it ended the game (GameOver) rather than returning.
    bool ends(const std::function<void()>& step) {
        try {
            step();
        } catch (const GameOver&) {
            return true;
        }
        return false;
    }

    // The lines spoken since `from`, in order.
    std::vector<std::string> since(size_t from) const {
        return {lines.begin() + static_cast<long>(std::min(from, lines.size())), lines.end()};
    }
    bool said(const std::string& line) const {
        for (auto& l : lines)
            if (l == line) return true;
        return false;
    }
    int countSaid(const std::string& line) const {
        int n = 0;
        for (auto& l : lines) n += l == line;
        return n;
    }

    std::vector<int> soundsPlayed() const {
        std::vector<int> out;
        std::map<int, int> numberOf;
        for (auto& e : sp.events()) {
            if (e.op == "sound.load") numberOf[e.id] = e.sound;
            if (e.op == "sound.play" && numberOf[e.id] != 46 && numberOf[e.id] != 20 && numberOf[e.id] != 21)
                out.push_back(numberOf[e.id]);
        }
        return out;
    }
    // Every frequency the engine loop was set to, in order.
    std::vector<long> engineFrequencies() const {
        std::vector<long> out;
        for (auto& e : sp.events())
            if (e.op == "sound.frequency" && e.id == f.engineBuf) out.push_back(e.value);
        return out;
    }
};

// A generator seeded with `seed` whose next draws are those of `rng` (to look ahead).
inline std::vector<double> peek(const Rng& rng, int n) {
    Rng copy = rng;
    copy.observer = nullptr;
    std::vector<double> out;
    for (int i = 0; i < n; ++i) out.push_back(copy.rnd());
    return out;
}

// The first seed from 1 whose first draws satisfy `wanted`.
inline uint32_t seedWhere(int n, const std::function<bool(const std::vector<double>&)>& wanted) {
    for (uint32_t s = 1; s < 100000; ++s) {
        Rng r;
        r.seed(s);
        if (wanted(peek(r, n))) return s;
    }
    ADD_FAILURE() << "no seed found";
    return 1;
}

}  // namespace dravlen::testing
