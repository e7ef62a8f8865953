// Arrival in New York: delivery of the load and the settlement of the trip.
#pragma once

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

// Entered when the odometer has passed the route's length; ends the game.
[[noreturn]] void arrival(Form& f, Trip& t);

}  // namespace dravlen
