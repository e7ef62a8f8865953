// The driving hour on the scripted platform: its steps (speed, flats, fuel, sounds, accident), then
// whole hours (a whole hour as the player hears it is told in the stories).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "road/hour.h"
#include "road/loop.h"
#include "road/places.h"
#include "trip_rig.h"

namespace dravlen::testing {
namespace {

const std::string A = " How fast do you wish to go? ", L20 = " Your have to go at least 20 --";
std::string cap(int mph) { return " You can only get the old rig to go " + std::to_string(mph) + "MPH on this road."; }

TEST(SpeedQuestion, TwoDigitsEnterRepeatsBelowTwentyAndTheCap) {
    struct Row {
        const char* keys;
        int limit, lastSpeed, engine;
        Lines said;
        int speed, engineAfter;  // the engine keeps the pitch of the speed entered
    } rows[] = {
        {"6 5", 55, 0, 65, {A}, 65, 65},
        {"kp4 kp5", 55, 0, 50, {A}, 45, 45},
        {"enter", 55, 58, 50, {A}, 58, 58},
        {"enter 5 5", 55, 0, 50, {A, L20, A}, 55, 55},               // Enter on the first hour
        {"1 9 x 6 enter 3 0", 55, 0, 50, {A, L20, A, A, A}, 30, 30},  // non-digits ask again silently
        {"9 f1 7 0", 55, 50, 50, {A, L20, A}, 70, 70},                // a question key counts -48
        {"esc n 4 5 5", 55, 0, 50, {A, " exit game? ", " yes ", L20, A}, 55, 55},
        {"9 9", 55, 0, 65, {A, cap(82)}, 82, 99},
        {"7 0", 45, 0, 50, {A, cap(67)}, 67, 70},
        {"5 3", 35, 0, 50, {A, cap(52)}, 52, 53},
        {"5 2", 35, 0, 50, {A}, 52, 52},
        {"8 2", 55, 0, 50, {A}, 82, 82},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.keys);
        TripRig r(row.keys);
        r.t.speedLimit = static_cast<int16_t>(row.limit);
        r.t.lastSpeed = static_cast<int16_t>(row.lastSpeed);
        r.t.engineSpeed = static_cast<int16_t>(row.engine);
        speedQuestion(r.f, r.t);
        EXPECT_EQ(r.lines, row.said);
        EXPECT_EQ(std::tuple(r.t.speed, r.t.lastSpeed, r.t.engineSpeed, r.t.digitsOnly),
                  std::tuple(row.speed, row.speed, row.engineAfter, 0));
        EXPECT_EQ(r.soundsPlayed(), std::vector<int>{22});
    }
}

TEST(SpeedQuestion, TheEngineGlidesOneHertzAStepAtAboutFourThousandHertzASecond) {
    // 99 after 65 glides up from 26,065 to 39,699 Hz (beyond 16 bits); 60 then glides down to 24,060.
    TripRig r("9 9 6 0");
    r.t.engineSpeed = 65;
    speedQuestion(r.f, r.t);
    std::vector<std::pair<double, long>> hz;
    for (auto& e : r.sp.events())
        if (e.op == "sound.frequency" && e.id == r.f.engineBuf) hz.emplace_back(e.t, e.value);
    ASSERT_EQ(hz.size(), 39699u - 26065u + 1);
    for (size_t i = 0; i < hz.size(); ++i) ASSERT_EQ(hz[i].second, 26065 + static_cast<long>(i));
    EXPECT_NEAR(hz.back().first - hz.front().first, 13634 / 4000.0, 0.1);
    EXPECT_TRUE(r.when("9") <= r.t.hourStart && r.t.hourStart <= hz.front().first) << "the hour counts from the speed entered";
    speedQuestion(r.f, r.t);
    EXPECT_EQ(std::tuple(r.sp.events().back().value, r.t.engineSpeed), std::tuple(24060, 60));
}

TEST(FlatTire, TheSpareTakesOneOrTwoHoursThenTheTowTruckEveryTime) {
    const std::string blew = " You just blew a tire !!";
    for (int h : {1, 2}) {
        TripRig r("", seedWhere(2, [h](auto& d) { return static_cast<int>(d[1] * 2) + 1 == h; }));
        r.t.roadFactor = 4;
        r.t.tireWear = 1e7;  // certain
        flatTireRoll(r.f, r.t);
        EXPECT_EQ(r.lines, (Lines{blew, h == 1 ? "It took 1hours to change the outside tire."
                                               : "It took 2hours to change the inside tire."}));
        // The hours of the change are hours awake.
        EXPECT_EQ(std::tuple(r.t.spareTires, r.t.tireWear, r.t.tripHours, r.t.hoursAwake, r.t.expenses),
                  std::tuple(0, 1e7 - 2, h, 3 + h, 190));
        EXPECT_EQ(r.soundsPlayed(), (std::vector<int>{45, 37, 44}));
    }
    TripRig r;
    r.t.roadFactor = 2;
    r.t.tireWear = 1e7;
    r.t.spareTires = 0;
    flatTireRoll(r.f, r.t);
    flatTireRoll(r.f, r.t);
    const Lines tow{blew,
                    " Since your spare has already been used, you have to call a tow truck from town to deliver a "
                    "new tire for you.",
                    "     This service cost $400.00 and took 4 hours."};
    EXPECT_EQ(r.lines, (Lines{tow[0], tow[1], tow[2], tow[0], tow[1], tow[2]}));
    EXPECT_EQ(std::tuple(r.t.expenses, r.t.tripHours, r.t.hoursAwake, r.t.tireWear, r.draws.size()),
              std::tuple(990, 8, 11, 1e7, 2u));
    EXPECT_EQ(r.soundsPlayed(), (std::vector<int>{45, 39, 38, 37, 44, 45, 39, 38, 37, 44}));
    // Worn tires at the start of a good road: sqrt(100) x 10 against Rnd x 1,000,000.
    TripRig s("", seedWhere(1, [](auto& d) { return d[0] > 0.0001; }));
    s.t.roadFactor = 4;
    flatTireRoll(s.f, s.t);
    EXPECT_TRUE(s.lines.empty());
}

TEST(Fuel, BurnByPaceAndTheDryTank) {
    const std::pair<int, double> burns[] = {{55, 55 / 4.5}, {65, 26}, {45, 18}, {67, 67 / 2.1},
                                            {43, 43 / 2.1}, {68, 34}, {99, 49.5}, {20, 10}};
    for (auto [speed, burn] : burns) {
        TripRig r;
        r.t.speed = static_cast<int16_t>(speed);
        fuelStep(r.f, r.t);
        EXPECT_NEAR(r.t.fuel, 190 - burn, 1e-9) << speed;
    }
    // At 65 (2.5 miles a gallon): the miles on the last fuel cut to cents, the odometer rounded
    // halves to even.
    struct Row {
        int cargo;
        double fuel;
        const char* miles;
        int moved;
    } rows[] = {{2, 2, " 5", 5}, {3, 1, " 2.5", 2}, {3, 1.4, " 3.5", 4}, {1, 0.25, " .62", 1}};
    for (auto& row : rows) {
        SCOPED_TRACE(row.miles);
        TripRig r;
        r.t.cargo = static_cast<int16_t>(row.cargo);
        r.t.speed = r.t.lastSpeed = 65;
        r.t.fuel = row.fuel;
        fuelStep(r.f, r.t);
        // Drawn: the traffic roll (and its side), the wasted hours, the oranges' damage.
        const bool oranges = row.cargo == 1;
        const size_t n = r.draws.size();
        ASSERT_GE(n, oranges ? 3u : 2u);
        const int wasted = static_cast<int>(r.draws[n - (oranges ? 2 : 1)] * 5);
        Lines expected{std::string(" After") + row.miles + "more miles, you ran out of fuel  ( DUMMY !! )",
                       "     It cost $200 to get a barrel of diesel delivered.",
                       "          You also wasted " + std::to_string(wasted) + "hours by your carelessness."};
        if (oranges) expected.push_back("Sitting with the refer unit off is damaging the oranges.");
        EXPECT_EQ(r.lines, expected);
        EXPECT_EQ(std::tuple(r.t.odometer, r.t.speed, r.t.lastSpeed, r.t.fuel, r.t.expenses, r.t.tripHours,
                             r.t.hoursAwake, r.t.damagePoints),
                  std::tuple(row.moved, 0, 0, 55, 390, wasted, 3 + wasted,
                             oranges ? static_cast<int>(r.draws[n - 1] * 3) : 0));
        // The engine stops, the refer unit's sound only with oranges, the barrel, the engine again.
        const std::vector<int> sounds = r.soundsPlayed(), stop{45, oranges ? 41 : 39};
        EXPECT_NE(std::search(sounds.begin(), sounds.end(), stop.begin(), stop.end()), sounds.end());
        EXPECT_EQ(std::tuple(std::count(sounds.begin(), sounds.end(), 41), sounds.back()), std::tuple(oranges, 44));
    }
    // The entry for the waits leaves the engine off (no restart); freight is not damaged.
    TripRig r;
    r.t.cargo = r.t.engineOff = 1;
    dryTankWhileWaiting(r.f, r.t);
    EXPECT_EQ(r.t.engineOff, 0);
    r.t.cargo = r.t.engineOff = 2;
    referOffDamage(r.f, r.t);
    EXPECT_EQ(std::tuple(r.t.fuel, r.lines.size(), r.draws.size()), std::tuple(55, 3u, 2u));
    EXPECT_EQ(r.soundsPlayed(), (std::vector<int>{41, 39, 38, 36, 31, 40, 44}));
}

TEST(Sounds, PassingTraffic) {
    // Roll 13 plays the overhead sound 8 centred after a second, without a side draw; roll 1
    // plays sound 2 on a drawn side after a tenth.
    for (int n : {13, 1}) {
        TripRig s("", seedWhere(1, [n](auto& d) { return static_cast<int>(d[0] * 33) + 1 == n; }));
        trafficSound(s.f, s.t);
        std::vector<std::tuple<std::string, long, double>> played;  // pan and play, with their times
        for (auto& e : s.sp.events())
            if (e.op == "sound.pan" || e.op == "sound.play") played.emplace_back(e.op, e.value, std::round(e.t * 10) / 10);
        ASSERT_EQ(s.draws.size(), n == 1 ? 2u : 1u) << n;
        const double at = n == 13 ? 1 : 0.1;
        EXPECT_EQ(played, (decltype(played){{"sound.pan", n == 13 ? 0 : s.draws[1] < 0.5 ? -1500 : 1500, at},
                                            {"sound.play", 0, at}})) << n;
        EXPECT_EQ(s.soundsPlayed(), std::vector<int>{(n + 3) / 2});
    }
}

TEST(DrivingLoop, PlacesInLegOrderBeforeTheRoadAndTheLimitForOneHour) {
    TripRig r("6 0 6 0 6 0");
    onTheRoad(r, 1);
    r.t.odometer = 250;  // Barstow (90) and Las Vegas (245) both passed
    r.t.speedLimit = 35;
    drivingHour(r.f, r.t);
    // Las Vegas is a time zone: its event runs before the next place or the road.
    EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 7),
              (Lines{" You have just past Barstow", " You have just past Las Vegas",
                     " Time zone changes -- set clock ahead one hour.", "", " Day Monday", " Time:  10 A.M. ",
                     " Cruising on I-15 in Arizona"}));
    EXPECT_EQ(std::tuple(r.t.leg, r.t.speed), std::tuple(3, 60)) << "a place resets the limit to 55";
    r.t.speedLimit = 35;  // a construction zone lasts one hour
    drivingHour(r.f, r.t);
    EXPECT_EQ(std::tuple(r.t.speed, r.t.speedLimit), std::tuple(52, 55));
    r.t.speedLimit = 45;  // the detour's limit stays
    drivingHour(r.f, r.t);
    EXPECT_EQ(r.t.speedLimit, 45);
    // A place is passed at its very mile.
    TripRig s("");
    onTheRoad(s, 1);
    s.t.odometer = 365;  // at the Utah border's mile, the End of Interstate is at 500
    placeCheck(s.f, s.t);
    EXPECT_EQ(std::tuple(s.t.leg, s.lines.back(), s.draws.size()), std::tuple(4, " You have just past Utah border", 0u));
}

