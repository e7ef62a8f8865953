// One function per game sound, and the table that names them.
#include "sounds.h"

#include <algorithm>

#include "instruments.h"

namespace soundgen {
namespace {

// ---- small helpers shared by several sounds ----

// A bubble or droplet: a decaying sine whose pitch rises as it closes.
void addBubble(Signal& out, double at, double hz, double rise, double decay, double amp) {
    size_t start = frames(at), len = frames(decay * 6.0);
    if (out.size() < start + len) out.resize(start + len, 0.0);
    double phase = 0.0;
    for (size_t i = 0; i < len; ++i) {
        double t = static_cast<double>(i) / kRate;
        phase += kTwoPi * hz * (1.0 + rise * t) / kRate;
        double env = std::min(1.0, t / 0.0015) * std::exp(-t / decay);
        out[start + i] += amp * env * std::sin(phase);
    }
}

// A vehicle's own sound (engine and tires) as emitted, ready for a Doppler pass.
Signal vehicleSource(double seconds, const EngineTone& tone, double firingHz, double load, double tireHz, double tireLevel,
                     uint64_t seed) {
    Signal s = engineRun(tone, Curve{{0, firingHz}}, Curve{{0, load}}, Curve{{0, 1.0}}, seconds);
    Signal tires = tireRoar(seconds, seed, tireHz, 0.0);
    for (size_t i = 0; i < s.size(); ++i) s[i] += tireLevel * tires[i];
    return s;
}

EngineTone carEngine(uint64_t seed) {
    EngineTone e;
    e.cylinders = 4; e.thump = 0.5; e.bodyHz = 140; e.bark = 0.7; e.barkHz = 520; e.clatter = 0.0; e.rasp = 0.25;
    e.roughness = 0.08; e.seed = seed;
    return e;
}

EngineTone truckEngine(uint64_t seed) {
    EngineTone e;
    e.cylinders = 6; e.thump = 0.8; e.bodyHz = 90; e.bark = 0.9; e.barkHz = 400; e.clatter = 0.35; e.rasp = 0.45;
    e.roughness = 0.2; e.seed = seed;
    return e;
}

Signal passBy(const Signal& source, const Pass& p, double seconds) { return dopplerPass(source, p, seconds); }

// A soft snore: the palate flutters at `rate` Hz while air is drawn in through the throat.
Signal snoreBreath(double seconds, uint64_t seed, double rate, double rough) {
    Rng r(seed);
    Osc flutter(0.0);
    Svf f1, f2, f3, breath;
    OnePole jitter;
    return render(seconds, [&](double t) {
        double u = t / seconds;
        double env = std::pow(std::sin(kPi * std::clamp(u, 0.0, 1.0)), 1.5);
        double j = jitter.low(r.bipolar(), 8.0) * 4.0;
        double pulse = std::pow(0.5 + 0.5 * flutter.sine(rate * (1.0 + 0.15 * j)), 6.0);
        double w = r.bipolar();
        double src = pulse * (0.6 + rough * w) + 0.25 * w;
        double v = f1.peak(src, 260.0, 1.5) + 0.7 * f2.peak(src, 520.0, 2.5) + 0.3 * f3.peak(src, 1150.0, 3.0);
        v += 0.15 * breath.peak(w, 1600.0, 0.8);
        return env * v;
    });
}

// A breath out through slack lips.
Signal exhale(double seconds, uint64_t seed) {
    Rng r(seed);
    Svf f, g;
    return render(seconds, [&](double t) {
        double env = std::pow(std::sin(kPi * std::clamp(t / seconds, 0.0, 1.0)), 2.0);
        double w = r.bipolar();
        return env * (f.peak(w, 850.0, 0.9) * 0.5 + 0.15 * g.peak(w, 1900.0, 3.0));
    });
}

// Plucked string with FM body: the theme's lead and bass.
void addPluck(Signal& out, double at, double hz, double dur, double amp, double index) {
    size_t start = frames(at), len = frames(dur + 0.35);
    if (out.size() < start + len) out.resize(start + len, 0.0);
    Osc car(0.0), mod(0.0);
    for (size_t i = 0; i < len; ++i) {
        double t = static_cast<double>(i) / kRate;
        double env = std::min(1.0, t / 0.004) * std::exp(-t / (0.25 + 0.4 * dur));
        if (t > dur) env *= std::exp(-(t - dur) / 0.06);
        double m = mod.sine(hz * 2.0) * index * std::exp(-t / 0.12);
        double c = std::sin(kTwoPi * car.phase() + m);
        car.sine(hz);
        out[start + i] += amp * env * c;
    }
}

// Renders a looping sound: f(i) is called for i in [0, 2n) and must repeat every n samples in
// everything but its filters' memory; the second lap, where the filters have forgotten their
// start, is exactly periodic and joins its own start without a seam.
template <class F>
Signal loopOf(size_t n, F&& f) {
    Signal out(n);
    for (size_t i = 0; i < 2 * n; ++i) {
        double v = f(i);
        if (i >= n) out[i - n] = v;
    }
    return out;
}

// ---- 1: opening and closing theme ----
Signal theme() {
    const double beat = 60.0 / 132.0;
    Signal s;
    // Melody in D major over D, G, A, D; eighth notes (start in beats, length in beats, Hz).
    struct Note { double at, len, hz; };
    const Note lead[] = {{0, 0.5, 440}, {0.5, 0.5, 369.99}, {1, 0.5, 440}, {1.5, 0.5, 493.88},
                         {2, 0.5, 493.88}, {2.5, 0.5, 440}, {3, 1, 392},
                         {4, 0.5, 329.63}, {4.5, 0.5, 369.99}, {5, 0.5, 440}, {5.5, 0.5, 554.37},
                         {6, 1, 587.33}, {7, 0.5, 440}, {7.5, 0.5, 554.37}};
    for (const Note& n : lead) addPluck(s, 0.05 + n.at * beat, n.hz, n.len * beat * 0.9, 0.5, 1.6);
    const double roots[] = {73.42, 98.0, 110.0, 73.42};
    for (int bar = 0; bar < 4; ++bar) {
        double root = roots[bar];
        addPluck(s, 0.05 + (2 * bar) * beat, root, beat * 0.8, 0.6, 0.8);
        addPluck(s, 0.05 + (2 * bar + 1) * beat, root * 1.5, beat * 0.8, 0.5, 0.8);
        // brushed snare on the off-beats
        Signal brush = noiseBurst(0.2, 11 + bar, 3000.0, 0.7, 0.002, 0.04);
        mix(s, brush, 0.05 + (2 * bar + 1) * beat, 0.12);
    }
    // The flourish: two toots and a long blast on a D-major air horn, over the held tonic.
    double h = 0.05 + 8 * beat;
    std::vector<double> chord{293.66, 369.99, 440.0};
    mix(s, airHorn(chord, 0.2, 101), h, 0.55);
    mix(s, airHorn(chord, 0.2, 102), h + 0.3, 0.55);
    mix(s, airHorn(chord, 1.1, 103), h + 0.6, 0.6);
    addPluck(s, h + 0.6, 73.42, 1.0, 0.5, 0.6);
    addPluck(s, h + 0.6, 146.83, 1.0, 0.35, 0.9);
    s.resize(frames(h + 2.0), 0.0);
    return reverb(s, 1.0, 0.18, 0.0);
}

// ---- 2: a long tire screech ----
Signal tireScreech() {
    const double len = 3.4;
    Rng r(2);
    Osc a(0.0), b(0.3);
    OnePole slip1, slip2, amp;
    Svf rubber, tone;
    Curve pitch{{0, 1180}, {1.5, 1100}, {2.8, 900}, {3.4, 820}};
    Curve env{{0, 0}, {0.06, 1}, {2.7, 0.9}, {3.3, 0}};
    return render(len, [&](double t) {
        double j1 = slip1.low(r.bipolar(), 18.0) * 5.0, j2 = slip2.low(r.bipolar(), 25.0) * 5.0;
        double f = pitch.at(t);
        double s = a.saw(f * (1.0 + 0.03 * j1)) * 0.7 + b.saw(f * 1.37 * (1.0 + 0.03 * j2)) * 0.35;
        double v = tone.low(s, 2600.0, 0.9) + 0.25 * rubber.peak(r.bipolar(), 1700.0, 1.2);
        double flutter = 1.0 + 0.25 * amp.low(r.bipolar(), 12.0) * 5.0;
        return env.at(t) * flutter * v;
    });
}

// ---- 3-18: roadside sounds ----
Signal carPassing() {
    Pass p{6.0, 27.0, 2.0, 1.0};
    double len = 4.0;
    return passBy(vehicleSource(passSourceSeconds(p, len), carEngine(3), 88.0, 0.6, 900.0, 0.9, 30), p, len);
}

Signal semiPassing() {
    Pass p{7.0, 24.0, 2.6, 0.8};
    double len = 5.0, src = passSourceSeconds(p, len);
    Signal s = vehicleSource(src, truckEngine(4), 62.0, 0.8, 480.0, 1.3, 40);
    // trailer rattle: loose chains and panels, small metallic taps
    Rng r(41);
    for (double t = 0.1; t < src; t += r.range(0.05, 0.22))
        addModes(s, t, {{r.range(900, 1400), 0.02, 1.0}, {r.range(2100, 2900), 0.012, 0.6}}, 0.08);
    s.resize(frames(src));
    return passBy(s, p, len);
}

Signal carHonkPassing() {
    Pass p{6.0, 22.0, 2.2, 1.0};
    double len = 4.2, src = passSourceSeconds(p, len);
    Signal s = vehicleSource(src, carEngine(5), 80.0, 0.5, 850.0, 0.8, 50);
    mix(s, carHorn(0.22, 420.0, 528.0), 1.5, 1.4);
    mix(s, carHorn(0.55, 420.0, 528.0), 1.85, 1.4);
    s.resize(frames(src));
    return passBy(s, p, len);
}

Signal motorcycle() {
    Pass p{6.0, 31.0, 2.1, 1.1};
    double len = 4.2, src = passSourceSeconds(p, len);
    EngineTone e;
    e.cylinders = 2; e.thump = 0.4; e.bodyHz = 160; e.bark = 1.0; e.barkHz = 700; e.clatter = 0.05; e.rasp = 0.7;
    e.roughness = 0.3; e.seed = 6;
    Curve rev{{0, 95}, {1.2, 135}, {1.35, 100}, {2.9, 140}, {src, 150}};
    Signal s = engineRun(e, rev, Curve{{0, 1.0}}, Curve{{0, 1.0}}, src);
    Signal tires = tireRoar(src, 60, 1200.0, 0.0);
    for (size_t i = 0; i < s.size(); ++i) s[i] += 0.3 * tires[i];
    return passBy(s, p, len);
}

// The police car closes in behind: a crescendo under the siren and its engine below.
Signal policeSiren(const Curve& pitch, double len, uint64_t seed) {
    Signal s = siren(pitch, len, seed);
    Signal eng = engineRun(carEngine(seed + 1), Curve{{0, 85}}, Curve{{0, 0.7}}, Curve{{0, 1.0}}, len);
    Signal tires = tireRoar(len, seed + 2, 800.0, 0.0);
    OnePole muffle;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double near = 0.45 + 0.55 * std::min(1.0, t / (len * 0.8));
        double sirenPart = muffle.low(s[i], 1800.0 + 6000.0 * near * near);
        s[i] = near * (0.9 * sirenPart + 0.12 * eng[i] + 0.1 * tires[i]);
    }
    return s;
}

Signal sirenWail() {
    std::vector<std::pair<double, double>> pts;
    for (double t = 0; t < 7.5; t += 3.4) {
        pts.push_back({t, 620});
        pts.push_back({t + 1.5, 1420});
        pts.push_back({t + 1.9, 1420});
    }
    return policeSiren(Curve(pts), 7.0, 7);
}

Signal helicopter() {
    Pass p{45.0, 38.0, 3.0, 0.9};
    double len = 6.0, src = passSourceSeconds(p, len);
    Signal s(frames(src), 0.0);
    Rng r(8);
    // main rotor: a blade slap 4.7 times a second
    for (double t = 0.0; t < src; t += 1.0 / 4.7) {
        mix(s, noiseBurst(0.12, r.next(), 320.0, 1.2, 0.004, 0.03), t, 1.0);
        addModes(s, t, {{62.0, 0.05, 1.0}}, 0.5);
    }
    s.resize(frames(src));
    Osc turbine(0.0), turbine2(0.2), tail(0.0);
    Svf tailF;
    Rng nr(80);
    for (size_t i = 0; i < s.size(); ++i) {
        double pulse = std::pow(0.5 + 0.5 * tail.sine(28.0), 8.0);
        s[i] += 0.05 * turbine.sine(1850.0) + 0.02 * turbine2.sine(3700.0) + 0.4 * tailF.peak(nr.bipolar() * pulse, 900.0, 1.0);
    }
    return passBy(s, p, len);
}

Signal busPassing() {
    Pass p{4.5, 15.0, 2.5, 1.0};
    double len = 5.0, src = passSourceSeconds(p, len);
    EngineTone e = truckEngine(9);
    e.clatter = 0.1; e.barkHz = 520; e.thump = 0.5; e.rasp = 0.5;
    Signal s = vehicleSource(src, e, 52.0, 0.6, 1100.0, 0.7, 90);
    Osc turbo(0.0);
    OnePole wander;
    Rng r(91);
    for (size_t i = 0; i < s.size(); ++i) s[i] += 0.14 * turbo.sine(2250.0 * (1.0 + 0.01 * wander.low(r.bipolar(), 2.0) * 10.0));
    // window panes buzzing in their frames
    for (double t = 0.05; t < src; t += r.range(0.03, 0.09))
        addModes(s, t, {{r.range(1500, 2300), 0.008, 1.0}}, 0.05);
    mix(s, airHiss(0.6, 92, 0.02, 0.12, 5500.0), 1.4, 0.35);  // the air suspension levelling
    s.resize(frames(src));
    return passBy(s, p, len);
}

Signal pickupLooseLoad() {
    Pass p{6.0, 22.0, 2.3, 1.0};
    double len = 4.6, src = passSourceSeconds(p, len);
    EngineTone e = carEngine(10);
    e.cylinders = 8; e.roughness = 0.35; e.barkHz = 330; e.bark = 1.0; e.thump = 0.8;
    Signal s = vehicleSource(src, e, 78.0, 0.6, 800.0, 0.8, 100);
    Rng r(101);
    for (double t = 0.1; t < src; t += r.range(0.08, 0.3)) {
        double big = r.uniform();
        addModes(s, t, {{r.range(600, 800), 0.05, 1.0}, {r.range(1500, 1800), 0.04, 0.7}, {r.range(2700, 3100), 0.03, 0.5}},
                 0.35 + 0.5 * big);
        if (big > 0.6) addModes(s, t + 0.03, {{r.range(650, 750), 0.04, 1.0}, {r.range(1900, 2100), 0.03, 0.5}}, 0.3);
    }
    s.resize(frames(src));
    return passBy(s, p, len);
}

Signal birds() {
    const double len = 4.5;
    Rng r(11);
    Pink pink;
    Svf lp;
    Signal s = render(len, [&](double) { return 0.12 * lp.low(pink.process(r.bipolar()), 500.0, 0.7); });
    auto chirp = [&](double at, double f0, double f1, double dur, double trill, double amp) {
        size_t st = frames(at), n = frames(dur);
        if (s.size() < st + n) s.resize(st + n, 0.0);
        double ph = 0.0;
        for (size_t i = 0; i < n; ++i) {
            double u = static_cast<double>(i) / static_cast<double>(n);
            double f = f0 + (f1 - f0) * u + trill * std::sin(kTwoPi * 32.0 * u * dur);
            ph += kTwoPi * f / kRate;
            s[st + i] += amp * std::pow(std::sin(kPi * u), 2.0) * std::sin(ph);
        }
    };
    // a warbler's descending run, twice
    for (double base : {0.3, 2.4})
        for (int k = 0; k < 5; ++k) chirp(base + k * 0.11, 4300 - k * 180, 3600 - k * 180, 0.07, 120, 0.5);
    // another bird further off: a two-note "fee-bee"
    for (double at : {1.2, 3.4}) {
        chirp(at, 3900, 3850, 0.25, 0, 0.3);
        chirp(at + 0.3, 3150, 3050, 0.3, 0, 0.3);
    }
    chirp(1.9, 2600, 3400, 0.09, 60, 0.25);
    chirp(4.05, 2700, 3500, 0.09, 60, 0.2);
    s.resize(frames(len));
    return reverb(lowpass(s, 6500.0), 1.3, 0.25, 0.0);
}

Signal sirenYelp() {
    std::vector<std::pair<double, double>> pts;
    for (double t = 0; t < 6.5; t += 0.3) {
        pts.push_back({t, 720});
        pts.push_back({t + 0.12, 1450});
        pts.push_back({t + 0.3 - 1e-3, 760});
    }
    return policeSiren(Curve(pts), 6.2, 12);
}

Signal distantTrain() {
    const double len = 6.0;
    Rng r(13);
    Pink pink;
    Svf rumble;
    Curve swell{{0, 0.4}, {3.0, 1.0}, {6.0, 0.6}};
    Signal s = render(len, [&](double t) { return swell.at(t) * 0.5 * rumble.low(pink.process(r.bipolar()), 180.0, 0.8); });
    // wheels over rail joints: pairs of dull knocks
    for (double t = 0.2; t < len - 0.3; t += 0.62) {
        addModes(s, t, {{95, 0.04, 1.0}, {210, 0.025, 0.5}}, 0.25 * swell.at(t));
        addModes(s, t + 0.13, {{95, 0.04, 1.0}, {210, 0.025, 0.5}}, 0.22 * swell.at(t));
    }
    // the horn: long, long, short, long on a three-chime chord, far away
    std::vector<double> chord{247.0, 311.0, 370.0};
    Signal horn;
    mix(horn, airHorn(chord, 1.0, 131, 0.97), 0.6, 1.0);
    mix(horn, airHorn(chord, 1.0, 132, 0.97), 1.9, 1.0);
    mix(horn, airHorn(chord, 0.4, 133, 0.97), 3.2, 1.0);
    mix(horn, airHorn(chord, 1.3, 134, 0.97), 3.9, 1.0);
    mix(s, lowpass(horn, 1400.0), 0.0, 0.7);
    s.resize(frames(len));
    return reverb(s, 1.6, 0.35, 0.0);
}

Signal sirenHiLo() {
    std::vector<std::pair<double, double>> pts;
    for (double t = 0; t < 6.5; t += 0.9) {
        pts.push_back({t, 960});
        pts.push_back({t + 0.44, 960});
        pts.push_back({t + 0.45, 770});
        pts.push_back({t + 0.89, 770});
    }
    return policeSiren(Curve(pts), 6.0, 14);
}

Signal sportsCar() {
    Pass p{6.0, 33.0, 2.0, 1.1};
    double len = 4.0, src = passSourceSeconds(p, len);
    EngineTone e = carEngine(15);
    e.cylinders = 6; e.bark = 1.1; e.barkHz = 620; e.rasp = 0.45;
    Curve rev{{0, 110}, {1.5, 170}, {1.62, 120}, {src, 165}};
    Signal s = engineRun(e, rev, Curve{{0, 1.0}}, Curve{{0, 1.0}}, src);
    Signal tires = tireRoar(src, 150, 1000.0, 0.0);
    for (size_t i = 0; i < s.size(); ++i) s[i] += 0.5 * tires[i];
    return passBy(s, p, len);
}

Signal engineBrakeTruck() {
    Pass p{7.0, 20.0, 2.5, 0.9};
    double len = 5.0, src = passSourceSeconds(p, len);
    EngineTone e = truckEngine(16);
    e.bark = 1.6; e.barkHz = 240; e.rasp = 0.9; e.clatter = 0.6; e.roughness = 0.3;
    Curve rev{{0, 64}, {src, 46}};
    Signal s = engineRun(e, rev, Curve{{0, 1.0}}, Curve{{0, 1.0}}, src);
    Signal tires = tireRoar(src, 160, 450.0, 0.0);
    for (size_t i = 0; i < s.size(); ++i) s[i] = std::tanh(1.5 * s[i]) + 0.6 * tires[i];
    return passBy(s, p, len);
}

Signal truckHornPassing() {
    Pass p{7.0, 24.0, 2.6, 0.9};
    double len = 5.0, src = passSourceSeconds(p, len);
    Signal s = vehicleSource(src, truckEngine(17), 60.0, 0.7, 500.0, 1.1, 170);
    std::vector<double> chord{311.1, 392.0};
    mix(s, airHorn(chord, 0.35, 171), 1.7, 2.2);
    mix(s, airHorn(chord, 0.8, 172), 2.2, 2.2);
    s.resize(frames(src));
    return passBy(s, p, len);
}

// A car with its radio booming: from outside only the kick and the bass get through the body.
Signal boomingRadioCar() {
    Pass p{6.0, 18.0, 2.5, 0.9};
    double len = 5.0, src = passSourceSeconds(p, len);
    Signal s = vehicleSource(src, carEngine(18), 78.0, 0.4, 850.0, 0.5, 180);
    const double beat = 60.0 / 120.0;
    const double bassLine[] = {55.0, 55.0, 73.42, 65.41};
    Osc bass(0.0);
    Svf cabin, snareF;
    Rng r(181);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double inBeat = std::fmod(t, beat);
        double kick = strike(inBeat, 0.0, 0.002, 0.09) * std::sin(kTwoPi * (45.0 * inBeat + 1.5 * (1.0 - std::exp(-inBeat / 0.03))));
        double b = bass.saw(bassLine[static_cast<size_t>(t / (2 * beat)) % 4]) * (0.6 + 0.4 * std::exp(-std::fmod(t, beat / 2) / 0.12));
        double backbeat = std::fmod(t + beat, 2 * beat);
        double snare = strike(backbeat, 0.0, 0.001, 0.05) * snareF.peak(r.bipolar(), 900.0, 1.0);
        s[i] += 2.2 * kick + 0.9 * cabin.low(b, 220.0, 1.0) + 0.5 * snare;
    }
    return passBy(s, p, len);
}

