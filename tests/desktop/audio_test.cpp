// The sound device and the speech engine on the real OpenAL mixing path, recorded through a loopback output.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <numeric>
#include <set>
#include <thread>

#include "platform/desktop/audio.h"
#include "test_files.h"

namespace dravlen::desktop {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;

constexpr int rate = 44100;     // the recorder's rate: a file at this rate and pitch 1 is copied exactly
constexpr float level = 0.891;  // the sound pack's own peak, -1 dBFS

// The game's speech rate in espeak-ng's words a minute: 0 is its normal speed, the ends of its
// range stand for +-10, and beyond them (a hand-edited settings file) is clamped.
TEST(AudioUnits, SpeechRatesSpanEspeaksRange) {
    const std::pair<int, int> wpm[] = {{0, 175}, {10, 450}, {25, 450}, {-10, 80}, {-99, 80}};
    for (auto [r, words] : wpm) EXPECT_EQ(wordsPerMinute(r), words) << r;
    for (int r = -10; r < 10; ++r) EXPECT_LT(wordsPerMinute(r), wordsPerMinute(r + 1)) << r;
}

float peak(const std::vector<float>& v) {
    return std::accumulate(v.begin(), v.end(), 0.0f, [](float p, float x) { return std::max(p, std::fabs(x)); });
}

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(output = AudioOutput::openRecorder(rate));
        sound = makeSoundDevice(*output);
        std::string error;
        speech = makeSpeechEngine(*output, &error);
        ASSERT_GT(speech->voiceCount(), 0) << error;
    }
    SoundId load(int fileRate, size_t frames, const std::function<double(double frame)>& sample) {
        std::vector<int16_t> s(frames);
        for (size_t i = 0; i < frames; ++i) s[i] = int16_t(sample(double(i)));
        return sound->load(testing::writeWave(scratch / std::to_string(++files) + ".wav", fileRate, s));
    }
    // A whole number of cycles of a 441 Hz sine at the pack's level, so that it loops cleanly.
    SoundId sine(int fileRate, int cycles) {
        auto sample = [=](double i) { return level * 32767 * std::sin(2 * M_PI * 441 * i / fileRate); };
        return load(fileRate, size_t(cycles * fileRate / 441), sample);
    }
    size_t framesNow() { return output->recorded().size() / 2; }
    // One side (0 left, 1 right) of what was mixed from frame `from` on.
    std::vector<float> side(int channel, size_t from) {
        auto rec = output->recorded();
        std::vector<float> out;
        for (size_t f = from; 2 * f + 1 < rec.size(); ++f) out.push_back(rec[2 * f + size_t(channel)]);
        return out;
    }
    // The position a ramp (frame i holds i / 4) had when sound began after `from`, read a
    // twentieth of a second later (a buffer resumed after a stop fades in over one mixing period).
    float positionAfter(size_t from) {
        auto left = side(0, from);
        size_t first = size_t(std::find_if(left.begin(), left.end(), [](float x) { return x != 0; }) - left.begin());
        size_t later = first + rate / 20;
        return later < left.size() ? left[later] * 32768 * 4 - float(later - first) : -1;
    }
    // The last frame from `from` on louder than a whisper; 0 if none.
    size_t lastSound(size_t from) {
        auto left = side(0, from);
        for (size_t i = left.size(); i-- > 0;)
            if (std::fabs(left[i]) > 0.003f) return from + i;
        return 0;
    }
    // Seconds that speaking `text` with `flag` took to return.
    double timed(const std::string& text, SpeakFlag flag) {
        auto start = std::chrono::steady_clock::now();
        speech->speak(text, flag);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    testing::ScratchFolder scratch;
    int files = 0;
    std::unique_ptr<AudioOutput> output;
    std::unique_ptr<DesktopSound> sound;  // these go before the output they play on
    std::unique_ptr<DesktopSpeech> speech;
};

