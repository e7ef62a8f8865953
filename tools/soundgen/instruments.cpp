// Reusable voices: engines, tires, horns, sirens, air hiss, bells and noise bursts.
#include "instruments.h"

#include <algorithm>

namespace soundgen {

Engine::Engine(const EngineTone& tone) : tone_(tone) {
    Rng r(tone.seed * 7919u + 13u);
    for (int c = 0; c < std::max(tone.cylinders, 1); ++c) cylinderGain_.push_back(1.0 + tone.roughness * r.bipolar());
}

double Engine::next(double firingHz, double load) {
    uint64_t k = period_ ? index_ % period_ : index_;
    double n1 = hashNoise(tone_.seed, k);
    double n2 = hashNoise(tone_.seed + 101u, k);
    if (index_ == 0) phase_ = 0.5 * firingHz / kRate;  // firings fall between samples, never on them
    ++index_;
    phase_ += firingHz / kRate;
    if (phase_ >= 1.0) {
        phase_ -= std::floor(phase_);
        cylinder_ = (cylinder_ + 1) % static_cast<int>(cylinderGain_.size());
        firingAmp_ = cylinderGain_[static_cast<size_t>(cylinder_)] * (0.55 + 0.45 * load);
        sinceFiring_ = 0.0;
        firingTau_ = 0.3 / std::max(firingHz, 5.0);
    }
    double t = sinceFiring_;
    sinceFiring_ += 1.0 / kRate;
    double pulse = firingAmp_ * strike(t, 0.0, 0.0012, firingTau_);
    double knockEnv = firingAmp_ * std::exp(-t / 0.0011);
    double low = body_.peak(pulse, tone_.bodyHz, 1.3);
    double mid = bark_.peak(pulse * (1.0 + 0.3 * n1), tone_.barkHz * (0.9 + 0.2 * load), 2.0);
    double noise = rasp_.peak(n2 * pulse, 1150.0, 0.7);
    double clat = clatterHp_.high(n1 * knockEnv, 2800.0);
    double ex = exhaust_.low(pulse, 240.0, 0.9);
    double v = tone_.thump * (1.6 * low + 0.9 * ex) + tone_.bark * 1.4 * mid + tone_.rasp * 0.9 * noise +
               tone_.clatter * 0.8 * clat;
    return smooth_.low(v, 7000.0);
}

Signal engineRun(const EngineTone& tone, const Curve& firingHz, const Curve& load, const Curve& gain, double seconds) {
    Engine e(tone);
    return render(seconds, [&](double t) { return gain.at(t) * e.next(firingHz.at(t), load.at(t)); });
}

Signal tireRoar(double seconds, uint64_t seed, double centreHz, double wet) {
    Rng r(seed);
    Pink pink;
    Svf road, wind, spray;
    OnePole slow;
    return render(seconds, [&](double) {
        double w = r.bipolar();
        double p = pink.process(w);
        double texture = 1.0 + 0.5 * slow.low(r.bipolar(), 6.0) * 8.0;
        double v = road.peak(p, centreHz, 0.8) * 1.2 * texture + wind.high(p, 2500.0, 0.6) * 0.25;
        v += wet * spray.peak(w, 4200.0, 0.9) * 0.5;
        return v;
    });
}

Signal airHorn(const std::vector<double>& pitches, double seconds, uint64_t seed, double bendFrom) {
    Signal out(frames(seconds), 0.0);
    Rng r(seed);
    for (size_t k = 0; k < pitches.size(); ++k) {
        Osc osc(r.uniform());
        Svf tone, bell;
        OnePole jitter;
        double f0 = pitches[k];
        double jitterSeed = r.uniform();
        Rng jr(seed + 31u * (k + 1));
        for (size_t i = 0; i < out.size(); ++i) {
            double t = static_cast<double>(i) / kRate;
            double bend = bendFrom + (1.0 - bendFrom) * (1.0 - std::exp(-t / 0.07));
            double wobble = 1.0 + 0.004 * jitter.low(jr.bipolar(), 4.0 + jitterSeed) * 6.0;
            double s = osc.saw(f0 * bend * wobble);
            double v = tone.low(s, 2300.0, 0.8) + 0.6 * bell.peak(s, 1250.0, 1.6);
            out[i] += v / static_cast<double>(pitches.size());
        }
    }
    Rng nr(seed + 999u);
    Svf breath;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double env = std::min({1.0, t / 0.035, (seconds - t) / 0.12});
        env = std::max(env, 0.0);
        double v = std::tanh(1.8 * out[i]) + 0.06 * breath.peak(nr.bipolar(), 1800.0, 1.0);
        out[i] = env * v;
    }
    return out;
}

Signal carHorn(double seconds, double lowHz, double highHz) {
    Osc a(0.1), b(0.6);
    Svf diaphragm, top;
    return render(seconds, [&](double t) {
        double env = std::max(0.0, std::min({1.0, t / 0.008, (seconds - t) / 0.03}));
        double s = 0.5 * a.square(lowHz, 0.42) + 0.5 * b.square(highHz, 0.42);
        double v = diaphragm.peak(s, 2400.0, 2.5) * 0.8 + top.low(s, 3200.0, 0.7);
        return env * std::tanh(1.5 * v);
    });
}

Signal airHiss(double seconds, uint64_t seed, double attack, double decay, double brightHz) {
    Rng r(seed);
    Svf hp, body;
    return render(seconds, [&](double t) {
        double w = r.bipolar();
        double v = hp.high(w, 1600.0, 0.7) * 0.6 + body.peak(w, brightHz, 0.8);
        return strike(t, 0.0, attack, decay) * v;
    });
}

Signal siren(const Curve& pitch, double seconds, uint64_t seed) {
    Osc osc(0.0), tri(0.25);
    Svf horn, cone;
    Rng r(seed);
    return render(seconds, [&](double t) {
        double f = pitch.at(t);
        double s = 0.3 * osc.square(f, 0.5) + 0.7 * tri.triangle(f);
        double v = horn.low(s, 2400.0, 0.7) + 0.4 * cone.peak(s, 1350.0, 1.3);
        return 0.8 * std::tanh(0.9 * v) + 0.004 * r.bipolar();
    });
}

std::vector<Mode> bellModes(double fundamental, double decay) {
    const double ratios[] = {1.0, 2.0, 2.41, 3.01, 4.13, 5.43};
    const double amps[] = {1.0, 0.45, 0.6, 0.3, 0.22, 0.12};
    std::vector<Mode> m;
    for (int i = 0; i < 6; ++i) m.push_back({fundamental * ratios[i], decay / (1.0 + 0.5 * i), amps[i]});
    return m;
}

Signal noiseBurst(double seconds, uint64_t seed, double hz, double q, double attack, double decay) {
    Rng r(seed);
    Svf f;
    return render(seconds, [&](double t) { return strike(t, 0.0, attack, decay) * f.peak(r.bipolar(), hz, q); });
}

}  // namespace soundgen