// ---- 19: the crash ----
Signal crash() {
    const double len = 4.3;
    Rng r(19);
    Signal s(frames(len), 0.0);
    // the blow itself: a falling thump and the body panels' clang
    Osc thumpOsc(0.0);
    Signal thump = render(0.6, [&](double t) { return strike(t, 0, 0.003, 0.14) * thumpOsc.sine(70.0 - 30.0 * t); });
    mix(s, thump, 0.05, 1.4);
    std::vector<Mode> body{{118, 0.5, 1.0}, {187, 0.45, 0.8}, {263, 0.4, 0.7}, {341, 0.3, 0.6}, {466, 0.3, 0.5},
                           {612, 0.25, 0.45}, {830, 0.2, 0.35}, {1110, 0.15, 0.3}, {1470, 0.12, 0.25}};
    addModes(s, 0.05, body, 0.35);
    // crunch: crackling, tearing metal
    Svf crunchF;
    for (size_t i = frames(0.05); i < frames(0.9); ++i) {
        double t = static_cast<double>(i) / kRate - 0.05;
        double crackle = r.uniform() < 0.08 ? r.bipolar() * 3.0 : r.bipolar() * 0.3;
        s[i] += 0.5 * std::exp(-t / 0.18) * crunchF.peak(crackle, 1000.0, 0.8);
    }
    // secondary hits as the rig twists
    addModes(s, 0.42, {{96, 0.2, 1.0}, {233, 0.18, 0.7}, {540, 0.1, 0.5}}, 0.4);
    addModes(s, 0.8, {{150, 0.15, 1.0}, {380, 0.1, 0.6}, {920, 0.08, 0.4}}, 0.25);
    // glass: a shower of small bright shards
    for (int k = 0; k < 70; ++k) {
        double at = 0.12 + std::pow(r.uniform(), 2.0) * 1.3;
        double f = r.range(2500, 7500);
        addModes(s, at, {{f, r.range(0.015, 0.06), 1.0}, {f * r.range(1.3, 1.8), 0.02, 0.6}}, 0.1 * (1.6 - at) / 1.6 + 0.02);
    }
    // debris settling, then a hubcap rolling to rest
    for (int k = 0; k < 14; ++k) {
        double at = r.range(1.3, 3.0);
        addModes(s, at, {{r.range(700, 3500), 0.03, 1.0}, {r.range(300, 600), 0.04, 0.5}}, 0.05);
    }
    double t = 2.6, gap = 0.22;
    for (int k = 0; k < 9 && t < len - 0.3; ++k) {
        addModes(s, t, {{1650, 0.08, 1.0}, {2710, 0.05, 0.6}, {4080, 0.03, 0.3}}, 0.07 * (1.0 - k * 0.07));
        t += gap;
        gap *= 0.8;
    }
    s.resize(frames(len));
    return reverb(s, 1.2, 0.2, 0.0);
}

