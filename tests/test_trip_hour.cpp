// The steps of a driving hour on the scripted platform: speed, accidents, flats, fuel, sounds, readouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "road/hour.h"
#include "trip_rig.h"
#include "world/clock.h"

namespace dravlen {
namespace {

using testing::Lines;
using testing::seedWhere;
using testing::TripRig;

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
    std::vector<long> hz;
    double lastKey = -1, start = -1, end = -1;
    for (auto& e : r.sp.events()) {
        if (e.op == "key") lastKey = e.t;
        if (e.op != "sound.frequency" || e.id != r.f.engineBuf) continue;
        if (hz.empty()) start = e.t;
        end = e.t;
        hz.push_back(e.value);
    }
    ASSERT_EQ(hz.size(), 39699u - 26065u + 1);
    for (size_t i = 0; i < hz.size(); ++i) ASSERT_EQ(hz[i], 26065 + static_cast<long>(i));
    EXPECT_NEAR(end - start, 13634 / 4000.0, 0.1);
    EXPECT_TRUE(lastKey <= r.t.hourStart && r.t.hourStart <= start) << "the hour counts from the speed entered";
    speedQuestion(r.f, r.t);
    EXPECT_EQ(r.sp.events().back().value, 24060);
    EXPECT_EQ(r.t.engineSpeed, 60);
}

TEST(Accident, TheCauseLineThenThePressAnyKeyLoop) {
    // Exhausted in a blizzard at 60: certain. Esc, "n" stays: " press any key " again; F1 replays; x ends.
    TripRig r("esc n f1 x");
    r.t.speed = 60;
    r.t.fatigueRisk = 100;
    r.t.weatherRisk = 50;
    EXPECT_TRUE(r.ends([&] { accidentRoll(r.f, r.t); }));
    const Lines expected{" You fell asleep at the wheel.", " You lose your truck & profits.", " press any key ",
                         " exit game? ", " yes ", " press any key ", " You fell asleep at the wheel.",
                         " You lose your truck & profits.", " press any key "};
    ASSERT_GE(r.lines.size(), expected.size());
    EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + static_cast<long>(expected.size())), expected);
    const std::vector<int> sounds = r.soundsPlayed();
    ASSERT_GE(sounds.size(), 3u);
    EXPECT_EQ(std::vector<int>(sounds.begin(), sounds.begin() + 3), (std::vector<int>{2, 34, 19}));
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
        const std::vector<int> sounds = r.soundsPlayed();
        const auto stop = std::find(sounds.begin(), sounds.end(), 45);
        ASSERT_NE(stop, sounds.end());
        EXPECT_EQ(*(stop + 1), oranges ? 41 : 39) << "the refer unit's sound only with oranges";
        EXPECT_EQ(sounds.back(), 44) << "the engine starts again";
    }
    // The entry for the waits leaves the engine off; freight is not damaged.
    TripRig r;
    r.t.cargo = 1;
    r.t.engineOff = 1;
    dryTankWhileWaiting(r.f, r.t);
    EXPECT_EQ(std::tuple(r.t.engineOff, r.t.fuel, r.lines.size()), std::tuple(0, 55, 3u));
    EXPECT_EQ(r.soundsPlayed(), (std::vector<int>{41, 39, 38, 36, 31, 40}));
    r.t.cargo = 2;
    referOffDamage(r.f, r.t);
    EXPECT_EQ(std::tuple(r.lines.size(), r.draws.size()), std::tuple(3u, 2u));
}

TEST(Sounds, WeatherLoopsAndPassingTraffic) {
    TripRig r;
    auto on = [&](SoundId id) {
        bool playing = false;
        for (auto& e : r.sp.events())
            if (e.id == id && (e.op == "sound.play" || e.op == "sound.stop")) playing = e.op == "sound.play";
        return playing;
    };
    for (auto [wet, blizzard] : {std::pair{1, 1}, std::pair{1, 0}, std::pair{0, 0}}) {
        r.t.wetWeather = static_cast<int16_t>(wet);
        r.t.blizzard = static_cast<int16_t>(blizzard);
        ambientSounds(r.f, r.t);
        EXPECT_EQ(std::tuple(on(r.f.wetBuf), on(r.f.blizzardBuf), r.t.wetLoopOn, r.t.windLoopOn),
                  std::tuple(wet == 1, blizzard == 1, wet, blizzard));
    }
    // Roll 13 plays the overhead sound 8 centred after a second, without a side draw; roll 1
    // plays sound 2 on a drawn side after a tenth.
    for (int n : {13, 1}) {
        TripRig s("", seedWhere(1, [n](auto& d) { return static_cast<int>(d[0] * 33) + 1 == n; }));
        trafficSound(s.f, s.t);
        std::vector<long> pans;
        double playedAt = -1;
        for (auto& e : s.sp.events()) {
            if (e.op == "sound.pan") pans.push_back(e.value);
            if (e.op == "sound.play") playedAt = e.t;
        }
        ASSERT_EQ(s.draws.size(), n == 1 ? 2u : 1u) << n;
        EXPECT_EQ(s.soundsPlayed(), std::vector<int>{(n + 3) / 2});
        EXPECT_EQ(pans, std::vector<long>{n == 13 ? 0 : s.draws[1] < 0.5 ? -1500 : 1500}) << n;
        EXPECT_NEAR(playedAt, n == 13 ? 1.0 : 0.1, 0.05) << n;
    }
}

TEST(Readouts, ClockForTheListedHours) {
    struct Row {
        int hours;
        const char *day, *time;
    } rows[] = {{0, "Monday", " 8 A.M. "},   {3, "Monday", " 11 A.M. "},     {4, "Monday", " 12 Noon"},
                {5, "Monday", " 1 P.M. "},   {15, "Monday", " 11 P.M. "},    {16, "Tuesday", " 12 Midnight"},
                {17, "Tuesday", " 1 A.M. "}, {80, "Thursday", " 4 P.M. "},   {95, "Friday", " 7 A.M. "},
                {160, "Monday", " 12 Midnight"}, {168, "Monday", " 8 A.M. "}, {328, "Monday", " 12 Midnight"}};
    TripRig r;
    for (auto& row : rows) {
        r.lines.clear();
        r.t.tripHours = static_cast<int16_t>(row.hours);
        clockReadout(r.f, r.t);
        EXPECT_EQ(r.lines, (Lines{"", std::string(" Day ") + row.day, std::string(" Time: ") + row.time})) << row.hours;
    }
}

}  // namespace
}  // namespace dravlen
