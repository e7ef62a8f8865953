// Checks the generated sound pack: files, format, lengths, levels, clean edges, seamless loops, distinct sounds, determinism.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/desktop/wave_file.h"

namespace {

namespace fs = std::filesystem;
using dravlen::desktop::readWaveFile;
using dravlen::desktop::WaveData;

constexpr int kRate = 22050;

enum class Kind { oneShot, loop };
struct Expected {
    int number;
    Kind kind;
    double minSeconds, maxSeconds;
};

// What the game needs of each sound. Sounds whose length the game does not constrain get a
// bound that keeps a blocking one-shot from holding the player up.
const std::vector<Expected>& expectedSounds() {
    static const std::vector<Expected> list = [] {
        std::vector<Expected> v;
        v.push_back({1, Kind::oneShot, 4.0, 8.0});
        for (int n = 2; n <= 18; ++n) {
            bool sirenSound = n == 7 || n == 12 || n == 14;
            v.push_back({n, Kind::oneShot, sirenSound ? 5.0 : 2.0, sirenSound ? 8.0 : 6.0});
        }
        v.push_back({19, Kind::oneShot, 3.0, 5.0});
        v.push_back({20, Kind::loop, 4.0, 10.0});
        v.push_back({21, Kind::loop, 4.0, 10.0});
        v.push_back({22, Kind::oneShot, 1.0, 2.0});
        v.push_back({23, Kind::oneShot, 1.0, 5.0});
        v.push_back({24, Kind::oneShot, 2.0, 3.0});
        v.push_back({25, Kind::oneShot, 2.0, 3.0});
        for (int n = 26; n <= 41; ++n) v.push_back({n, Kind::oneShot, 0.3, 6.0});
        v.push_back({43, Kind::oneShot, 2.0, 4.0});
        v.push_back({44, Kind::oneShot, 13.0, 14.0});
        v.push_back({45, Kind::oneShot, 2.0, 4.0});
        v.push_back({46, Kind::loop, 4.0, 10.0});
        return v;
    }();
    return list;
}

std::string soundPath(const std::string& dir, int n) { return dir + "/dravlen" + std::to_string(n) + ".wav"; }

const WaveData& sound(int n) {
    static std::map<int, WaveData> cache;
    auto it = cache.find(n);
    if (it == cache.end()) it = cache.emplace(n, readWaveFile(soundPath(DRAVLEN_BUILD_DIR, n))).first;
    return it->second;
}

std::vector<uint8_t> fileBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t le16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

int peakOf(const std::vector<int16_t>& s) {
    int p = 0;
    for (int16_t x : s) p = std::max(p, std::abs(static_cast<int>(x)));
    return p;
}

// ---- spectra ----

void fft(std::vector<std::complex<double>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        double ang = -2.0 * M_PI / static_cast<double>(len);
        std::complex<double> wl(std::cos(ang), std::sin(ang));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> w(1.0);
            for (size_t k = 0; k < len / 2; ++k) {
                auto u = a[i + k], v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                w *= wl;
            }
        }
    }
}

// Long-term spectrum in 24 log-spaced bands from 40 Hz to 11 kHz, in dB, level removed.
std::vector<double> bandSpectrum(const std::vector<int16_t>& s) {
    const size_t n = 1024;
    std::vector<double> power(n / 2, 1e-9);
    for (size_t start = 0; start + n <= s.size(); start += n / 2) {
        std::vector<std::complex<double>> a(n);
        for (size_t i = 0; i < n; ++i) a[i] = s[start + i] * (0.5 - 0.5 * std::cos(2.0 * M_PI * i / (n - 1)));
        fft(a);
        for (size_t k = 0; k < n / 2; ++k) power[k] += std::norm(a[k]);
    }
    const int bands = 24;
    std::vector<double> db(bands, 0.0);
    for (int b = 0; b < bands; ++b) {
        double lo = 40.0 * std::pow(11000.0 / 40.0, static_cast<double>(b) / bands);
        double hi = 40.0 * std::pow(11000.0 / 40.0, static_cast<double>(b + 1) / bands);
        double sum = 1e-9;
        for (size_t k = 0; k < n / 2; ++k) {
            double f = static_cast<double>(k) * kRate / n;
            if (f >= lo && f < hi) sum += power[k];
        }
        db[b] = 10.0 * std::log10(sum / (hi - lo));
    }
    double mean = 0.0;
    for (double d : db) mean += d / bands;
    for (double& d : db) d -= mean;
    return db;
}

