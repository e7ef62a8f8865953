// The synthesis toolkit: noise, oscillators, filters, modal strikes, Doppler passes and WAV output.
#include "synth.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace soundgen {

uint64_t Rng::next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

double hashNoise(uint64_t seed, uint64_t index) {
    Rng r(seed * 0xD6E8FEB86659FD93ull + index * 0x9E3779B97F4A7C15ull);
    return r.bipolar();
}

double Curve::at(double t) const {
    if (pts_.empty()) return 0.0;
    if (t <= pts_.front().first) return pts_.front().second;
    for (size_t i = 1; i < pts_.size(); ++i) {
        if (t <= pts_[i].first) {
            const auto& [t0, v0] = pts_[i - 1];
            const auto& [t1, v1] = pts_[i];
            if (t1 <= t0) return v1;
            return v0 + (v1 - v0) * (t - t0) / (t1 - t0);
        }
    }
    return pts_.back().second;
}

double strike(double t, double start, double attack, double decay) {
    double u = t - start;
    if (u < 0.0) return 0.0;
    if (u < attack) return 0.5 - 0.5 * std::cos(kPi * u / attack);
    return std::exp(-(u - attack) / decay);
}

namespace {
double polyBlep(double t, double dt) {
    if (dt <= 0.0) return 0.0;
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}
}  // namespace

double Osc::advance(double hz) {
    double p = phase_;
    phase_ += hz / kRate;
    phase_ -= std::floor(phase_);
    return p;
}

double Osc::sine(double hz) { return std::sin(kTwoPi * advance(hz)); }

double Osc::saw(double hz) {
    double dt = std::min(std::abs(hz) / kRate, 0.5);
    double p = advance(hz);
    return 2.0 * p - 1.0 - polyBlep(p, dt);
}

double Osc::square(double hz, double width) {
    double dt = std::min(std::abs(hz) / kRate, 0.5);
    double p = advance(hz);
    double v = p < width ? 1.0 : -1.0;
    v += polyBlep(p, dt);
    double q = p + 1.0 - width;
    v -= polyBlep(q - std::floor(q), dt);
    return v;
}

double Osc::triangle(double hz) {
    double p = advance(hz);
    return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
}

Svf::Out Svf::process(double x, double hz, double q) {
    hz = std::clamp(hz, 5.0, kRate * 0.45);
    q = std::max(q, 0.05);
    double g = std::tan(kPi * hz / kRate);
    double k = 1.0 / q;
    double a1 = 1.0 / (1.0 + g * (g + k));
    double a2 = g * a1;
    double a3 = g * a2;
    double v3 = x - ic2_;
    double v1 = a1 * ic1_ + a2 * v3;
    double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    return {v2, v1, x - k * v1 - v2};
}

double OnePole::low(double x, double hz) {
    double a = 1.0 - std::exp(-kTwoPi * std::clamp(hz, 1.0, kRate * 0.49) / kRate);
    y_ += a * (x - y_);
    return y_;
}

double Pink::process(double white) {
    b0_ = 0.99765 * b0_ + white * 0.0990460;
    b1_ = 0.96300 * b1_ + white * 0.2965164;
    b2_ = 0.57000 * b2_ + white * 1.0526913;
    return (b0_ + b1_ + b2_ + white * 0.1848) * 0.2;
}

void addModes(Signal& out, double at, const std::vector<Mode>& modes, double gain) {
    size_t start = frames(at);
    for (const Mode& m : modes) {
        if (m.hz >= kRate * 0.48) continue;
        size_t len = frames(m.decay * 7.0);
        if (out.size() < start + len) out.resize(start + len, 0.0);
        double w = kTwoPi * m.hz / kRate;
        double d = std::exp(-1.0 / (m.decay * kRate));
        double env = m.amp * gain;
        for (size_t i = 0; i < len; ++i) {
            out[start + i] += env * std::sin(w * static_cast<double>(i));
            env *= d;
        }
    }
}

void mix(Signal& dst, const Signal& src, double at, double gain) {
    size_t start = frames(at);
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
    for (size_t i = 0; i < src.size(); ++i) dst[start + i] += gain * src[i];
}

void mixWrapped(Signal& dst, const Signal& src, size_t at, double gain) {
    if (dst.empty()) return;
    for (size_t i = 0; i < src.size(); ++i) dst[(at + i) % dst.size()] += gain * src[i];
}

namespace {
constexpr double kSpeedOfSound = 343.0;
double passDistance(const Pass& p, double t) {
    double x = p.speed * (t - p.closestAt);
    return std::sqrt(p.distance * p.distance + x * x);
}
double passLead(const Pass& p, double outSeconds) {
    return std::max(passDistance(p, 0.0), passDistance(p, outSeconds)) / kSpeedOfSound + 0.01;
}
}  // namespace

double passSourceSeconds(const Pass& p, double outSeconds) { return outSeconds + passLead(p, outSeconds) + 0.01; }

