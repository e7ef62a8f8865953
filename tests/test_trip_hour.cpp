// The trip setup's weight and tires, and the driving hour on the scripted platform: the speed
// question's cap, the engine's glide, the flats, the fuel burn, the arrival's mile and the accident
// at the closing prompt (the setups as heard, every key at every menu, and whole hours are told in
// the stories trip-*).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "dialogue/setup.h"
#include "road/hour.h"
#include "road/loop.h"
#include "road/places.h"
#include "rig.h"

namespace dravlen::testing {
namespace {

TEST(SpeedQuestion, TheCapIsTheLimitAndTwentySevenAtMost) {
    // Keys, limit, the speed driven (capped or not) and the engine's pitch, which keeps the speed entered.
    const std::tuple<const char*, int, int, int> rows[] = {{"7 0", 45, 67, 70}, {"5 3", 35, 52, 53}, {"5 2", 35, 52, 52},
                                                           {"8 2", 55, 82, 82}};
    for (auto [keys, limit, speed, engine] : rows) {
        TripRig r(keys);
        r.t.speedLimit = static_cast<int16_t>(limit);
        speedQuestion(r.f, r.t);
        Lines said{" How fast do you wish to go? "};
        if (speed != engine) said.push_back(" You can only get the old rig to go " + std::to_string(speed) + "MPH on this road.");
        EXPECT_EQ(std::tuple(r.lines, r.t.speed, r.t.lastSpeed, r.t.engineSpeed), std::tuple(said, speed, speed, engine)) << keys;
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

TEST(FlatTire, TheInsideTireTakesTwoHoursThenTheTowTruckEveryTime) {
    const std::string blew = " You just blew a tire !!";
    TripRig s("", seedWhere(2, [](auto& d) { return d[1] >= 0.5; }));
    s.t.roadFactor = 4;
    s.t.tireWear = 1e7;  // certain
    flatTireRoll(s.f, s.t);
    EXPECT_EQ(s.lines, (Lines{blew, "It took 2hours to change the inside tire."}));
    EXPECT_EQ(std::tuple(s.t.spareTires, s.t.tireWear, s.t.tripHours, s.t.hoursAwake), std::tuple(0, 1e7 - 2, 2, 5));
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
}

TEST(Fuel, BurnByPaceAndTheMilesOnTheLastFuel) {
    const std::pair<int, double> burns[] = {{55, 55 / 4.5}, {65, 26}, {45, 18}, {67, 67 / 2.1},
                                            {43, 43 / 2.1}, {68, 34}, {99, 49.5}, {20, 10}};
    for (auto [speed, burn] : burns) {
        TripRig r;
        r.t.speed = static_cast<int16_t>(speed);
        fuelStep(r.f, r.t);
        EXPECT_NEAR(r.t.fuel, 190 - burn, 1e-9) << speed;
    }
    // At 65 (2.5 miles a gallon): the miles cut to cents, the odometer rounded halves to even; the
    // engine stops and then the barrel's sound, or the refer unit's with oranges.
    const std::tuple<int, double, const char*, int> rows[] = {{2, 2, " 5", 5}, {3, 1, " 2.5", 2}, {3, 1.4, " 3.5", 4},
                                                              {1, 0.25, " .62", 1}};
    for (auto [cargo, fuel, miles, moved] : rows) {
        TripRig r;
        r.t.cargo = static_cast<int16_t>(cargo);
        r.t.speed = r.t.lastSpeed = 65;
        r.t.fuel = fuel;
        fuelStep(r.f, r.t);
        const std::vector<int> sounds = r.soundsPlayed(), stop{45, cargo == 1 ? 41 : 39};
        EXPECT_EQ(std::tuple(r.lines[0], r.t.odometer, std::search(sounds.begin(), sounds.end(), stop.begin(), stop.end()) != sounds.end()),
                  std::tuple(std::string(" After") + miles + "more miles, you ran out of fuel  ( DUMMY !! )", moved, true));
    }
}

TEST(DrivingLoop, PlacesInLegOrderBeforeTheRoadAndTheLimitForOneHour) {
    TripRig r("6 0 6 0 6 0");
    onTheRoad(r, 1);
    r.t.odometer = 250;  // Barstow (90) and Las Vegas (245), a time zone, both passed in one hour
    r.t.speedLimit = 35;
    drivingHour(r.f, r.t);
    EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 7),
              (Lines{" You have just past Barstow", " You have just past Las Vegas",
                     " Time zone changes -- set clock ahead one hour.", "", " Day Monday", " Time:  10 A.M. ",
                     " Cruising on I-15 in Arizona"}));
    r.t.speedLimit = 35;  // a construction zone lasts one hour
    drivingHour(r.f, r.t);
    EXPECT_EQ(std::tuple(r.t.speed, r.t.speedLimit), std::tuple(52, 55));
    r.t.speedLimit = 45;  // the detour's limit stays
    drivingHour(r.f, r.t);
    EXPECT_EQ(r.t.speedLimit, 45);
    TripRig s;
    onTheRoad(s, 1);
    s.t.odometer = 365;  // a place is passed at its very mile: the Utah border
    placeCheck(s.f, s.t);
    EXPECT_EQ(std::tuple(s.t.leg, s.lines.back()), std::tuple(4, " You have just past Utah border"));
}

TEST(DrivingLoop, ArrivalNeedsMoreThanTheRouteLength) {
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
        EXPECT_EQ(r.lines.back(), arrived ? " press any key " : "Miles to go:  0") << keys;
    }
}

TEST(Accident, FallingAsleepSnoresFirstAndTheLossFollowsTheCauseAtOnce) {
    // Exhausted in a blizzard at 82: certain. (The closing prompt and its replay, the trip-accident story tells.)
    TripRig r("x");
    r.t.speed = 82;
    r.t.fatigueRisk = 100;
    r.t.weatherRisk = 50;
    EXPECT_THROW(accidentRoll(r.f, r.t), GameOver);
    const std::string asleep = " You fell asleep at the wheel.", lost = " You lose your truck & profits.";
    EXPECT_EQ(r.lines, (Lines{asleep, lost, " press any key "}));
    EXPECT_NEAR(r.when(lost) - r.when(asleep), 0.2, 0.015) << "the cause not waited for: a breath, then the loss";
    EXPECT_EQ(r.soundsPlayed(), (std::vector<int>{2, 34, 19, 29, 4, 1}));
}

TEST(Setup, AWeightTooLongToReadOutIsConfirmedAsAFullTrailer) {
    // Fifteen digits still read as typed; sixteen and more (260 make infinity) are a full trailer.
    const auto digits = [](int n, char first) {
        std::string keys(1, first);
        keys += " ";
        for (int i = 1; i < n; ++i) keys += "9 ";
        return keys;
    };
    const std::tuple<std::string, double, const char*> rows[] = {
        {digits(15, '9'), 999999999999999, " 999999999999999"}, {digits(16, '1'), 50000, " 50000"},
        {digits(260, '9'), 50000, " 50000"}, {digits(400, '5'), 50000, " 50000"}};
    for (auto& [keys, pounds, heard] : rows) {
        TripRig r(keys + "enter y");
        r.t.cargo = 2;
        loadWeight(r.f, r.t);
        ASSERT_GE(r.lines.size(), 2u);
        EXPECT_EQ(std::tuple(r.t.pounds, r.lines[r.lines.size() - 2]),
                  std::tuple(pounds, std::string(" you have chosen to carry ") + heard + " pounds of freight. Is this correct?"))
            << keys.size();
    }
    // Fifteen nines and a fraction would be read out as "1e+15".
    EXPECT_EQ(weightTyped("999999999999999.4"), 999999999999999.4);
    EXPECT_EQ(weightTyped("999999999999999.9"), 50000);
}

TEST(Setup, OneTireOrNoneWithItsExpensesAndWear) {
    struct Row {
        const char* keys;
        double expenses, wear;
        std::vector<int> sounds;
    } rows[] = {{"down enter", 190, 10, {}}, {"enter enter enter", 390, 6, {37, 40}}, {"enter r enter enter", 290, 7, {37, 40}}};
    for (auto& row : rows) {
        TripRig r(row.keys);
        wornTires(r.f, r.t);
        EXPECT_EQ(std::tuple(r.t.expenses, r.t.tireWear, r.soundsPlayed()), std::tuple(row.expenses, row.wear, row.sounds))
            << row.keys;
    }
}

}  // namespace
}  // namespace dravlen::testing
