// Arrival and settlement on the scripted platform: the warehouse hours, the contracts, the verdicts,
// replays with unchanged figures (the repossession after a revoked licence is told in the story
// trip-jail).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "frontend/speech.h"
#include "stops/arrival.h"
#include "trip_rig.h"

namespace dravlen::testing {
namespace {

const std::string kWelcome = " WELCOME TO NEW YORK";
const std::string kClosed = " The warehouse is closed for the night.  Come back tomorrow.";
const std::string kExpenses = "     Trip expenses totaled ", kTruck = "Truck payment, insurance and taxes cost ";
const std::string kFreight = " Collect five cents a pound for freight.", kFreightTotal = "Total for load ";
const std::string kLate = "     You're late!!  Subtract ten percent penalty.";
const std::string kMail = " Postmaster pays 4.75 cents per pound on delivery.";
const std::string kOranges = " Collect six-and-a-half cents per pound for good oranges.";
const std::string kOrangesTotal = "     Total for the load ", kNet = "Net payment is ";
const std::string kSpoiled = " Your oranges have spoiled.  Haul them to the dump!";
const std::string kProfit = "Your net profit this trip was ", kGood = "     GOOD   WORK  !!";
const std::string kDishes = "     You'd make more money washing dishes !";
const std::string kBankrupt = "     You are bankrupt !!!", kRepossessed = " Your rig has been repossessed.";
const std::string kPress = " press any key ";

std::string usd(double a) { return dollarText(a); }

struct Arrived {
    Lines lines;
    Trip t;
    std::vector<int> sounds;
};

// Arrives with the given state and keys at the closing prompt (the last key ends the game).
Arrived arrive(int cargo, double pounds, double expenses, int tripHours, const std::string& keys, uint32_t seed = 1,
               int damage = 0) {
    TripRig r(keys, seed);
    r.t.cargo = static_cast<int16_t>(cargo);
    r.t.pounds = pounds;
    r.t.expenses = expenses;
    r.t.tripHours = static_cast<int16_t>(tripHours);
    r.t.tripCount = 1;
    r.t.damagePoints = static_cast<int16_t>(damage);
    EXPECT_THROW(arrival(r.f, r.t), GameOver);
    return {r.lines, r.t, r.soundsPlayed()};
}

// The lines from the trip-time line up to the first " press any key ".
Lines reportOf(const Lines& all) {
    Lines out;
    bool on = false;
    for (const auto& l : all) {
        if (l.rfind(" You completed the trip in", 0) == 0) on = true;
        if (on && l == kPress) break;
        if (on) out.push_back(l);
    }
    return out;
}

TEST(Settlement, WarehouseHoursTripTimeAndTheFreightContract) {
    // Freight, 40,000 pounds, 1,000 dollars spent: the warehouse opens at 8 A.M. and closes after
    // 5 P.M.; due by 4 P.M. Thursday (80 hours); the truck costs 85 a day begun, and 85 more.
    struct Row {
        int tripHours;
        Lines clock;  // day and time lines spoken before the report
        const char* took;
        int truck, profit, hoursAfter;
    } rows[] = {
        {80, {" Day Thursday", " Time:  4 P.M. "}, " You completed the trip in 3days & 8hours.", 340, 660, 80},
        {82, {" Day Thursday", " Time:  6 P.M. ", kClosed, "", " Day Friday", " Time:  8 A.M. "},
         " You completed the trip in 4days.", 425, 375, 96},
        {94, {" Day Friday", " Time:  6 A.M. "}, " You completed the trip in 3days & 22hours.", 340, 660, 94},
        {95, {" Day Friday", " Time:  7 A.M. "}, " You completed the trip in 3days & 23hours.", 340, 460, 95},
        {105, {" Day Friday", " Time:  5 P.M. "}, " You completed the trip in 4days & 9hours.", 425, 375, 105},
        {117, {" Day Saturday", " Time:  5 A.M. ", kClosed, "", " Day Saturday", " Time:  8 A.M. "},
         " You completed the trip in 5days.", 510, 290, 120},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.tripHours);
        Arrived a = arrive(2, 40000, 1000, row.tripHours, "x");
        Lines head{kWelcome, ""};
        head.insert(head.end(), row.clock.begin(), row.clock.end());
        EXPECT_EQ(Lines(a.lines.begin(), a.lines.begin() + static_cast<long>(head.size())), head);
        Lines report{row.took, kExpenses, usd(1000), kTruck, usd(row.truck), kFreight, kFreightTotal, usd(2000)};
        if (row.profit != 660) report.push_back(kLate);  // 10 percent off: 200 dollars
        report.insert(report.end(), {kProfit, usd(row.profit), kGood});
        EXPECT_EQ(reportOf(a.lines), report);
        EXPECT_EQ(std::tuple(a.t.tripHours, a.t.expenses), std::tuple(row.hoursAfter, 1000.0 + row.truck));
    }
}

TEST(Settlement, ArrivalSoundsAndEverySoundStopped) {
    Arrived a = arrive(3, 40000, 500, 80, "x");
    // Traffic (maybe), the engine stopping (45), the fanfare, 32; then the farewells of the ending.
    std::vector<int> fanfare{45, 34, 34, 35, 34, 32};
    std::vector<int> got;
    for (int n : a.sounds)
        if (n >= 32 || n == 45) got.push_back(n);
    ASSERT_GE(got.size(), fanfare.size());
    EXPECT_EQ(std::vector<int>(got.begin(), got.begin() + 6), fanfare);
}

TEST(Settlement, MailAndOrangesAndTheVerdicts) {
    struct Row {
        const char* name;
        int cargo;
        double pounds, expenses;
        int damage;
        Lines tail;  // from the contract on
    } rows[] = {
        {"mail", 3, 40000, 1000, 0, {kMail, kProfit, usd(560), kGood}},
        {"oranges, sound", 1, 40000, 1000, 0, {kOranges, kOrangesTotal, usd(2600), kProfit, usd(1260), kGood}},
        {"oranges, 6 points: 30 percent off", 1, 40000, 1000, 6,
         {kOranges, kOrangesTotal, usd(2600), "     Part of the load is damaged.  Subtract 30 percent", kNet, usd(1820),
          kProfit, usd(480), kGood}},
        {"oranges, 7 points: spoiled, a loss and bankruptcy", 1, 40000, 1000, 7,
         {kSpoiled, "Bad trip. . . You lost $ 1390", kBankrupt, kRepossessed}},
        {"profit 150: both lines", 2, 30000, 1010, 0, {kFreight, kFreightTotal, usd(1500), kProfit, "150 dollors", kGood, kDishes}},
        {"profit 240: both, the average is below 250", 2, 30000, 920, 0,
         {kFreight, kFreightTotal, usd(1500), kProfit, "240 dollors", kGood, kDishes}},
        {"profit 300: good work only", 2, 30000, 860, 0, {kFreight, kFreightTotal, usd(1500), kProfit, "300 dollors", kGood}},
        {"profit 80: dishes only", 2, 30000, 1080, 0, {kFreight, kFreightTotal, usd(1500), kProfit, "80 dollors", kDishes}},
        {"a loss with cents", 2, 25000, 1190.5, 0,
         {kFreight, kFreightTotal, usd(1250), "Bad trip. . . You lost $ 280.5", kBankrupt, kRepossessed}},
        {"a loss of half a dollar is still bankruptcy", 2, 25000, 910.5, 0,
         {kFreight, kFreightTotal, usd(1250), "Bad trip. . . You lost $ .5", kBankrupt, kRepossessed}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // tripHours 80: 3 days, truck costs 340, freight on time, no arrival damage to oranges.
        Arrived a = arrive(row.cargo, row.pounds, row.expenses, 80, "x", 1, row.damage);
        Lines got = reportOf(a.lines);
        ASSERT_GE(got.size(), 5u);
        EXPECT_EQ(Lines(got.begin() + 5, got.end()), row.tail);
    }
}

TEST(Settlement, OrangesLateArrivalDamageIsDrawnOnceAndReplayKeepsTheFigures) {
    // A 6-day trip adds (6 - 4) x Int(Rnd x 3) points: 0, 2 or 4.
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        // Draws: traffic roll (odd: also a side), then the damage draw.
        const uint32_t seed = seedWhere(3, [k](const std::vector<double>& d) {
            const int traffic = static_cast<int>(d[0] * 33) + 1;
            const double damage = traffic % 2 == 0 ? d[1] : d[2];
            return static_cast<int>(damage * 3) == k && traffic % 2 == 0;
        });
        Arrived a = arrive(1, 40000, 1000, 6 * 24, "f1 f2 esc n x", seed, 1);  // 8 A.M., 6 days: open
        EXPECT_EQ(a.t.damagePoints, 1 + 2 * k);
        // The report three times (first pass, F1, F2), identical, each followed by the prompt; Esc,
        // "no" and the prompt again.
        const Lines first = reportOf(a.lines);
        Lines wanted;
        for (int pass = 0; pass < 3; ++pass) {
            wanted.insert(wanted.end(), first.begin(), first.end());
            wanted.push_back(kPress);
        }
        wanted.insert(wanted.end(), {" exit game? ", " yes ", kPress});
        EXPECT_EQ(Lines(std::find(a.lines.begin(), a.lines.end(), first.front()), a.lines.end()), wanted);
        EXPECT_EQ(a.t.expenses, 1000 + 85 * 6 + 85);  // the truck costs added once
    }
}

TEST(Settlement, RunningProfitCountsTheTripOnceBeforeRounding) {
    TripRig r("f1 f3 x");
    r.t.cargo = 3;
    r.t.pounds = 33333;  // 1583.3175 dollars
    r.t.expenses = 1000;
    r.t.tripHours = 80;
    r.t.tripCount = 1;
    EXPECT_THROW(arrival(r.f, r.t), GameOver);
    EXPECT_NEAR(r.t.runningProfit, 33333 * 0.0475 - 1340, 1e-9);
    int profits = 0;
    for (const auto& l : r.lines) profits += l == "243 dollors, and,  31 cents";
    EXPECT_EQ(profits, 3);
}

}  // namespace
}  // namespace dravlen::testing
