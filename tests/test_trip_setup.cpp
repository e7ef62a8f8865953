// The trip setup at the terminal, step by step: cargo, weight, truck, loading, tires, route.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "dialogue/setup.h"
#include "trip_rig.h"

namespace dravlen {
namespace {

using testing::Lines;
using testing::TripRig;

const std::string T = " You are at the Los Angeles trucking terminal.";
const std::string L = " Three types of cargo are available:";  // the lead-in's first line stands for all six
const std::set<std::string> kLeadInRest{" 1 oranges  (highest profit if they don't spoil)",
                                        " 2 freight forwarding, penalty for late delivery ",
                                        " 3 U.S. Mail, lowest rate, but no hurry to arrive ",
                                        " The cargo is due in New York by 4 PM on Thursday.",
                                        " Which type of cargo do you want? "};
Lines shortened(const Lines& lines) {
    Lines out;
    for (auto& l : lines)
        if (!kLeadInRest.count(l)) out.push_back(l);
    return out;
}

TEST(Setup, CargoMenuAndTheWeightChecks) {
    const std::string o = " 1 oranges ", f = " 2 freight ", m = " 3 U S mail ";
    struct Row {
        const char* keys;
        int cargo;
        Lines said;
    } rows[] = {
        {"enter", 1, {T, L, o}},
        {"2 enter", 2, {T, L, o, f}},
        {"3 enter", 3, {T, L, o, m}},
        {"up enter", 3, {T, L, o, m}},
        {"down down down enter", 1, {T, L, o, f, m, o}},
        {"kp2 enter", 1, {T, L, o, T, L, o}},  // keypad digits are no shortcuts
        {"2 f1 esc n enter", 1, {T, L, o, f, T, L, o, " exit game? ", " yes ", T, L, o}},
    };
    for (auto& row : rows) {
        TripRig r(row.keys);
        cargoMenu(r.f, r.t, true);
        EXPECT_EQ(r.t.cargo, row.cargo) << row.keys;
        EXPECT_EQ(shortened(r.lines), row.said) << row.keys;
    }
    // 24999 is half a load, 25000 enough; "no" goes back to the cargo without the terminal line;
    // no upper limit before loading.
    TripRig r("2 4 9 9 9 enter x enter 2 5 0 0 0 enter n 3 enter 6 0 0 0 0 enter x enter");
    r.t.cargo = 2;
    loadWeight(r.f, r.t);
    const std::string ask = " How many pounds will you carry (40,000 is the legal limit) ";
    const std::string half = " You can't make a living on half a load.";
    const std::string mail = " you have chosen to carry  60000 pounds of U S mail. Is this correct?";
    EXPECT_EQ(shortened(r.lines), (Lines{ask, half, ask, half, ask,
                                         " you have chosen to carry  25000 pounds of freight. Is this correct?",
                                         " yes ", L, o, m, ask, mail, " yes ", mail, " yes "}));
    EXPECT_EQ(r.t.cargo, 3);
    EXPECT_EQ(r.t.pounds, 60000);
}

TEST(Setup, TruckAndRouteMenusWrapTakeShortcutsAndAskAgain) {
    const std::string q = " Which truck do you wish to drive? ", fl = " freight liner ";
    struct Row {
        const char* keys;
        int make;
        Lines said;
    } trucks[] = {
        {"up enter", 5, {q, fl, " peter built "}},
        {"p down enter", 1, {q, fl, " peter built ", fl}},
        {"i k m enter", 4, {q, fl, " international ", " kenworth ", " mac "}},
        {"k x enter", 1, {q, fl, " kenworth ", q, fl}},
    };
    for (auto& row : trucks) {
        TripRig r(row.keys);
        truckMenu(r.f, r.t);
        EXPECT_EQ(r.t.truckMake, row.make) << row.keys;
        EXPECT_EQ(r.lines, row.said) << row.keys;
    }
    struct RouteRow {
        const char* keys;
        int route, factor, choice;
    } routes[] = {{"enter", 1, 4, 1},      {"m enter", 0, 2, 2},  {"s enter", 2, 1, 3},
                  {"down enter", 0, 2, 2}, {"up enter", 2, 1, 3}, {"s down enter", 1, 4, 1}};
    for (auto& row : routes) {
        TripRig r(row.keys);
        routeMenu(r.f, r.t);
        EXPECT_EQ(r.t.route, row.route) << row.keys;
        EXPECT_EQ(r.t.roadFactor, row.factor) << row.keys;
        EXPECT_EQ(r.t.routeChoice, row.choice) << row.keys;
        EXPECT_EQ(r.soundsPlayed().back(), 44) << "the engine starts";
    }
    TripRig r("x enter");
    routeMenu(r.f, r.t);
    const Lines ask{" You may choose the Northern, Middle or Southern route. ", "     Which route do you choose? ",
                    " northern "};
    EXPECT_EQ(r.lines, (Lines{ask[0], ask[1], ask[2], ask[0], ask[1], ask[2]}));
}

TEST(Setup, TripStartLoadingAndTheFullLoadCut) {
    TripRig r;
    r.t.tables = RouteTables{};
    r.t.expenses = 5;
    r.t.odometer = 7;
    r.t.tripHours = 9;
    r.t.pounds = 60000;
    r.t.tireWear = 3;
    r.t.leg = 9;
    tripStart(r.f, r.t);
    loading(r.f, r.t);
    firstFuel(r.f, r.t);
    EXPECT_EQ(r.t.expenses, 190);
    EXPECT_EQ(r.t.odometer, 0);
    EXPECT_EQ(r.t.hoursAwake, 3);
    EXPECT_EQ(r.t.sleepHours, 7);
    EXPECT_EQ(r.t.tables.routeMiles[1], 2710);
    EXPECT_EQ(r.t.tireWear, 10);
    EXPECT_EQ(r.t.fuel, 190);
    EXPECT_EQ(r.t.leg, 1);
    EXPECT_EQ(r.t.spareTires, 1);
    EXPECT_EQ(r.t.tripCount, 1);
    EXPECT_EQ(r.t.pounds, 50000);
    EXPECT_EQ(r.lines, (Lines{"", " Day Monday", " Time:  8 A.M. ", "They are loading your truck now.",
                              " 50,000 pounds of cargo has filled your trailer!", "", " Day Monday", " Time:  9 A.M. ",
                              " You paid $190.00 for a nearly full tank of diesel fuel."}));
    EXPECT_EQ(r.soundsPlayed(), (std::vector<int>{32, 29, 27, 40}));
    EXPECT_EQ(r.t.screenLineCount, 1) << "the fuel line opens a screen of its own";
}

TEST(Setup, EveryTireChoiceWithItsExpensesAndWear) {
    struct Row {
        const char* keys;
        double expenses, wear;
        std::vector<int> sounds;
    } rows[] = {
        {"n", 190, 10, {}},
        {"down enter", 190, 10, {}},
        {"enter r enter enter", 290, 7, {37, 40}},
        {"y down enter 2 enter", 390, 4, {37, 37, 40}},
        {"enter enter enter", 390, 6, {37, 40}},
        {"enter n enter up enter", 590, 2, {37, 37, 40}},
        {"y up up enter down down down enter", 590, 2, {37, 37, 40}},
    };
    for (auto& row : rows) {
        TripRig r(row.keys);
        wornTires(r.f, r.t);
        EXPECT_EQ(r.t.expenses, row.expenses) << row.keys;
        EXPECT_EQ(r.t.tireWear, row.wear) << row.keys;
        EXPECT_EQ(r.soundsPlayed(), row.sounds) << row.keys;
    }
    // Other keys: the yes/no asks again, the type menu speaks the price line again from new, the
    // count speaks "     How many" again.
    TripRig r("x enter r x enter q 2 enter");
    wornTires(r.f, r.t);
    const std::string worn = " Two of your tires are worn.  Do you want replacements?";
    const std::string price = " A new tire costs $200.00.  A retread costs $100.00.";
    const std::string which = "     Which type do you want ";
    EXPECT_EQ(r.lines, (Lines{worn, " yes ", worn, " yes ", price, which, " new ", " retread ", price, which, " new ",
                              "     How many", " 1", "     How many", " 1", " 2"}));
    EXPECT_EQ(r.t.expenses, 590);
}

}  // namespace
}  // namespace dravlen
