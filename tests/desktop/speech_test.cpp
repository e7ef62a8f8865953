// The espeak-ng speech engine on the real mixing path: queue order, waits, purge, voices, rate.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "platform/desktop/audio.h"

namespace dravlen::desktop {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int rate = 44100;

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

TEST(SpeechRate, GameScaleMapsOntoWordsPerMinute) {
    EXPECT_EQ(wordsPerMinute(0), 175);
    EXPECT_EQ(wordsPerMinute(10), 450);
    EXPECT_EQ(wordsPerMinute(-10), 80);
    EXPECT_EQ(wordsPerMinute(25), 450);
    EXPECT_EQ(wordsPerMinute(-99), 80);
    for (int r = -10; r < 10; ++r) EXPECT_LT(wordsPerMinute(r), wordsPerMinute(r + 1)) << r;
}

class SpeechTest : public ::testing::Test {
protected:
    void SetUp() override {
        output = AudioOutput::openRecorder(rate);
        ASSERT_TRUE(output);
        std::string error;
        speech = makeSpeechEngine(*output, &error);
        ASSERT_TRUE(error.empty()) << error;
        ASSERT_GT(speech->voiceCount(), 0);
    }
    void TearDown() override {
        speech.reset();
        output.reset();
    }
    // The last frame (from `from` on) whose level is above a whisper; 0 if none.
    size_t lastSound(size_t from) {
        auto rec = output->recorded();
        size_t last = 0;
        for (size_t f = from; 2 * f < rec.size(); ++f)
            if (std::fabs(rec[2 * f]) > 0.003f) last = f;
        return last;
    }
    size_t framesNow() { return output->recorded().size() / 2; }

    std::unique_ptr<AudioOutput> output;
    std::unique_ptr<DesktopSpeech> speech;
};

TEST_F(SpeechTest, VoicesAreAStableEnglishList) {
    int n = speech->voiceCount();
    EXPECT_LE(n, 24);
    EXPECT_EQ(speech->voiceName(0), "English (America)");
    for (int i = 0; i < n; ++i) EXPECT_NE(speech->voiceName(i).find("English"), std::string::npos) << i;
    EXPECT_EQ(speech->voiceName(n), "");
    EXPECT_TRUE(speech->selectVoice(n - 1));
    EXPECT_FALSE(speech->selectVoice(n));
    EXPECT_FALSE(speech->selectVoice(-1));
    EXPECT_EQ(speech->defaultRate(), 0);
    // A second engine lists the same voices in the same order.
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) names.push_back(speech->voiceName(i));
    speech.reset();
    std::string error;
    speech = makeSpeechEngine(*output, &error);
    ASSERT_EQ(speech->voiceCount(), n);
    for (int i = 0; i < n; ++i) EXPECT_EQ(speech->voiceName(i), names[size_t(i)]);
}

TEST_F(SpeechTest, SyncReturnsWhenItAndEverythingBeforeItWasHeard) {
    speech->setRate(5);
    auto start = Clock::now();
    speech->speak("first line, queued", SpeakFlag::async);
    speech->speak("second", SpeakFlag::async);
    EXPECT_LT(seconds(Clock::now() - start), 0.1);  // async returns at once
    speech->speak("third & last < line", SpeakFlag::sync);
    double took = seconds(Clock::now() - start);
    EXPECT_EQ(speech->heard(), (std::vector<std::string>{"first line, queued", "second", "third & last < line"}));
    EXPECT_GT(took, 1.0);
    // Nothing was left to play when the sync speak returned.
    size_t returnedAt = framesNow();
    std::this_thread::sleep_for(200ms);
    EXPECT_LT(lastSound(0), returnedAt + rate / 20);
    EXPECT_GT(lastSound(0), size_t(rate) / 2);
}

TEST_F(SpeechTest, EmptySyncWaitsForTheQueue) {
    speech->speak("one two three four", SpeakFlag::async);
    speech->speak("", SpeakFlag::sync);
    EXPECT_EQ(speech->heard(), std::vector<std::string>{"one two three four"});
    // And returns at once when nothing is queued.
    auto start = Clock::now();
    speech->speak("", SpeakFlag::sync);
    EXPECT_LT(seconds(Clock::now() - start), 0.1);
}

TEST_F(SpeechTest, PurgeSilencesAtOnceAndDiscardsTheQueue) {
    speech->speak("This is a long sentence that would go on speaking for several seconds if nothing stopped it.",
                  SpeakFlag::async);
    speech->speak("queued behind it", SpeakFlag::async);
    std::this_thread::sleep_for(600ms);
    size_t purgedAt = framesNow();
    ASSERT_GT(lastSound(0), purgedAt - rate / 5) << "speech had not started";
    auto start = Clock::now();
    speech->speak("", SpeakFlag::purge);
    EXPECT_LT(seconds(Clock::now() - start), 0.05);
    std::this_thread::sleep_for(800ms);
    // Silent within a few mixing periods (10 ms each), and nothing queued came back.
    EXPECT_LT(lastSound(purgedAt), purgedAt + rate * 30 / 1000);
    EXPECT_TRUE(speech->heard().empty());

    // A purge with a text speaks that text next, and the engine works on.
    speech->speak("now this", SpeakFlag::purge);
    speech->speak("", SpeakFlag::sync);
    EXPECT_EQ(speech->heard(), std::vector<std::string>{"now this"});
}

TEST_F(SpeechTest, RateAndVolumeApplyToLaterSpeech) {
    auto timed = [&](int r) {
        speech->setRate(r);
        auto start = Clock::now();
        speech->speak("one two three four five six", SpeakFlag::sync);
        return seconds(Clock::now() - start);
    };
    double normal = timed(0), fast = timed(10), slow = timed(-10);
    EXPECT_LT(fast, normal * 0.6);
    EXPECT_GT(slow, normal * 1.6);

    speech->setRate(10);
    speech->setVolume(0);
    size_t from = framesNow();
    speech->speak("not a sound", SpeakFlag::sync);
    EXPECT_EQ(lastSound(from), 0u);
    speech->setVolume(250);  // clamped to 100
    speech->speak("loud", SpeakFlag::sync);
    auto rec = output->recorded();
    float p = 0;
    for (float v : rec) p = std::max(p, std::fabs(v));
    EXPECT_LE(p, 1.0f);
    EXPECT_GT(p, 0.3f);
}

}  // namespace
}  // namespace dravlen::desktop
