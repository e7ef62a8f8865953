// The sound list that F6 opens at any key wait: its names, how it moves, and the game's own
// sounds paused and given back. (A whole visit at a question is told in the front-sounds story.)
#include <cctype>
#include <set>

#include "front_rig.h"
#include "frontend/soundlist.h"

using namespace dravlen;
using namespace dravlen::testing;

TEST(SoundList, NamesEverySoundOfThePackOnceEachDistinctlyWithItsLoopsLooped) {
    std::set<int> pack, listed, loops;
    for (int n = 1; n <= 99; ++n)
        if (std::filesystem::exists(std::string(DRAVLEN_BUILD_DIR) + "/dravlen" + std::to_string(n) + ".wav"))
            pack.insert(n);
    std::set<std::string> names;
    for (const SoundName& s : kSoundNames) {
        listed.insert(s.number);
        if (s.loop) loops.insert(s.number);
        std::string name = s.name;
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(names.insert(name).second) << "two sounds are called " << name;
    }
    EXPECT_EQ(listed, pack);
    EXPECT_EQ(listed.size(), kSoundNames.size());
    EXPECT_EQ(loops, (std::set<int>{20, 21, 46}));
}

TEST(SoundList, WrapsAtBothEndsPausesTheLoopsAndGivesThemBackAndTheQuestionIsAskedAgain) {
    Rig r("f6 up down down enter esc");
    for (int n : {1, 2, 20, 21, 46}) r.sound(n, 10);
    r.f.wavol = -700;
    r.f.engineBuf = r.p.sound.load(soundPath(r.f, 46));
    r.f.wetBuf = r.p.sound.load(soundPath(r.f, 20));
    r.f.blizzardBuf = r.p.sound.load(soundPath(r.f, 21));
    r.p.sound.setFrequency(r.f.engineBuf, 8020);
    r.p.sound.play(r.f.engineBuf, true);
    r.p.sound.play(r.f.blizzardBuf, true);
    const size_t before = r.sp.events().size();

    yesNo(r.f, r.t);

    EXPECT_EQ(r.f.g + r.f.g2, "112p");  // F1 handed back: the question is asked again
    EXPECT_EQ(r.t.answer, 3);
    Lines said(r.echoed.begin() + 1, r.echoed.end());  // after the question's " yes "
    EXPECT_EQ(said, (Lines{" Sounds. Up and down arrows move, enter plays again, escape goes back. ", "opening theme",
                           "engine running", "opening theme", "tires screeching"}));
    // The game's loops: stopped once, played again looped at the end, nothing else changed.
    auto calls = [&](int id) {
        Lines out;
        for (size_t i = before; i < r.sp.events().size(); ++i)
            if (r.sp.events()[i].id == id && r.sp.events()[i].op.starts_with("sound."))
                out.push_back(r.sp.events()[i].op + " " + std::to_string(r.sp.events()[i].value));
        return out;
    };
    EXPECT_EQ(calls(r.f.engineBuf), (Lines{"sound.stop 0", "sound.play 1"}));
    EXPECT_EQ(calls(r.f.blizzardBuf), (Lines{"sound.stop 0", "sound.play 1"}));
    EXPECT_EQ(calls(r.f.wetBuf), Lines{});
    EXPECT_TRUE(r.p.sound.playing(r.f.engineBuf));
    EXPECT_EQ(r.p.sound.frequency(r.f.engineBuf), 8020);
    // Each entry at the sound volume and its own frequency + 1; the engine's loop looped, and
    // stopped after a few seconds; every buffer of the list released.
    std::vector<long> played, volumes;
    std::map<int, int> loaded;
    double loopStart = -1, loopStop = -1;
    for (size_t i = before; i < r.sp.events().size(); ++i) {
        const auto& e = r.sp.events()[i];
        if (e.op == "sound.load") loaded[e.id] = e.sound;
        if (e.op == "sound.release") loaded.erase(e.id);
        if (e.id == r.f.engineBuf || e.id == r.f.blizzardBuf) continue;
        if (e.op == "sound.play") played.push_back(loaded[e.id] * 10 + e.value);
        if (e.op == "sound.volume") volumes.push_back(e.value);
        if (e.op == "sound.frequency") {
            EXPECT_EQ(e.value, 22051);
        }
        if (e.op == "sound.play" && loaded[e.id] == 46) loopStart = e.t;
        if (e.op == "sound.stop" && loaded[e.id] == 46 && loopStop < 0) loopStop = e.t;
    }
    EXPECT_EQ(played, (std::vector<long>{10, 461, 10, 20, 20}));
    EXPECT_EQ(volumes, std::vector<long>(5, -700));
    EXPECT_NEAR(loopStop - loopStart, 4, 0.01);
    EXPECT_TRUE(loaded.empty());
    EXPECT_EQ(r.f.listBuf, 0);
}
