// The scripted platform: tokens, the virtual clock, sound lengths and the events file. (How keys
// come, how long speech takes and what a purge cuts, every story tells.)
#include <gtest/gtest.h>

#include "rig.h"

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
    for (const char* bad : {"A", "f0", "f13", "kp10", "return", "", "!", "f01", "ab"}) EXPECT_FALSE(parseToken(bad)) << bad;
    EXPECT_EQ(std::pair(parseTokens("a b nope c", &token).has_value(), token), std::pair(false, std::string("nope")));
    EXPECT_EQ(parseTokens(" a\n\tb  enter\n")->size(), 3u);
}

TEST(ScriptedClock, StartsAtNoonJumpsToDeadlinesStepsOtherwiseAndStopsAHungGame) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    // Each yield with its deadline, and the clock after it: 10 ms without, never back, never stalled
    // by a deadline closer than the clock resolves.
    const double now = 5.51;
    const std::pair<double, double> steps[] = {{0, 0.010}, {5.5, 5.5}, {1.0, now}, {now + 1e-7, now + 1e-6}};
    for (auto [deadline, after] : steps) {
        p.window.pump(WaitKind::other, deadline);
        EXPECT_NEAR(p.clock.now(), after, 5e-7) << deadline;
    }
    p.window.pump(WaitKind::other, 3600 + 61.2);
    const auto tod = p.clock.timeOfDay();
    EXPECT_EQ(std::tuple(tod.hours, tod.minutes, tod.seconds), std::tuple(13, 1, 1));
    sp.setTimeLimit(4000);
    p.window.pump(WaitKind::other, 4001);
    EXPECT_THROW(p.window.pump(WaitKind::other, 0), std::runtime_error);
}

TEST(ScriptedSound, LengthComesFromTheFileAtItsFrequencyStopKeepsThePositionAndBadFilesAreSilent) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    const std::string dir = dravlen::testing::freshDir();
    std::ofstream(dir + "/dravlen7.wav", std::ios::binary) << dravlen::testing::waveFile(22050, 44100);  // two seconds
    std::ofstream(dir + "/junk.wav") << "this is not a wave file at all";
    SoundId id = p.sound.load(dir + "/dravlen7.wav");
    EXPECT_EQ(std::tuple(sp.events().back().sound, p.sound.frequency(id)), std::tuple(7, 22050));
    // Each step: stop or start (looped or not) first, then whether it plays at the given time.
    struct Step { char what; double at; bool playing; } steps[] = {
        {'p', 1.5, true}, {'s', 10, false}, {'p', 10.4, true}, {'-', 10.6, false},  // half a second was left
        {'0', 11.5, true}, {'-', 11.65, false}, {'l', 100, true}};  // '0': from the start, twice as fast
    for (auto [what, at, playing] : steps) {
        if (what == 's') p.sound.stop(id);
        if (what == '0') p.sound.setPosition(id, 0), p.sound.setFrequency(id, 44100);
        if (what == 'p' || what == '0' || what == 'l') p.sound.play(id, what == 'l');
        p.window.pump(WaitKind::other, at);
        EXPECT_EQ(p.sound.playing(id), playing) << at;
    }
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
