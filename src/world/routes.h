// The three routes from Los Angeles to New York: places, roads, miles and the events at each place.
#pragma once

#include "world/trip.h"

namespace dravlen {

// Writes all five route tables with the trip's starting values (middle, northern, southern).
void fillRouteTables(RouteTables& tables);

// An event code's whole part is the kind of event at the place; its fraction is the event's
// parameter (the toll in hundreds of dollars, or the chance that nothing happens).
enum class EventKind : int {
    none = 0,
    timeZone = 1,
    toll = 2,
    construction = 3,
    radarTrap = 4,
    weighStation = 5,
    rockSlide = 6,
    refrigeration = 7,
};
int eventKind(double code);        // the whole part
double eventFraction(double code); // code minus its whole part
double tollDollars(double code);   // fraction x 100: 2.65 is a $65 toll

}  // namespace dravlen
