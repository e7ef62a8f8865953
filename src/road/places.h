// The place check: passing the places at the ends of the legs, each with its event.
#pragma once

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

// While the odometer has reached the end of the current leg: " You have just past " + the
// place, the limit back to 55, the place's event, and on to the next leg.
void placeCheck(Form& f, Trip& t);

// Runs the event of the place just passed (t.eventCode).
void placeEvent(Form& f, Trip& t);

}  // namespace dravlen
