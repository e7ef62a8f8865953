// The trip: setup from the trip start to the route, then the driving loop to an ending.
#include "road/loop.h"

#include "dialogue/screen.h"
#include "dialogue/setup.h"
#include "frontend/keys.h"
#include "road/hour.h"
#include "road/places.h"
#include "road/police.h"
#include "stops/arrival.h"
#include "stops/truckstop.h"
#include "dialogue/clock.h"

namespace dravlen {

namespace {

// The end of the hour: the hour lasts at least 5 seconds from the moment the speed was
// entered, measured on the monotonic clock so that no hour can hang across midnight.
void hourFloor(Form& f, Trip& t) {
    const double until = t.hourStart + 5;
    while (!(f.p.clock.now() > until)) yieldOnce(f, WaitKind::other, until);
}

}  // namespace

void drivingHour(Form& f, Trip& t) {
    placeCheck(f, t);
    sayLine(f, t, " Cruising on " + t.tables.roadName[t.leg][t.route]);
    fatigueStep(t);
    sayLine(f, t, " You are feeling " + t.fatigueText);
    t.wetWeather = 0;
    t.blizzard = 0;
    weatherStep(t);
    sayLine(f, t, " Current weather: " + t.weatherText);
    ambientSounds(f, t);
    t.hoursSinceStopOffer += 1;
    if (t.hoursSinceStopOffer > 3) truckStop(f, t);
    speedQuestion(f, t);
    accidentRoll(f, t);
    flatTireRoll(f, t);
    if (t.speed > t.speedLimit - t.roadFactor + 10) speedingCheck(f, t);
    t.tripHours += 1;
    t.hoursAwake += 1;
    if (t.speedLimit < 40) t.speedLimit = 55;  // a construction zone lasts one hour
    fuelStep(f, t);
    t.odometer += t.speed;
    if (t.odometer > t.tables.routeMiles[t.route]) arrival(f, t);
    trafficSound(f, t);
    hourFloor(f, t);
    clearScreen(t);
    clockReadout(f, t);
    statusReadout(f, t);
}

void playTrip(Form& f, Trip& t) {
    tripSetup(f, t);
    for (;;) drivingHour(f, t);
}

}  // namespace dravlen