// A lone sound keeps its level; sounds that overlap (speech over the engine loop, a passing truck
// over both) are summed by OpenAL, and the sum must stay within full scale however loud.
TEST_F(AudioTest, VolumePanAndFrequencyReachTheMixAndTheMixStaysWithinFullScale) {
    SoundId id = sine(22050, 50);  // a little over a tenth of a second, looped through every case
    EXPECT_EQ(sound->frequency(id), 22050);  // the file's own rate
    const std::tuple<int, int, int, float, float, float> cases[] = {
        // volume, pan, hertz; the left and right level (of full scale when centred), the pitch heard
        {0, 0, 22050, 1, 1, 441},
        {-600, 0, 44100, 0.501f, 0.501f, 882},
        {0, -1500, 11025, 1, 0.1778f, 220.5f},  // the far side down by the pan's decibels
        {-600, 10000, 0, 0, 0.501f, 441},       // 0 Hz: the file's own rate
        {5000, -30000, 22050, 1, 0, 441},       // out of range: clamped, never louder than full scale
    };
    sound->play(id, true);
    EXPECT_TRUE(std::isinf(sound->secondsLeft(id)));  // a loop never ends by itself
    for (auto [volume, pan, hertz, toLeft, toRight, pitch] : cases) {
        sound->setVolume(id, volume);
        sound->setPan(id, pan);
        sound->setFrequency(id, hertz);
        std::this_thread::sleep_for(60ms);
        size_t from = framesNow();
        std::this_thread::sleep_for(100ms);
        auto left = side(0, from), right = side(1, from), loud = toLeft > toRight ? left : right;
        EXPECT_NEAR(peak(left), level * toLeft, 0.004f) << volume << " " << pan;
        EXPECT_NEAR(peak(right), level * toRight, 0.004f) << volume << " " << pan;
        int crossings = 0;
        for (size_t i = 1; i < loud.size(); ++i) crossings += (loud[i - 1] < 0) != (loud[i] < 0);
        EXPECT_NEAR(crossings / 2.0 * rate / double(loud.size()), pitch, pitch * 0.04) << hertz;
    }
    sound->stop(id);
    std::this_thread::sleep_for(100ms);  // faded out: only the loops below are mixed
    SoundId loops[] = {sine(22050, 441), sine(22050, 441), sine(22050, 441)};  // in phase they sum to 2.7
    size_t from = framesNow();
    for (SoundId loop : loops) sound->play(loop, true);
    std::this_thread::sleep_for(600ms);
    float mixed = std::max(peak(side(0, from)), peak(side(1, from)));
    EXPECT_TRUE(mixed <= 1.0f && mixed > 0.5f) << mixed << ": the mix went past full scale";
}

TEST_F(AudioTest, StopKeepsThePositionPlayContinuesAndBadFilesAreSilent) {
    SoundId id = load(rate, 2 * rate, [](double i) { return i / 4; });
    EXPECT_EQ(sound->secondsLeft(id), 0);  // not playing yet
    const size_t startedAt = framesNow();
    sound->play(id, false);
    std::this_thread::sleep_for(300ms);
    // What is left is what a sound wait sleeps through: never more than there is.
    auto played = [&] { return double(framesNow() - startedAt) / rate; };
    EXPECT_NEAR(sound->secondsLeft(id), 2 - played(), 0.05);
    sound->setFrequency(id, 2 * rate);
    EXPECT_NEAR(sound->secondsLeft(id), (2 - played()) / 2, 0.05);
    sound->setFrequency(id, rate);
    size_t stoppedAt = framesNow();
    sound->stop(id);
    EXPECT_TRUE(!sound->playing(id) && sound->secondsLeft(id) == 0);
    // The stop returns at once; two mixing periods (and a little) later the fade is over.
    size_t fadedAt = framesNow() + rate / 40;
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(lastSound(fadedAt), 0u);  // silent once the fade-out period is over
    float reached = side(0, stoppedAt - 1)[0] * 32768 * 4;
    ASSERT_GT(reached, 0.2f * rate);
    // Played again it goes on from the stop (give or take the fade), not rewound; a position set
    // while stopped is where play starts (the game rewinds a shot so).
    for (float at : {reached, 40000.0f}) {
        if (at != reached) sound->setPosition(id, 40000);
        size_t from = framesNow();
        sound->play(id, false);
        std::this_thread::sleep_for(120ms);
        float resumed = positionAfter(from), slack = at == reached ? 0.05f * rate : 8;
        EXPECT_TRUE(resumed >= at - 8 && resumed < at + slack) << resumed << " " << at;
        sound->stop(id);
    }

    // Missing, corrupt and empty files give buffers that do nothing.
    std::ofstream(scratch / "corrupt.wav") << "RIFF" << std::string(4, '\x10') << "WAVEgarbage, not a wave file";
    testing::writeWave(scratch / "empty.wav", rate, {});
    size_t from = framesNow() + rate / 40;  // after the fade
    for (const char* name : {"missing.wav", "corrupt.wav", "empty.wav"}) {
        SoundId bad = sound->load(scratch / name);
        sound->setVolume(bad, 0);
        sound->setFrequency(bad, 30000);
        sound->setPan(bad, 500);
        sound->setPosition(bad, 0);
        sound->play(bad, true);
        EXPECT_TRUE(bad != 0 && !sound->playing(bad)) << name;
        sound->stop(bad);
        sound->release(bad);
    }
    sound->play(0, false);  // 0, "no buffer", is accepted too
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(lastSound(from), 0u);
    // A real file still plays afterwards, once: it ends.
    SoundId once = sine(rate, 44);
    sound->play(once, false);
    EXPECT_TRUE(sound->playing(once));
    std::this_thread::sleep_for(300ms);
    EXPECT_FALSE(sound->playing(once));
}

