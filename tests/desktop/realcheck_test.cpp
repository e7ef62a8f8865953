// The real mix never clips: sounds that overlap (speech over the engine loop, a passing truck
// over both) are summed by OpenAL, and the sum must stay within full scale however loud.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "platform/desktop/audio.h"
#include "test_files.h"

namespace dravlen::desktop {
namespace {

using namespace std::chrono_literals;

// A mono 16-bit 22,050 Hz wave file of a steady tone at the given fraction of full scale.
std::string writeTone(const std::string& path, double hertz, double level, double seconds) {
    const int rate = 22050;
    std::vector<int16_t> pcm(static_cast<size_t>(rate * seconds));
    for (size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = static_cast<int16_t>(std::lround(level * 32767 * std::sin(2 * M_PI * hertz * i / rate)));
    return testing::writeWave(path, rate, pcm);
}

// Plays the files together at full volume on the real mixing path and returns the loudest
// sample of what was mixed in the steady part, as a fraction of full scale.
float mixedPeak(const std::vector<std::string>& files) {
    auto output = AudioOutput::openRecorder(44100);
    if (!output) return -1;
    auto sound = makeSoundDevice(*output);
    std::vector<SoundId> ids;
    for (const auto& f : files) {
        SoundId id = sound->load(f);
        sound->setVolume(id, 0);
        ids.push_back(id);
    }
    for (SoundId id : ids) sound->play(id, true);
    std::this_thread::sleep_for(600ms);
    for (SoundId id : ids) sound->stop(id);
    std::vector<float> mixed = output->recorded();
    float peak = 0;
    for (float v : mixed) peak = std::max(peak, std::fabs(v));
    return peak;
}

TEST(RealMix, OverlappingSoundsStayWithinFullScaleAndALoneSoundKeepsItsLevel) {
    testing::ScratchFolder dir;
    ASSERT_FALSE(dir.path.empty());
    // Two loops at the pack's own peak (-1 dBFS) in phase, and a third on top: a sum of 2.7.
    std::string a = writeTone(dir.path + "/a.wav", 441, 0.891, 1.0);
    std::string b = writeTone(dir.path + "/b.wav", 441, 0.891, 1.0);
    std::string c = writeTone(dir.path + "/c.wav", 441, 0.891, 1.0);

    float together = mixedPeak({a, b, c});
    ASSERT_GE(together, 0) << "no loopback output";
    EXPECT_LE(together, 1.0f) << "the mix of three loud sounds went past full scale";
    EXPECT_GT(together, 0.5f) << "the overlapping sounds were not heard";

    // Limiting the sum must not turn a single sound down.
    float alone = mixedPeak({a});
    EXPECT_NEAR(alone, 0.891f, 0.02f);
}

}  // namespace
}  // namespace dravlen::desktop
