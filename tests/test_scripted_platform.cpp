// The scripted platform: virtual clock, key delivery, speech queue and sound lengths.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/scripted/scripted.h"

using namespace dravlen;
using namespace dravlen::scripted;

namespace {

// A 16-bit mono wave of `frames` frames at `rate`.
void writeWave(const std::string& path, int rate, int frames) {
    std::ofstream f(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f.write("RIFF", 4);
    u32(36 + frames * 2);
    f.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    f.write("data", 4);
    u32(frames * 2);
    for (int i = 0; i < frames; ++i) u16(0);
}

std::string tempDir() {
    auto d = std::filesystem::temp_directory_path() /
             ("dravlen-scripted-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(d);
    return d.string();
}

}  // namespace

TEST(ScriptedTokens, EveryTokenOfTheContractMapsToItsKeyCode) {
    struct Case {
        const char* token;
        int code;
    } cases[] = {{"a", 65},     {"z", 90},     {"0", 48},    {"9", 57},     {"kp0", 96},   {"kp9", 105},
                 {"enter", 13}, {"esc", 27},   {"up", 38},   {"down", 40},  {"left", 37},  {"right", 39},
                 {"space", 32}, {"bksp", 8},   {"tab", 9},   {"shift", 16}, {"ctrl", 17},  {"alt", 18},
                 {"comma", 188}, {"period", 190}, {"f1", 112}, {"f12", 123}, {"f5", 116}};
    for (auto& c : cases) {
        auto k = parseToken(c.token);
        ASSERT_TRUE(k) << c.token;
        EXPECT_EQ(k->code, c.code) << c.token;
        EXPECT_FALSE(k->immediate);
    }
    auto bang = parseToken("!enter");
    ASSERT_TRUE(bang);
    EXPECT_TRUE(bang->immediate);
    EXPECT_EQ(bang->code, 13);
    for (const char* bad : {"A", "f0", "f13", "kp10", "return", "", "!", "f01", "ab"})
        EXPECT_FALSE(parseToken(bad)) << bad;
    std::string which;
    EXPECT_FALSE(parseTokens("a b nope c", &which));
    EXPECT_EQ(which, "nope");
    auto many = parseTokens(" a\n\tb  enter\n");
    ASSERT_TRUE(many);
    EXPECT_EQ(many->size(), 3u);
}

TEST(ScriptedKeys, PlainKeysWaitForAKeyWaitAndBangKeysComeAtTheNextYield) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    sp.addKeys("a !b c");
    // A plain key is not delivered at a pause...
    EXPECT_TRUE(p.window.pump(WaitKind::other, 0).keys.empty());
    // ...but at a key wait.
    auto got = p.window.pump(WaitKind::key, 0).keys;
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], 65);
    // "!b" comes at the very next yield of any kind.
    got = p.window.pump(WaitKind::other, 0).keys;
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], 66);
    EXPECT_EQ(p.window.pump(WaitKind::key, 0).keys.at(0), 67);
    // Nothing left: a key wait ends the script.
    EXPECT_TRUE(p.window.pump(WaitKind::other, 0).keys.empty());
    EXPECT_THROW(p.window.pump(WaitKind::key, 0), KeysExhausted);
    // Every delivered key is recorded with its token as written.
    std::vector<std::string> tokens;
    for (auto& e : sp.events())
        if (e.op == "key") tokens.push_back(e.text);
    EXPECT_EQ(tokens, (std::vector<std::string>{"a", "!b", "c"}));
}

TEST(ScriptedKeys, InteractiveSourceIsAskedOnlyWhenTheScriptIsEmpty) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    int asked = 0;
    sp.moreKeys = [&]() -> std::optional<std::vector<Key>> {
        if (++asked > 1) return std::nullopt;
        return parseTokens("y");
    };
    sp.addKeys("n");
    EXPECT_EQ(p.window.pump(WaitKind::key, 0).keys.at(0), 78);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(p.window.pump(WaitKind::key, 0).keys.at(0), 89);
    EXPECT_THROW(p.window.pump(WaitKind::key, 0), KeysExhausted);
    EXPECT_EQ(asked, 2);
}

TEST(ScriptedClock, StartsAtNoonJumpsToDeadlinesAndStepsOtherwise) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    auto tod = p.clock.timeOfDay();
    EXPECT_EQ(tod.hours, 12);
    EXPECT_EQ(tod.minutes, 0);
    EXPECT_EQ(tod.seconds, 0);
    EXPECT_DOUBLE_EQ(p.clock.now(), 0);
    p.window.pump(WaitKind::other, 0);
    EXPECT_NEAR(p.clock.now(), 0.010, 1e-9);
    p.window.pump(WaitKind::other, 5.5);
    EXPECT_NEAR(p.clock.now(), 5.5, 1e-6);
    p.window.pump(WaitKind::other, 1.0);  // a deadline in the past never moves the clock back
    EXPECT_GT(p.clock.now(), 5.5);
    p.window.pump(WaitKind::other, 3600 + 61.2);
    tod = p.clock.timeOfDay();
    EXPECT_EQ(tod.hours, 13);
    EXPECT_EQ(tod.minutes, 1);
    EXPECT_EQ(tod.seconds, 1);
}