Signal dopplerPass(const Signal& source, const Pass& p, double outSeconds) {
    Signal out(frames(outSeconds), 0.0);
    double lead = passLead(p, outSeconds);
    OnePole air;
    for (size_t n = 0; n < out.size(); ++n) {
        double t = static_cast<double>(n) / kRate;
        double r = passDistance(p, t);
        double pos = (t - r / kSpeedOfSound + lead) * kRate;
        auto i = static_cast<size_t>(std::floor(pos));
        double f = pos - std::floor(pos);
        auto at = [&](size_t k) { return k < source.size() ? source[k] : 0.0; };
        // 4-point Hermite interpolation keeps the noise bright while the delay moves.
        double xm1 = i > 0 ? at(i - 1) : 0.0, x0 = at(i), x1 = at(i + 1), x2 = at(i + 2);
        double c1 = 0.5 * (x1 - xm1);
        double c2 = xm1 - 2.5 * x0 + 2.0 * x1 - 0.5 * x2;
        double c3 = 0.5 * (x2 - xm1) + 1.5 * (x0 - x1);
        double v = ((c3 * f + c2) * f + c1) * f + x0;
        double near = p.distance / r;
        double cutoff = 700.0 + 9500.0 * p.brightness * near * near;
        out[n] = air.low(v, cutoff) * near;
    }
    return out;
}

Signal reverb(const Signal& in, double roomSize, double wet, double tailSeconds) {
    const std::array<int, 4> combBase{558, 594, 638, 678};
    const std::array<int, 2> apBase{278, 113};
    Signal out(in.size() + frames(tailSeconds), 0.0);
    std::array<std::vector<double>, 4> combs;
    std::array<size_t, 4> ci{};
    std::array<double, 4> damp{};
    for (size_t c = 0; c < 4; ++c) combs[c].assign(static_cast<size_t>(combBase[c] * roomSize) + 1, 0.0);
    std::array<std::vector<double>, 2> aps;
    std::array<size_t, 2> ai{};
    for (size_t a = 0; a < 2; ++a) aps[a].assign(static_cast<size_t>(apBase[a]), 0.0);
    for (size_t n = 0; n < out.size(); ++n) {
        double x = n < in.size() ? in[n] : 0.0;
        double acc = 0.0;
        for (size_t c = 0; c < 4; ++c) {
            double y = combs[c][ci[c]];
            damp[c] = y * 0.6 + damp[c] * 0.4;
            combs[c][ci[c]] = x * 0.25 + damp[c] * 0.78;
            ci[c] = (ci[c] + 1) % combs[c].size();
            acc += y;
        }
        for (size_t a = 0; a < 2; ++a) {
            double b = aps[a][ai[a]];
            aps[a][ai[a]] = acc + b * 0.5;
            ai[a] = (ai[a] + 1) % aps[a].size();
            acc = b - acc;
        }
        out[n] = x + wet * acc;
    }
    return out;
}

Signal lowpass(const Signal& in, double hz, double q) {
    Svf f;
    Signal out(in.size());
    for (size_t i = 0; i < in.size(); ++i) out[i] = f.low(in[i], hz, q);
    return out;
}

Signal highpass(const Signal& in, double hz, double q) {
    Svf f;
    Signal out(in.size());
    for (size_t i = 0; i < in.size(); ++i) out[i] = f.high(in[i], hz, q);
    return out;
}

Signal bandpass(const Signal& in, double hz, double q) {
    Svf f;
    Signal out(in.size());
    for (size_t i = 0; i < in.size(); ++i) out[i] = f.peak(in[i], hz, q);
    return out;
}

void fadeEdges(Signal& s, double seconds) {
    size_t n = std::min(frames(seconds), s.size() / 2);
    for (size_t i = 0; i < n; ++i) {
        double g = 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(n));
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
}

void removeDc(Signal& s) {
    OnePole lp;
    for (double& x : s) x = lp.high(x, 20.0);
}

void removeMean(Signal& s) {
    if (s.empty()) return;
    double m = 0.0;
    for (double x : s) m += x;
    m /= static_cast<double>(s.size());
    for (double& x : s) x -= m;
}

std::vector<int16_t> toPcm(const Signal& s, double peakDb) {
    double peak = 0.0;
    for (double x : s) peak = std::max(peak, std::abs(x));
    std::vector<int16_t> pcm(s.size(), 0);
    if (peak <= 0.0) return pcm;
    double scale = dbToGain(peakDb) * 32767.0 / peak;
    for (size_t i = 0; i < s.size(); ++i)
        pcm[i] = static_cast<int16_t>(std::clamp(std::lround(s[i] * scale), -32767l, 32767l));
    return pcm;
}

std::vector<uint8_t> waveBytes(const std::vector<int16_t>& pcm) {
    std::vector<uint8_t> b;
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i))); };
    auto u16 = [&](uint16_t v) { b.push_back(static_cast<uint8_t>(v)); b.push_back(static_cast<uint8_t>(v >> 8)); };
    auto tag = [&](const char* t) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(t[i])); };
    const auto dataBytes = static_cast<uint32_t>(pcm.size() * 2);
    const auto rate = static_cast<uint32_t>(kRate);
    tag("RIFF"); u32(36 + dataBytes); tag("WAVE");
    tag("fmt "); u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
    tag("data"); u32(dataBytes);
    for (int16_t s : pcm) u16(static_cast<uint16_t>(s));
    return b;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

}  // namespace soundgen
