// The trip: setup from the trip start to the route, then the driving loop to an ending.
#pragma once

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

// Runs from the trip start (after the instructions offers) to an ending; never returns normally.
[[noreturn]] void playTrip(Form& f, Trip& t);

// One pass of the driving loop: one hour on the road, from the place check to the status
// readout. An ending (arrival, accident, leaving) does not return.
void drivingHour(Form& f, Trip& t);

}  // namespace dravlen
