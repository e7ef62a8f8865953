// The steps of a driving hour on the scripted platform: speed, accidents, flats, fuel, readouts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "road/hour.h"
#include "road/loop.h"
#include "road/places.h"
#include "trip_rig.h"
#include "world/clock.h"

namespace dravlen {
namespace {

using testing::TripRig;
using Lines = std::vector<std::string>;

const std::string kAsk = " How fast do you wish to go? ";
const std::string kAtLeast20 = " Your have to go at least 20 --";

TEST(SpeedQuestion, TwoDigitsMakeTheSpeed) {
    TripRig r("6 5");
    r.t.engineSpeed = 65;
    speedQuestion(r.f, r.t);
    EXPECT_EQ(r.t.speed, 65);
    EXPECT_EQ(r.t.lastSpeed, 65);
    EXPECT_EQ(r.t.digitsOnly, 0);
    EXPECT_EQ(r.lines, Lines{kAsk});
    EXPECT_EQ(r.soundsPlayed(), std::vector<int>{22});
    EXPECT_TRUE(r.engineFrequencies().empty()) << "no glide when the engine is already at the speed";
}

TEST(SpeedQuestion, KeypadDigitsCountAsDigits) {
    TripRig r("kp4 kp5");
    speedQuestion(r.f, r.t);
    EXPECT_EQ(r.t.speed, 45);
}

TEST(SpeedQuestion, EnterRepeatsTheLastSpeed) {
    TripRig r("enter");
    r.t.lastSpeed = 58;
    speedQuestion(r.f, r.t);
    EXPECT_EQ(r.t.speed, 58);
    EXPECT_EQ(r.lines, Lines{kAsk});
}

TEST(SpeedQuestion, EnterOnTheFirstHourAsksForAtLeast20) {
    TripRig r("enter 5 5");
    speedQuestion(r.f, r.t);
    EXPECT_EQ(r.lines, (Lines{kAsk, kAtLeast20, kAsk}));
    EXPECT_EQ(r.t.speed, 55);
}

TEST(SpeedQuestion, BelowTwentyAndNonDigitsAskAgain) {
    // 1 9 is below 20; "x" first and a digit then Enter ask again without a word.
    TripRig r("1 9 x 6 enter 3 0");
    speedQuestion(r.f, r.t);
    EXPECT_EQ(r.lines, (Lines{kAsk, kAtLeast20, kAsk, kAsk, kAsk}));
    EXPECT_EQ(r.t.speed, 30);
    EXPECT_EQ(r.t.lastSpeed, 30);
}

TEST(SpeedQuestion, AQuestionKeyInPlaceOfADigitComesOutBelowTwenty) {
    // F1 in either place: the entry is refused with the at-least-20 line, never taken as a speed
    // (9 then F1 must not make 42 MPH).
    for (const char* keys : {"f1 5 7 0", "9 f1 7 0"}) {
        TripRig r(keys);
        r.t.lastSpeed = 50;
        speedQuestion(r.f, r.t);
        EXPECT_EQ(r.lines, (Lines{kAsk, kAtLeast20, kAsk})) << keys;
        EXPECT_EQ(r.t.speed, 70) << keys;
    }
}

TEST(SpeedQuestion, CapAtOneAndAHalfTimesTheLimitKeepsThePitchOfTheSpeedEntered) {
    TripRig r("9 9");
    r.t.engineSpeed = 65;
    speedQuestion(r.f, r.t);
    EXPECT_EQ(r.t.speed, 82);
    EXPECT_EQ(r.t.lastSpeed, 82);
    EXPECT_EQ(r.t.engineSpeed, 99);
    EXPECT_EQ(r.lines, (Lines{kAsk, " You can only get the old rig to go 82MPH on this road."}));
    // The glide goes up 1 Hz at a time from 26,065 to 39,699 Hz (held beyond 16 bits).
    std::vector<long> hz = r.engineFrequencies();
    ASSERT_FALSE(hz.empty());
    EXPECT_EQ(hz.front(), 26065);
    EXPECT_EQ(hz.back(), 39699);
    EXPECT_EQ(hz.size(), 39699u - 26065u + 1);
    for (size_t i = 1; i < hz.size(); ++i) ASSERT_EQ(hz[i] - hz[i - 1], 1) << i;

    // The next hour at 60 glides down from the pitch of 99.
    r.sp.addKeys("6 0");
    speedQuestion(r.f, r.t);
    hz = r.engineFrequencies();
    EXPECT_EQ(hz.back(), 24060);
    EXPECT_EQ(r.t.engineSpeed, 60);
}

TEST(SpeedQuestion, CapFollowsTheLimit) {
    struct Row {
        int limit;
        const char* keys;
        int speed;
        const char* line;
    } rows[] = {
        {45, "7 0", 67, " You can only get the old rig to go 67MPH on this road."},
        {35, "5 3", 52, " You can only get the old rig to go 52MPH on this road."},
        {35, "5 2", 52, nullptr},
        {55, "8 2", 82, nullptr},
    };
    for (auto& row : rows) {
        TripRig r(row.keys);
        r.t.speedLimit = static_cast<int16_t>(row.limit);
        speedQuestion(r.f, r.t);
        EXPECT_EQ(r.t.speed, row.speed) << row.keys;
        EXPECT_EQ(r.said(row.line ? row.line : "-"), row.line != nullptr) << row.keys;
        EXPECT_EQ(r.t.engineSpeed, std::stoi(std::string{row.keys[0]} + row.keys[2])) << "the pitch of the entry";
    }
}

TEST(SpeedQuestion, TheGlideTakesAFixedTimeAndTheHourCountsFromTheEntry) {
    TripRig r("6 0");
    r.t.engineSpeed = 50;
    speedQuestion(r.f, r.t);
    // The speed was entered right after the question's last key; the glide of 4,010 Hz takes
    // about a second after that.
    double glideStart = -1, glideEnd = -1, lastKey = -1;
    for (auto& e : r.sp.events()) {
        if (e.op == "key") lastKey = e.t;
        if (e.op == "sound.frequency" && e.id == r.f.engineBuf) {
            if (glideStart < 0) glideStart = e.t;
            glideEnd = e.t;
        }
    }
    EXPECT_GE(r.t.hourStart, lastKey);
    EXPECT_LE(r.t.hourStart, glideStart);
    EXPECT_NEAR(glideEnd - glideStart, 1.0, 0.1);
}

TEST(Accident, CertainInABlizzardWhenExhaustedThenThePressAnyKeyLoop) {
    // Esc, "n" stays in the game: " press any key " again; F1 replays the three lines; x ends.
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
    std::vector<int> sounds = r.soundsPlayed();
    ASSERT_GE(sounds.size(), 3u);
    EXPECT_EQ((std::vector<int>{sounds[0], sounds[1], sounds[2]}), (std::vector<int>{2, 34, 19}));
}

TEST(Accident, CauseSoundsThenCrashThenTheLine) {
    TripRig r("x");
    r.t.speed = 99;
    r.t.fatigueRisk = 8;
    r.t.weatherRisk = 50;  // 99 x 99 x 8 x 50 = 3.9 million: certain only with a small draw
    r.t.rng.seed(testing::seedWhere(1, [](auto& d) { return d[0] < 0.3; }));
    EXPECT_TRUE(r.ends([&] { accidentRoll(r.f, r.t); }));
    EXPECT_EQ(r.lines.at(0), " You drove off the road into a snow filled ditch.");
    std::vector<int> sounds = r.soundsPlayed();
    EXPECT_EQ((std::vector<int>{sounds.at(0), sounds.at(1)}), (std::vector<int>{2, 19}));
}

TEST(Accident, NoAccidentDrawsOnceAndSaysNothing) {
    TripRig r;
    r.t.speed = 60;
    r.t.fatigueRisk = 1;
    r.t.weatherRisk = 1;  // 3,600 against Rnd x 10,000,000
    r.t.rng.seed(testing::seedWhere(1, [](auto& d) { return d[0] > 0.001; }));
    EXPECT_FALSE(r.ends([&] { accidentRoll(r.f, r.t); }));
    EXPECT_EQ(r.draws.size(), 1u);
    EXPECT_TRUE(r.lines.empty());
}

TEST(FlatTire, WithTheSpareTheDriverChangesIt) {
    TripRig r;
    r.t.odometer = 500;
    r.t.roadFactor = 1;
    r.t.tireWear = 1e7;  // certain
    r.t.tripHours = 10;
    r.t.hoursAwake = 5;
    flatTireRoll(r.f, r.t);
    ASSERT_EQ(r.draws.size(), 2u);
    const int h = static_cast<int>(std::floor(r.draws[1] * 2)) + 1;
    const std::string tire = h == 1 ? "outside" : "inside";
    EXPECT_EQ(r.lines, (Lines{" You just blew a tire !!", "It took " + std::to_string(h) + "hours to change the " + tire + " tire."}));
    EXPECT_EQ(r.t.spareTires, 0);
    EXPECT_EQ(r.t.tireWear, 1e7 - 2);
    EXPECT_EQ(r.t.tripHours, 10 + h);
    EXPECT_EQ(r.t.hoursAwake, 5 + h) << "the hours of the change are hours awake";
    EXPECT_EQ(r.t.expenses, 190);
    std::vector<int> sounds = r.soundsPlayed();
    EXPECT_EQ(sounds, (std::vector<int>{45, 37, 44}));
}

TEST(FlatTire, BothTiresComeUpOverSeeds) {
    std::set<std::string> seen;
    for (uint32_t seed = 1; seed < 40 && seen.size() < 2; ++seed) {
        TripRig r("", seed);
        r.t.roadFactor = 4;
        r.t.tireWear = 1e7;
        flatTireRoll(r.f, r.t);
        seen.insert(r.lines.at(1));
    }
    EXPECT_EQ(seen, (std::set<std::string>{"It took 1hours to change the outside tire.",
                                           "It took 2hours to change the inside tire."}));
}

TEST(FlatTire, WithoutASpareTheTowTruckEveryTime) {
    TripRig r;
    r.t.roadFactor = 2;
    r.t.tireWear = 1e7;
    r.t.spareTires = 0;
    r.t.tripHours = 10;
    r.t.hoursAwake = 5;
    flatTireRoll(r.f, r.t);
    flatTireRoll(r.f, r.t);
    const Lines once{" You just blew a tire !!",
                     " Since your spare has already been used, you have to call a tow truck from town to deliver a new tire for you.",
                     "     This service cost $400.00 and took 4 hours."};
    Lines twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(r.lines, twice);
    EXPECT_EQ(r.draws.size(), 2u) << "one roll each, nothing else drawn";
    EXPECT_EQ(r.t.expenses, 190 + 800);
    EXPECT_EQ(r.t.tripHours, 18);
    EXPECT_EQ(r.t.hoursAwake, 13);
    EXPECT_EQ(r.t.tireWear, 1e7);
    EXPECT_EQ(r.soundsPlayed(), (std::vector<int>{45, 39, 38, 37, 44, 45, 39, 38, 37, 44}));
}

TEST(FlatTire, WornTiresOnAGoodRoadRarelyBlow) {
    TripRig r;
    r.t.roadFactor = 4;
    r.t.tireWear = 10;
    r.t.odometer = 0;  // sqrt(100) x 10 = 100 against Rnd x 1,000,000
    r.t.rng.seed(testing::seedWhere(1, [](auto& d) { return d[0] > 0.0001; }));
    flatTireRoll(r.f, r.t);
    EXPECT_TRUE(r.lines.empty());
    EXPECT_EQ(r.t.spareTires, 1);
}

TEST(Fuel, BurnByPace) {
    struct Row {
        int speed;
        double burn;
    } rows[] = {{55, 55 / 4.5}, {65, 26}, {45, 18}, {67, 67 / 2.1}, {43, 43 / 2.1}, {68, 34}, {99, 49.5}, {20, 10}};
    for (auto& row : rows) {
        TripRig r;
        r.t.speed = static_cast<int16_t>(row.speed);
        fuelStep(r.f, r.t);
        EXPECT_NEAR(r.t.burn, row.burn, 1e-9) << row.speed;
        EXPECT_NEAR(r.t.fuel, 190 - row.burn, 1e-9) << row.speed;
        EXPECT_TRUE(r.lines.empty());
    }
    TripRig r;
    r.t.speed = 80;
    fuelStep(r.f, r.t);
    EXPECT_EQ(r.t.offPace, 12.5);
}

TEST(Fuel, DryTankMidHour) {
    // 2 gallons left at 65 MPH (2.5 miles a gallon): 5 miles on the last fuel.
    TripRig r;
    r.t.cargo = 2;
    r.t.speed = 65;
    r.t.lastSpeed = 65;
    r.t.fuel = 2;
    r.t.odometer = 1000;
    r.t.tripHours = 20;
    r.t.hoursAwake = 6;
    fuelStep(r.f, r.t);
    EXPECT_EQ(r.t.speed, 0);
    EXPECT_EQ(r.t.lastSpeed, 0);
    EXPECT_EQ(r.t.odometer, 1005);
    EXPECT_EQ(r.t.fuel, 55);
    EXPECT_EQ(r.t.expenses, 390);
    EXPECT_NEAR(r.t.burn, 2, 1e-9);
    ASSERT_GE(r.draws.size(), 2u);
    const int wasted = static_cast<int>(std::floor(r.draws.back() * 5));
    EXPECT_EQ(r.lines, (Lines{" After 5more miles, you ran out of fuel  ( DUMMY !! )",
                              "     It cost $200 to get a barrel of diesel delivered.",
                              "          You also wasted " + std::to_string(wasted) + "hours by your carelessness."}));
    EXPECT_EQ(r.t.tripHours, 20 + wasted);
    EXPECT_EQ(r.t.hoursAwake, 6 + wasted);
    // Freight: no refrigeration sound, no damage roll.
    std::vector<int> sounds = r.soundsPlayed();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 41), 0);
    EXPECT_EQ(r.t.damagePoints, 0);
}

