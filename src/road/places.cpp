// The place check: passing the places at the ends of the legs, each with its event.
#include "road/places.h"

#include <cmath>
#include <string>

#include "dialogue/clock.h"
#include "dialogue/screen.h"
#include "frontend/keys.h"
#include "frontend/sound.h"
#include "frontend/speech.h"
#include "road/police.h"
#include "stops/hazards.h"
#include "world/numbers.h"
#include "world/routes.h"

namespace dravlen {

namespace {

constexpr double kLegalGross = 60000;  // pounds
constexpr int kFirstDetourLeg = 12;    // the Louisiana border ends leg 11 of the southern route
constexpr int16_t kDetourMiles = 200;

// The last row of every route (New York, mile 9999) is never passed; the bound only keeps a
// route table that was written wrongly from reading past its end.
bool placeReached(const Trip& t) {
    if (t.leg < 1 || t.leg >= kLegs || t.route < 0 || t.route >= kRoutes) return false;
    return t.odometer >= t.tables.legEnd[t.leg][t.route];
}

// An overweight truck may not enter Louisiana: 200 more miles through Arkansas at 45 MPH, every
// later place 200 miles further on, and no fine.
void louisianaDetour(Form& f, Trip& t) {
    sayLineWait(f, t, " You are not allowed to enter Louisiana with that load.");
    sayLineWait(f, t, "     Take a 200 mile detour through Arkansas with 45 MPH limit.");
    t.speedLimit = 45;  // below 40 only is restored at the end of an hour; the next place sets 55
    if (t.leg + 1 < kLegs) t.tables.roadName[t.leg + 1][t.route] = "Arkansas county roads";
    for (int leg = kFirstDetourLeg; leg < kLegs; ++leg) add16(t.tables.legEnd[leg][t.route], kDetourMiles);
    add16(t.tables.routeMiles[t.route], kDetourMiles);
    dy(f, 0.3);
    engineStartSound(f, t.wetWeather);
}

}  // namespace

void placeCheck(Form& f, Trip& t) {
    while (placeReached(t)) {
        t.prompt = " You have just past " + t.tables.placeName[t.leg][t.route];
        sayLineWait(f, t);
        t.eventCode = t.tables.placeEvent[t.leg][t.route];
        t.speedLimit = 55;
        placeEvent(f, t);
        t.leg += 1;
    }
}

void placeEvent(Form& f, Trip& t) {
    switch (static_cast<EventKind>(eventKind(t.eventCode))) {
        case EventKind::timeZone: timeZoneChange(f, t); break;
        case EventKind::toll: toll(f, t); break;
        case EventKind::construction: construction(f, t); break;
        case EventKind::radarTrap: radarTrap(f, t); break;
        case EventKind::weighStation: weighStation(f, t); break;
        case EventKind::rockSlide: rockSlide(f, t); break;
        case EventKind::refrigeration: refrigerationCheck(f, t); break;
        case EventKind::none: break;
    }
}

void timeZoneChange(Form& f, Trip& t) {
    sayLine(f, t, " Time zone changes -- set clock ahead one hour.");
    add16(t.tripHours, 1);
    clockReadout(f, t);
}

void toll(Form& f, Trip& t) {
    // The fraction of 2.65 is a hair below .65 in binary: the toll is the $65 as written.
    const double dollars = asWritten(tollDollars(t.eventCode));
    dy(f, 0.2);
    engineStopSound(f);
    sayLineWait(f, t, " STOP!   Pay toll of $" + number(dollars));
    t.expenses += dollars;
    dy(f, 0.2);
    play(f, 40);
    engineStartSound(f, t.wetWeather);
}

void construction(Form& f, Trip& t) {
    if (t.rng.rnd() < eventFraction(t.eventCode)) return;
    sayLine(f, t, " Construction ahead !!");
    dy(f, 0.2);
    sayLine(f, t, " Slow down -- speed limit 35 MPH");
    t.speedLimit = 35;  // for the hour that follows; the loop restores 55 at its end
}

void radarTrap(Form& f, Trip& t) {
    if (t.rng.rnd() < eventFraction(t.eventCode)) return;
    // The radar reads the speed of the hour just driven, from 2 under to 3 over, in single
    // precision; it is spoken cut to one decimal (after a dry tank it may be negative).
    const float reading = static_cast<float>(t.speed + 5 * t.rng.rnd() - 2);
    const float tenths = std::floor(reading * 10.0f);
    sayLine(f, t, " You were just clocked by radar at " + number(tenths / 10.0) + " MPH.");
    if (reading > t.speedLimit + 3)
        policeStop(f, t);
    else
        sayLine(f, t, "     No ticket this time.");
}

double grossWeight(double pounds, double fuel, double extra) { return pounds + 19000 + 7 * fuel + extra; }

void weighStation(Form& f, Trip& t) {
    const bool louisiana = t.eventCode == 5;
    const bool open = louisiana ? t.rng.rnd() < 0.5 : !(t.rng.rnd() < eventFraction(t.eventCode));
    if (!open) return;

    dy(f, 1);
    engineStopSound(f);
    sayLineWait(f, t, " Weighing station open -- trucks must stop.");
    dy(f, 0.2);
    const double weight = grossWeight(t.pounds, t.fuel, 25 * Int(10 * t.rng.rnd()));
    sayLineWait(f, t, "scale weighs truck with cargo, fuel and driver " + number(cutDecimals(weight, 2)) + " pounds");

    const double over = Int(weight - kLegalGross);
    if (over <= 1) {
        sayLineWait(f, t, "     You're OK.");
        dy(f, 0.2);
        engineStartSound(f, t.wetWeather);
        return;
    }
    if (louisiana) {
        louisianaDetour(f, t);
        return;
    }
    const double cents = Int(t.rng.rnd() * 4) + 2;  // 2 to 5 cents a pound over
    sayLineWait(f, t, "     Overweight fine is $200.00 plus " + number(cents) + " cents per pound.");
    const double fine = 200 + over * cents / 100;
    t.expenses += fine;
    sayLineWait(f, t, " Pay fine of ");
    saydoll(f, fine);
    dy(f, 0.3);
    play(f, 40);
    engineStartSound(f, t.wetWeather);
}

}  // namespace dravlen
