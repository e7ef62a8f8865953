// The truck stop, the hazards and the settlement on the scripted platform, as tables of the rules a
// whole trip hits only once or never (the stops, the rock slide, the refrigeration and arrivals as
// the player hears them, replays included, are told in the stories trip-*; the repossession after
// a revoked licence in trip-jail).
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "frontend/speech.h"
#include "road/hour.h"
#include "stops/arrival.h"
#include "stops/hazards.h"
#include "stops/roadside.h"
#include "stops/truckstop.h"
#include "rig.h"

namespace dravlen::testing {
namespace {

// Keys as the rig's tokens, with "." for the key whose character is the decimal point (code 46).
void typeKeys(TripRig& r, const std::string& tokens) {
    std::istringstream in(tokens);
    for (std::string tok; in >> tok;)
        if (tok == ".")
            r.sp.addKeys(std::vector<scripted::Key>{{46, ".", false}});
        else
            r.sp.addKeys(tok);
}

// Freight at a stop, a spare on board, the given trip hour.
void atTheStop(TripRig& r, const std::string& keys, int tripHours = 0) {
    typeKeys(r, keys);
    r.t.cargo = 2;
    r.t.tripHours = static_cast<int16_t>(tripHours);
    r.t.hoursSinceStopOffer = 4;
}

int count(const std::vector<int>& v, int n) { return static_cast<int>(std::count(v.begin(), v.end(), n)); }
int count(const Lines& v, const std::string& s) { return static_cast<int>(std::count(v.begin(), v.end(), s)); }

TEST(TruckStop, TheSpillAboveTwoHundredAndOneAndThePumpsLimit) {
    struct Row {
        const char* keys;
        double fuel, after;
        int refused;
        const char* spill;  // "": nothing spilled
    } rows[] = {
        {"5 2 enter", 150, 200, 0, " Your tank only holds 200 gallons.  2 gallons spilled !!"},
        {"5 1 enter", 150, 201, 0, ""},
        {"5 2 enter", 149.5, 200, 0, " Your tank only holds 200 gallons.  1 gallon spilled !!"},
        {"1 0 0 0 enter 1 0 enter", 100, 110, 1, ""},
        {"9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 enter enter", 100, 100, 1, ""},
    };
    for (auto& row : rows) {
        TripRig r;
        atTheStop(r, std::string("y ") + row.keys + " n");
        r.t.fuel = row.fuel;
        truckStop(r.f, r.t);
        EXPECT_EQ(std::tuple(r.t.fuel, count(r.lines, " The pump gives at most 999 gallons."), count(r.soundsPlayed(), 26)),
                  std::tuple(row.after, row.refused, *row.spill ? 1 : 0)) << row.keys;
        if (*row.spill) {
            EXPECT_EQ(count(r.lines, row.spill), 1) << row.keys;
        }
    }
}

TEST(TruckStop, RestQuietFromEightPMToFiveAMHalfOfItSleptByDay) {
    struct Row {
        int tripHours;  // before the stop's own hour; h is one more
        const char* hours;
        int awake;
        int quiet, noisy;  // sounds 24 and 25
        int tripAfter, sleepAfter, awakeAfter;
        int realSleep;     // -1: no daytime-noise line
    } rows[] = {
        {11, "3", 7, 3, 0, 15, 10, 4, -1},  // 8 P.M. is quiet; 3.5 rounds to 4
        {10, "3", 7, 0, 3, 14, 9, 4, 2},    // 7 P.M. is noisy
        {10, "3", 5, 0, 3, 14, 9, 2, 2},    // 2.5 rounds to 2
        {20, "2", 9, 2, 0, 23, 9, 4, -1},   // 5 A.M. is quiet; 4.5 rounds to 4
        {21, "8", 3, 0, 8, 30, 11, 0, 4},   // 6 A.M. is noisy, four hours of real sleep clear the hours awake
        {12, "8 . 5", 3, 8, 0, 22, 16, 0, -1},
        {12, "2 . 5", 3, 2, 0, 16, 10, 2, -1},
        {5, "1", 3, 0, 1, 7, 8, 2, 1},      // Int(1.1)
        {5, "2 . 9", 3, 0, 3, 9, 9, 2, 2},  // Int(2.05)
        {12, "1 0 0 enter 9 9", 3, 99, 0, 112, 106, 0, -1},
        {12, ". 5", 3, 0, 0, 13, 7, 3, -1},    // less than an hour: no rest
        {12, "a b c", 3, 0, 0, 13, 7, 3, -1},  // no number: no rest
    };
    for (auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.tripHours) + " " + row.hours);
        TripRig r;
        atTheStop(r, std::string("y enter y ") + row.hours + " enter", row.tripHours);
        r.t.hoursAwake = static_cast<int16_t>(row.awake);
        truckStop(r.f, r.t);
        const std::vector<int> sounds = r.soundsPlayed();
        EXPECT_EQ(std::tuple(count(sounds, 24), count(sounds, 25), r.t.tripHours, r.t.sleepHours, r.t.hoursAwake),
                  std::tuple(row.quiet, row.noisy, row.tripAfter, row.sleepAfter, row.awakeAfter));
        EXPECT_EQ(count(r.lines, " Thanks to the daytime noise, you got only " + std::to_string(row.realSleep) +
                                     "hours real sleep."), row.realSleep < 0 ? 0 : 1);
    }
    // The longest rest is 99 hours; hundreds of digits make no finite number and are asked again too.
    std::string digits;
    for (int i = 0; i < 400; ++i) digits += "9 ";
    TripRig r;
    atTheStop(r, "y enter y " + digits + "enter 1 0 0 enter 2 enter", 12);
    truckStop(r.f, r.t);
    EXPECT_EQ(std::tuple(count(r.lines, " You can rest at most 99 hours."), r.t.tripHours), std::tuple(2, 15));
}