// Mean distance in dB between two level-free band spectra.
double spectralDistance(const std::vector<double>& a, const std::vector<double>& b) {
    double d = 0.0;
    for (size_t i = 0; i < a.size(); ++i) d += std::abs(a[i] - b[i]) / static_cast<double>(a.size());
    return d;
}

}  // namespace

TEST(SoundPack, EveryFileIsReadByTheGamesLoader) {
    for (const Expected& e : expectedSounds()) {
        const WaveData& w = sound(e.number);
        EXPECT_TRUE(w.ok) << "dravlen" << e.number << ".wav: " << w.error;
        EXPECT_EQ(w.channels, 1) << e.number;
        EXPECT_EQ(w.rate, kRate) << e.number;
    }
    EXPECT_FALSE(fs::exists(soundPath(DRAVLEN_BUILD_DIR, 42))) << "sound 42 is not used by the game";
}

TEST(SoundPack, HeadersArePlainMonoPcm16At22050) {
    for (const Expected& e : expectedSounds()) {
        auto b = fileBytes(soundPath(DRAVLEN_BUILD_DIR, e.number));
        ASSERT_GE(b.size(), 46u) << e.number;
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF") << e.number;
        EXPECT_EQ(le32(b, 4), b.size() - 8) << e.number;
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << e.number;
        EXPECT_EQ(le32(b, 16), 16u) << e.number;
        EXPECT_EQ(le16(b, 20), 1) << "PCM, " << e.number;
        EXPECT_EQ(le16(b, 22), 1) << "mono, " << e.number;
        EXPECT_EQ(le32(b, 24), 22050u) << e.number;
        EXPECT_EQ(le32(b, 28), 44100u) << "byte rate, " << e.number;
        EXPECT_EQ(le16(b, 32), 2) << "block align, " << e.number;
        EXPECT_EQ(le16(b, 34), 16) << "bits, " << e.number;
        EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data") << e.number;
        EXPECT_EQ(le32(b, 40), b.size() - 44) << e.number;
    }
}

TEST(SoundPack, LengthsFitWhereTheGamePlaysThem) {
    for (const Expected& e : expectedSounds()) {
        double seconds = static_cast<double>(sound(e.number).samples.size()) / kRate;
        EXPECT_GE(seconds, e.minSeconds) << "dravlen" << e.number;
        EXPECT_LE(seconds, e.maxSeconds) << "dravlen" << e.number;
    }
}

TEST(SoundPack, PeaksSitNearMinusOneDbAndNeverClip) {
    const int target = static_cast<int>(std::lround(32767.0 * std::pow(10.0, -1.0 / 20.0)));
    for (const Expected& e : expectedSounds()) {
        const auto& s = sound(e.number).samples;
        int peak = peakOf(s);
        EXPECT_LT(peak, 32767) << "dravlen" << e.number << " reaches full scale";
        EXPECT_NEAR(peak, target, target * 0.06) << "dravlen" << e.number;
        // Not a lone spike normalised up: a real sound carries energy (RMS above -35 dBFS).
        double sum = 0.0;
        for (int16_t x : s) sum += static_cast<double>(x) * x;
        double rms = std::sqrt(sum / static_cast<double>(std::max<size_t>(s.size(), 1)));
        EXPECT_GT(rms, 32767.0 * std::pow(10.0, -35.0 / 20.0)) << "dravlen" << e.number;
    }
}

