// The steps of a driving hour on the scripted platform: speed, accidents, flats, fuel, sounds, readouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogue/screen.h"
#include "road/hour.h"
#include "trip_rig.h"
#include "world/clock.h"

namespace dravlen {
namespace {

using testing::Lines;
using testing::TripRig;

const std::string A = " How fast do you wish to go? ";
const std::string L20 = " Your have to go at least 20 --";
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
        {"enter 5 5", 55, 0, 50, {A, L20, A}, 55, 55},                 // Enter on the first hour
        {"1 9 x 6 enter 3 0", 55, 0, 50, {A, L20, A, A, A}, 30, 30},    // non-digits ask again silently
        {"f1 5 7 0", 55, 50, 50, {A, L20, A}, 70, 70},                  // a question key counts -48
        {"9 f1 7 0", 55, 50, 50, {A, L20, A}, 70, 70},                  // not 9 tens and 0 units
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
        EXPECT_EQ(r.lines, row.said) << row.keys;
        EXPECT_EQ(r.t.speed, row.speed) << row.keys;
        EXPECT_EQ(r.t.lastSpeed, row.speed) << row.keys;
        EXPECT_EQ(r.t.engineSpeed, row.engineAfter) << row.keys;
        EXPECT_EQ(r.t.digitsOnly, 0) << row.keys;
        EXPECT_EQ(r.soundsPlayed(), std::vector<int>{22}) << row.keys;
    }
}

TEST(SpeedQuestion, TheEngineGlidesOneHertzAStepAtAboutFourThousandAHertzASecond) {
    // 99 after 65 at a 55 limit glides up from 26,065 to 39,699 Hz; then 60 glides down to 24,060.
    TripRig r("9 9 6 0");
    r.t.engineSpeed = 65;
    for (long from : {26065L, 39699L}) {
        const size_t first = r.sp.events().size();
        speedQuestion(r.f, r.t);
        std::vector<long> hz;
        double lastKey = -1, glideStart = -1, glideEnd = -1;
        for (size_t i = first; i < r.sp.events().size(); ++i) {
            auto& e = r.sp.events()[i];
            if (e.op == "key") lastKey = e.t;
            if (e.op != "sound.frequency" || e.id != r.f.engineBuf) continue;
            if (hz.empty()) glideStart = e.t;
            glideEnd = e.t;
            hz.push_back(e.value);
        }
        const long to = r.t.engineSpeed * 401L;
        ASSERT_EQ(hz.size(), static_cast<size_t>(std::abs(to - from) + 1)) << from;
        EXPECT_EQ(hz.front(), from);
        EXPECT_EQ(hz.back(), to);
        for (size_t i = 1; i < hz.size(); ++i) ASSERT_EQ(std::abs(hz[i] - hz[i - 1]), 1) << i;
        EXPECT_NEAR(glideEnd - glideStart, std::abs(to - from) / 4000.0, 0.1) << from;
        EXPECT_GE(r.t.hourStart, lastKey) << "the hour counts from the speed entered";
        EXPECT_LE(r.t.hourStart, glideStart);
    }
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
    EXPECT_EQ(std::vector<int>(sounds.begin(), sounds.begin() + std::min<size_t>(3, sounds.size())),
              (std::vector<int>{2, 34, 19}));

    // Rested in clear weather at 60: 3,600 against Rnd x 10,000,000, one draw and not a word.
    TripRig s("", testing::seedWhere(1, [](auto& d) { return d[0] > 0.001; }));
    s.t.speed = 60;
    s.t.fatigueRisk = s.t.weatherRisk = 1;
    EXPECT_FALSE(s.ends([&] { accidentRoll(s.f, s.t); }));
    EXPECT_EQ(s.draws.size(), 1u);
    EXPECT_TRUE(s.lines.empty());
}

