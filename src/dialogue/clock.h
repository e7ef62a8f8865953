// The clock readout: day and time of the trip clock, spoken at the head of a screen.
#pragma once

#include <string>

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

// Day and time for a trip clock reading (hours since 8 A.M. Monday).
struct ClockFace {
    int dayIndex = 0;   // 0 Monday .. 6 Sunday
    int hourOfDay = 0;  // 1..12
    std::string ampm;   // "A.M. ", "Noon", "P.M. " or "Midnight"
};
ClockFace clockFace(int tripHours);

// An empty line to the transcript, then " Day " + name (sayLine) and " Time: " + hour + " " +
// ampm (sayLineWait).
void clockReadout(Form& f, Trip& t);

}  // namespace dravlen