// ---- 20, 21, 46: loops ----
Signal wetRoad() {
    const size_t n = frames(6.0);
    const double T = 6.0;
    Svf spray, roar, drops;
    Pink pink;
    Signal s = loopOf(n, [&](size_t i) {
        size_t k = i % n;
        double t = static_cast<double>(k) / kRate;
        double w = hashNoise(20, k);
        double p = pink.process(w);
        double swell = 1.0 + 0.2 * std::sin(kTwoPi * 3.0 * t / T) + 0.1 * std::sin(kTwoPi * 7.0 * t / T + 1.0);
        double tone = 3600.0 + 500.0 * std::sin(kTwoPi * 2.0 * t / T);
        return swell * (0.55 * spray.peak(w, tone, 0.7) + 0.6 * roar.peak(p, 650.0, 0.8) + 0.08 * drops.high(w, 6000.0, 0.7));
    });
    // puddles: splashes placed round the loop, wrapping past its end
    Rng r(200);
    for (int k = 0; k < 6; ++k) {
        size_t at = static_cast<size_t>(r.uniform() * static_cast<double>(n));
        Signal splash = noiseBurst(0.5, r.next(), r.range(2200, 3200), 0.6, 0.02, 0.09);
        mixWrapped(s, splash, at, 0.5);
    }
    removeMean(s);
    return s;
}

