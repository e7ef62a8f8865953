// Steps the road and the stops both take: running dry, and the passing traffic.
#include "stops/roadside.h"

#include <string>

#include "dialogue/screen.h"
#include "frontend/keys.h"
#include "frontend/sound.h"
#include "world/numbers.h"

namespace dravlen {

namespace {

// ---- Passing traffic: the sounds that wait a whole second before they pass.

constexpr int kLongPauseSounds[] = {3, 4, 5, 6, 8, 13, 15, 16};
constexpr int kOverheadSound = 8;  // played centred

}  // namespace

TrafficPick trafficPick(int n) {
    if (n % 2 == 0) return {0, 0, false};
    const int sound = (n + 3) / 2;
    double pause = 0.1;
    for (int s : kLongPauseSounds)
        if (s == sound) pause = 1;
    return {sound, pause, sound == kOverheadSound};
}

void dryTank(Form& f, Trip& t) {
    t.burn += t.fuel;  // what the tank really held this hour
    t.fuel = 0;
    t.speed = 0;
    t.lastSpeed = 0;
    const double miles = asWritten(t.burn * (4.5 - 0.2 * t.offPace));
    t.odometer = static_cast<int16_t>(t.odometer + rounded(miles));
    dy(f, 5);
    trafficSound(f, t);
    engineStopSound(f);
    if (t.cargo == 1) play(f, 41);
    sayLineWait(f, t, " After" + number(cutDecimals(miles, 2)) + "more miles, you ran out of fuel  ( DUMMY !! )");
    dryTankWhileWaiting(f, t);
}

void dryTankWhileWaiting(Form& f, Trip& t) {
    if (t.engineOff == 1 && t.cargo == 1) play(f, 41);
    sayLineWait(f, t, "     It cost $200 to get a barrel of diesel delivered.");
    t.expenses += 200;
    dy(f, 0.2);
    for (int n : {39, 38, 36, 31, 40}) play(f, n);
    t.fuel = 55;
    const int wasted = static_cast<int>(Int(t.rng.rnd() * 5));
    t.tripHours += wasted;
    t.hoursAwake += wasted;
    sayLineWait(f, t, "          You also wasted" + number(wasted) + "hours by your carelessness.");
    referOffDamage(f, t);
}

void referOffDamage(Form& f, Trip& t) {
    if (t.cargo == 1) {
        t.damagePoints += static_cast<int16_t>(Int(t.rng.rnd() * 3));
        sayLineWait(f, t, "Sitting with the refer unit off is damaging the oranges.");
    }
    if (t.engineOff == 1) {
        t.engineOff = 0;
        dy(f, 0.2);
    } else {
        dy(f, 0.2);
        engineStartSound(f, t.wetWeather);
    }
}

void trafficSound(Form& f, Trip& t) {
    const int n = static_cast<int>(Int(t.rng.rnd() * 33)) + 1;
    const TrafficPick pick = trafficPick(n);
    if (pick.sound == 0) return;
    const int side = pick.centred ? 0 : static_cast<int>(Int(t.rng.rnd() * 2)) + 1;
    dy(f, pick.pause);
    play3(f, pick.sound, side);
}

}  // namespace dravlen