TEST(Fuel, AFractionOfAMileIsSpokenWithoutALeadingZero) {
    // 0.1 gallon at 55 MPH: 0.45 miles, the odometer moves by 0 (0.45 rounds to 0).
    TripRig r;
    r.t.cargo = 1;
    r.t.speed = 55;
    r.t.fuel = 0.1;
    r.t.odometer = 300;
    fuelStep(r.f, r.t);
    // 0.1 gallon is what is left after the subtraction in binary: a hair either side of .45.
    const std::string line = r.lines.at(0);
    EXPECT_TRUE(line == " After .45more miles, you ran out of fuel  ( DUMMY !! )" ||
                line == " After .44more miles, you ran out of fuel  ( DUMMY !! )")
        << line;
    EXPECT_EQ(r.t.odometer, 300);
    // Oranges: sound 41 after the engine stops, and the refer line with up to 2 damage points.
    EXPECT_EQ(r.lines.back(), "Sitting with the refer unit off is damaging the oranges.");
    EXPECT_GE(r.t.damagePoints, 0);
    EXPECT_LE(r.t.damagePoints, 2);
    std::vector<int> sounds = r.soundsPlayed();
    auto stop = std::find(sounds.begin(), sounds.end(), 45);
    ASSERT_NE(stop, sounds.end());
    EXPECT_EQ(*(stop + 1), 41);
    EXPECT_EQ(sounds.back(), 44) << "the engine starts again";
}

