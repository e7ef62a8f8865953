// The scripted platform: tokens, key delivery, the virtual clock, the speech queue and sound lengths.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "harness.h"
#include "platform/scripted/scripted.h"

using namespace dravlen;
using namespace dravlen::scripted;

namespace {

// A 16-bit mono wave of `frames` silent frames at 22,050 Hz.
void writeWave(const std::string& path, int frames) {
    std::ofstream f(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f.write("RIFF", 4), u32(36 + frames * 2), f.write("WAVEfmt ", 8), u32(16), u16(1), u16(1);
    u32(22050), u32(44100), u16(2), u16(16), f.write("data", 4), u32(frames * 2);
    for (int i = 0; i < frames; ++i) u16(0);
}

std::vector<int> pumpKeys(Platform& p, WaitKind why) { return p.window.pump(why, 0).keys; }

}  // namespace

TEST(ScriptedTokens, EveryTokenOfTheContractMapsToItsKeyCode) {
    std::pair<const char*, int> cases[] = {
        {"a", 65},     {"z", 90},    {"0", 48},    {"9", 57},      {"kp0", 96},    {"kp9", 105},
        {"enter", 13}, {"esc", 27},  {"up", 38},   {"down", 40},   {"left", 37},   {"right", 39},
        {"space", 32}, {"bksp", 8},  {"tab", 9},   {"shift", 16},  {"ctrl", 17},   {"alt", 18},
        {"comma", 188}, {"period", 190}, {"f1", 112}, {"f5", 116}, {"f12", 123}, {"!enter", 13}};
    for (auto [token, code] : cases) {
        auto k = parseToken(token);
        ASSERT_TRUE(k) << token;
        EXPECT_EQ(k->code, code) << token;
        EXPECT_EQ(k->immediate, token[0] == '!') << token;
    }
    for (const char* bad : {"A", "f0", "f13", "kp10", "return", "", "!", "f01", "ab"}) EXPECT_FALSE(parseToken(bad)) << bad;
    std::string which;
    EXPECT_FALSE(parseTokens("a b nope c", &which));
    EXPECT_EQ(which, "nope");
    EXPECT_EQ(parseTokens(" a\n\tb  enter\n")->size(), 3u);
}

TEST(ScriptedKeys, PlainKeysWaitForAKeyWaitBangKeysComeAtTheNextYieldThenMoreOrTheEnd) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    int asked = 0;
    sp.moreKeys = [&]() -> std::optional<std::vector<Key>> {
        return ++asked == 1 ? parseTokens("y") : std::nullopt;
    };
    sp.addKeys("a !b c");
    EXPECT_TRUE(pumpKeys(p, WaitKind::other).empty());  // a plain key is not delivered at a pause
    EXPECT_EQ(pumpKeys(p, WaitKind::key), std::vector<int>{65});
    EXPECT_EQ(pumpKeys(p, WaitKind::other), std::vector<int>{66});  // "!b" at the very next yield
    EXPECT_EQ(pumpKeys(p, WaitKind::key), std::vector<int>{67});
    EXPECT_EQ(asked, 0);  // the interactive source is asked only once the script is empty
    EXPECT_TRUE(pumpKeys(p, WaitKind::other).empty());
    EXPECT_EQ(pumpKeys(p, WaitKind::key), std::vector<int>{89});
    EXPECT_THROW(p.window.pump(WaitKind::key, 0), KeysExhausted);
    std::vector<std::string> tokens;
    for (auto& e : sp.events())
        if (e.op == "key") tokens.push_back(e.text);
    EXPECT_EQ(tokens, (std::vector<std::string>{"a", "!b", "c", "y"}));
}

TEST(ScriptedClock, StartsAtNoonJumpsToDeadlinesStepsOtherwiseAndStopsAHungGame) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    auto tod = p.clock.timeOfDay();
    EXPECT_EQ(tod.hours * 3600 + tod.minutes * 60 + tod.seconds, 12 * 3600);
    p.window.pump(WaitKind::other, 0);
    EXPECT_NEAR(p.clock.now(), 0.010, 1e-9);
    p.window.pump(WaitKind::other, 5.5);
    EXPECT_NEAR(p.clock.now(), 5.5, 1e-6);
    p.window.pump(WaitKind::other, 1.0);  // a deadline in the past never moves the clock back
    EXPECT_GT(p.clock.now(), 5.5);
    double before = p.clock.now();
    p.window.pump(WaitKind::other, before + 1e-7);  // a deadline closer than the clock resolves still moves it
    EXPECT_GT(p.clock.now(), before);
    p.window.pump(WaitKind::other, 3600 + 61.2);
    tod = p.clock.timeOfDay();
    EXPECT_EQ(tod.hours * 3600 + tod.minutes * 60 + tod.seconds, 13 * 3600 + 61);
    sp.setTimeLimit(4000);
    p.window.pump(WaitKind::other, 4001);
    EXPECT_THROW(p.window.pump(WaitKind::other, 0), std::runtime_error);
}