Signal blizzard() {
    const double T = 8.0;
    const size_t n = frames(T);
    Svf howl1, howl2, howl3, rush;
    Pink pink;
    Signal s = loopOf(n, [&](size_t i) {
        size_t k = i % n;
        double t = static_cast<double>(k) / kRate;
        double w = hashNoise(21, k);
        double p = pink.process(w);
        double ph = kTwoPi * t / T;
        double gust = 0.55 + 0.25 * std::sin(2.0 * ph) + 0.15 * std::sin(3.0 * ph + 2.0) + 0.08 * std::sin(7.0 * ph + 0.5);
        gust = std::max(gust, 0.08);
        double f1 = 480.0 + 260.0 * gust + 40.0 * std::sin(11.0 * ph);
        double f2 = 760.0 + 300.0 * gust + 50.0 * std::sin(13.0 * ph + 1.0);
        double f3 = 1250.0 + 350.0 * gust;
        double v = 0.9 * howl1.peak(w, f1, 9.0) + 0.5 * howl2.peak(w, f2, 7.0) + 0.25 * howl3.peak(w, f3, 5.0);
        v += 0.6 * rush.low(p, 350.0 + 500.0 * gust, 0.7);
        return gust * v + 0.05 * gust * gust * w;
    });
    // The storm plays over the engine and the wet road: squeeze its peaks (a memoryless soft
    // clip keeps the loop seamless) so that at the same peak level it is heard as loud as they are.
    removeMean(s);
    double peak = 1e-9;
    for (double v : s) peak = std::max(peak, std::fabs(v));
    for (double& v : s) v = std::tanh(2.0 * v / peak);
    removeMean(s);
    return s;
}

Signal engineLoop() {
    // 75 firings a second is a six-cylinder diesel at 1,500 rpm: the 55 MPH cruise.
    // The loop holds a whole number of six-firing rounds so the cylinder pattern repeats too.
    const size_t period = 294;  // 22,050 / 75
    const size_t n = period * 6 * 66;
    const double T = static_cast<double>(n) / kRate;
    // Plenty of bark and rasp in the mids: at 20 MPH everything drops to a third of its pitch,
    // and an engine made only of low thump would fall below what small speakers can play.
    EngineTone e = truckEngine(46);
    e.thump = 0.35; e.bark = 2.6; e.barkHz = 430; e.clatter = 0.4; e.rasp = 1.1;
    Engine eng(e);
    eng.setPeriod(n);
    Svf intake, turbo;
    return loopOf(n, [&](size_t i) {
        size_t k = i % n;
        double t = static_cast<double>(k) / kRate;
        double load = 0.85 + 0.08 * std::sin(kTwoPi * 2.0 * t / T) + 0.04 * std::sin(kTwoPi * 5.0 * t / T + 1.0);
        double w = hashNoise(4646, k);
        double v = eng.next(75.0, load);
        v += 0.12 * load * intake.peak(w, 700.0, 0.9) + 0.05 * turbo.peak(w, 1900.0, 4.0);
        return v;
    });
}

// ---- 22-45: events ----
Signal gearChange() {
    const double len = 1.6;
    Curve rev{{0, 70}, {0.25, 70}, {0.6, 44}, {0.75, 44}, {1.1, 54}, {1.6, 58}};
    Curve load{{0, 0.9}, {0.25, 0.9}, {0.3, 0.1}, {0.72, 0.1}, {0.85, 0.9}};
    Curve gain{{0, 0.8}, {0.25, 0.8}, {0.35, 0.45}, {0.75, 0.45}, {0.9, 0.9}};
    Signal s = engineRun(truckEngine(22), rev, load, gain, len);
    addModes(s, 0.27, {{260, 0.04, 1.0}, {610, 0.03, 0.5}}, 0.5);                       // clutch pedal
    addModes(s, 0.42, {{950, 0.03, 1.0}, {1720, 0.02, 0.7}, {2650, 0.015, 0.5}}, 0.7);  // out of gear
    mix(s, airHiss(0.25, 221, 0.01, 0.05, 3500.0), 0.5, 0.25);                          // range valve
    addModes(s, 0.6, {{340, 0.05, 1.0}, {780, 0.03, 0.6}, {1500, 0.02, 0.4}}, 0.9);     // into gear
    s.resize(frames(len));
    return s;
}

