// Sound effects: one-shot sounds, loops, the engine fades and the glide.
#include <gtest/gtest.h>

#include <cstdlib>

#include "frontend/keys.h"
#include "frontend/sound.h"
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;

namespace {

std::vector<long> ofBuffer(const Rig& r, const std::string& op, int id) {
    std::vector<long> out;
    for (auto& e : r.events())
        if (e.op == op && e.id == id) out.push_back(e.value);
    return out;
}

int loadedId(const Rig& r, int sound) {
    int id = 0;
    for (auto& e : r.events())
        if (e.op == "sound.load" && e.sound == sound) id = e.id;
    return id;
}

}  // namespace

TEST(FrontSound, OneShotsPlayToTheirEndAtTheirOwnRatePlusOne) {
    Rig r("!x !y");  // both arrive during the opening clk; the second stays pending
    r.sound(22, 2.0);
    r.f.wavol = -500;
    play(r.f, 22);
    int id = loadedId(r, 22);
    EXPECT_EQ(ofBuffer(r, "sound.volume", id), std::vector<long>{-500});
    EXPECT_EQ(ofBuffer(r, "sound.frequency", id), std::vector<long>{22051});
    EXPECT_EQ(ofBuffer(r, "sound.play", id), std::vector<long>{0});
    EXPECT_EQ(ofBuffer(r, "sound.release", id).size(), 1u);
    EXPECT_GT(r.sp.now(), 1.98);
    EXPECT_LT(r.sp.now(), 2.05);
    EXPECT_EQ(r.f.g2, "y");
    EXPECT_EQ(r.f.shotBuf, 0);
}

TEST(FrontSound, Play2EndsAtOnceOnAPendingKeyWherePlayGoesOn) {
    // A key delivered during the opening clk's second yield stays pending: play plays on,
    // play2 stops the sound at once and leaves the key for the caller.
    Rig r("!x !y");
    r.sound(1, 3.0);
    play(r.f, 1);
    EXPECT_GT(r.sp.now(), 2.9);
    Rig k("!x !y");
    k.sound(1, 3.0);
    play2(k.f, 1);
    EXPECT_LT(k.sp.now(), 0.1);
    EXPECT_EQ(k.f.g2, "y");
    EXPECT_EQ(k.values("sound.stop").size(), 1u);
    EXPECT_EQ(k.values("sound.release").size(), 1u);
    // With no key, play2 plays to the end.
    Rig n;
    n.sound(1, 3.0);
    play2(n.f, 1);
    EXPECT_GT(n.sp.now(), 2.9);
}

TEST(FrontSound, Play3PansBySide) {
    Rig r;
    r.sound(5, 0.1);
    for (int side : {0, 1, 2, 5}) play3(r.f, 5, side);
    EXPECT_EQ(r.values("sound.pan"), (std::vector<long>{0, -1500, 1500, 0}));
}

TEST(FrontSound, AFileRateTooWideForSixteenBitsPlaysAtItsOwnRate) {
    Rig r;
    r.sound(7, 0.1, 48000);
    play(r.f, 7);
    EXPECT_TRUE(r.values("sound.frequency").empty());
    r.sound(8, 0.1, 32766);
    play(r.f, 8);
    EXPECT_EQ(r.values("sound.frequency"), std::vector<long>{32767});
}

TEST(FrontSound, LoopsFollowTheirFlags) {
    Rig r;
    r.f.wetBuf = 1;
    r.f.blizzardBuf = 2;
    startWetLoop(r.f, r.t);  // dry weather: nothing
    EXPECT_EQ(r.t.wetLoopOn, 0);
    r.t.wetWeather = 1;
    startWetLoop(r.f, r.t);
    startWetLoop(r.f, r.t);
    EXPECT_EQ(r.t.wetLoopOn, 1);
    stopWetLoop(r.f, r.t);
    stopWetLoop(r.f, r.t);
    startBlizzardLoop(r.f, r.t);
    EXPECT_EQ(r.t.windLoopOn, 1);
    stopBlizzardLoop(r.f, r.t);
    EXPECT_EQ(r.t.windLoopOn, 0);
    EXPECT_EQ(r.values("sound.play").size(), 2u);
    EXPECT_EQ(r.values("sound.stop").size(), 2u);
}

TEST(FrontSound, EngineFadesStepByHundredthsOfADecibelOverHalfASecond) {
    Rig r;
    r.sound(44, 14.0);
    r.sound(45, 0.2);
    r.sound(46, 1.0);
    r.f.engineBuf = r.f.p.sound.load(soundPath(r.f, 46));
    r.f.wavol = -3500;
    engineStartSound(r.f, r.t);
    auto vols = ofBuffer(r, "sound.volume", r.f.engineBuf);
    ASSERT_EQ(vols.size(), 1u + 6501u);  // -10000 before playing, then -10000 up to -3500
    for (size_t i = 1; i < vols.size(); ++i) EXPECT_EQ(vols[i], -10000 + static_cast<long>(i) - 1);
    EXPECT_GT(r.sp.now(), 13.99);  // the start sound plays to its end
    EXPECT_EQ(r.f.shotBuf, 0);

    double before = r.sp.now();
    engineStopSound(r.f, r.t);
    double took = r.sp.now() - before;
    auto all = ofBuffer(r, "sound.volume", r.f.engineBuf);
    std::vector<long> fade(all.begin() + static_cast<long>(vols.size()), all.end());
    ASSERT_EQ(fade.size(), 10000u);
    EXPECT_EQ(fade.front(), -1);
    EXPECT_EQ(fade.back(), -10000);
    EXPECT_GT(took, 0.45);
    EXPECT_LT(took, 0.6);
    // The stop sound of a truck stop is 43.
    r.sound(43, 0.1);
    engineStopSound(r.f, r.t, 43);
    EXPECT_NE(loadedId(r, 43), 0);
}

TEST(FrontSound, GlideSetsEveryFrequencyAtItsRate) {
    Rig r;
    r.f.engineBuf = r.f.p.sound.load(soundPath(r.f, 46));
    double before = r.sp.now();
    glideEngine(r.f, 20050, 22055, 4000);
    auto hz = r.values("sound.frequency");
    ASSERT_EQ(hz.size(), 2006u);
    EXPECT_EQ(hz.front(), 20050);
    EXPECT_EQ(hz.back(), 22055);
    EXPECT_NEAR(r.sp.now() - before, 0.5, 0.02);
    glideEngine(r.f, 22055, 22050, 4000);
    hz = r.values("sound.frequency");
    EXPECT_EQ(std::vector<long>(hz.end() - 6, hz.end()), (std::vector<long>{22055, 22054, 22053, 22052, 22051, 22050}));
    size_t n = hz.size();
    glideEngine(r.f, 22050, 22050, 4000);
    EXPECT_EQ(r.values("sound.frequency").size(), n);
}
