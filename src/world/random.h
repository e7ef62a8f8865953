// The game's one random generator: seeded at the title, drawn only where the game's rules draw.
#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace dravlen {

class Rng {
public:
    void seed(uint32_t s) { engine_.seed(s); }
    // Rnd: a fresh uniform number in [0, 1), with 53 random bits.
    double rnd() {
        uint64_t a = engine_() >> 5, b = engine_() >> 6;
        double v = (static_cast<double>(a) * 67108864.0 + static_cast<double>(b)) / 9007199254740992.0;
        if (observer) observer(v);
        return v;
    }
    // Told of every number drawn, in the order drawn (the scripted runner records them).
    std::function<void(double)> observer;

private:
    std::mt19937 engine_{0};
};

}  // namespace dravlen