TEST(SoundPack, OneShotsStartAndEndWithoutAClick) {
    const size_t edge = kRate / 2000;  // half a millisecond
    for (const Expected& e : expectedSounds()) {
        if (e.kind != Kind::oneShot) continue;
        const auto& s = sound(e.number).samples;
        ASSERT_GT(s.size(), 2 * edge);
        EXPECT_LE(std::abs(s.front()), 64) << "dravlen" << e.number << " starts with a step";
        EXPECT_LE(std::abs(s.back()), 64) << "dravlen" << e.number << " ends with a step";
        int head = 0, tail = 0;
        for (size_t i = 0; i < edge; ++i) {
            head = std::max(head, std::abs(static_cast<int>(s[i])));
            tail = std::max(tail, std::abs(static_cast<int>(s[s.size() - 1 - i])));
        }
        EXPECT_LT(head, 1600) << "dravlen" << e.number << " jumps in within half a millisecond";
        EXPECT_LT(tail, 1600) << "dravlen" << e.number << " cuts off within half a millisecond";
    }
}

// Around the loop point the waveform must move no more than it does anywhere else: the step
// from the last sample to the first, and the change of slope there, are compared with their
// spread over the whole loop; so are 10 ms averages either side of the seam; and the loudness
// either side of the seam must match. Returns what is wrong, empty for a clean seam.
std::vector<std::string> seamFaults(const std::vector<int16_t>& s) {
    std::vector<std::string> faults;
    const size_t n = s.size();
    auto at = [&](size_t i) { return static_cast<double>(s[i % n]); };
    std::vector<double> steps, bends;
    for (size_t i = 0; i + 2 < n; ++i) {
        steps.push_back(std::abs(at(i + 1) - at(i)));
        bends.push_back(std::abs(at(i + 2) - 2.0 * at(i + 1) + at(i)));
    }
    auto percentile = [](std::vector<double> v, double p) {
        std::sort(v.begin(), v.end());
        return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
    };
    if (std::abs(at(0) - at(n - 1)) > percentile(steps, 0.995)) faults.push_back("jump");
    double bendLimit = percentile(bends, 0.995);
    if (std::abs(at(0) - 2.0 * at(n - 1) + at(n - 2)) > bendLimit || std::abs(at(1) - 2.0 * at(0) + at(n - 1)) > bendLimit)
        faults.push_back("kink");
    const size_t w = kRate / 100;
    auto mean = [&](size_t from) {
        double m = 0.0;
        for (size_t i = 0; i < w; ++i) m += at(from + i);
        return m / static_cast<double>(w);
    };
    std::vector<double> drifts;
    for (size_t i = 0; i + 2 * w < n; i += w / 2) drifts.push_back(std::abs(mean(i + w) - mean(i)));
    if (std::abs(mean(0) - mean(n - w)) > percentile(drifts, 0.99)) faults.push_back("slow step");
    auto rms = [&](size_t from, size_t len) {
        double a = 0.0;
        for (size_t i = 0; i < len; ++i) a += at(from + i) * at(from + i);
        return std::sqrt(a / static_cast<double>(len));
    };
    double before = rms(n - kRate / 4, kRate / 4), after = rms(0, kRate / 4);
    if (std::max(before, after) / std::max(std::min(before, after), 1.0) > 1.6) faults.push_back("level change");
    return faults;
}

std::string joined(const std::vector<std::string>& v) {
    std::string out;
    for (const auto& x : v) out += (out.empty() ? "" : ", ") + x;
    return out;
}

TEST(SoundPack, LoopsJoinEndToStartWithoutASeam) {
    for (const Expected& e : expectedSounds()) {
        if (e.kind != Kind::loop) continue;
        const auto& s = sound(e.number).samples;
        ASSERT_GT(s.size(), 4u * kRate);
        EXPECT_TRUE(seamFaults(s).empty()) << "dravlen" << e.number << " loop point: " << joined(seamFaults(s));
    }
    // The check sees a seam where there is one: each loop cut short just after its loudest
    // sample of the last half second, so that the cut end no longer meets the start.
    for (int n : {20, 21, 46}) {
        auto cut = sound(n).samples;
        auto from = cut.end() - kRate / 2;
        auto loudest = std::max_element(from, cut.end(), [](int16_t x, int16_t y) { return std::abs(x) < std::abs(y); });
        cut.erase(loudest + 1, cut.end());
        EXPECT_FALSE(seamFaults(cut).empty()) << "a badly cut dravlen" << n << " passes";
    }
}