TEST(TruckStop, OrangesNeedingJustTheTankForTheRestDoNotRunDry) {
    for (double fuel : {28.0, 27.9}) {  // a 4-hour rest burns 28 gallons
        TripRig r;
        atTheStop(r, "y enter y 4 enter n", 12);
        r.t.cargo = 1;
        r.t.fuel = fuel;
        truckStop(r.f, r.t);
        EXPECT_EQ(std::tuple(r.draws.size(), count(r.soundsPlayed(), 41)), fuel == 28 ? std::tuple(2u, 0) : std::tuple(3u, 1));
    }
}

TEST(RockSlide, ClearedInZeroToFiveHoursWithANapOfHalfAndOrangesBurnSevenGallonsAnHour) {
    struct Row {
        int cargo, hours;
        double fuel, after;
        bool dry;  // 1 gallon or less left
    } rows[] = {{2, 0, 190, 190, false}, {2, 1, 190, 190, false}, {2, 2, 190, 190, false}, {2, 3, 190, 190, false},
                {2, 4, 190, 190, false}, {1, 5, 37, 2, false},    {1, 5, 36, 55, true},    {1, 5, 30, 55, true}};
    const int naps[] = {0, 0, 1, 2, 2, 3};
    for (auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.hours) + " " + std::to_string(row.fuel));
        TripRig r(2, [&](auto& d) { return d[0] >= 0.75 && static_cast<int>(d[1] * 6) == row.hours; });
        r.t.cargo = static_cast<int16_t>(row.cargo);
        r.t.eventCode = 6.75;
        r.t.fuel = row.fuel;
        r.t.tripHours = 17;  // 1 A.M. Tuesday
        r.t.hoursAwake = 9;
        rockSlide(r.f, r.t);
        ASSERT_EQ(r.draws.size(), row.dry ? 4u : 2u);
        const int wasted = row.dry ? static_cast<int>(r.draws[2] * 5) : 0, nap = row.dry ? 0 : naps[row.hours];
        EXPECT_EQ(r.lines.back(), " Time:  " + std::to_string(1 + row.hours + wasted) + " A.M. ");
        EXPECT_EQ(count(r.lines, "     While waiting, you got  " + std::to_string(nap) + " hours of sleep"), 1);
        // 9 hours awake halve to 4 (4.5 to the even); the waiting hours are not hours awake.
        EXPECT_EQ(std::tuple(r.t.fuel, r.t.expenses, r.t.tripHours, r.t.sleepHours, r.t.engineOff, r.t.hoursAwake),
                  std::tuple(row.after, row.dry ? 390 : 190, 17 + row.hours + wasted, 7 + nap, 0,
                             row.dry ? 9 + wasted : nap > 0 ? 4 : 9));
        EXPECT_EQ(std::tuple(count(r.soundsPlayed(), 24), count(r.lines, "     You ran out of gas while waiting")),
                  std::tuple(nap, row.dry ? 1 : 0));
    }
}

