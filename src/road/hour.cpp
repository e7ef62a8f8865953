// The steps of one driving hour: fatigue, weather, speed, accidents, flats, fuel and the readout.
#include "road/hour.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "dialogue/ending.h"
#include "dialogue/screen.h"
#include "frontend/keys.h"
#include "frontend/sound.h"
#include "frontend/speech.h"
#include "world/numbers.h"

namespace dravlen {

namespace {

// ---- Fatigue: tested in this order, the first that holds applies.

struct FatigueRow {
    bool (*holds)(double ratio, int awake);
    Fatigue level;
};

constexpr FatigueRow kFatigueLevels[] = {
    {[](double ratio, int awake) { return ratio > 4.0 || awake > 19; }, {100, " EXHAUSTED "}},
    {[](double ratio, int awake) { return ratio < 2.3 && awake < 4; }, {1, "rested & rearing to go."}},
    {[](double ratio, int awake) { return ratio < 2.5 && awake < 8; }, {2, "fine"}},
    {[](double ratio, int awake) { return ratio <= 3.0 && awake < 12; }, {4, "  bored"}},
    {[](double ratio, int awake) { return ratio <= 3.0 && awake < 16; }, {8, "  tired!!"}},
    {[](double, int) { return true; }, {25, "fatigued you're getting sleepy"}},
};

// ---- Weather.

constexpr WeatherOutcome kClearAndDry{1, "clear & dry", 0, 0};
constexpr WeatherOutcome kBlizzard{50, "BLIZZARD  !!", 1, 1};
constexpr WeatherOutcome kFog{10, "fog -- limited visibility", 0, 0};
constexpr WeatherOutcome kLightSnow{5, "light snow", 1, 0};
constexpr WeatherOutcome kRain{5, "rain", 1, 0};
constexpr WeatherOutcome kWetRoad{3, "clear, but roadway is wet", 0, 0};

// One row per route column (0 middle, 1 northern, 2 southern), tested left to right.
struct WeatherRow {
    float clearBelow;     // and the hour before was no blizzard
    float blizzardAbove;
    float fogAbove;
    float fourthAbove;
    Weather fourth;
};
constexpr WeatherRow kWeatherRows[kRoutes] = {
    {3400, 4900, 4700, 4200, Weather::lightSnowOrRain},  // middle
    {3300, 4800, 4600, 3800, Weather::lightSnow},        // northern
    {4000, 5700, 5500, 4400, Weather::rain},             // southern
};

// ---- Accident causes, tested in this order; the last always holds.

struct CauseRow {
    bool (*holds)(int fatigueRisk, int weatherRisk, int speed);
    AccidentCause cause;
};
constexpr CauseRow kAccidentCauses[] = {
    {[](int fr, int, int speed) { return fr == 100 || (fr == 25 && speed < 65); },
     {{34}, 1, " You fell asleep at the wheel.", false}},
    {[](int, int wr, int) { return wr == 50; },
     {{}, 0, " You drove off the road into a snow filled ditch.", true}},
    {[](int, int wr, int) { return wr == 10; },
     {{33}, 1, " You rear-ended a pick-up with no tail lights.", true}},
    {[](int, int, int speed) { return speed > 65; },
     {{33, 33}, 2, "        Speed kills !", true}},
    {[](int, int wr, int) { return wr > 2; },
     {{33, 33, 33}, 3, " You hit a slick spot and skidded off the road.", true}},
    {[](int, int, int) { return true; },
     {{}, 0, " A drunk driver rammed your rig.  Tough luck !", true}},
};

constexpr int kF1 = 112;
constexpr int kF4 = 115;

int keyCode(const Form& f) { return f.g.empty() ? -1 : std::atoi(f.g.c_str()); }

}  // namespace

Fatigue fatigueLevel(int tripHours, int sleepHours, int hoursAwake) {
    const double ratio = static_cast<double>(tripHours) / static_cast<double>(sleepHours);
    for (const FatigueRow& row : kFatigueLevels)
        if (row.holds(ratio, hoursAwake)) return row.level;
    return std::prev(std::end(kFatigueLevels))->level;
}

const WeatherOutcome& weatherOutcome(Weather w) {
    switch (w) {
        case Weather::clearAndDry: return kClearAndDry;
        case Weather::blizzard: return kBlizzard;
        case Weather::fog: return kFog;
        case Weather::lightSnow: return kLightSnow;
        case Weather::rain: return kRain;
        case Weather::lightSnowOrRain: return kRain;
        case Weather::wetRoad: break;
    }
    return kWetRoad;
}

Weather weatherFor(int route, float w, int previousRisk) {
    const WeatherRow& row = kWeatherRows[route >= 0 && route < kRoutes ? route : 0];
    if (w < row.clearBelow && previousRisk != 50) return Weather::clearAndDry;
    if (w > row.blizzardAbove) return Weather::blizzard;
    if (w > row.fogAbove) return Weather::fog;
    if (w > row.fourthAbove) return row.fourth;
    return Weather::wetRoad;
}

const AccidentCause& accidentCause(int fatigueRisk, int weatherRisk, int speed) {
    for (const CauseRow& row : kAccidentCauses)
        if (row.holds(fatigueRisk, weatherRisk, speed)) return row.cause;
    return std::prev(std::end(kAccidentCauses))->cause;
}

// ---------------------------------------------------------------------------------------------

void fatigueStep(Trip& t) {
    const Fatigue level = fatigueLevel(t.tripHours, t.sleepHours, t.hoursAwake);
    t.fatigueRisk = level.risk;
    t.fatigueText = level.text;
}

void weatherStep(Trip& t) {
    const float w = static_cast<float>(t.odometer + 3000) * static_cast<float>(t.rng.rnd());
    Weather weather = weatherFor(t.route, w, t.weatherRisk);
    if (weather == Weather::lightSnowOrRain)
        weather = Int(t.rng.rnd() * 3) + 1 == 1 ? Weather::lightSnow : Weather::rain;
    const WeatherOutcome& o = weatherOutcome(weather);
    t.weatherRisk = o.risk;
    t.weatherText = o.text;
    if (o.wet) t.wetWeather = 1;
    if (o.blizzard) t.blizzard = 1;
}

void ambientSounds(Form& f, Trip& t) {
    if (t.wetWeather == 1)
        startWetLoop(f, t.wetWeather);
    else
        stopWetLoop(f);
    if (t.blizzard == 1)
        startBlizzardLoop(f);
    else
        stopBlizzardLoop(f);
}

void speedQuestion(Form& f, Trip& t) {
    for (;;) {
        sayLine(f, t, " How fast do you wish to go? ");
        t.digitsOnly = 1;
        menuKey(f, t);
        int16_t entered = 0;
        if (t.keyValue == 13) {
            entered = t.lastSpeed;
        } else {
            if (t.badKey == 1) continue;
            // Esc, F1, F2 and F3 come back as key value 0 without being marked: that key
            // stands for -48 tens, so the entry comes out below 20 and is asked again.
            const bool firstGlobal = t.keyValue == 0;
            const int tens = t.keyValue - 48;
            menuKey(f, t);
            if (t.badKey == 1) continue;
            const bool secondGlobal = t.keyValue == 0;
            const int units = t.keyValue - 48;
            if (secondGlobal && !firstGlobal)
                entered = static_cast<int16_t>(-48 * 10 + tens);
            else
                entered = static_cast<int16_t>(tens * 10 + units);
        }
        t.speed = entered;
        t.lastSpeed = t.speed;
        t.digitsOnly = 0;
        if (t.speed < 20) {
            sayLine(f, t, " Your have to go at least 20 --");
            continue;
        }
        break;
    }

    t.hourStart = f.p.clock.now();  // the hour's 5-second floor counts from here
    play(f, 22);

    // The engine takes the pitch of the speed entered, even above the cap below. About
    // 4,000 Hz a second: 10 MPH in about one second.
    if (t.engineSpeed != t.speed) {
        glideEngine(f, t.engineSpeed * 401L, t.speed * 401L, 4000.0);
        t.engineSpeed = t.speed;
    }

    const int16_t cap = static_cast<int16_t>(Int(1.5 * t.speedLimit));
    if (cap < t.speed) {
        t.speed = cap;
        t.lastSpeed = t.speed;
        sayLine(f, t, " You can only get the old rig to go" + number(cap) + "MPH on this road.");
    }
}

void accidentRoll(Form& f, Trip& t) {
    const double risk = static_cast<double>(t.speed) * t.speed * t.fatigueRisk * t.weatherRisk;
    if (!(risk > t.rng.rnd() * 10000000.0)) return;

    play(f, 2);
    clearScreen(t);
    const AccidentCause& cause = accidentCause(t.fatigueRisk, t.weatherRisk, t.speed);
    for (int i = 0; i < cause.soundCount; ++i) play(f, cause.sounds[i]);
    crashSound(f);
    const std::string causeLine = cause.line;
    if (cause.waitForLine)
        sayLineWait(f, t, causeLine);
    else
        sayLine(f, t, causeLine);
    dy(f, 0.2);
    const std::string lossLine = " You lose your truck & profits.";
    sayLine(f, t, lossLine);

    for (;;) {
        sayLine(f, t, " press any key ");
        for (;;) {
            getkey(f);
            const int key = keyCode(f);
            if (key == 27) {
                exitQuestion(f, t);
                break;  // staying: " press any key " again
            }
            if (key >= kF1 && key <= kF4) {
                say2(f, causeLine);
                say2(f, lossLine);
                say2(f, " press any key ");
                continue;
            }
            gameEnding(f, t);
        }
    }
}

void flatTireRoll(Form& f, Trip& t) {
    const double risk = std::sqrt(static_cast<double>(t.odometer) + 100) * t.tireWear;
    if (!(risk > t.rng.rnd() * t.roadFactor * 250000.0)) return;

    sayLineWait(f, t, " You just blew a tire !!");
    dy(f, 0.2);
    engineStopSound(f);
    if (t.spareTires != 0) {
        play(f, 37);
        t.tireWear -= 2 * t.spareTires;
        t.spareTires = 0;
        const int h = static_cast<int>(Int(t.rng.rnd() * 2)) + 1;
        const char* tire = h == 1 ? "outside" : "inside";
        sayLineWait(f, t, "It took" + number(h) + "hours to change the " + std::string(tire) + " tire.");
        t.tripHours += h;
        // The driver was awake through the change: the hours count as for the tow truck.
        t.hoursAwake += h;
        dy(f, 0.2);
        engineStartSound(f, t.wetWeather);
    } else {
        play(f, 39);
        play(f, 38);
        sayLineWait(f, t,
            " Since your spare has already been used, you have to call a tow truck from town to "
            "deliver a new tire for you.");
        sayLineWait(f, t, "     This service cost $400.00 and took 4 hours.");
        t.tripHours += 4;
        t.hoursAwake += 4;
        t.expenses += 400;
        dy(f, 0.2);
        play(f, 37);
        engineStartSound(f, t.wetWeather);
    }
}

void fuelStep(Form& f, Trip& t) {
    t.offPace = std::abs(55 - t.speed);
    if (t.offPace > 12) t.offPace = 12.5;
    const double milesPerGallon = 4.5 - 0.2 * t.offPace;
    t.burn = t.speed / milesPerGallon;
    t.fuel -= t.burn;
    if (t.fuel < 0) dryTank(f, t);
}

void statusReadout(Form& f, Trip& t) {
    sayLine(f, t, " Approximate fuel " + number(Int(t.fuel - 4 + 10 * t.rng.rnd())));
    sayLine(f, t, "Speed " + number(t.speed));
    sayLine(f, t, "        Odometer: " + number(t.odometer));
    const int16_t routeMiles = t.route >= 0 && t.route < kRoutes ? t.tables.routeMiles[t.route] : 0;
    sayLine(f, t, "Miles to go: " + number(routeMiles - t.odometer));
}

}  // namespace dravlen
