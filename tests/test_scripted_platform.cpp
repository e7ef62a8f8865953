// The scripted platform: tokens, key delivery, the virtual clock, sound lengths and the events file.
// (How long speech takes, and what a purge cuts, every story tells.)
#include <gtest/gtest.h>

#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::scripted;

TEST(ScriptedTokens, EveryTokenOfTheContractMapsToItsKeyCode) {
    std::istringstream cases("a 65 z 90 0 48 9 57 kp0 96 kp9 105 enter 13 esc 27 up 38 down 40 left 37 right 39 "
                             "space 32 bksp 8 tab 9 shift 16 ctrl 17 alt 18 comma 188 period 190 f1 112 f12 123 "
                             "!f5 116");
    std::string token;
    for (int code; cases >> token >> code;) {
        auto k = parseToken(token);
        ASSERT_TRUE(k) << token;
        EXPECT_EQ(std::tuple(k->code, k->immediate), std::tuple(code, token[0] == '!')) << token;
    }
    for (const char* bad : {"A", "f0", "f13", "kp10", "return", "", "!", "f01", "ab"})
        EXPECT_FALSE(parseToken(bad)) << bad;
    EXPECT_FALSE(parseTokens("a b nope c", &token));
    EXPECT_EQ(token, "nope");
    EXPECT_EQ(parseTokens(" a\n\tb  enter\n")->size(), 3u);
}

TEST(ScriptedKeys, PlainKeysWaitForAKeyWaitAndBangKeysComeAtTheVeryNextYield) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    sp.addKeys("a !b c");
    std::string got;  // what each yield delivered; "-" nothing
    for (WaitKind why : {WaitKind::other, WaitKind::key, WaitKind::other, WaitKind::other, WaitKind::key}) {
        const auto keys = p.window.pump(why, 0).keys;
        got += keys.empty() ? '-' : static_cast<char>(keys[0]);
    }
    EXPECT_EQ(got, "-AB-C");
    EXPECT_THROW(p.window.pump(WaitKind::key, 0), KeysExhausted);
}

TEST(ScriptedClock, StartsAtNoonJumpsToDeadlinesStepsOtherwiseAndStopsAHungGame) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    auto secondsOfDay = [&] {
        auto tod = p.clock.timeOfDay();
        return tod.hours * 3600 + tod.minutes * 60 + tod.seconds;
    };
    EXPECT_EQ(secondsOfDay(), 12 * 3600);
    p.window.pump(WaitKind::other, 0);
    EXPECT_NEAR(p.clock.now(), 0.010, 1e-9);
    p.window.pump(WaitKind::other, 5.5);
    EXPECT_NEAR(p.clock.now(), 5.5, 1e-6);
    p.window.pump(WaitKind::other, 1.0);  // a deadline in the past never moves the clock back
    EXPECT_NEAR(p.clock.now(), 5.51, 1e-6);
    p.window.pump(WaitKind::other, p.clock.now() + 1e-7);  // nor one closer than the clock resolves stalls it
    EXPECT_GT(p.clock.now(), 5.51);
    p.window.pump(WaitKind::other, 3600 + 61.2);
    EXPECT_EQ(secondsOfDay(), 13 * 3600 + 61);
    sp.setTimeLimit(4000);
    p.window.pump(WaitKind::other, 4001);
    EXPECT_THROW(p.window.pump(WaitKind::other, 0), std::runtime_error);
}

TEST(ScriptedSound, LengthComesFromTheFileStopKeepsThePositionAndBadFilesAreSilent) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    const std::string dir = dravlen::testing::freshDir();
    std::ofstream(dir + "/dravlen7.wav", std::ios::binary) << dravlen::testing::waveFile(22050, 44100);  // two seconds
    std::ofstream(dir + "/junk.wav") << "this is not a wave file at all";
    SoundId id = p.sound.load(dir + "/dravlen7.wav");
    EXPECT_EQ(std::tuple(sp.events().back().sound, p.sound.frequency(id)), std::tuple(7, 22050));
    auto playingAt = [&](double until) {
        p.window.pump(WaitKind::other, until);
        return p.sound.playing(id);
    };
    p.sound.play(id, false);
    EXPECT_TRUE(playingAt(p.clock.now() + 1.5));
    p.sound.stop(id);
    EXPECT_FALSE(playingAt(10));
    p.sound.play(id, false);  // continues: half a second is left
    EXPECT_TRUE(playingAt(10.4));
    EXPECT_FALSE(playingAt(10.6));
    p.sound.setPosition(id, 0);
    p.sound.setFrequency(id, 44100);  // twice as fast: one second
    p.sound.play(id, false);
    EXPECT_TRUE(playingAt(11.5));
    EXPECT_FALSE(playingAt(11.65));
    p.sound.play(id, true);  // a loop never ends by itself
    EXPECT_TRUE(playingAt(100));
    for (std::string path : {dir + "/missing.wav", dir + "/junk.wav"}) {
        SoundId bad = p.sound.load(path);
        p.sound.play(bad, true);
        EXPECT_EQ(std::pair(bad != 0, p.sound.playing(bad)), std::pair(true, false)) << path;
    }
}

TEST(ScriptedEvents, FadesAndGlidesFoldIntoOneLineAndTextsAreEscaped) {
    std::vector<Event> ev;
    auto add = [&](std::string op, int id, long value, std::string text = "", double real = 0) {
        ev.push_back(Event{0.25 * static_cast<double>(ev.size()), op, text, id, 0, value, real});
    };
    for (long v : {-1, -2, -3, -4}) add("sound.volume", 3, v);
    add("sound.volume", 4, -5);
    add("sound.frequency", 4, 22051);
    add("sound.frequency", 4, 22052);
    add("speak", 0, 1, "say \"hi\"\r\x01");
    add("rnd", 0, 0, "", 0.1);
    add("key", 0, 13, "!enter");
    EXPECT_EQ(eventsToJson(ev),
              "{\"t\":0,\"op\":\"sound.volume\",\"id\":3,\"from\":-1,\"to\":-4,\"steps\":4,\"until\":0.75}\n"
              "{\"t\":1,\"op\":\"sound.volume\",\"id\":4,\"value\":-5}\n"
              "{\"t\":1.25,\"op\":\"sound.frequency\",\"id\":4,\"from\":22051,\"to\":22052,\"steps\":2,\"until\":1.5}\n"
              "{\"t\":1.75,\"op\":\"speak\",\"text\":\"say \\\"hi\\\"\\r\\u0001\",\"flags\":1}\n"
              "{\"t\":2,\"op\":\"rnd\",\"value\":0.10000000000000001}\n"
              "{\"t\":2.25,\"op\":\"key\",\"token\":\"!enter\"}\n");
}