TEST(RefrigerationCheck, TheFractionIsTheChanceOfNothingAndTheDamageUpToFour) {
    struct Row {
        double code;
        bool (*wanted)(const std::vector<double>&);
        int damage;  // -1: no failure
    } rows[] = {
        {7.9, [](auto& d) { return d[0] >= 0.8 && d[0] < 0.9; }, -1},
        {7.8, [](auto& d) { return d[0] >= 0.8 && d[0] < 0.9 && d[1] < 0.2; }, 0},
        {7.85, [](auto& d) { return d[0] >= 0.85 && d[1] >= 0.8; }, 4},
    };
    for (auto& row : rows) {
        TripRig r("", seedWhere(2, row.wanted));
        r.t.cargo = 1;
        r.t.eventCode = row.code;
        r.t.damagePoints = 3;
        refrigerationCheck(r.f, r.t);
        EXPECT_EQ(std::tuple(r.t.damagePoints, r.t.expenses, r.t.tripHours, r.t.hoursAwake, r.lines.empty()),
                  row.damage >= 0 ? std::tuple(3 + row.damage, 290, 2, 5, false) : std::tuple(3, 190, 0, 3, true))
            << row.code;
    }
}

TEST(Pauses, TheWaitsNoTripTellsTakeTheirTime) {
    // The seconds a step lasts on the virtual clock (silent sounds; speech and pauses take time).
    TripRig r(4, [](auto&) { return true; });
    r.t.roadFactor = 4;
    r.t.tireWear = 1e7;
    r.t.spareTires = 0;
    flatTireRoll(r.f, r.t);
    EXPECT_NEAR(r.sp.now(), 25.31, 0.005) << "a flat and the tow truck";
    TripRig s(4, [](auto&) { return true; });
    s.t.cargo = s.t.engineOff = 1;
    dryTankWhileWaiting(s.f, s.t);
    EXPECT_NEAR(s.sp.now(), 11.28, 0.005) << "a dry tank while waiting";
}


const std::string kLate = "     You're late!!  Subtract ten percent penalty.";
const std::string kProfit = "Your net profit this trip was ", kGood = "     GOOD   WORK  !!";
const std::string kDishes = "     You'd make more money washing dishes !";
const std::string kBankrupt = "     You are bankrupt !!!", kPress = " press any key ";

// Arrives with the given state; x at the closing prompt ends the game. The lines from the trip time on.
Lines arrive(int cargo, double pounds, double expenses, int tripHours, int damage, Trip* after = nullptr) {
    TripRig r("x");
    r.t.cargo = static_cast<int16_t>(cargo);
    r.t.pounds = pounds;
    r.t.expenses = expenses;
    r.t.tripHours = static_cast<int16_t>(tripHours);
    r.t.tripCount = 1;
    r.t.damagePoints = static_cast<int16_t>(damage);
    EXPECT_THROW(arrival(r.f, r.t), GameOver);
    if (after) *after = r.t;
    const auto from = std::find_if(r.lines.begin(), r.lines.end(),
                                   [](const std::string& l) { return l.rfind(" You completed the trip in", 0) == 0; });
    return Lines(from, std::find(from, r.lines.end(), kPress));
}

