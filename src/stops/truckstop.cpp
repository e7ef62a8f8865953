// The truck stop: diesel, tires and sleep, offered from the fourth hour after the last stop.
#include "stops/truckstop.h"

namespace dravlen {

// Not built yet: the truck stop comes with the road events and stops. Until then the offer is
// never made, so the driver runs on until the tank runs dry.
void truckStop(Form&, Trip&) {}

}  // namespace dravlen
