// The trip: setup from the trip start to the route, then the driving loop to an ending.
#include "road/loop.h"

#include "app/ending.h"

namespace dravlen {

// Until the trip setup and the driving loop exist, the game ends after the instructions offers.
void playTrip(Form& f, Trip& t) { gameEnding(f, t); }

}  // namespace dravlen
