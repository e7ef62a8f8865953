// Law enforcement: the speeding check, police stops, hearings and the revoked licence.
#pragma once

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

// Called in an hour driven faster than the limit allows (speed > limit - roadFactor + 10): the
// driver is pulled over when 900 x Rnd <= (speed - limit + 2 x roadFactor - 5) squared.
void speedingCheck(Form& f, Trip& t);

// The siren, the hearing and the fine; the fourth ticket ends the game in jail. Also entered
// straight from a radar trap.
void policeStop(Form& f, Trip& t);

// One of the three sirens, never the one of the last stop, coming from one side to the centre.
void sirenSound(Form& f, Trip& t);

}  // namespace dravlen