TEST(Fuel, DryTankRoundsTheMilesHalvesToEven) {
    // 2.5 miles (1 gallon at 65) rounds to 2; 3.5 miles (1.4 gallons) to 4.
    for (auto [gallons, moved, spoken] : {std::tuple{1.0, 2, " 2.5"}, std::tuple{1.4, 4, " 3.5"}}) {
        TripRig r;
        r.t.cargo = 3;
        r.t.speed = 65;
        r.t.fuel = gallons - 26;  // what the hour's burn of 26 gallons left
        r.t.burn = 26;
        r.t.offPace = 10;
        dryTank(r.f, r.t);
        EXPECT_EQ(r.t.odometer, moved);
        EXPECT_EQ(r.lines.at(0), std::string(" After") + spoken + "more miles, you ran out of fuel  ( DUMMY !! )");
    }
}

TEST(Fuel, EntriesForTheWaitsLeaveTheEngineOff) {
    TripRig r;
    r.t.cargo = 1;
    r.t.engineOff = 1;
    dryTankWhileWaiting(r.f, r.t);
    EXPECT_EQ(r.t.engineOff, 0);
    EXPECT_EQ(r.t.fuel, 55);
    std::vector<int> sounds = r.soundsPlayed();
    EXPECT_EQ(sounds.front(), 41);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 44), 0) << "no restart from a wait";
    EXPECT_EQ(r.lines.front(), "     It cost $200 to get a barrel of diesel delivered.");

    TripRig s;
    s.t.cargo = 2;
    s.t.engineOff = 1;
    referOffDamage(s.f, s.t);
    EXPECT_TRUE(s.lines.empty()) << "freight is not damaged";
    EXPECT_TRUE(s.draws.empty());
}

