// Steps the road and the stops both take: running dry, and the passing traffic.
#pragma once

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

struct TrafficPick {
    int sound;      // 0: nothing this time
    double pause;   // seconds before the sound
    bool centred;   // played centred instead of on a random side
};
TrafficPick trafficPick(int n);  // n = Int(Rnd x 33) + 1

void dryTank(Form& f, Trip& t);
void dryTankWhileWaiting(Form& f, Trip& t);  // entered with engineOff = 1 by the rock slide
void referOffDamage(Form& f, Trip& t);       // entered with engineOff = 1 by the truck stop
void trafficSound(Form& f, Trip& t);

}  // namespace dravlen
