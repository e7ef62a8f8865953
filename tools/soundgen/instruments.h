// Reusable voices built on the toolkit: engines, tires, horns, sirens, air hiss, knocks and bells.
#pragma once

#include "synth.h"

namespace soundgen {

// Renders `seconds` of f(t) into a signal.
template <class F>
Signal render(double seconds, F&& f) {
    Signal s(frames(seconds));
    for (size_t i = 0; i < s.size(); ++i) s[i] = f(static_cast<double>(i) / kRate);
    return s;
}

// Character of a reciprocating engine; levels are relative.
struct EngineTone {
    int cylinders = 6;
    double thump = 1.0;      // low body resonance driven by each firing
    double bodyHz = 95.0;
    double bark = 0.6;       // mid exhaust bark
    double barkHz = 380.0;
    double clatter = 0.3;    // diesel injection knock, high and short
    double rasp = 0.3;       // combustion noise
    double roughness = 0.18; // cylinder-to-cylinder variation
    uint64_t seed = 1;
};

// One engine, sample by sample: firing frequency (Hz) and load (0..1) may change every sample.
// With a period set, its noise repeats exactly every `period` samples (for seamless loops).
class Engine {
public:
    explicit Engine(const EngineTone& tone);
    void setPeriod(uint64_t period) { period_ = period; }
    double next(double firingHz, double load);
private:
    EngineTone tone_;
    std::vector<double> cylinderGain_;
    uint64_t index_ = 0, period_ = 0;
    double phase_ = 0.5;
    int cylinder_ = 0;
    double sinceFiring_ = 1.0, firingAmp_ = 0.0, firingTau_ = 0.005;
    Svf body_, bark_, rasp_, exhaust_;
    OnePole clatterHp_, smooth_;
};

// Renders an engine along curves of firing frequency, load and loudness.
Signal engineRun(const EngineTone& tone, const Curve& firingHz, const Curve& load, const Curve& gain, double seconds);

// Tire and wind roar of a vehicle at a steady speed; `wet` adds the spray hiss.
Signal tireRoar(double seconds, uint64_t seed, double centreHz, double wet);

// A truck's air horn: one trumpet per pitch, with the pressure bend at the start.
Signal airHorn(const std::vector<double>& pitches, double seconds, uint64_t seed, double bendFrom = 0.94);
// A car's twin electric horn.
Signal carHorn(double seconds, double lowHz, double highHz);
// Compressed air escaping (air brakes): attack and decay in seconds.
Signal airHiss(double seconds, uint64_t seed, double attack, double decay, double brightHz = 4500.0);
// An electronic police siren following a pitch curve.
Signal siren(const Curve& pitch, double seconds, uint64_t seed);
// A bright bell strike (shop door, register, alarm clock).
std::vector<Mode> bellModes(double fundamental, double decay);
// A short burst of filtered noise: footsteps, scrapes, debris.
Signal noiseBurst(double seconds, uint64_t seed, double hz, double q, double attack, double decay);

}  // namespace soundgen