TEST(Ambient, LoopsFollowTheWeather) {
    TripRig r;
    auto loopState = [&](SoundId id) {
        bool on = false;
        for (auto& e : r.sp.events())
            if (e.id == id && (e.op == "sound.play" || e.op == "sound.stop")) on = e.op == "sound.play";
        return on;
    };
    r.t.wetWeather = 1;
    r.t.blizzard = 1;
    ambientSounds(r.f, r.t);
    EXPECT_TRUE(loopState(r.f.wetBuf));
    EXPECT_TRUE(loopState(r.f.blizzardBuf));
    EXPECT_EQ(r.t.wetLoopOn, 1);
    EXPECT_EQ(r.t.windLoopOn, 1);
    r.t.blizzard = 0;  // light snow: wet, no wind
    ambientSounds(r.f, r.t);
    EXPECT_TRUE(loopState(r.f.wetBuf));
    EXPECT_FALSE(loopState(r.f.blizzardBuf));
    r.t.wetWeather = 0;
    ambientSounds(r.f, r.t);
    EXPECT_FALSE(loopState(r.f.wetBuf));
    EXPECT_EQ(r.t.wetLoopOn, 0);
    EXPECT_EQ(r.t.windLoopOn, 0);
}

TEST(Traffic, OverheadSoundIsCentredWithoutASideDraw) {
    // n = 13 plays sound 8 centred after a second; n = 1 plays sound 2 on a drawn side.
    TripRig a;
    a.t.rng.seed(testing::seedWhere(1, [](auto& d) { return static_cast<int>(d[0] * 33) + 1 == 13; }));
    const double start = a.sp.now();
    trafficSound(a.f, a.t);
    EXPECT_EQ(a.draws.size(), 1u);
    EXPECT_EQ(a.soundsPlayed(), std::vector<int>{8});
    long pan = -1;
    double playedAt = -1;
    for (auto& e : a.sp.events()) {
        if (e.op == "sound.pan") pan = e.value;
        if (e.op == "sound.play") playedAt = e.t;
    }
    EXPECT_EQ(pan, 0);
    EXPECT_GE(playedAt - start, 1.0);

    TripRig b;
    b.t.rng.seed(testing::seedWhere(2, [](auto& d) { return static_cast<int>(d[0] * 33) + 1 == 1; }));
    trafficSound(b.f, b.t);
    ASSERT_EQ(b.draws.size(), 2u);
    EXPECT_EQ(b.soundsPlayed(), std::vector<int>{2});
    int pans = 0;
    for (auto& e : b.sp.events()) {
        if (e.op != "sound.pan") continue;
        ++pans;
        EXPECT_EQ(e.value, b.draws[1] < 0.5 ? -1500 : 1500);
    }
    EXPECT_EQ(pans, 1);

    TripRig c;
    c.t.rng.seed(testing::seedWhere(1, [](auto& d) { return (static_cast<int>(d[0] * 33) + 1) % 2 == 0; }));
    trafficSound(c.f, c.t);
    EXPECT_EQ(c.draws.size(), 1u);
    EXPECT_TRUE(c.soundsPlayed().empty());
}

