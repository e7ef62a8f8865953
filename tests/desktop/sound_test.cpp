// The sound device on the real OpenAL mixing path, recorded through a loopback output.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <thread>

#include "platform/desktop/audio.h"
#include "test_files.h"

namespace dravlen::desktop {
namespace {

using namespace std::chrono_literals;
using testing::ScratchFolder;
using testing::writeWave;

constexpr int rate = 44100;  // the recorder's rate: a file at this rate and pitch 1 is copied exactly

TEST(SoundUnits, VolumeIsDecibelsClampedToFullScale) {
    EXPECT_FLOAT_EQ(gainFromHundredthsDb(0), 1.0f);
    EXPECT_NEAR(gainFromHundredthsDb(-600), 0.501f, 0.001f);
    EXPECT_NEAR(gainFromHundredthsDb(-2000), 0.1f, 1e-6f);
    EXPECT_NEAR(gainFromHundredthsDb(-10000), 1e-5f, 1e-9f);
    // A hand-edited settings file must never make anything louder than full scale.
    EXPECT_FLOAT_EQ(gainFromHundredthsDb(5000), 1.0f);
    EXPECT_FLOAT_EQ(gainFromHundredthsDb(-30000), gainFromHundredthsDb(-10000));
}

TEST(SoundUnits, PanAttenuatesOnlyTheFarSide) {
    SideGains centre = panGains(0);
    EXPECT_FLOAT_EQ(centre.left, 1.0f);
    EXPECT_FLOAT_EQ(centre.right, 1.0f);
    SideGains left = panGains(-1500);
    EXPECT_FLOAT_EQ(left.left, 1.0f);
    EXPECT_NEAR(left.right, 0.1778f, 0.0001f);
    SideGains right = panGains(2000);
    EXPECT_NEAR(right.left, 0.1f, 1e-6f);
    EXPECT_FLOAT_EQ(right.right, 1.0f);
    EXPECT_FLOAT_EQ(panGains(-40000).right, panGains(-10000).right);
    EXPECT_FLOAT_EQ(panGains(40000).left, panGains(10000).left);
}

TEST(SoundUnits, FrequencyKeptInRange) {
    EXPECT_EQ(clampFrequency(22051, 22050), 22051);
    EXPECT_EQ(clampFrequency(0, 22050), 22050);  // "the file's own"
    EXPECT_EQ(clampFrequency(-5, 11025), 11025);
    EXPECT_EQ(clampFrequency(20, 22050), 100);
    EXPECT_EQ(clampFrequency(900000, 22050), 200000);
}

// A recorder, a sound device on it, and helpers to read what was mixed.
class SoundDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        output = AudioOutput::openRecorder(rate);
        ASSERT_TRUE(output);
        sound = makeSoundDevice(*output);
    }
    void TearDown() override {
        sound.reset();
        output.reset();
    }

    // A mono file whose sample at frame i is i / 4: the output tells the play position.
    std::string positionFile(double seconds) {
        std::vector<int16_t> s(size_t(seconds * rate));
        for (size_t i = 0; i < s.size(); ++i) s[i] = int16_t(i / 4);
        std::string path = scratch / "position.wav";
        writeWave(path, rate, 1, s);
        return path;
    }
    std::string sineFile(double hz, double seconds, int channels = 1, double amplitude = 16000) {
        std::vector<int16_t> s;
        for (int i = 0; i < int(seconds * rate); ++i)
            for (int c = 0; c < channels; ++c)
                s.push_back(int16_t(amplitude * std::sin(2 * M_PI * hz * i / rate) * (c == 0 ? 1.0 : 0.5)));
        std::string path = scratch / ("sine" + std::to_string(channels) + ".wav");
        writeWave(path, rate, channels, s);
        return path;
    }
    // Peak of one channel over the frames [from, to).
    static float peak(const std::vector<float>& rec, int channel, size_t from, size_t to) {
        float p = 0;
        for (size_t f = from; f < to && 2 * f + 1 < rec.size(); ++f) p = std::max(p, std::fabs(rec[2 * f + size_t(channel)]));
        return p;
    }
    size_t framesNow() { return output->recorded().size() / 2; }
    // The play position at the first sound after `from`, read from a position file's output a
    // little later (a buffer resumed after a stop fades in over one mixing period).
    static float positionAtStart(const std::vector<float>& rec, size_t from) {
        size_t first = from;
        while (2 * first < rec.size() && rec[2 * first] == 0) ++first;
        size_t later = first + rate / 20;
        if (2 * later >= rec.size()) return -1;
        return rec[2 * later] * 32768.0f * 4 - float(later - first);
    }

