// Arrival in New York: delivery of the load and the settlement of the trip.
#pragma once

#include <string>
#include <vector>

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

// Entered when the odometer has passed the route's length; ends the game.
[[noreturn]] void arrival(Form& f, Trip& t);

// The end of a revoked licence: a pause, " Your rig has been repossessed." and the closing
// " press any key ", at which F1 to F4 speak `jailLines` and the repossession line again.
[[noreturn]] void repossession(Form& f, Trip& t, const std::vector<std::string>& jailLines);

}  // namespace dravlen
