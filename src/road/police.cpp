// Law enforcement: the speeding check, police stops, hearings and the revoked licence.
#include "road/police.h"

#include <string>
#include <vector>

#include "dialogue/screen.h"
#include "frontend/keys.h"
#include "frontend/sound.h"
#include "frontend/speech.h"
#include "stops/arrival.h"
#include "world/numbers.h"

namespace dravlen {

namespace {

constexpr int kSirens[] = {7, 12, 14};  // sound of siren 1, 2, 3
constexpr int kSirenPan = 1500;         // the side the siren comes from, in pan units
// The engine glides at about 4,000 Hz a second for its 35 yields a hertz; at the same pace the
// siren's 42 yields a pan unit make about 3,333 units a second: the siren reaches the centre in
// under half a second, however fast the machine.
constexpr double kPanUnitsPerSecond = 4000.0 * 35 / 42;
constexpr int kJailTicket = 4;

[[noreturn]] void jail(Form& f, Trip& t) {
    const std::vector<std::string> lines = {"  You are sentenced to 30 days in jail for reckless driving.",
                                            " Your I.C.C. driver's license is revoked !"};
    sayLine(f, t, lines[0]);
    dy(f, 0.2);
    sayLine(f, t, lines[1]);
    repossession(f, t, lines);
}

}  // namespace

void speedingCheck(Form& f, Trip& t) {
    const double over = t.speed - t.speedLimit + 2 * t.roadFactor - 5;
    if (900 * t.rng.rnd() <= over * over) policeStop(f, t);
}

void policeStop(Form& f, Trip& t) {
    sirenSound(f, t);
    sayLineWait(f, t, " Smokey is behind you with his lights on. Pull over!");
    dy(f, 0.2);
    engineStopSound(f);

    t.tickets += 1;
    const std::string ordinal = t.tickets >= 1 && t.tickets < static_cast<int>(t.ordinals.size())
                                    ? t.ordinals[t.tickets] : std::string();
    sayLine(f, t, " See the justice of the peace for your " + ordinal + " offense.");
    sayLineWait(f, t, "     Wait" + number(t.tickets) + "hour" + (t.tickets > 1 ? "s" : "") + " for your hearing.");
    dy(f, t.tickets + 4);
    play(f, 28);
    add16(t.tripHours, t.tickets);
    add16(t.hoursAwake, t.tickets);
    if (t.tickets >= kJailTicket) jail(f, t);

    const double perMph = Int(t.rng.rnd() * 5 * t.tickets);
    const double base = Int((t.rng.rnd() * 4 * t.tickets + t.route) * 5);
    const double total = base + perMph * (t.speed - t.speedLimit);
    sayLineWait(f, t, "The fine is ");
    saydoll(f, base);
    sayLineWait(f, t, " plus ");
    saydoll(f, perMph);
    sayLineWait(f, t, " for each MPH over the limit.");
    sayLineWait(f, t, "Pay ");
    saydoll(f, total);
    t.expenses += total;
    dy(f, 0.2);
    play(f, 40);
    engineStartSound(f, t.wetWeather);
}

void sirenSound(Form& f, Trip& t) {
    int n = 0;
    do n = static_cast<int>(Int(t.rng.rnd() * 3)) + 1;
    while (n == t.lastSiren);
    t.lastSiren = n;
    const int side = static_cast<int>(Int(t.rng.rnd() * 2)) + 1;
    const int pan = side == 1 ? kSirenPan : -kSirenPan;
    startPanned(f, kSirens[n - 1], pan);
    dy(f, 2);
    glideShotPan(f, pan, 0, kPanUnitsPerSecond);
    waitShotEnd(f);
}

}  // namespace dravlen