TEST(Settlement, WarehouseClosedFromSixPMToFiveAMAndFreightLateFromNinetyFiveHours) {
    // Freight, 40,000 pounds, 1,000 dollars spent: due by 4 P.M. Thursday (80 hours); the truck
    // costs 85 a day begun, and 85 more.
    struct Row {
        int tripHours;
        const char* took;
        int truck, profit, hoursAfter;
    } rows[] = {
        {80, " You completed the trip in 3days & 8hours.", 340, 660, 80},
        {82, " You completed the trip in 4days.", 425, 375, 96},
        {94, " You completed the trip in 3days & 22hours.", 340, 660, 94},
        {95, " You completed the trip in 3days & 23hours.", 340, 460, 95},
        {105, " You completed the trip in 4days & 9hours.", 425, 375, 105},
        {117, " You completed the trip in 5days.", 510, 290, 120},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.tripHours);
        Trip t;
        const Lines report = arrive(2, 40000, 1000, row.tripHours, 0, &t);
        ASSERT_EQ(report.size(), row.profit == 660 ? 11u : 12u);
        EXPECT_EQ(std::tuple(report[0], report[4], report[8] == kLate, report[report.size() - 2]),
                  std::tuple(row.took, dollarText(row.truck), row.profit != 660, dollarText(row.profit)));
        EXPECT_EQ(std::tuple(t.tripHours, t.expenses), std::tuple(row.hoursAfter, 1000.0 + row.truck));
    }
}

TEST(Settlement, TheVerdictsByProfitAndTheOrangesDamage) {
    struct Row {
        const char* name;
        int cargo;
        double pounds, expenses;
        int damage;
        Lines tail;  // from the contract on
    } rows[] = {
        {"oranges, 6 points: 30 percent off", 1, 40000, 1000, 6,
         {" Collect six-and-a-half cents per pound for good oranges.", "     Total for the load ", dollarText(2600),
          "     Part of the load is damaged.  Subtract 30 percent", "Net payment is ", dollarText(1820), kProfit,
          dollarText(480), kGood}},
        {"oranges, 7 points: spoiled", 1, 40000, 1000, 7,
         {" Your oranges have spoiled.  Haul them to the dump!", "Bad trip. . . You lost $ 1390", kBankrupt,
          " Your rig has been repossessed."}},
        {"mail", 3, 40000, 1000, 0, {" Postmaster pays 4.75 cents per pound on delivery.", kProfit, dollarText(560), kGood}},
        {"profit 101", 2, 30000, 1059, 0, {kProfit, "101 dollors", kGood, kDishes}},
        {"profit 100", 2, 30000, 1060, 0, {kProfit, "100 dollors", kDishes}},
        {"profit 249.99: the average is below 250", 2, 30000, 910.01, 0,
         {kProfit, "249 dollors, and,  99 cents", kGood, kDishes}},
        {"profit 250", 2, 30000, 910, 0, {kProfit, "250 dollors", kGood}},
        {"a loss of half a dollar is still bankruptcy", 2, 25000, 910.5, 0, {"Bad trip. . . You lost $ .5", kBankrupt, " Your rig has been repossessed."}},
    };
    for (const Row& row : rows) {
        const Lines report = arrive(row.cargo, row.pounds, row.expenses, 80, row.damage);
        ASSERT_GE(report.size(), row.tail.size());
        EXPECT_EQ(Lines(report.end() - static_cast<long>(row.tail.size()), report.end()), row.tail) << row.name;
    }
}

}  // namespace
}  // namespace dravlen::testing