TEST(FlatTire, TheSpareTakesOneOrTwoHoursThenTheTowTruckEveryTime) {
    for (int h : {1, 2}) {
        TripRig r("", testing::seedWhere(2, [h](auto& d) { return static_cast<int>(d[1] * 2) + 1 == h; }));
        r.t.roadFactor = 4;
        r.t.tireWear = 1e7;  // certain
        r.t.tripHours = 10;
        r.t.hoursAwake = 5;
        flatTireRoll(r.f, r.t);
        EXPECT_EQ(r.lines, (Lines{" You just blew a tire !!", h == 1 ? "It took 1hours to change the outside tire."
                                                                        : "It took 2hours to change the inside tire."}));
        EXPECT_EQ(r.t.spareTires, 0);
        EXPECT_EQ(r.t.tireWear, 1e7 - 2);
        EXPECT_EQ(r.t.tripHours, 10 + h);
        EXPECT_EQ(r.t.hoursAwake, 5 + h) << "the hours of the change are hours awake";
        EXPECT_EQ(r.t.expenses, 190);
        EXPECT_EQ(r.soundsPlayed(), (std::vector<int>{45, 37, 44}));
    }
    TripRig r;
    r.t.roadFactor = 2;
    r.t.tireWear = 1e7;
    r.t.spareTires = 0;
    r.t.tripHours = 10;
    r.t.hoursAwake = 5;
    flatTireRoll(r.f, r.t);
    flatTireRoll(r.f, r.t);
    const Lines tow{" You just blew a tire !!",
                    " Since your spare has already been used, you have to call a tow truck from town to deliver a "
                    "new tire for you.",
                    "     This service cost $400.00 and took 4 hours."};
    Lines twice = tow;
    twice.insert(twice.end(), tow.begin(), tow.end());
    EXPECT_EQ(r.lines, twice);
    EXPECT_EQ(r.draws.size(), 2u) << "one roll each, nothing else drawn";
    EXPECT_EQ(r.t.expenses, 190 + 800);
    EXPECT_EQ(r.t.tripHours, 18);
    EXPECT_EQ(r.t.hoursAwake, 13);
    EXPECT_EQ(r.t.tireWear, 1e7);
    EXPECT_EQ(r.soundsPlayed(), (std::vector<int>{45, 39, 38, 37, 44, 45, 39, 38, 37, 44}));

    // Worn tires at the start of a good road: sqrt(100) x 10 against Rnd x 1,000,000.
    TripRig s("", testing::seedWhere(1, [](auto& d) { return d[0] > 0.0001; }));
    s.t.roadFactor = 4;
    flatTireRoll(s.f, s.t);
    EXPECT_TRUE(s.lines.empty());
}

TEST(Fuel, BurnByPaceAndTheDryTank) {
    const std::pair<int, double> burns[] = {{55, 55 / 4.5}, {65, 26},       {45, 18},  {67, 67 / 2.1},
                                            {43, 43 / 2.1}, {68, 34},       {99, 49.5}, {20, 10}};
    for (auto [speed, burn] : burns) {
        TripRig r;
        r.t.speed = static_cast<int16_t>(speed);
        fuelStep(r.f, r.t);
        EXPECT_NEAR(r.t.fuel, 190 - burn, 1e-9) << speed;
        EXPECT_TRUE(r.lines.empty());
    }
    // At 65 (2.5 miles a gallon) the miles on the last fuel, cut to cents, odometer rounded halves to even.
    struct Row {
        int cargo;
        double fuel;
        const char* miles;
        int moved;
    } rows[] = {{2, 2, " 5", 5}, {3, 1, " 2.5", 2}, {3, 1.4, " 3.5", 4}, {1, 0.25, " .62", 1}};
    for (auto& row : rows) {
        TripRig r;
        r.t.cargo = static_cast<int16_t>(row.cargo);
        r.t.speed = r.t.lastSpeed = 65;
        r.t.fuel = row.fuel;
        r.t.odometer = 1000;
        r.t.tripHours = 20;
        r.t.hoursAwake = 6;
        fuelStep(r.f, r.t);
        EXPECT_EQ(r.t.odometer, 1000 + row.moved) << row.miles;
        EXPECT_EQ(r.t.speed + r.t.lastSpeed, 0);
        EXPECT_EQ(r.t.fuel, 55);
        EXPECT_EQ(r.t.expenses, 390);
        // Drawn: the traffic roll (and its side), the wasted hours, the oranges' damage.
        const bool oranges = row.cargo == 1;
        const size_t n = r.draws.size();
        ASSERT_GE(n, oranges ? 3u : 2u);
        const int wasted = static_cast<int>(r.draws[n - (oranges ? 2 : 1)] * 5);
        Lines expected{std::string(" After") + row.miles + "more miles, you ran out of fuel  ( DUMMY !! )",
                       "     It cost $200 to get a barrel of diesel delivered.",
                       "          You also wasted " + std::to_string(wasted) + "hours by your carelessness."};
        if (oranges) expected.push_back("Sitting with the refer unit off is damaging the oranges.");
        EXPECT_EQ(r.lines, expected) << row.miles;
        EXPECT_EQ(r.t.tripHours, 20 + wasted);
        EXPECT_EQ(r.t.hoursAwake, 6 + wasted);
        EXPECT_EQ(r.t.damagePoints, oranges ? static_cast<int>(r.draws[n - 1] * 3) : 0);
        const std::vector<int> sounds = r.soundsPlayed();
        const auto stop = std::find(sounds.begin(), sounds.end(), 45);
        ASSERT_NE(stop, sounds.end());
        EXPECT_EQ(*(stop + 1), oranges ? 41 : 39) << "the refer unit's sound only with oranges";
        EXPECT_EQ(sounds.back(), 44) << "the engine starts again";
    }
}