// The engine loop is played at speed x 401 Hz: 20 MPH at 0.36 and 99 MPH at 1.8 of its pitch.
// Its firing rate must make sense across that range: an idling diesel fires about 25-35 times a
// second, a revving one 120-160; so at its own pitch it fires 65-90 times a second.
TEST(SoundPack, EngineLoopFiresAtACruisingRate) {
    const auto& s = sound(46).samples;
    ASSERT_GT(s.size(), static_cast<size_t>(kRate));
    // Envelope (rectified, smoothed) autocorrelation over lags of 10-60 ms.
    std::vector<double> env(s.size());
    double y = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        y += 0.05 * (std::abs(static_cast<double>(s[i])) - y);
        env[i] = y;
    }
    double m = 0.0;
    for (double v : env) m += v / static_cast<double>(env.size());
    for (double& v : env) v -= m;
    size_t bestLag = 0;
    double best = -1e300;
    for (size_t lag = kRate / 100; lag <= kRate / 16; ++lag) {
        double c = 0.0;
        for (size_t i = 0; i + lag < env.size(); i += 3) c += env[i] * env[i + lag];
        if (c > best) best = c, bestLag = lag;
    }
    double firing = static_cast<double>(kRate) / static_cast<double>(bestLag);
    // The strongest period may be the firing itself or the whole six-cylinder round.
    bool cruising = (firing >= 65.0 && firing <= 90.0) || (firing * 6.0 >= 65.0 && firing * 6.0 <= 90.0);
    EXPECT_TRUE(cruising) << "strongest period " << firing << " Hz";
    EXPECT_GT(0.36 * firing * (firing < 40 ? 6.0 : 1.0), 20.0) << "at 20 MPH it would fire too slowly to be an engine";
}

TEST(SoundPack, NoTwoSoundsAreAlike) {
    std::vector<std::vector<double>> spectra;
    for (const Expected& e : expectedSounds()) spectra.push_back(bandSpectrum(sound(e.number).samples));
    const auto& list = expectedSounds();
    double closest = 1e9;
    std::string closestPair;
    for (size_t a = 0; a < list.size(); ++a)
        for (size_t b = a + 1; b < list.size(); ++b) {
            double d = spectralDistance(spectra[a], spectra[b]);
            if (d < closest) closest = d, closestPair = std::to_string(list[a].number) + " and " + std::to_string(list[b].number);
            EXPECT_GT(d, 1.5) << "dravlen" << list[a].number << " and dravlen" << list[b].number << " have the same spectrum";
        }
    std::printf("closest pair: %s, %.2f dB apart\n", closestPair.c_str(), closest);
    // The measure itself must see a copy as alike: a sound against itself quieter and with hiss.
    auto copy = sound(3).samples;
    uint32_t r = 1;
    for (auto& x : copy) {
        r = r * 1664525u + 1013904223u;
        x = static_cast<int16_t>(x / 2 + static_cast<int>(r >> 28) - 8);
    }
    EXPECT_LT(spectralDistance(bandSpectrum(copy), spectra[2]), 1.5);
}

TEST(SoundPack, GeneratorIsDeterministicAndQuick) {
    fs::path base = fs::temp_directory_path() / ("dravlen-soundgen-" + std::to_string(::getpid()));
    std::vector<fs::path> dirs{base / "a", base / "b"};
    for (const auto& d : dirs) {
        fs::create_directories(d);
        auto t0 = std::chrono::steady_clock::now();
        std::string cmd = std::string("\"") + SOUNDGEN_EXE + "\" \"" + d.string() + "\"";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
        double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        EXPECT_LT(secs, 20.0) << "the whole pack should take a few seconds";
        std::printf("generated the pack in %.2f s\n", secs);
    }
    for (const Expected& e : expectedSounds()) {
        auto a = fileBytes(soundPath(dirs[0].string(), e.number));
        auto b = fileBytes(soundPath(dirs[1].string(), e.number));
        auto built = fileBytes(soundPath(DRAVLEN_BUILD_DIR, e.number));
        EXPECT_FALSE(a.empty()) << e.number;
        EXPECT_TRUE(a == b) << "dravlen" << e.number << " differs between two runs";
        EXPECT_TRUE(a == built) << "dravlen" << e.number << " differs from the build's copy";
    }
    fs::remove_all(base);
}
