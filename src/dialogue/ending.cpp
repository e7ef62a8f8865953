// The exit question and the ending of a game: farewell sounds, then saving and leaving.
#include "dialogue/ending.h"

#include <array>

#include "frontend/keys.h"
#include "frontend/leave.h"
#include "frontend/sound.h"
#include "frontend/speech.h"
#include "world/numbers.h"

namespace dravlen {

namespace {

// Farewell sounds by the number drawn, 1 to 7.
constexpr std::array<int, 8> kFarewellSounds = {0, 4, 34, 35, 41, 40, 29, 30};

}  // namespace

void exitQuestion(Form& f, Trip& t) {
    for (;;) {
        say2(f, " exit game? ");
        t.answer = 1;
        bool again = false;
        while (!again) {
            say2(f, t.answer == 1 ? " yes " : " no ");
            getkey(f);
            if (f.g == "13") {
                saykey(f);
                if (t.answer == 2) {
                    t.answer = 3;
                    clk(f);
                    return;
                }
                saveAndLeave(f);
            }
            if (f.g2 == "n") {
                t.answer = 3;
                saykey(f);
                clk(f);
                return;
            }
            if (f.g2 == "y") {
                saykey(f);
                saveAndLeave(f);
            }
            if (f.g == "38" || f.g == "40") {
                t.answer = t.answer == 1 ? 2 : 1;
                continue;
            }
            again = true;
        }
    }
}

void gameEnding(Form& f, Trip& t) {
    f.p.sound.stop(f.shotBuf);
    f.p.sound.stop(f.wetBuf);
    f.p.sound.stop(f.blizzardBuf);
    f.p.sound.stop(f.engineBuf);
    t.farewellPass = 0;
    for (;;) {
        int n;
        do {
            n = static_cast<int>(Int(t.rng.rnd() * 7)) + 1;
        } while (n == t.lastFarewell);
        t.lastFarewell = n;
        play(f, kFarewellSounds[n]);
        if (t.farewellPass != 0) break;
        t.farewellPass = 1;
    }
    play2(f, 1);
    saveAndLeave(f);
}

}  // namespace dravlen
