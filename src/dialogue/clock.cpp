// The clock readout: day and time of the trip clock, spoken at the head of a screen.
#include "dialogue/clock.h"

#include "dialogue/screen.h"
#include "frontend/speech.h"
#include "world/numbers.h"

namespace dravlen {

ClockFace clockFace(int tripHours) {
    ClockFace c;
    int hour = tripHours + 8;
    int day = static_cast<int>(Int(hour / 24.0));
    hour -= 24 * day;
    while (day > 6) day -= 7;  // the week wraps round to Monday
    while (day < 0) day += 7;  // only a clock run past its 16 bits gets here
    c.ampm = "A.M. ";
    if (hour == 12) {
        c.ampm = "Noon";
    } else {
        if (hour > 12) {
            hour -= 12;
            c.ampm = "P.M. ";
        }
        if (hour == 0) {
            hour = 12;
            c.ampm = "Midnight";
        }
    }
    c.dayIndex = day;
    c.hourOfDay = hour;
    return c;
}

void clockReadout(Form& f, Trip& t) {
    const ClockFace c = clockFace(t.tripHours);
    writeTranscriptLine(f, "");  // the readouts divide the trip log
    t.prompt = " Day " + t.dayNames[static_cast<size_t>(c.dayIndex)];
    sayLine(f, t);
    t.prompt = " Time: " + number(c.hourOfDay) + " " + c.ampm;
    sayLineWait(f, t);
}

}  // namespace dravlen
