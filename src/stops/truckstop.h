// The truck stop: diesel, tires and sleep, offered from the fourth hour after the last stop.
#pragma once

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

// The offer " Truck stop ahead.  Do you want to stop? " and the stop itself.
void truckStop(Form& f, Trip& t);

}  // namespace dravlen
