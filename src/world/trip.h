// The trip state: everything the game procedure owns for the one trip of a run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "world/random.h"

namespace dravlen {

// Route columns of the route tables.
constexpr int kLegs = 26;     // legs 0..25; leg 0 is never used
constexpr int kRoutes = 3;    // 0 middle, 1 northern, 2 southern

struct RouteTables {
    int16_t legEnd[kLegs][kRoutes] = {};
    std::string placeName[kLegs][kRoutes];
    std::string roadName[kLegs][kRoutes];
    double placeEvent[kLegs][kRoutes] = {};
    int16_t routeMiles[kRoutes] = {};
};

struct Trip {
    Rng rng;

    // Screen memory and question results (what F2 and F3 replay).
    std::string prompt;
    std::array<std::string, 21> screenLines;  // slots 1..20
    int16_t screenLineCount = 0;
    std::string fuelLine;
    int answer = 0;        // 1 yes, 2 no, 3 ask again; menuKey leaves 0 after an ordinary key
    int16_t keyValue = 0;
    std::string keyChar;
    int16_t digitsOnly = 0;
    int16_t badKey = 0;
    double typedNumber = 0;

    // Tables filled at the title.
    std::array<std::string, 7> dayNames;
    std::array<std::string, 5> ordinals;  // 1..4

    // Route tables, filled at loading.
    RouteTables tables;

    // Setup choices.
    int16_t cargo = 0;       // 1 oranges, 2 freight, 3 U S mail
    double pounds = 0;
    int truckMake = 1;
    int tireType = 1;
    int tireCount = 1;
    int16_t routeChoice = 1; // 1 northern, 2 middle, 3 southern
    int16_t tripCount = 0;

    // The trip.
    int16_t route = 0;       // 0 middle, 1 northern, 2 southern
    int16_t roadFactor = 0;  // 4 northern, 2 middle, 1 southern
    int16_t leg = 1;
    int16_t odometer = 0;
    int16_t speed = 0;
    int16_t lastSpeed = 0;
    int16_t engineSpeed = 50;
    int16_t speedLimit = 55;
    double fuel = 190;
    double burn = 0;
    double offPace = 0;
    int16_t tripHours = 0;
    int16_t sleepHours = 7;
    int16_t hoursAwake = 3;
    int16_t fatigueRisk = 0;
    int16_t weatherRisk = 0;
    std::string fatigueText;
    std::string weatherText;
    int16_t wetWeather = 0;
    int16_t blizzard = 0;
    double tireWear = 10;
    double spareTires = 1;
    int16_t hoursSinceStopOffer = 0;
    double hourStart = 0;    // monotonic seconds when the speed was entered
    double expenses = 190;
    int16_t tickets = 0;
    int lastSiren = 0;       // the siren picked at the last police stop, 1 to 3
    double eventCode = 0;
    int16_t engineOff = 0;
    int16_t damagePoints = 0;

    // Game-level: the sum of the net profits of the run's trips, before rounding.
    double runningProfit = 0;

    // End of game.
    int lastFarewell = 0;
    int farewellPass = 0;
};

}  // namespace dravlen
