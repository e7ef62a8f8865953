// Checks the generated sound pack: format, lengths, levels, clean edges, seamless loops, distinct sounds, determinism.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>

#include "platform/desktop/wave_file.h"

namespace {

namespace fs = std::filesystem;
using Samples = std::vector<int16_t>;
constexpr int kRate = 22050;

// Each sound with the length in seconds the game needs of it, and whether it loops. Lengths the
// game does not constrain are bounded so that a blocking one-shot does not hold the player up.
struct Expected {
    int number;
    bool loop;
    double minSeconds, maxSeconds;
};
const std::vector<Expected> kSounds = [] {
    std::vector<Expected> v = {{1, false, 4, 8},    {19, false, 3, 5},  {20, true, 4, 10},  {21, true, 4, 10},
                               {22, false, 1, 2},   {23, false, 1, 5},  {24, false, 2, 3},  {25, false, 2, 3},
                               {43, false, 2, 4},   {44, false, 13, 14}, {45, false, 2, 4}, {46, true, 4, 10}};
    for (int n = 2; n <= 18; ++n) {
        bool siren = n == 7 || n == 12 || n == 14;
        v.push_back({n, false, siren ? 5.0 : 2.0, siren ? 8.0 : 6.0});
    }
    for (int n = 26; n <= 41; ++n) v.push_back({n, false, 0.3, 6});
    return v;
}();

std::string path(const std::string& dir, int n) { return dir + "/dravlen" + std::to_string(n) + ".wav"; }
std::vector<char> bytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
const dravlen::desktop::WaveData& wave(int n) {
    static std::map<int, dravlen::desktop::WaveData> read;
    if (!read.count(n)) read[n] = dravlen::desktop::readWaveFile(path(DRAVLEN_BUILD_DIR, n));
    return read[n];
}

int peakOf(Samples::const_iterator from, Samples::const_iterator to) {
    int peak = 0;
    for (; from != to; ++from) peak = std::max(peak, std::abs(int(*from)));
    return peak;
}

TEST(SoundPack, EveryFileIsMonoPcm16At22050OfItsLengthWithCleanLevelsAndEdges) {
    // After "RIFF" and its size: WAVE, a 16-byte fmt chunk (PCM, mono, 22050 Hz, 44100 bytes a
    // second, 2-byte frames, 16 bits), then the data chunk.
    const std::string header("WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0data", 32);
    const double target = 32767 * std::pow(10.0, -1 / 20.0);  // -1 dBFS
    const size_t edge = kRate / 2000;                        // half a millisecond
    for (const Expected& e : kSounds) {
        const auto& w = wave(e.number);
        const Samples& s = w.samples;
        ASSERT_TRUE(w.ok && w.channels == 1 && w.rate == kRate && s.size() > kRate / 10) << e.number << ": " << w.error;
        auto b = bytes(path(DRAVLEN_BUILD_DIR, e.number));
        EXPECT_TRUE(std::string(b.begin() + 8, b.begin() + 40) == header && b.size() == 44 + 2 * s.size()) << e.number;
        double seconds = double(s.size()) / kRate;
        EXPECT_TRUE(seconds >= e.minSeconds && seconds <= e.maxSeconds) << "dravlen" << e.number << ": " << seconds;
        // Peaks at about -1 dBFS, never full scale; and not a lone spike normalised up: a real
        // sound carries energy (RMS above -35 dBFS).
        EXPECT_NEAR(peakOf(s.begin(), s.end()), target, target * 0.06) << "dravlen" << e.number;
        double rms = std::sqrt(std::inner_product(s.begin(), s.end(), s.begin(), 0.0) / double(s.size()));
        EXPECT_GT(rms, 32767 * std::pow(10.0, -35 / 20.0)) << "dravlen" << e.number;
        if (e.loop) continue;
        // A one-shot fades in and out: near silence at its ends, only a little more half a millisecond in.
        EXPECT_TRUE(std::abs(s.front()) <= 64 && peakOf(s.begin(), s.begin() + edge) < 1600) << e.number << " in";
        EXPECT_TRUE(std::abs(s.back()) <= 64 && peakOf(s.end() - edge, s.end()) < 1600) << e.number << " out";
    }
    EXPECT_FALSE(fs::exists(path(DRAVLEN_BUILD_DIR, 42))) << "sound 42 is not used by the game";
}

// What is wrong where a loop's end meets its start, empty for a clean seam. The step and the
// change of slope across the seam are compared with how far they go anywhere else in the loop;
// so is the way each period of a rhythmic loop's envelope (the engine's firing) repeats the one
// before; and the loudness either side of the seam must match.
std::string seamFaults(const Samples& s) {
    const size_t n = s.size(), q = kRate / 4;
    auto at = [&](size_t i) { return double(s[i % n]); };
    auto step = [&](size_t i) { return std::abs(at(i + 1) - at(i)); };
    auto bend = [&](size_t i) { return std::abs(at(i + 2) - 2 * at(i + 1) + at(i)); };
    std::vector<double> env(n);
    double level = 0;
    for (size_t i = 0; i < 2 * n; ++i) {  // twice round, so that the start is settled
        level += 0.05 * (std::abs(at(i)) - level);
        env[i % n] = level;
    }
    const double envMean = std::accumulate(env.begin(), env.end(), 0.0) / double(n);
    auto e = [&](size_t i) { return env[i % n] - envMean; };
    size_t period = kRate / 100;  // the lag, 10-100 ms, at which the envelope best repeats itself
    for (double lag = double(period), best = 0; lag <= kRate / 10; lag += 2) {
        double c = 0;
        for (size_t i = 0; i < n; i += 8) c += e(i) * e(i + size_t(lag));
        if (c > best) best = c, period = size_t(lag);
    }
    auto mismatch = [&](size_t i) {
        double d = 0;
        for (size_t j = 0; j < period; ++j) d += std::abs(e(i + j + period) - e(i + j));
        return d / double(period);
    };
    // The value that `share` of the measures taken along the loop, away from the seam, stay under.
    auto usual = [&](auto measure, size_t stride, double share) {
        std::vector<double> v;
        for (size_t i = 0; i + 2 * period < n; i += stride) v.push_back(measure(i));
        std::sort(v.begin(), v.end());
        return v[size_t(share * double(v.size() - 1))];
    };
    double worst = 0;
    for (size_t i = n - 2 * period; i < n; i += period / 4) worst = std::max(worst, mismatch(i));
    // The energy of the quarter-seconds before and after the seam.
    double before = std::inner_product(s.end() - q, s.end(), s.end() - q, 1.0);
    double after = std::inner_product(s.begin(), s.begin() + q, s.begin(), 1.0);
    std::string faults;
    if (step(n - 1) > usual(step, 1, 0.995)) faults += " jump";
    if (std::max(bend(n - 2), bend(n - 1)) > usual(bend, 1, 0.995)) faults += " kink";
    if (worst > 1.5 * usual(mismatch, period / 4, 0.99)) faults += " broken rhythm";
    if (std::max(before, after) / std::min(before, after) > 1.6 * 1.6) faults += " level change";
    return faults;
}

TEST(SoundPack, LoopsJoinEndToStartWithoutASeam) {
    for (const Expected& e : kSounds) {
        if (!e.loop) continue;
        Samples s = wave(e.number).samples;
        ASSERT_GT(s.size(), 4u * kRate);
        EXPECT_EQ(seamFaults(s), "") << "dravlen" << e.number << "'s loop point";
        // The check sees a seam where there is one: the loop cut just after the loudest sample of
        // its last half second.
        auto louder = [](int a, int b) { return std::abs(a) < std::abs(b); };
        s.erase(std::max_element(s.end() - kRate / 2, s.end(), louder) + 1, s.end());
        EXPECT_NE(seamFaults(s), "") << "a badly cut dravlen" << e.number << " passes";
    }
}

void fft(std::vector<std::complex<double>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {  // bit-reversed order
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        if (i < (j ^= bit)) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1)
        for (size_t i = 0; i < n; i += len)
            for (size_t k = 0; k < len / 2; ++k) {
                auto u = a[i + k], v = a[i + k + len / 2] * std::polar(1.0, -2 * M_PI * double(k) / double(len));
                std::tie(a[i + k], a[i + k + len / 2]) = std::pair(u + v, u - v);
            }
}

// The long-term spectrum in 24 log-spaced bands from 40 Hz to 11 kHz, in dB, with the level removed.
std::vector<double> bandSpectrum(const Samples& s) {
    const size_t n = 1024, bands = 24;
    std::vector<double> power(n / 2, 1e-9), db(bands);
    for (size_t start = 0; start + n <= s.size(); start += n / 2) {
        std::vector<std::complex<double>> a(n);
        for (size_t i = 0; i < n; ++i) a[i] = s[start + i] * (0.5 - 0.5 * std::cos(2 * M_PI * double(i) / (n - 1)));
        fft(a);
        for (size_t k = 0; k < n / 2; ++k) power[k] += std::norm(a[k]);
    }
    for (size_t b = 0; b < bands; ++b) {
        double lo = 40 * std::pow(275.0, double(b) / bands), hi = lo * std::pow(275.0, 1.0 / bands), sum = 1e-9;
        for (size_t k = size_t(std::ceil(lo * n / kRate)); double(k) * kRate / n < hi; ++k) sum += power[k];
        db[b] = 10 * std::log10(sum / (hi - lo));
    }
    double mean = std::accumulate(db.begin(), db.end(), 0.0) / bands;
    for (double& d : db) d -= mean;
    return db;
}

TEST(SoundPack, NoTwoSoundsAreAlike) {
    // The mean distance in dB between two level-free band spectra.
    auto distance = [](const std::vector<double>& a, const std::vector<double>& b) {
        double d = 0;
        for (size_t i = 0; i < a.size(); ++i) d += std::abs(a[i] - b[i]) / double(a.size());
        return d;
    };
    std::vector<std::vector<double>> spectra;
    for (const Expected& e : kSounds) spectra.push_back(bandSpectrum(wave(e.number).samples));
    for (size_t a = 0; a < kSounds.size(); ++a)
        for (size_t b = a + 1; b < kSounds.size(); ++b)
            EXPECT_GT(distance(spectra[a], spectra[b]), 1.5)
                << "dravlen" << kSounds[a].number << " and dravlen" << kSounds[b].number;
    // The measure sees a copy as alike: sound 3 at half level with a little hiss.
    Samples copy = wave(3).samples;
    uint32_t r = 1;
    for (auto& x : copy) x = int16_t(x / 2 + int((r = r * 1664525u + 1013904223u) >> 28) - 8);
    EXPECT_LT(distance(bandSpectrum(copy), bandSpectrum(wave(3).samples)), 1.5);
}

TEST(SoundPack, GeneratorMakesByteIdenticalFilesAgain) {
    fs::path dir = fs::temp_directory_path() / ("dravlen-soundgen-" + std::to_string(getpid()));
    fs::create_directories(dir);
    ASSERT_EQ(std::system(("\"" SOUNDGEN_EXE "\" \"" + dir.string() + "\"").c_str()), 0);
    for (const Expected& e : kSounds) {
        auto again = bytes(path(dir.string(), e.number));
        EXPECT_TRUE(!again.empty() && again == bytes(path(DRAVLEN_BUILD_DIR, e.number)))
            << "dravlen" << e.number << " came out different";
    }
    fs::remove_all(dir);
}

}  // namespace
