// Arrival and settlement on the scripted platform, as tables of the warehouse hours, the lateness
// and the verdicts (arrivals as the player hears them, replays included, are told in the stories
// trip-*; the repossession after a revoked licence in trip-jail).
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
