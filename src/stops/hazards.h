// Hazards at the places of the route: the tunnel rock slide and the trailer's refrigeration failure.
#pragma once

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

// Event kind 6: the tunnel entrance blocked for 0 to 5 hours; the driver naps, and the
// oranges' refrigeration unit burns diesel meanwhile. The fraction of t.eventCode is the
// chance that nothing happens.
void rockSlide(Form& f, Trip& t);

// Event kind 7: with a load of oranges, the refrigeration unit may fail and is repaired on the
// spot. Other cargo passes without a draw.
void refrigerationCheck(Form& f, Trip& t);

}  // namespace dravlen