    ScratchFolder scratch;
    std::unique_ptr<AudioOutput> output;
    std::unique_ptr<DesktopSound> sound;
};

TEST_F(SoundDeviceTest, LoadedBufferStartsStoppedAtItsOwnFrequency) {
    SoundId id = sound->load(sineFile(440, 0.5));
    EXPECT_NE(id, 0);
    EXPECT_EQ(sound->frequency(id), rate);
    EXPECT_FALSE(sound->playing(id));
    std::this_thread::sleep_for(100ms);
    auto rec = output->recorded();
    EXPECT_EQ(peak(rec, 0, 0, rec.size() / 2), 0.0f);
}

TEST_F(SoundDeviceTest, VolumeAndPanGiveDirectSoundsSideLevels) {
    SoundId id = sound->load(sineFile(441, 2.0));
    const float full = 16000.0f / 32768.0f;
    struct Case {
        int volume, pan;
        float left, right;
    } cases[] = {
        {0, 0, 1.0f, 1.0f},          // centred at full scale on both sides
        {5000, 0, 1.0f, 1.0f},       // louder than 0 is clamped
        {-600, 0, 0.501f, 0.501f},
        {0, -1500, 1.0f, 0.1778f},   // play3's left side
        {0, 1500, 0.1778f, 1.0f},
        {-600, 10000, 0.0f, 0.501f},
        {0, -30000, 1.0f, 0.0f},
    };
    sound->play(id, true);
    for (const Case& c : cases) {
        sound->setVolume(id, c.volume);
        sound->setPan(id, c.pan);
        std::this_thread::sleep_for(60ms);
        size_t from = framesNow();
        std::this_thread::sleep_for(60ms);
        auto rec = output->recorded();
        size_t to = rec.size() / 2;
        EXPECT_NEAR(peak(rec, 0, from, to), full * c.left, 0.003f) << c.volume << " " << c.pan;
        EXPECT_NEAR(peak(rec, 1, from, to), full * c.right, 0.003f) << c.volume << " " << c.pan;
    }
}

TEST_F(SoundDeviceTest, StereoFileKeepsItsChannels) {
    SoundId id = sound->load(sineFile(441, 1.0, 2));
    sound->play(id, true);
    std::this_thread::sleep_for(60ms);
    size_t from = framesNow();
    std::this_thread::sleep_for(60ms);
    auto rec = output->recorded();
    EXPECT_NEAR(peak(rec, 0, from, rec.size() / 2), 16000.0f / 32768, 0.003f);
    EXPECT_NEAR(peak(rec, 1, from, rec.size() / 2), 8000.0f / 32768, 0.003f);
}

TEST_F(SoundDeviceTest, FrequencyChangesThePitch) {
    SoundId id = sound->load(sineFile(441, 2.0));
    sound->setFrequency(id, 2 * rate);
    EXPECT_EQ(sound->frequency(id), 2 * rate);
    sound->play(id, true);
    std::this_thread::sleep_for(60ms);
    size_t from = framesNow();
    std::this_thread::sleep_for(500ms);
    auto rec = output->recorded();
    size_t to = rec.size() / 2;
    int crossings = 0;
    for (size_t f = from + 1; f < to; ++f)
        if ((rec[2 * f - 2] < 0) != (rec[2 * f] < 0)) ++crossings;
    double hz = crossings / 2.0 / (double(to - from) / rate);
    EXPECT_NEAR(hz, 882, 15);
}