TEST(DrivingLoop, ArrivalNeedsMoreThanTheRouteLengthAndComesBeforeTheReadout) {
    for (const char* keys : {"2 0", "3 0 x"}) {
        TripRig r(keys);
        onTheRoad(r, 2);
        r.t.leg = 25;
        r.t.odometer = 3100;  // the route is 3120 long
        const bool arrived = keys[0] == '3';
        if (arrived)
            EXPECT_THROW(drivingHour(r.f, r.t), GameOver);
        else
            drivingHour(r.f, r.t);
        const auto question = std::find(r.lines.begin(), r.lines.end(), " How fast do you wish to go? ");
        ASSERT_NE(question, r.lines.end());
        EXPECT_EQ(*(question + 1), arrived ? " WELCOME TO NEW YORK" : "") << keys;
        EXPECT_EQ(r.lines.back(), arrived ? " press any key " : "Miles to go:  0") << keys;
    }
}

TEST(DrivingLoop, TheRainLoopStopsInTheFirstDryHourAfterAWetOne) {
    // Whole hours at 60 on each route, 2,000 miles out, tank refilled and no truck stop offered:
    // after every hour the rain loop plays exactly when that hour's weather is wet, and the wind
    // loop when it is a blizzard; so a wet hour followed by a dry one must stop the rain.
    int wetThenDry = 0, blizzardThenCalm = 0;
    const auto playing = [](const TripRig& r, SoundId id) {
        bool on = false;
        for (auto& e : r.sp.events())
            if (e.id == id && (e.op == "sound.play" || e.op == "sound.stop")) on = e.op == "sound.play";
        return on;
    };
    for (uint32_t seed = 1; seed <= 40 && (wetThenDry < 3 || blizzardThenCalm < 1); ++seed) {
        TripRig r("", seed);
        for (int i = 0; i < 14; ++i) r.sp.addKeys("6 0");
        onTheRoad(r, static_cast<int>(seed % 3));
        bool wasWet = false, wasBlizzard = false;
        try {
            for (int hour = 0; hour < 14; ++hour) {
                r.t.fuel = 190;
                r.t.hoursSinceStopOffer = -100;
                r.t.odometer = 2000;  // far enough east for every kind of weather
                r.lines.clear();
                drivingHour(r.f, r.t);
                auto w = std::find_if(r.lines.begin(), r.lines.end(),
                                      [](const std::string& l) { return l.rfind(" Current weather: ", 0) == 0; });
                ASSERT_NE(w, r.lines.end());
                const std::string weather = w->substr(18);
                const bool wet = weather == "rain" || weather == "light snow" || weather == "BLIZZARD  !!";
                const bool blizzard = weather == "BLIZZARD  !!";
                EXPECT_EQ(std::tuple(playing(r, r.f.wetBuf), playing(r, r.f.blizzardBuf), r.f.wetLoopOn, r.f.windLoopOn),
                          std::tuple(wet, blizzard, wet ? 1 : 0, blizzard ? 1 : 0))
                    << "seed " << seed << " hour " << hour << ": " << weather;
                wetThenDry += wasWet && !wet;
                blizzardThenCalm += wasBlizzard && !blizzard;
                wasWet = wet;
                wasBlizzard = blizzard;
            }
        } catch (const GameOver&) {
            // An accident ended this trip; the hours before it count.
        }
    }
    EXPECT_GE(wetThenDry, 3);
    EXPECT_GE(blizzardThenCalm, 1);
}

TEST(Accident, EndsTheGameAndTheCauseIsSaidAgain) {
    // Exhausted in a blizzard at 82: certain. At " press any key " Esc and "n" stay, F1 says the
    // cause and the loss again, x ends with the closing theme.
    TripRig r("esc n f1 x");
    r.t.speed = 82;
    r.t.fatigueRisk = 100;
    r.t.weatherRisk = 50;
    EXPECT_THROW(accidentRoll(r.f, r.t), GameOver);
    const std::string asleep = " You fell asleep at the wheel.", lost = " You lose your truck & profits.", press = " press any key ";
    EXPECT_EQ(r.lines, (Lines{asleep, lost, press, " exit game? ", " yes ", press, asleep, lost, press}));
    EXPECT_NEAR(r.when(lost) - r.when(asleep), 0.2, 0.015) << "a breath between the cause and the loss";
    EXPECT_EQ(r.soundsPlayed(), (std::vector<int>{2, 34, 19, 29, 4, 1}));
}

}  // namespace
}  // namespace dravlen::testing