Signal alarmClock() {
    const double len = 3.2;
    Signal s(frames(len), 0.0);
    auto a = bellModes(1420.0, 0.22), b = bellModes(1630.0, 0.22);
    int k = 0;
    for (double t = 0.05; t < 2.6; t += 1.0 / 15.0, ++k) {
        double swell = std::min(1.0, 0.5 + t);
        addModes(s, t, k % 2 ? a : b, 0.18 * swell);
        addModes(s, t, {{5200, 0.003, 1.0}}, 0.05);
    }
    s.resize(frames(len));
    // a hand slaps the button: the bells are damped at once
    for (size_t i = frames(2.62); i < s.size(); ++i) s[i] *= std::exp(-(static_cast<double>(i) / kRate - 2.62) / 0.04);
    addModes(s, 2.62, {{180, 0.05, 1.0}, {420, 0.03, 0.6}, {2300, 0.01, 0.3}}, 0.3);
    return lowpass(s, 6000.0);
}

Signal snoring() {
    const double len = 2.7;
    Signal s(frames(len), 0.0);
    mix(s, snoreBreath(1.3, 24, 31.0, 0.5), 0.05, 1.0);
    mix(s, exhale(1.0, 241), 1.5, 0.8);
    s.resize(frames(len));
    return reverb(s, 0.7, 0.12, 0.0);
}

Signal snoringDisturbed() {
    const double len = 2.9;
    Signal s(frames(len), 0.0);
    mix(s, snoreBreath(1.0, 25, 29.0, 0.5), 0.05, 0.9);
    // a car goes by outside and sounds its horn
    Pass p{9.0, 24.0, 1.3, 0.7};
    Signal src = vehicleSource(passSourceSeconds(p, 2.6), carEngine(250), 85.0, 0.6, 850.0, 1.0, 251);
    mix(src, carHorn(0.3, 400.0, 505.0), 1.2, 1.3);
    mix(s, lowpass(passBy(src, p, 2.6), 2500.0), 0.2, 0.8);
    // the sleeper snorts awake, then breathes out
    mix(s, snoreBreath(0.35, 252, 45.0, 0.9), 1.45, 1.1);
    mix(s, exhale(0.9, 253), 1.9, 0.6);
    s.resize(frames(len));
    return s;
}

Signal dieselSpill() {
    const double len = 3.0;
    Rng r(26);
    Svf pour, splash;
    OnePole am;
    Curve flow{{0, 0}, {0.08, 1.0}, {2.1, 0.9}, {2.3, 0.0}};
    Signal s = render(len, [&](double t) {
        double w = r.bipolar();
        double wobble = 1.0 + 0.6 * am.low(r.bipolar(), 14.0) * 6.0;
        return flow.at(t) * (0.35 * pour.low(w, 1300.0, 0.8) * wobble + 0.3 * splash.peak(w, 2600.0, 0.7));
    });
    for (int k = 0; k < 90; ++k) {
        double at = r.range(0.05, 2.2);
        addBubble(s, at, r.range(600, 1800), r.range(1.5, 4.0), r.range(0.01, 0.03), 0.18);
    }
    for (double at : {2.35, 2.55, 2.7, 2.82}) addBubble(s, at, r.range(900, 1300), 3.0, 0.02, 0.2);
    s.resize(frames(len));
    return s;
}

Signal pumpFilling() {
    const double len = 4.6;
    const double stop = 3.9;
    Rng r(27);
    Osc motor(0.0);
    Svf motorF, flowF, tankF;
    OnePole turb;
    Signal s = render(len, [&](double t) {
        double w = r.bipolar();
        double hum = motorF.low(motor.saw(120.0), 500.0, 1.0);
        double humGain = t < stop ? 1.0 : std::exp(-(t - stop) / 0.15);
        double flowGain = t < stop ? std::min(1.0, t / 0.15) : std::exp(-(t - stop) / 0.02);
        double fill = std::clamp(t / stop, 0.0, 1.0);
        double rush = flowF.peak(w, 1100.0, 0.6) * (1.0 + 0.4 * turb.low(r.bipolar(), 9.0) * 6.0);
        double tank = tankF.peak(w, 260.0 + 520.0 * fill * fill, 6.0);
        return 0.18 * humGain * hum + flowGain * (0.4 * rush + 0.5 * tank);
    });
    // the nozzle's automatic shut-off, then its latch
    addModes(s, stop, {{150, 0.04, 1.0}, {650, 0.03, 0.8}, {1400, 0.02, 0.6}, {2300, 0.012, 0.4}}, 0.35);
    addModes(s, stop + 0.17, {{2100, 0.01, 1.0}, {3400, 0.008, 0.6}}, 0.3);
    s.resize(frames(len));
    return s;
}

Signal gavel() {
    const double len = 1.9;
    Signal s(frames(len), 0.0);
    std::vector<Mode> wood{{140, 0.05, 0.8}, {385, 0.06, 1.0}, {830, 0.04, 0.7}, {1370, 0.03, 0.5}, {2210, 0.02, 0.35}};
    for (double at : {0.05, 0.6}) {
        addModes(s, at, wood, 0.6);
        mix(s, noiseBurst(0.03, static_cast<uint64_t>(at * 100) + 28, 3200.0, 0.9, 0.0005, 0.002), at, 0.4);
    }
    s.resize(frames(len));
    return reverb(s, 1.4, 0.35, 0.0);
}

Signal footstepsAndDoor() {
    const double len = 4.2;
    Signal s(frames(len), 0.0);
    Rng r(29);
    for (int k = 0; k < 4; ++k) {
        double at = 0.1 + 0.5 * k;
        addModes(s, at, {{105, 0.03, 1.0}, {240, 0.02, 0.5}}, 0.5);
        mix(s, noiseBurst(0.08, r.next(), 800.0, 1.0, 0.001, 0.015), at, 0.4);
        mix(s, noiseBurst(0.08, r.next(), 2600.0, 0.8, 0.002, 0.02), at + 0.07, 0.15);
    }
    // the handle, the hinge's creak and the shop's door bell
    addModes(s, 2.0, {{2500, 0.01, 1.0}, {3900, 0.006, 0.5}}, 0.3);
    {
        Osc stick(0.0);
        Svf c1, c2, c3;
        Curve rate{{0, 40}, {0.25, 90}, {0.55, 60}};
        Signal creak = render(0.6, [&](double t) {
            double pulse = std::pow(0.5 + 0.5 * stick.sine(rate.at(t)), 12.0);
            double env = std::sin(kPi * t / 0.6);
            return env * (c1.peak(pulse, 640.0, 5.0) + 0.7 * c2.peak(pulse, 1420.0, 6.0) + 0.4 * c3.peak(pulse, 2550.0, 6.0));
        });
        mix(s, creak, 2.05, 0.5);
    }
    for (double at : {2.15, 2.3, 2.52}) {
        addModes(s, at, bellModes(1760.0, 0.35), 0.12);
        addModes(s, at + 0.01, bellModes(1835.0, 0.3), 0.08);
    }
    addModes(s, 3.3, {{82, 0.08, 1.0}, {160, 0.06, 0.8}, {310, 0.04, 0.5}}, 0.4);  // door shuts
    addModes(s, 3.33, {{1900, 0.01, 1.0}, {3100, 0.008, 0.6}}, 0.3);             // latch
    s.resize(frames(len));
    return reverb(s, 1.0, 0.22, 0.0);
}