TEST(ScriptedSpeech, QueueOrderSyncWaitsForEverythingBeforeAndPurgeDiscards) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    p.speech.speak("A", SpeakFlag::async);
    p.speech.speak("BB", SpeakFlag::async);
    EXPECT_DOUBLE_EQ(p.clock.now(), 0);  // async returns at once
    p.speech.speak("C", SpeakFlag::sync);
    // 0.36 + 0.42 + 0.36 seconds at rate 0.
    EXPECT_NEAR(p.clock.now(), 1.14, 1e-6);
    EXPECT_EQ(sp.heard(), (std::vector<std::string>{"A", "BB", "C"}));

    p.speech.speak("long text in progress", SpeakFlag::async);
    p.speech.speak("queued", SpeakFlag::async);
    p.window.pump(WaitKind::other, 0);
    p.speech.speak("", SpeakFlag::purge);
    EXPECT_EQ(sp.cut(), (std::vector<std::string>{"long text in progress", "queued"}));
    double before = p.clock.now();
    p.speech.speak("", SpeakFlag::sync);  // an empty sync text waits only for silence
    EXPECT_DOUBLE_EQ(p.clock.now(), before);
    EXPECT_EQ(sp.heard().size(), 3u);
}

TEST(ScriptedSpeech, RateScalesDurationAndVoicesAreCounted) {
    ScriptedPlatform sp;
    sp.setVoices(3);
    Platform p = sp.platform();
    EXPECT_EQ(p.speech.voiceCount(), 3);
    EXPECT_TRUE(p.speech.selectVoice(2));
    EXPECT_FALSE(p.speech.selectVoice(3));
    EXPECT_EQ(sp.voice(), 2);
    p.speech.setRate(10);
    p.speech.speak("0123456789", SpeakFlag::sync);
    EXPECT_NEAR(p.clock.now(), 0.9 / 3, 1e-6);
    p.speech.setRate(-25);  // clamped to -10
    double t0 = p.clock.now();
    p.speech.speak("0123456789", SpeakFlag::sync);
    EXPECT_NEAR(p.clock.now() - t0, 0.9 * 3, 1e-6);
}

TEST(ScriptedSound, LengthComesFromTheFileAndStopKeepsThePosition) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    std::string dir = tempDir();
    writeWave(dir + "/dravlen7.wav", 22050, 22050 * 2);  // two seconds
    SoundId id = p.sound.load(dir + "/dravlen7.wav");
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
    // Double frequency: twice as fast.
    p.sound.setPosition(id, 0);
    p.sound.setFrequency(id, 44100);
    p.sound.play(id, false);
    p.window.pump(WaitKind::other, 11.5);
    EXPECT_TRUE(p.sound.playing(id));
    p.window.pump(WaitKind::other, 11.65);
    EXPECT_FALSE(p.sound.playing(id));
    // Looped never ends by itself.
    p.sound.play(id, true);
    p.window.pump(WaitKind::other, 100);
    EXPECT_TRUE(p.sound.playing(id));
    auto& load = sp.events().front();
    EXPECT_EQ(load.op, "sound.load");
    EXPECT_EQ(load.sound, 7);
}

TEST(ScriptedSound, MissingAndCorruptFilesGiveSilentBuffers) {
    ScriptedPlatform sp;
    Platform p = sp.platform();
    std::string dir = tempDir();
    { std::ofstream(dir + "/junk.wav") << "this is not a wave file at all"; }
    for (std::string path : {dir + "/missing.wav", dir + "/junk.wav"}) {
        SoundId id = p.sound.load(path);
        EXPECT_NE(id, 0);
        p.sound.play(id, false);
        EXPECT_FALSE(p.sound.playing(id)) << path;
        p.sound.play(id, true);
        EXPECT_FALSE(p.sound.playing(id)) << path;
        p.sound.release(id);
    }
}

TEST(ScriptedEvents, JsonFoldsFadesAndKeepsEverythingElse) {
    std::vector<Event> ev;
    auto add = [&](std::string op, int id, long v) {
        Event e;
        e.op = op;
        e.id = id;
        e.value = v;
        ev.push_back(e);
    };
    for (int v = -1; v >= -4; --v) add("sound.volume", 3, v);
    add("sound.volume", 4, -5);
    Event s;
    s.op = "speak";
    s.text = "say \"hi\"\r";
    s.value = 1;
    ev.push_back(s);
    Event r;
    r.op = "rnd";
    r.real = 0.1;
    ev.push_back(r);
    std::string json = eventsToJson(ev);
    std::istringstream lines(json);
    std::string l1, l2, l3, l4;
    std::getline(lines, l1);
    std::getline(lines, l2);
    std::getline(lines, l3);
    std::getline(lines, l4);
    EXPECT_NE(l1.find("\"from\":-1,\"to\":-4,\"steps\":4"), std::string::npos) << l1;
    EXPECT_NE(l2.find("\"id\":4,\"value\":-5"), std::string::npos) << l2;
    EXPECT_NE(l3.find("\"text\":\"say \\\"hi\\\"\\r\",\"flags\":1"), std::string::npos) << l3;
    EXPECT_NE(l4.find("\"value\":0.10000000000000001"), std::string::npos) << l4;
}
