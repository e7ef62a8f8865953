// Sound effects: one-shot sounds, the engine fades and the glide.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "frontend/keys.h"
#include "frontend/sound.h"
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;

TEST(FrontSound, OneShotsPlayOnceAtTheirRatePlusOneAndPlay2StopsForAPendingKey) {
    // "!y" arrives during the opening clk's second yield and stays pending.
    struct Case { const char* keys; bool play2; double ends; } cases[] = {
        {"!x !y", false, 2.0}, {"!x !y", true, 0.0}, {"", true, 2.0}};
    for (auto& c : cases) {
        Rig r(c.keys);
        r.sound(22, 2.0);
        r.f.wavol = -500;
        c.play2 ? play2(r.f, 22) : play(r.f, 22);
        EXPECT_NEAR(r.sp.now(), c.ends + 0.015, 0.035) << c.keys << c.play2;
        EXPECT_EQ(r.values("sound.volume"), std::vector<long>{-500});
        EXPECT_EQ(r.values("sound.frequency"), std::vector<long>{22051});
        EXPECT_EQ(r.values("sound.play"), std::vector<long>{0});  // not looped
        EXPECT_EQ(r.values("sound.release").size(), 1u);
        EXPECT_EQ(r.f.g2, *c.keys ? "y" : "");
    }
}

TEST(FrontSound, Play3PansBySideAndRatesTooWideForSixteenBitsPlayAsTheyAre) {
    Rig r;
    r.sound(5, 0.1);
    for (int side : {0, 1, 2, 5}) play3(r.f, 5, side);
    EXPECT_EQ(r.values("sound.pan"), (std::vector<long>{0, -1500, 1500, 0}));
    r.sound(7, 0.1, 48000);
    r.sound(8, 0.1, 32766);
    play(r.f, 7);
    play(r.f, 8);
    EXPECT_EQ(r.values("sound.frequency"), (std::vector<long>{22051, 22051, 22051, 22051, 32767}));
}

TEST(FrontSound, EngineFadesStepByHundredthsOfADecibelOverHalfASecond) {
    Rig r;
    r.sound(44, 14.0);
    r.sound(45, 0.2);
    r.f.engineBuf = r.f.p.sound.load(soundPath(r.f, 46));
    r.f.wavol = -3500;
    engineStartSound(r.f, r.t.wetWeather);
    auto up = r.values("sound.volume", r.f.engineBuf);
    ASSERT_EQ(up.size(), 1u + 6501u);  // -10000 before playing, then -10000 up to -3500
    for (size_t i = 1; i < up.size(); ++i) ASSERT_EQ(up[i], -10000 + static_cast<long>(i) - 1);
    EXPECT_GT(r.sp.now(), 13.99);  // the start sound plays to its end
    double before = r.sp.now();
    engineStopSound(r.f);
    auto down = r.values("sound.volume", r.f.engineBuf);
    ASSERT_EQ(down.size(), up.size() + 10000u);
    EXPECT_EQ(down[up.size()], -1);
    EXPECT_EQ(down.back(), -10000);
    EXPECT_NEAR(r.sp.now() - before, 0.5, 0.05);
}

TEST(FrontSound, GlideSetsEveryFrequencyOneHertzApartAtItsRate) {
    Rig r;
    r.f.engineBuf = r.f.p.sound.load(soundPath(r.f, 46));
    glideEngine(r.f, 20050, 22055, 4000);
    auto hz = r.values("sound.frequency");
    ASSERT_EQ(hz.size(), 2006u);
    for (size_t i = 0; i < hz.size(); ++i) ASSERT_EQ(hz[i], 20050 + static_cast<long>(i));
    EXPECT_NEAR(r.sp.now(), 0.5, 0.02);
    glideEngine(r.f, 22055, 22050, 4000);
    glideEngine(r.f, 22050, 22050, 4000);
    hz = r.values("sound.frequency");
    EXPECT_EQ(std::vector<long>(hz.begin() + 2006, hz.end()),
              (std::vector<long>{22055, 22054, 22053, 22052, 22051, 22050}));
}

TEST(FrontSound, NoWaitSpinsEveryTurnSleepsUntilAFutureDeadline) {
    // A sound, a fade, a glide and a pause each sleep turn by turn: at most the two looks of the
    // key clearing before them come in a row, never one look a turn for as long as they last.
    Rig r;
    r.sound(22, 2.0);
    r.sound(44, 3.0);
    r.sound(45, 0.2);
    r.f.engineBuf = r.f.p.sound.load(soundPath(r.f, 46));
    const std::pair<const char*, std::function<void()>> waits[] = {
        {"play", [&] { play(r.f, 22); }},
        {"engine start", [&] { engineStartSound(r.f, 0); }},
        {"engine stop", [&] { engineStopSound(r.f); }},
        {"glide", [&] { glideEngine(r.f, 20050, 22055, 4000); }},
        {"pause", [&] { dy(r.f, 1.5); }},
    };
    for (const auto& [name, wait] : waits) {
        wait();
        EXPECT_LE(r.sp.yields().longestLookRun, 2) << name;
    }
}