TEST(Fuel, TheEntriesForTheWaitsLeaveTheEngineOff) {
    TripRig r;
    r.t.cargo = 1;
    r.t.engineOff = 1;
    dryTankWhileWaiting(r.f, r.t);
    EXPECT_EQ(r.t.engineOff, 0);
    EXPECT_EQ(r.t.fuel, 55);
    const std::vector<int> sounds = r.soundsPlayed();
    EXPECT_EQ(sounds, (std::vector<int>{41, 39, 38, 36, 31, 40})) << "no engine restart from a wait";
    TripRig s;
    s.t.cargo = 2;
    s.t.engineOff = 1;
    referOffDamage(s.f, s.t);
    EXPECT_TRUE(s.lines.empty() && s.draws.empty()) << "freight is not damaged";
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
        EXPECT_EQ(on(r.f.wetBuf), wet == 1);
        EXPECT_EQ(on(r.f.blizzardBuf), blizzard == 1);
        EXPECT_EQ(r.t.wetLoopOn, wet);
        EXPECT_EQ(r.t.windLoopOn, blizzard);
    }
    // Roll 13 plays the overhead sound 8 centred after a second, without a side draw; roll 1
    // plays sound 2 on a drawn side after a tenth; an even roll plays nothing.
    for (int n : {13, 1, 2}) {
        TripRig s("", testing::seedWhere(1, [n](auto& d) { return static_cast<int>(d[0] * 33) + 1 == n; }));
        const double start = s.sp.now();
        trafficSound(s.f, s.t);
        std::vector<long> pans;
        double playedAt = -1;
        for (auto& e : s.sp.events()) {
            if (e.op == "sound.pan") pans.push_back(e.value);
            if (e.op == "sound.play") playedAt = e.t;
        }
        ASSERT_EQ(s.draws.size(), n == 1 ? 2u : 1u) << n;
        EXPECT_EQ(s.soundsPlayed(), n == 2 ? std::vector<int>{} : std::vector<int>{(n + 3) / 2});
        if (n == 2) continue;
        EXPECT_EQ(pans, std::vector<long>{n == 13 ? 0 : s.draws[1] < 0.5 ? -1500 : 1500}) << n;
        EXPECT_NEAR(playedAt - start, n == 13 ? 1.0 : 0.1, 0.05) << n;
    }
}

TEST(Readouts, ClockForTheListedHoursThenTheStatusLines) {
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
    r.lines.clear();
    clearScreen(r.t);
    r.t.route = 1;
    r.t.fuel = 100;
    r.t.speed = 60;
    r.t.odometer = 60;
    statusReadout(r.f, r.t);
    ASSERT_EQ(r.draws.size(), 1u);
    const std::string gauge = " Approximate fuel  " + std::to_string(static_cast<int>(96 + 10 * r.draws[0]));
    EXPECT_EQ(r.lines, (Lines{gauge, "Speed  60", "        Odometer:  60", "Miles to go:  2650"}));
    EXPECT_EQ(r.t.fuelLine, gauge) << "F3 repeats it";
}

}  // namespace
}  // namespace dravlen