TEST_F(AudioTest, VoicesAreEnglishEachByItsOwnNameAndTheFirstSpeaksBeforeAnyIsChosen) {
    // How much of a line is sound: the same for one voice (its synthesis does not vary), not for two.
    auto loudFrames = [&] {
        size_t from = framesNow();
        speech->speak("How fast do you wish to go?", SpeakFlag::sync);
        auto left = side(0, from);
        return double(std::count_if(left.begin(), left.end(), [](float x) { return std::fabs(x) > 0.003f; }));
    };
    double first = loudFrames();
    int n = speech->voiceCount();
    EXPECT_TRUE(speech->selectVoice(n - 1) && !speech->selectVoice(n) && !speech->selectVoice(-1));
    double other = loudFrames();
    EXPECT_TRUE(speech->selectVoice(0));
    EXPECT_NEAR(loudFrames(), first, first * 0.01);
    EXPECT_GT(std::fabs(other - first), first * 0.03) << "the measure does not tell two voices apart";
    EXPECT_TRUE(speech->voiceName(0) == "English (America)" && speech->voiceName(n) == "");
    std::set<std::string> names;
    for (int i = 0; i < n; ++i) EXPECT_TRUE(names.insert(speech->voiceName(i)).second) << speech->voiceName(i);
    for (const auto& name : names) EXPECT_EQ(name.rfind("English", 0), 0u) << name;
}

TEST_F(AudioTest, SyncWaitsForTheQueuePurgeSilencesAtOnceAndRateAndVolumeApply) {
    // A sync text returns once it and everything queued before it was heard.
    speech->setRate(5);
    EXPECT_LT(timed("first line, queued", SpeakFlag::async) + timed("second", SpeakFlag::async), 0.1);
    EXPECT_GT(timed("third & last < line", SpeakFlag::sync), 1.0);
    EXPECT_EQ(speech->heard(), (Texts{"first line, queued", "second", "third & last < line"}));
    // Nothing was left to play when it returned.
    size_t returnedAt = framesNow();
    std::this_thread::sleep_for(200ms);
    EXPECT_LT(lastSound(0), returnedAt + rate / 20);
    EXPECT_GT(lastSound(0), size_t(rate) / 2);
    // An empty sync text waits for the queue, and returns at once when nothing is queued.
    speech->speak("one two three four", SpeakFlag::async);
    speech->speak("", SpeakFlag::sync);
    EXPECT_EQ(speech->heard().size(), 4u);
    EXPECT_LT(timed("", SpeakFlag::sync), 0.1);

    speech->speak("This is a long sentence that would go on speaking for several seconds if nothing stopped it.",
                  SpeakFlag::async);
    speech->speak("queued behind it", SpeakFlag::async);
    std::this_thread::sleep_for(600ms);
    size_t before = framesNow();
    ASSERT_GT(lastSound(0), before - rate / 5) << "speech had not started";
    EXPECT_LT(timed("", SpeakFlag::purge), 0.05);
    // Counted from the purge's return, so that a test thread put to sleep on a busy machine just
    // before the call does not count against the engine.
    size_t purgedAt = framesNow();
    std::this_thread::sleep_for(800ms);
    // Silent within a few mixing periods (10 ms each), and nothing queued came back.
    EXPECT_LT(lastSound(before), purgedAt + rate * 30 / 1000);
    EXPECT_EQ(speech->heard().size(), 4u);
    // A purge with a text speaks that text next; also when what it discards was only just queued.
    speech->speak("Another long sentence, still being made when the purge comes.", SpeakFlag::async);
    speech->speak("queued behind it", SpeakFlag::async);
    speech->speak("now this", SpeakFlag::purge);
    speech->speak("", SpeakFlag::sync);
    EXPECT_EQ(speech->heard(),
              (Texts{"first line, queued", "second", "third & last < line", "one two three four", "now this"}));

    const std::string text = "one two three four five six";
    speech->setRate(0);
    double normal = timed(text, SpeakFlag::sync);
    speech->setRate(10);
    EXPECT_LT(timed(text, SpeakFlag::sync), normal * 0.6);
    // Volume 0 is silent; above 100 is 100, never louder.
    float loudness[3];
    for (int i : {0, 1, 2}) {
        speech->setVolume(i == 2 ? 250 : i * 100);
        size_t from = framesNow();
        speech->speak("loud", SpeakFlag::sync);
        loudness[i] = peak(side(0, from));
    }
    EXPECT_LT(loudness[0], 0.003f);
    EXPECT_GT(loudness[1], 0.05f);
    EXPECT_LT(loudness[2], loudness[1] * 1.25f);  // 250 unclamped would be 2.5 times as loud, or wrap round
}

}  // namespace
}  // namespace dravlen::desktop
