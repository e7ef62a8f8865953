// Law enforcement: the speeding check, police stops, hearings and the revoked licence.
#pragma once

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

// Called in an hour driven faster than the limit allows (speed > limit - roadFactor + 10).
void speedingCheck(Form& f, Trip& t);

}  // namespace dravlen