Signal bigAirHorn() {
    Signal s(frames(0.03), 0.0);
    mix(s, airHorn({277.2, 349.2, 415.3}, 1.9, 30), 0.03, 1.0);
    s.resize(frames(2.1), 0.0);
    return reverb(s, 1.5, 0.15, 0.0);
}

Signal barrelDown() {
    const double len = 1.7;
    Signal s(frames(len), 0.0);
    Rng r(31);
    Svf scrapeF;
    Signal scrape = render(0.3, [&](double t) { return std::sin(kPi * t / 0.3) * scrapeF.peak(r.bipolar(), 1500.0 + 800 * t, 2.0); });
    mix(s, scrape, 0.02, 0.2);
    std::vector<Mode> drum{{62, 0.12, 1.0}, {96, 0.22, 0.9}, {152, 0.2, 0.7}, {231, 0.15, 0.5},
                           {423, 0.25, 0.35}, {688, 0.2, 0.3}, {1021, 0.15, 0.2}, {1563, 0.1, 0.12}};
    addModes(s, 0.35, drum, 0.8);
    addModes(s, 0.52, {{430, 0.12, 1.0}, {690, 0.1, 0.6}}, 0.12);  // a small rebound
    // the diesel inside sloshing
    Svf slosh;
    Rng r2(311);
    for (size_t i = frames(0.38); i < frames(1.5); ++i) {
        double t = static_cast<double>(i) / kRate - 0.38;
        double wave = 0.5 + 0.5 * std::sin(kTwoPi * 3.2 * t);
        s[i] += 0.25 * std::exp(-t / 0.35) * wave * slosh.peak(r2.bipolar(), 380.0, 1.2);
    }
    s.resize(frames(len));
    return s;
}

Signal forkliftLoading() {
    const double len = 4.6;
    Rng r(32);
    Osc motor(0.0), whine(0.0), beeper(0.0), pump(0.0);
    Svf motorF, beepF, pumpF;
    Curve speed{{0, 0.3}, {0.3, 1.0}, {2.2, 1.0}, {2.4, 0.2}, {4.6, 0.2}};
    Signal s = render(len, [&](double t) {
        double sp = speed.at(t);
        double v = 0.25 * motorF.low(motor.saw(90.0 + 60.0 * sp), 900.0, 1.0) + 0.04 * sp * whine.sine(2300.0 * (0.8 + 0.2 * sp));
        bool beepOn = t > 0.25 && t < 2.2 && std::fmod(t - 0.25, 0.9) < 0.45;
        if (beepOn) v += 0.35 * beepF.low(beeper.square(1050.0), 2500.0, 0.8);
        else beepF.low(0.0, 2500.0, 0.8);
        if (t > 2.4 && t < 3.4) {
            double u = (t - 2.4) / 1.0;
            double env = std::min({1.0, u / 0.08, (1.0 - u) / 0.08});
            v += env * (0.15 * pumpF.peak(pump.saw(880.0 + 260.0 * u), 1100.0, 2.0) + 0.05 * r.bipolar());
        }
        return v;
    });
    std::vector<Mode> wood{{230, 0.04, 1.0}, {510, 0.03, 0.8}, {890, 0.025, 0.6}, {1400, 0.02, 0.4}};
    for (double at : {3.5, 3.56, 3.64, 4.05, 4.11}) addModes(s, at, wood, at < 4.0 ? 0.7 : 0.45);
    s.resize(frames(len));
    return reverb(s, 1.4, 0.25, 0.0);
}

Signal impact() {
    const double len = 0.9;
    Rng r(33);
    Osc o(0.0);
    Svf crunch;
    Signal s = render(len, [&](double t) {
        double thud = strike(t, 0.01, 0.002, 0.12) * o.sine(95.0 - 45.0 * t);
        double crackle = r.uniform() < 0.1 ? r.bipolar() * 3.0 : r.bipolar() * 0.3;
        return 1.2 * thud + 0.5 * strike(t, 0.01, 0.001, 0.12) * crunch.peak(crackle, 1300.0, 0.8);
    });
    addModes(s, 0.01, {{230, 0.1, 1.0}, {540, 0.08, 0.7}, {910, 0.06, 0.5}}, 0.3);
    s.resize(frames(len));
    return s;
}

Signal carHonk() {
    Signal s(frames(0.02), 0.0);
    mix(s, carHorn(0.5, 415.0, 523.0), 0.02, 1.0);
    s.resize(frames(0.6), 0.0);
    return s;
}

Signal longAirHorn() {
    Signal s(frames(0.03), 0.0);
    Signal horn = airHorn({233.1, 293.7, 349.2, 440.0}, 3.2, 35, 0.9);
    Curve breath{{0, 1.0}, {1.4, 1.0}, {1.6, 0.85}, {1.9, 1.0}};
    for (size_t i = 0; i < horn.size(); ++i) horn[i] *= breath.at(static_cast<double>(i) / kRate);
    mix(s, horn, 0.03, 1.0);
    s.resize(frames(3.4), 0.0);
    return reverb(s, 1.6, 0.2, 0.0);
}

Signal fuelGlug() {
    const double len = 2.6;
    Rng r(36);
    Svf pourF;
    Signal s = render(len, [&](double t) {
        double env = std::min({1.0, t / 0.1, (2.45 - t) / 0.1});
        double rhythm = 0.6 + 0.4 * std::sin(kTwoPi * 3.3 * t);
        return std::max(env, 0.0) * rhythm * 0.3 * pourF.low(r.bipolar(), 700.0, 0.9);
    });
    const double glugs[] = {0.12, 0.42, 0.73, 1.02, 1.33, 1.63, 1.93, 2.22};
    for (double at : glugs) {
        addBubble(s, at, r.range(170, 240), 1.8, 0.06, 0.9);
        addBubble(s, at + 0.04, r.range(320, 420), 2.5, 0.035, 0.4);
        mix(s, noiseBurst(0.08, r.next(), 380.0, 3.0, 0.005, 0.02), at, 0.35);
    }
    s.resize(frames(len));
    return s;
}

Signal impactWrench() {
    const double len = 2.7;
    Rng r(37);
    Signal s(frames(len), 0.0);
    const std::pair<double, double> bursts[] = {{0.05, 0.55}, {0.72, 1.55}, {1.72, 2.25}};
    Osc motor(0.0);
    Svf motorF, exhaustF;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double on = 0.0;
        for (auto [a, b] : bursts) on = std::max(on, std::clamp(std::min((t - a) / 0.02, (b - t) / 0.02), 0.0, 1.0));
        double m = motorF.peak(motor.saw(640.0), 1800.0, 1.5);
        double air = exhaustF.high(r.bipolar(), 3000.0, 0.7);
        s[i] = on * (0.2 * m + 0.12 * air);
    }
    for (auto [a, b] : bursts)
        for (double t = a + 0.01; t < b - 0.01; t += 1.0 / 22.0) {
            double dt = r.range(-0.002, 0.002);
            addModes(s, t + dt, {{1900, 0.01, 1.0}, {3100, 0.008, 0.7}, {4500, 0.005, 0.4}, {700, 0.012, 0.5}}, 0.5);
        }
    mix(s, airHiss(0.45, 371, 0.005, 0.12), 2.25, 0.25);
    s.resize(frames(len));
    return s;
}