TEST(ScriptedSpeech, QueueOrderSyncWaitsForEverythingBeforePurgeDiscardsAndRateScales) {
    ScriptedPlatform sp;
    sp.setVoices(3);
    Platform p = sp.platform();
    p.speech.speak("A", SpeakFlag::async);
    p.speech.speak("BB", SpeakFlag::async);
    EXPECT_DOUBLE_EQ(p.clock.now(), 0);  // async returns at once
    p.speech.speak("C", SpeakFlag::sync);
    EXPECT_NEAR(p.clock.now(), 0.36 + 0.42 + 0.36, 1e-6);
    EXPECT_EQ(sp.heard(), (std::vector<std::string>{"A", "BB", "C"}));

    p.speech.speak("long text in progress", SpeakFlag::async);
    p.speech.speak("queued", SpeakFlag::async);
    p.window.pump(WaitKind::other, 0);
    p.speech.speak("", SpeakFlag::purge);
    EXPECT_EQ(sp.cut(), (std::vector<std::string>{"long text in progress", "queued"}));
    double t0 = p.clock.now();
    p.speech.speak("", SpeakFlag::sync);  // an empty sync text waits only for silence
    EXPECT_DOUBLE_EQ(p.clock.now(), t0);
    EXPECT_EQ(sp.heard().size(), 3u);

    p.speech.setRate(10);
    p.speech.speak("0123456789", SpeakFlag::sync);
    EXPECT_NEAR(p.clock.now() - t0, 0.9 / 3, 1e-6);
    p.speech.setRate(-25);  // clamped to -10
    t0 = p.clock.now();
    p.speech.speak("0123456789", SpeakFlag::sync);
    EXPECT_NEAR(p.clock.now() - t0, 0.9 * 3, 1e-6);
    EXPECT_TRUE(p.speech.selectVoice(2));
    EXPECT_FALSE(p.speech.selectVoice(3));
    EXPECT_EQ(sp.voice(), 2);
}

TEST(ScriptedSound, LengthComesFromTheFileStopKeepsThePositionAndBadFilesAreSilent) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    std::string dir = dravlen::testing::freshDir();
    writeWave(dir + "/dravlen7.wav", 22050 * 2);  // two seconds
    SoundId id = p.sound.load(dir + "/dravlen7.wav");
    EXPECT_EQ(sp.events().front().sound, 7);
    EXPECT_EQ(p.sound.frequency(id), 22050);
    p.sound.play(id, false);
    p.window.pump(WaitKind::other, 1.5);
    EXPECT_TRUE(p.sound.playing(id));
    p.sound.stop(id);
    p.window.pump(WaitKind::other, 10);
    EXPECT_FALSE(p.sound.playing(id));
    p.sound.play(id, false);  // continues: half a second is left
    p.window.pump(WaitKind::other, 10.4);
    EXPECT_TRUE(p.sound.playing(id));
    p.window.pump(WaitKind::other, 10.6);
    EXPECT_FALSE(p.sound.playing(id));
    p.sound.setPosition(id, 0);
    p.sound.setFrequency(id, 44100);  // twice as fast: one second
    p.sound.play(id, false);
    p.window.pump(WaitKind::other, 11.5);
    EXPECT_TRUE(p.sound.playing(id));
    p.window.pump(WaitKind::other, 11.65);
    EXPECT_FALSE(p.sound.playing(id));
    p.sound.play(id, true);  // a loop never ends by itself
    p.window.pump(WaitKind::other, 100);
    EXPECT_TRUE(p.sound.playing(id));

    { std::ofstream(dir + "/junk.wav") << "this is not a wave file at all"; }
    for (std::string path : {dir + "/missing.wav", dir + "/junk.wav"}) {
        SoundId bad = p.sound.load(path);
        EXPECT_NE(bad, 0);
        p.sound.play(bad, true);
        EXPECT_FALSE(p.sound.playing(bad)) << path;
    }
}

TEST(ScriptedEvents, JsonFoldsFadesAndEscapesTexts) {
    std::vector<Event> ev;
    auto add = [&](std::string op, int id, long value, std::string text = "", double real = 0) {
        Event e;
        e.op = op, e.id = id, e.value = value, e.text = text, e.real = real;
        ev.push_back(e);
    };
    for (long v : {-1, -2, -3, -4}) add("sound.volume", 3, v);
    add("sound.volume", 4, -5);
    add("speak", 0, 1, "say \"hi\"\r");
    add("rnd", 0, 0, "", 0.1);
    std::istringstream lines(eventsToJson(ev));
    std::string l[4];
    for (auto& s : l) std::getline(lines, s);
    EXPECT_NE(l[0].find("\"from\":-1,\"to\":-4,\"steps\":4"), std::string::npos) << l[0];
    EXPECT_NE(l[1].find("\"id\":4,\"value\":-5"), std::string::npos) << l[1];
    EXPECT_NE(l[2].find("\"text\":\"say \\\"hi\\\"\\r\",\"flags\":1"), std::string::npos) << l[2];
    EXPECT_NE(l[3].find("\"value\":0.10000000000000001"), std::string::npos) << l[3];
}
