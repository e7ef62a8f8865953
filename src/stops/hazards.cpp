// Hazards at the places of the route: the tunnel rock slide and the trailer's refrigeration failure.
#include "stops/hazards.h"

#include <string>

#include "dialogue/clock.h"
#include "dialogue/screen.h"
#include "frontend/keys.h"
#include "frontend/sound.h"
#include "stops/roadside.h"
#include "world/numbers.h"
#include "world/routes.h"

namespace dravlen {

namespace {

constexpr int kOranges = 1;
constexpr double kReferGallonsPerHour = 7;  // the refrigeration unit runs on the truck's diesel
constexpr int kNapSound = 24;
constexpr int kReferSound = 41;

void sayWait(Form& f, Trip& t, const std::string& line) {
    t.prompt = line;
    sayLineWait(f, t);
}

// A draw below the code's fraction: nothing happens at this place this time.
bool passesQuietly(Trip& t) { return t.rng.rnd() < eventFraction(t.eventCode); }

}  // namespace

void rockSlide(Form& f, Trip& t) {
    if (passesQuietly(t)) return;
    int clearHours = static_cast<int>(Int(t.rng.rnd() * 6));
    sayWait(f, t, " A rock slide has blocked the Alleghany Tunnel entrance.");
    sayWait(f, t, "     THE HIGHWAY DEPARTMENT WILL HAVE IT CLEARED IN " + number(clearHours) + " HOURS.");
    t.tripHours = static_cast<int16_t>(rounded(t.tripHours + clearHours));
    dy(f, 0.2);

    if (t.cargo == kOranges) {
        t.fuel -= kReferGallonsPerHour * clearHours;
        if (t.fuel <= 1) {
            sayWait(f, t, "     You ran out of gas while waiting");
            clearHours = 0;  // no nap out of a wait spent getting diesel
            t.engineOff = 1;
            dryTankWhileWaiting(f, t);
        }
    }

    // Half the wait, rounded up, once the wait is longer than an hour: 0, 0, 1, 2, 2, 3.
    const int napHours = clearHours > 1 ? static_cast<int>(Int(clearHours / 2.0 + 0.5)) : 0;
    if (napHours > 3)
        t.hoursAwake = 0;
    else if (napHours > 0)
        t.hoursAwake = static_cast<int16_t>(rounded(t.hoursAwake / 2.0));
    t.sleepHours = static_cast<int16_t>(rounded(t.sleepHours + napHours));
    for (int i = 0; i < napHours; ++i) play(f, kNapSound);
    sayWait(f, t, "     While waiting, you got " + number(napHours) + " hours of sleep");
    clockReadout(f, t);
}

void refrigerationCheck(Form& f, Trip& t) {
    if (t.cargo != kOranges) return;
    if (passesQuietly(t)) return;
    dy(f, 0.5);
    play(f, kReferSound);
    sayWait(f, t, " The trailer refrigeration unit has failed endangering the cargo.");
    dy(f, 0.2);
    engineStopSound(f);
    sayWait(f, t, "     Repairs take 2 hours and cost $100.00.");
    dy(f, 0.3);
    engineStartSound(f, t.wetWeather);
    t.damagePoints = static_cast<int16_t>(rounded(t.damagePoints + Int(t.rng.rnd() * 5)));
    t.tripHours += 2;
    t.hoursAwake += 2;
    t.expenses += 100;
    clockReadout(f, t);
    dy(f, 0.2);
}

}  // namespace dravlen