Signal towTruckArrives() {
    const double len = 5.2;
    Curve rev{{0, 68}, {1.4, 60}, {1.55, 48}, {2.6, 50}, {3.4, 36}, {len, 34}};
    Curve load{{0, 0.8}, {1.4, 0.6}, {2.5, 0.3}, {3.4, 0.2}};
    Curve gain{{0, 0.25}, {2.0, 0.8}, {3.0, 1.0}};
    Signal s = engineRun(truckEngine(38), rev, load, gain, len);
    Signal tires = tireRoar(len, 380, 500.0, 0.0);
    Curve roll{{0, 0.3}, {2.0, 0.9}, {3.4, 0.0}};
    Rng r(381);
    OnePole jitter;
    Osc squeal(0.0);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        s[i] += roll.at(t) * 0.8 * tires[i];
        // brake squeal as it pulls up
        double sq = std::clamp(std::min((t - 2.6) / 0.15, (3.4 - t) / 0.1), 0.0, 1.0);
        s[i] += sq * 0.08 * squeal.sine(1850.0 * (1.0 + 0.01 * jitter.low(r.bipolar(), 20.0) * 5.0));
    }
    mix(s, airHiss(1.2, 382, 0.01, 0.28), 3.55, 0.9);
    s.resize(frames(len));
    return s;
}

Signal radioCall() {
    const double len = 3.6;
    Rng r(39);
    // a voice: a glottal buzz through moving formants, syllable by syllable
    const std::pair<double, double> vowels[] = {{700, 1220}, {530, 1840}, {300, 2300}, {570, 840}, {640, 1190}, {400, 2000}};
    std::vector<std::pair<double, double>> f1pts, f2pts, envPts;
    double t = 0.25;
    int syl = 0;
    while (t < 2.95) {
        double d = r.range(0.14, 0.26);
        auto v = vowels[r.next() % 6];
        f1pts.push_back({t + 0.03, v.first});
        f2pts.push_back({t + 0.03, v.second});
        envPts.push_back({t, 0.0});
        envPts.push_back({t + 0.03, 1.0});
        envPts.push_back({t + d - 0.04, 0.8});
        envPts.push_back({t + d, 0.0});
        t += d + ((++syl % 4 == 0) ? 0.2 : 0.02);
    }
    Curve f1(f1pts), f2(f2pts), env(envPts);
    Curve pitch{{0, 130}, {1.0, 150}, {1.6, 120}, {2.3, 160}, {3.0, 115}};
    Osc glottis(0.0);
    Svf ff1, ff2, ff3, radioHp, radioLp, hiss;
    return render(len, [&](double tt) {
        double w = r.bipolar();
        double src = glottis.saw(pitch.at(tt) * (1.0 + 0.01 * w));
        double voice = env.at(tt) * (ff1.peak(src, f1.at(tt), 6.0) + 0.6 * ff2.peak(src, f2.at(tt), 8.0) +
                                     0.2 * ff3.peak(src, 2900.0, 6.0) + 0.08 * w);
        double squelch = (tt < 0.2 ? strike(tt, 0.0, 0.005, 0.08) : 0.0) + strike(tt, 3.0, 0.005, 0.12);
        double v = voice * 1.3 + squelch * 0.8 * hiss.peak(w, 2200.0, 0.7) + 0.03 * w;
        v = radioLp.low(radioHp.high(v, 380.0, 0.7), 2900.0, 0.7);
        return std::tanh(2.5 * v);
    });
}

Signal cashRegister() {
    const double len = 1.9;
    Rng r(40);
    Signal s(frames(len), 0.0);
    for (double at : {0.04, 0.15}) addModes(s, at, {{1250, 0.015, 1.0}, {2650, 0.01, 0.6}, {520, 0.02, 0.4}}, 0.3);
    for (double at = 0.26; at < 0.46; at += 1.0 / 55.0)  // the crank's ratchet
        addModes(s, at, {{2900, 0.004, 1.0}, {1600, 0.005, 0.5}}, 0.12);
    addModes(s, 0.5, {{140, 0.06, 1.0}, {330, 0.05, 0.7}, {720, 0.04, 0.5}}, 0.3);  // drawer
    addModes(s, 0.5, bellModes(2650.0, 0.55), 0.3);                                  // the bell
    for (int k = 0; k < 10; ++k)                                                     // coins
        addModes(s, r.range(0.55, 0.95), {{r.range(3200, 5200), 0.05, 1.0}, {r.range(5500, 7500), 0.03, 0.5}}, 0.05);
    s.resize(frames(len));
    return reverb(s, 0.9, 0.15, 0.0);
}

Signal reeferDying() {
    const double len = 3.8;
    EngineTone e;
    e.cylinders = 2; e.thump = 0.7; e.bodyHz = 150; e.bark = 0.8; e.barkHz = 480; e.clatter = 0.4; e.rasp = 0.4;
    e.roughness = 0.25; e.seed = 41;
    Curve rev{{0, 46}, {1.2, 44}, {2.0, 30}, {2.7, 16}, {3.0, 10}};
    // missed firings: the gate drops out more and more often as fuel runs out
    Rng r(411);
    std::vector<std::pair<double, double>> gatePts{{0, 1}};
    for (double t = 1.0; t < 3.0; t += r.range(0.06, 0.16)) {
        bool miss = r.uniform() < (t - 0.9) * 0.45;
        gatePts.push_back({t, miss ? 0.1 : 1.0});
        gatePts.push_back({t + 0.03, miss ? 0.1 : 1.0});
    }
    gatePts.push_back({3.05, 1.0});
    gatePts.push_back({3.12, 0.0});
    Signal s = engineRun(e, rev, Curve{{0, 0.7}, {2.5, 0.3}}, Curve(gatePts), len);
    // compressor hum and the condenser fan winding down
    Osc comp(0.0), blade(0.0);
    Svf compF, fanF;
    Curve fan{{0, 1.0}, {2.8, 0.9}, {3.7, 0.0}};
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double f = fan.at(t);
        double bladeAm = 0.7 + 0.3 * blade.sine(38.0 * f + 1.0);
        double compOn = t < 2.6 ? 1.0 : std::exp(-(t - 2.6) / 0.15);
        s[i] += 0.1 * compOn * compF.low(comp.saw(100.0), 400.0, 1.0) + 0.25 * f * bladeAm * fanF.peak(r.bipolar(), 900.0, 0.6);
    }
    addModes(s, 3.08, {{70, 0.12, 1.0}, {180, 0.08, 0.6}}, 0.6);  // the last cough
    return s;
}

// The truck's engine stopping: idle, fuel cut, the shudder, and the parking brake's blast of air.
Signal engineStopCore(uint64_t seed, double len) {
    Curve rev{{0, 33}, {0.35, 33}, {0.7, 22}, {1.05, 9}, {1.15, 6}};
    Curve load{{0, 0.3}, {0.35, 0.3}, {0.5, 0.05}};
    Curve gain{{0, 0.8}, {0.35, 0.8}, {1.0, 0.5}, {1.15, 0.0}};
    Signal s = engineRun(truckEngine(seed), rev, load, gain, len);
    addModes(s, 1.12, {{42, 0.15, 1.0}, {75, 0.1, 0.6}, {180, 0.05, 0.3}}, 0.6);   // the block rocks on its mounts
    addModes(s, 1.3, {{2200, 0.008, 1.0}, {3400, 0.006, 0.5}}, 0.4);              // the brake valve
    mix(s, airHiss(1.4, seed + 1, 0.008, 0.4, 5000.0), 1.3, 0.9);
    s.resize(frames(len));
    return s;
}