TEST(Readouts, ClockThenStatusLines) {
    TripRig r;
    r.t.tripHours = 0;
    r.t.route = 1;
    r.t.fuel = 100;
    r.t.speed = 60;
    r.t.odometer = 60;
    clockReadout(r.f, r.t);
    statusReadout(r.f, r.t);
    ASSERT_EQ(r.draws.size(), 1u);
    const int gauge = static_cast<int>(std::floor(100 - 4 + 10 * r.draws[0]));
    EXPECT_EQ(r.lines, (Lines{"", " Day Monday", " Time:  8 A.M. ", " Approximate fuel  " + std::to_string(gauge),
                              "Speed  60", "        Odometer:  60", "Miles to go:  2650"}));
    EXPECT_EQ(r.t.fuelLine, " Approximate fuel  " + std::to_string(gauge)) << "F3 repeats it";
    EXPECT_EQ(r.t.screenLineCount, 6);
}

TEST(Readouts, ClockForTheListedHours) {
    struct Row {
        int hours;
        const char* day;
        const char* time;
    } rows[] = {{0, " Day Monday", " Time:  8 A.M. "},     {4, " Day Monday", " Time:  12 Noon"},
                {5, " Day Monday", " Time:  1 P.M. "},     {15, " Day Monday", " Time:  11 P.M. "},
                {16, " Day Tuesday", " Time:  12 Midnight"}, {80, " Day Thursday", " Time:  4 P.M. "},
                {95, " Day Friday", " Time:  7 A.M. "},    {160, " Day Monday", " Time:  12 Midnight"},
                {168, " Day Monday", " Time:  8 A.M. "},   {172, " Day Monday", " Time:  12 Noon"},
                {328, " Day Monday", " Time:  12 Midnight"}, {3, " Day Monday", " Time:  11 A.M. "},
                {17, " Day Tuesday", " Time:  1 A.M. "}};
    TripRig r;
    for (auto& row : rows) {
        r.t.tripHours = static_cast<int16_t>(row.hours);
        const size_t from = r.lines.size();
        clockReadout(r.f, r.t);
        EXPECT_EQ(r.since(from), (Lines{"", row.day, row.time})) << row.hours;
    }
}

