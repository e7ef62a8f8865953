// The trip: setup from the trip start to the route, then the driving loop to an ending.
#pragma once

#include "frontend/form.h"
#include "road/trip.h"

namespace dravlen {

// Runs from the trip start (after the instructions offers) to an ending; never returns normally.
[[noreturn]] void playTrip(Form& f, Trip& t);

}  // namespace dravlen