Signal engineStopAtTruckStop() {
    const double len = 3.8;
    Signal s = engineStopCore(430, len);
    Rng r(43);
    Pink pink;
    Svf highway;
    Signal idler = engineRun(truckEngine(431), Curve{{0, 31}}, Curve{{0, 0.2}}, Curve{{0, 1.0}}, len);
    Osc reefer(0.0);
    Svf far;
    for (size_t i = 0; i < s.size(); ++i) {
        double wash = highway.low(pink.process(r.bipolar()), 420.0, 0.7);
        s[i] += 0.5 * wash + 0.18 * far.low(idler[i], 900.0, 0.7) + 0.02 * reefer.saw(150.0);
    }
    // far-off sounds of the stop: a car door, a horn across the lot
    addModes(s, 2.35, {{95, 0.07, 1.0}, {190, 0.05, 0.6}, {1800, 0.01, 0.2}}, 0.15);
    Signal horn = lowpass(carHorn(0.35, 440.0, 554.0), 1500.0);
    mix(s, horn, 2.9, 0.12);
    s.resize(frames(len));
    return reverb(s, 1.8, 0.2, 0.0);
}

Signal engineStart() {
    const double len = 13.5;
    const double caught = 1.55;
    Curve rev{{0, 9}, {caught, 10}, {caught + 0.1, 30}, {caught + 0.55, 52}, {3.2, 40}, {4.0, 35}, {4.6, 32.5}, {5.2, 34}, {6.0, 33}};
    Curve load{{0, 0.2}, {caught, 0.2}, {caught + 0.1, 1.0}, {2.6, 0.5}, {4.0, 0.3}};
    Curve gain{{0, 0}, {caught - 0.05, 0}, {caught + 0.05, 0.9}, {2.3, 1.0}, {5.0, 0.75}, {12.0, 0.7}, {13.4, 0.0}};
    EngineTone e = truckEngine(44);
    e.clatter = 0.55;  // a cold diesel knocks
    Signal s = engineRun(e, rev, load, gain, len);
    // the starter: solenoid clack, motor whine, the engine's compressions dragging it round
    addModes(s, 0.05, {{1800, 0.01, 1.0}, {3200, 0.006, 0.5}, {160, 0.03, 0.7}}, 0.5);
    Osc starter(0.0), gear(0.0), comp(0.0);
    Svf starterF;
    Rng r(441);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        if (t > 0.08 && t < caught + 0.4) {
            double on = std::clamp(std::min((t - 0.08) / 0.05, (caught + 0.4 - t) / 0.3), 0.0, 1.0);
            double spin = t < caught ? 1.0 : 1.0 + (t - caught) * 1.5;  // overrun as it lets go
            double drag = 0.55 + 0.45 * std::sin(kTwoPi * 9.0 * t);
            double v = starterF.low(starter.saw(190.0 * spin * (0.92 + 0.08 * drag)), 1200.0, 1.2) * drag + 0.15 * gear.sine(1400.0 * spin);
            s[i] += on * 0.45 * v;
        }
        // the air compressor chugging as pressure builds
        if (t > 3.0 && t < 12.0) {
            double env = std::clamp(std::min((t - 3.0) / 1.0, (12.0 - t) / 1.5), 0.0, 1.0);
            s[i] += env * 0.06 * std::pow(0.5 + 0.5 * comp.sine(11.0), 4.0) * r.bipolar();
        }
    }
    mix(s, airHiss(0.5, 442, 0.01, 0.1, 4000.0), 9.6, 0.25);  // the governor's purge
    s.resize(frames(len));
    return s;
}

Signal engineStop() { return engineStopCore(450, 3.0); }

}  // namespace

const std::vector<SoundDef>& soundTable() {
    using K = SoundKind;
    static const std::vector<SoundDef> table{
        {1, K::oneShot, "theme: a country riff in D, then an air-horn flourish", theme},
        {2, K::oneShot, "a long tire screech", tireScreech},
        {3, K::oneShot, "a car passing", carPassing},
        {4, K::oneShot, "a semi passing, trailer rattling", semiPassing},
        {5, K::oneShot, "a car honking as it passes", carHonkPassing},
        {6, K::oneShot, "a motorcycle passing, shifting up", motorcycle},
        {7, K::oneShot, "police siren: wail, closing in", sirenWail},
        {8, K::oneShot, "a helicopter flying overhead", helicopter},
        {9, K::oneShot, "a bus passing, turbo whistling", busPassing},
        {10, K::oneShot, "a pick-up with a loose load passing", pickupLooseLoad},
        {11, K::oneShot, "birds by the road", birds},
        {12, K::oneShot, "police siren: yelp, closing in", sirenYelp},
        {13, K::oneShot, "a train in the distance, horn and rails", distantTrain},
        {14, K::oneShot, "police siren: hi-lo, closing in", sirenHiLo},
        {15, K::oneShot, "a sports car accelerating past", sportsCar},
        {16, K::oneShot, "a semi passing on its engine brake", engineBrakeTruck},
        {17, K::oneShot, "a semi sounding its horn as it passes", truckHornPassing},
        {18, K::oneShot, "a car passing with its radio booming", boomingRadioCar},
        {19, K::oneShot, "the crash: impact, glass, debris, a hubcap", crash},
        {20, K::loop, "loop: tires hissing on a wet road", wetRoad},
        {21, K::loop, "loop: blizzard wind howling in gusts", blizzard},
        {22, K::oneShot, "gear change: clutch, shifter, engine picks up", gearChange},
        {23, K::oneShot, "wind-up alarm clock, slapped quiet", alarmClock},
        {24, K::oneShot, "one quiet snore", snoring},
        {25, K::oneShot, "a snore broken by a passing car's horn", snoringDisturbed},
        {26, K::oneShot, "diesel spilling over and splashing", dieselSpill},
        {27, K::oneShot, "the pump filling the tank, nozzle clicks off", pumpFilling},
        {28, K::oneShot, "the judge's gavel, twice", gavel},
        {29, K::oneShot, "footsteps, a creaking door with a bell, door shuts", footstepsAndDoor},
        {30, K::oneShot, "a big air horn", bigAirHorn},
        {31, K::oneShot, "a diesel barrel set down", barrelDown},
        {32, K::oneShot, "forklift backing up, lifting, pallets down", forkliftLoading},
        {33, K::oneShot, "an impact: thud and crunch", impact},
        {34, K::oneShot, "a short car-horn honk", carHonk},
        {35, K::oneShot, "a long air-horn blast", longAirHorn},
        {36, K::oneShot, "fuel glugging into the tank", fuelGlug},
        {37, K::oneShot, "an impact wrench mounting a tire", impactWrench},
        {38, K::oneShot, "the tow truck arriving and braking", towTruckArrives},
        {39, K::oneShot, "a CB radio call for help", radioCall},
        {40, K::oneShot, "a cash register", cashRegister},
        {41, K::oneShot, "the refrigeration unit sputtering to a stop", reeferDying},
        {43, K::oneShot, "engine stops, air brake set, at a busy truck stop", engineStopAtTruckStop},
        {44, K::oneShot, "engine start: starter, catch, idle settling", engineStart},
        {45, K::oneShot, "engine stops, air brake set", engineStop},
        {46, K::loop, "loop: a big diesel pulling under load", engineLoop},
    };
    return table;
}

std::vector<int16_t> finish(const SoundDef& def, Signal s) {
    if (def.kind == SoundKind::oneShot) {
        removeDc(s);
        fadeEdges(s, 0.006);
    } else {
        removeMean(s);
    }
    return toPcm(s, -1.0);
}

}  // namespace soundgen
