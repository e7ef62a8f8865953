// The place check: passing the places at the ends of the legs, each with its event.
#include "road/places.h"

#include "dialogue/screen.h"

namespace dravlen {

namespace {

// The last row of every route (New York, mile 9999) is never passed; the bound only keeps a
// route table that was written wrongly from reading past its end.
bool placeReached(const Trip& t) {
    if (t.leg < 1 || t.leg >= kLegs || t.route < 0 || t.route >= kRoutes) return false;
    return t.odometer >= t.tables.legEnd[t.leg][t.route];
}

}  // namespace

void placeCheck(Form& f, Trip& t) {
    while (placeReached(t)) {
        t.prompt = " You have just past " + t.tables.placeName[t.leg][t.route];
        sayLineWait(f, t);
        t.eventCode = t.tables.placeEvent[t.leg][t.route];
        t.speedLimit = 55;
        placeEvent(f, t);
        t.leg += 1;
    }
}

// The road events are not built yet: time zones, tolls, construction, radar traps, weigh
// stations, the rock slide and the refrigeration check come with a later change. Until then
// every place is passed without an event and without drawing a random number.
void placeEvent(Form&, Trip&) {}

}  // namespace dravlen