TEST_F(SoundDeviceTest, StopKeepsThePositionAndPlayContinues) {
    SoundId id = sound->load(positionFile(3.0));
    sound->play(id, false);
    std::this_thread::sleep_for(300ms);
    size_t beforeStop = framesNow();
    sound->stop(id);
    EXPECT_FALSE(sound->playing(id));
    size_t afterStop = framesNow();
    std::this_thread::sleep_for(100ms);
    auto rec = output->recorded();
    // Silent once the fade-out period is over.
    EXPECT_EQ(peak(rec, 0, afterStop + 10, rec.size() / 2), 0.0f);
    // The position reached just before the stop.
    float reached = rec[2 * (beforeStop - 1)] * 32768.0f * 4;
    ASSERT_GT(reached, 0.2f * rate);

    size_t resumeFrom = framesNow();
    sound->play(id, false);
    EXPECT_TRUE(sound->playing(id));
    std::this_thread::sleep_for(100ms);
    float resumedAt = positionAtStart(output->recorded(), resumeFrom);
    // Not rewound: it continues from the stop, give or take the fade period.
    EXPECT_GE(resumedAt, reached - 8);
    EXPECT_LT(resumedAt, reached + 0.05f * rate);
}

TEST_F(SoundDeviceTest, PositionSetWhileStoppedIsHonoured) {
    SoundId id = sound->load(positionFile(2.0));
    sound->play(id, false);
    std::this_thread::sleep_for(100ms);
    sound->stop(id);
    sound->setPosition(id, 40000);
    size_t from = framesNow();
    sound->play(id, false);
    std::this_thread::sleep_for(120ms);
    EXPECT_NEAR(positionAtStart(output->recorded(), from), 40000, 8);
}

TEST_F(SoundDeviceTest, OneShotEndsAndLoopGoesOn) {
    SoundId shot = sound->load(sineFile(441, 0.1));
    SoundId loop = sound->load(positionFile(0.1));
    sound->play(shot, false);
    sound->play(loop, true);
    EXPECT_TRUE(sound->playing(shot));
    std::this_thread::sleep_for(350ms);
    EXPECT_FALSE(sound->playing(shot));
    EXPECT_TRUE(sound->playing(loop));
    // Play on a playing buffer does not restart it.
    sound->play(loop, true);
    EXPECT_TRUE(sound->playing(loop));
    sound->release(loop);
    EXPECT_FALSE(sound->playing(loop));
    size_t from = framesNow();
    std::this_thread::sleep_for(80ms);
    auto rec = output->recorded();
    EXPECT_EQ(peak(rec, 0, from + 10, rec.size() / 2), 0.0f);
}

TEST_F(SoundDeviceTest, MissingAndCorruptFilesGiveBuffersThatDoNothing) {
    std::string corrupt = scratch / "corrupt.wav";
    std::ofstream(corrupt, std::ios::binary) << "RIFF\x10\0\0\0WAVEgarbage that is not a wave file";
    std::string empty = scratch / "empty.wav";
    writeWave(empty, rate, 1, {});
    for (const std::string& path : {scratch / "missing.wav", corrupt, empty}) {
        SoundId id = sound->load(path);
        EXPECT_NE(id, 0) << path;
        sound->setVolume(id, 0);
        sound->setFrequency(id, sound->frequency(id) + 1);
        sound->setPan(id, 500);
        sound->setPosition(id, 0);
        sound->play(id, true);
        EXPECT_FALSE(sound->playing(id)) << path;
        sound->stop(id);
        sound->release(id);
    }
    // Id 0 ("no buffer") is accepted everywhere too.
    sound->play(0, false);
    EXPECT_FALSE(sound->playing(0));
    std::this_thread::sleep_for(50ms);
    auto rec = output->recorded();
    EXPECT_EQ(peak(rec, 0, 0, rec.size() / 2), 0.0f);
    // A real file still loads and plays afterwards.
    SoundId good = sound->load(sineFile(441, 0.5));
    sound->play(good, false);
    EXPECT_TRUE(sound->playing(good));
}

TEST_F(SoundDeviceTest, BeepIsAShortTone) {
    size_t from = framesNow();
    sound->beep();
    std::this_thread::sleep_for(300ms);
    auto rec = output->recorded();
    size_t to = rec.size() / 2;
    EXPECT_GT(peak(rec, 0, from, to), 0.2f);
    EXPECT_EQ(peak(rec, 0, to - rate / 20, to), 0.0f);  // over after a tenth of a second
}

}  // namespace
}  // namespace dravlen::desktop
