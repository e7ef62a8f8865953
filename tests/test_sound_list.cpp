// The sound list that F6 opens at any key wait: its names, how it moves, and the game's own
// sounds paused and given back. (A whole visit at a question is told in the front-sounds story.)
#include <cctype>
#include <set>

#include "rig.h"
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

TEST(SoundList, WrapsDownPausesEveryLoopAtTheSoundVolumeAndReleasesItsBuffers) {
    // (Up wrapping, the engine's pitch and its loop cut after a few seconds, the front-sounds story tells.)
    Rig r("f6 up down down enter esc");
    for (int n : {1, 2, 20, 21, 46}) r.sound(n, 10);
    r.f.wavol = -700;
    r.f.engineBuf = r.p.sound.load(soundPath(r.f, 46));
    r.f.wetBuf = r.p.sound.load(soundPath(r.f, 20));
    r.f.blizzardBuf = r.p.sound.load(soundPath(r.f, 21));
    r.p.sound.play(r.f.engineBuf, true);
    r.p.sound.play(r.f.blizzardBuf, true);
    const size_t before = r.sp.events().size();

    yesNo(r.f, r.t);

    EXPECT_EQ(r.f.g + r.f.g2 + std::to_string(r.t.answer), "112p3");  // F1 handed back: the question is asked again
    EXPECT_EQ(Lines(r.lines.begin() + 1, r.lines.end()),  // after the question's " yes "
              (Lines{" Sounds. Up and down arrows move, enter plays again, escape goes back. ", "opening theme",
                     "engine running", "opening theme", "tires screeching"}));
    // The game's loops that play: stopped once, played again looped at the end; the list's own
    // entries at the sound volume, each buffer released.
    std::map<int, Lines> calls;
    std::map<int, int> loaded;
    Longs played, volumes;
    for (size_t i = before; i < r.sp.events().size(); ++i) {
        const auto& e = r.sp.events()[i];
        if (e.id == r.f.engineBuf || e.id == r.f.blizzardBuf || e.id == r.f.wetBuf) {
            calls[e.id].push_back(e.op + " " + std::to_string(e.value));
            continue;
        }
        if (e.op == "sound.load") loaded[e.id] = e.sound;
        if (e.op == "sound.release") loaded.erase(e.id);
        if (e.op == "sound.play") played.push_back(loaded[e.id] * 10 + e.value);
        if (e.op == "sound.volume") volumes.push_back(e.value);
    }
    EXPECT_EQ(calls, (std::map<int, Lines>{{r.f.engineBuf, {"sound.stop 0", "sound.play 1"}},
                                           {r.f.blizzardBuf, {"sound.stop 0", "sound.play 1"}}}));
    EXPECT_EQ(played, (Longs{10, 461, 10, 20, 20}));
    EXPECT_EQ(volumes, Longs(5, -700));
    EXPECT_TRUE(loaded.empty() && r.f.listBuf == 0);
}
