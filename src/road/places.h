// The place check: passing the places at the ends of the legs, each with its event.
#pragma once

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

// While the odometer has reached the end of the current leg: " You have just past " + the
// place, the limit back to 55, the place's event, and on to the next leg.
void placeCheck(Form& f, Trip& t);

// Runs the event of the place just passed, chosen by the whole part of t.eventCode: 1 time zone,
// 2 toll, 3 construction, 4 radar trap, 5 weigh station, 6 rock slide, 7 refrigeration check;
// any other whole part runs nothing.
void placeEvent(Form& f, Trip& t);

// The events. Each reads its parameter from the fraction of t.eventCode.
void timeZoneChange(Form& f, Trip& t);
void toll(Form& f, Trip& t);          // the toll in hundreds of dollars
void construction(Form& f, Trip& t);  // the chance of no construction
void radarTrap(Form& f, Trip& t);     // the chance of no radar
void weighStation(Form& f, Trip& t);  // the chance the station is closed; exactly 5: Louisiana

// The truck's gross weight on a scale: load, empty rig with driver, 7 pounds a gallon of diesel,
// and `extra` (0 to 225 pounds, 25 x Int(10 x Rnd)).
double grossWeight(double pounds, double fuel, double extra);

}  // namespace dravlen
