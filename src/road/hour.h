// The steps of one driving hour: fatigue, weather, speed, accidents, flats, fuel and the readout.
#pragma once

#include <string>

#include "frontend/form.h"
#include "stops/roadside.h"
#include "world/trip.h"

namespace dravlen {

// --- The fixed tables, exposed so that their rules can be checked on their own.

struct Fatigue {
    int16_t risk;
    const char* text;
};
// The first fatigue level that holds for this clock, sleep and waking time.
Fatigue fatigueLevel(int tripHours, int sleepHours, int hoursAwake);

enum class Weather { clearAndDry, blizzard, fog, lightSnow, rain, wetRoad, lightSnowOrRain };
struct WeatherOutcome {
    int16_t risk;
    const char* text;
    int16_t wet;
    int16_t blizzard;
};
const WeatherOutcome& weatherOutcome(Weather w);
// The threshold row of the route column applied to the roll w; previousRisk is the weather
// risk of the hour before (50 after a blizzard, which rules out clear and dry).
// lightSnowOrRain is the middle route's case that a second roll settles.
Weather weatherFor(int route, float w, int previousRisk);

struct AccidentCause {
    int sounds[3];   // played once each, before the crash
    int soundCount;
    const char* line;
    bool waitForLine;  // sayLineWait rather than sayLine
};
const AccidentCause& accidentCause(int fatigueRisk, int weatherRisk, int speed);

// --- The steps, in the order the driving loop calls them.

void fatigueStep(Trip& t);
void weatherStep(Trip& t);
void ambientSounds(Form& f, Trip& t);
void speedQuestion(Form& f, Trip& t);
void accidentRoll(Form& f, Trip& t);  // an accident ends the game
void flatTireRoll(Form& f, Trip& t);
void fuelStep(Form& f, Trip& t);
void statusReadout(Form& f, Trip& t);

}  // namespace dravlen
