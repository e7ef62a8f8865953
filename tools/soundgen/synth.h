// A small synthesis toolkit for the sound pack: signals, noise, oscillators, envelopes, filters, motion.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace soundgen {

constexpr double kRate = 22050.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

// Mono samples, nominally within -1..1 before the final normalisation.
using Signal = std::vector<double>;

inline size_t frames(double seconds) { return static_cast<size_t>(std::lround(seconds * kRate)); }
inline double dbToGain(double db) { return std::pow(10.0, db / 20.0); }

// Deterministic random numbers (splitmix64): the same seed gives the same sound everywhere.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next();
    double uniform();                          // [0, 1)
    double bipolar() { return 2.0 * uniform() - 1.0; }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
private:
    uint64_t state_;
};

// Stateless noise: a value in [-1, 1) for (seed, index). Looped sounds index it modulo their length.
double hashNoise(uint64_t seed, uint64_t index);

// Piecewise-linear curve through (time, value) points; held flat outside them.
class Curve {
public:
    Curve(std::initializer_list<std::pair<double, double>> points) : pts_(points) {}
    explicit Curve(std::vector<std::pair<double, double>> points) : pts_(std::move(points)) {}
    double at(double t) const;
private:
    std::vector<std::pair<double, double>> pts_;
};

// Attack, then exponential decay with the given time constant; zero before `start`.
double strike(double t, double start, double attack, double decay);

// Phase accumulator with band-limited (polyBLEP) waveforms.
class Osc {
public:
    explicit Osc(double phase = 0.0) : phase_(phase) {}
    double sine(double hz);
    double saw(double hz);
    double square(double hz, double width = 0.5);
    double triangle(double hz);
    double phase() const { return phase_; }
private:
    double advance(double hz);
    double phase_;
};

// Zavalishin's topology-preserving state-variable filter: stable while its frequency moves.
class Svf {
public:
    struct Out { double low, band, high; };
    Out process(double x, double hz, double q);
    double low(double x, double hz, double q) { return process(x, hz, q).low; }
    double band(double x, double hz, double q) { return process(x, hz, q).band; }
    double high(double x, double hz, double q) { return process(x, hz, q).high; }
    // Band-pass with unity gain at the centre.
    double peak(double x, double hz, double q) { return process(x, hz, q).band / q; }
private:
    double ic1_ = 0.0, ic2_ = 0.0;
};

// One-pole smoothing low-pass and its complementary high-pass.
class OnePole {
public:
    double low(double x, double hz);
    double high(double x, double hz) { return x - low(x, hz); }
private:
    double y_ = 0.0;
};

// Pink-ish noise (Paul Kellet's economy filter) over a white source.
class Pink {
public:
    double process(double white);
private:
    double b0_ = 0, b1_ = 0, b2_ = 0;
};

// A struck resonant mode: frequency, decay time constant (s), amplitude.
struct Mode { double hz, decay, amp; };

// Adds a set of decaying modes struck at `at` seconds (sine-phase start, so no click).
void addModes(Signal& out, double at, const std::vector<Mode>& modes, double gain);

// Adds `src` into `dst` at `at` seconds with `gain`, growing `dst` if needed.
void mix(Signal& dst, const Signal& src, double at, double gain = 1.0);
// Adds `src` into a looped `dst` of fixed length, wrapping past the end to the start.
void mixWrapped(Signal& dst, const Signal& src, size_t at, double gain = 1.0);

// A vehicle passing on a straight road: distance at the closest point (m), speed (m/s),
// the time of the closest point (s). Gives the source's loudness and Doppler shift.
struct Pass {
    double distance = 8.0;
    double speed = 25.0;
    double closestAt = 2.0;
    double brightness = 1.0;   // how much treble survives at the closest point
};
// Seconds of source a pass of `outSeconds` needs (emission times start before 0).
double passSourceSeconds(const Pass& p, double outSeconds);
// Renders what a listener hears of `source` (emitted sound, starting passSourceSeconds earlier).
Signal dopplerPass(const Signal& source, const Pass& p, double outSeconds);

// Simple Schroeder room: a little space around dry sounds.
Signal reverb(const Signal& in, double roomSize, double wet, double tailSeconds);

// Band-limited sweep helpers.
Signal lowpass(const Signal& in, double hz, double q = 0.707);
Signal highpass(const Signal& in, double hz, double q = 0.707);
Signal bandpass(const Signal& in, double hz, double q);

// Finishing steps.
void fadeEdges(Signal& s, double seconds);     // raised-cosine fade-in and fade-out
void removeDc(Signal& s);                      // 20 Hz high-pass for one-shots
std::vector<int16_t> toPcm(const Signal& s, double peakDb);  // peak to peakDb below full scale
void removeMean(Signal& s);

// 16-bit mono PCM WAV at kRate.
std::vector<uint8_t> waveBytes(const std::vector<int16_t>& pcm);
bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace soundgen