TEST(Readouts, FuelGaugeSpreadsFromFourUnderToFiveOver) {
    TripRig r;
    r.t.fuel = 50;
    int low = 1000, high = -1000;
    for (int i = 0; i < 400; ++i) {
        const size_t from = r.lines.size();
        statusReadout(r.f, r.t);
        const int gauge = std::stoi(r.lines[from].substr(std::string(" Approximate fuel ").size()));
        low = std::min(low, gauge);
        high = std::max(high, gauge);
    }
    EXPECT_EQ(low, 46);
    EXPECT_EQ(high, 55);
}

TEST(Places, SeveralPlacesInOneHourEachInLegOrder) {
    TripRig r;
    r.t.route = 1;  // northern: Barstow 90, Las Vegas 245, Utah border 365
    r.t.leg = 1;
    r.t.odometer = 365;
    r.t.speedLimit = 35;
    placeCheck(r.f, r.t);
    EXPECT_EQ(r.lines, (Lines{" You have just past Barstow", " You have just past Las Vegas",
                              " You have just past Utah border"}));
    EXPECT_EQ(r.t.leg, 4);
    EXPECT_EQ(r.t.speedLimit, 55);
    EXPECT_EQ(r.t.eventCode, 0);  // the Utah border's code
    EXPECT_TRUE(r.draws.empty()) << "no draw for Barstow's refrigeration while the events are not there";

    const size_t from = r.lines.size();
    r.t.odometer = 499;
    placeCheck(r.f, r.t);
    EXPECT_TRUE(r.since(from).empty()) << "one mile short of the end of the interstate";
}

TEST(Places, NewYorkIsNeverPassed) {
    TripRig r;
    r.t.route = 2;
    r.t.leg = 1;
    r.t.odometer = 9998;
    r.t.tables.routeMiles[2] = 30000;
    placeCheck(r.f, r.t);
    EXPECT_EQ(r.t.leg, 25);
    EXPECT_EQ(r.lines.back(), " You have just past Holland Tunnel");
}

}  // namespace
}  // namespace dravlen
