// The trip setup at the terminal, step by step: cargo, weight, truck, loading, tires, route.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogue/setup.h"
#include "trip_rig.h"

namespace dravlen {
namespace {

using testing::TripRig;
using Lines = std::vector<std::string>;

const Lines kLeadIn{" Three types of cargo are available:",
                    " 1 oranges  (highest profit if they don't spoil)",
                    " 2 freight forwarding, penalty for late delivery ",
                    " 3 U.S. Mail, lowest rate, but no hurry to arrive ",
                    " The cargo is due in New York by 4 PM on Thursday.",
                    " Which type of cargo do you want? "};
const std::string kTerminal = " You are at the Los Angeles trucking terminal.";

Lines withTerminal() {
    Lines l{kTerminal};
    l.insert(l.end(), kLeadIn.begin(), kLeadIn.end());
    return l;
}

Lines join(std::initializer_list<Lines> parts) {
    Lines out;
    for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(Setup, TripStartSetsTheClockAndSpeaksEightAM) {
    TripRig r;
    r.t.expenses = 5;
    r.t.odometer = 7;
    r.t.tripHours = 9;
    tripStart(r.f, r.t);
    EXPECT_EQ(r.t.expenses, 190);
    EXPECT_EQ(r.t.odometer, 0);
    EXPECT_EQ(r.t.hoursAwake, 3);
    EXPECT_EQ(r.t.sleepHours, 7);
    EXPECT_EQ(r.lines, (Lines{"", " Day Monday", " Time:  8 A.M. "}));
}

TEST(Setup, EachCargoByShortcutAndArrows) {
    struct Row {
        const char* keys;
        int cargo;
        Lines items;
    } rows[] = {
        {"enter", 1, {" 1 oranges "}},
        {"2 enter", 2, {" 1 oranges ", " 2 freight "}},
        {"3 enter", 3, {" 1 oranges ", " 3 U S mail "}},
        {"up enter", 3, {" 1 oranges ", " 3 U S mail "}},
        {"down down down enter", 1, {" 1 oranges ", " 2 freight ", " 3 U S mail ", " 1 oranges "}},
        {"kp2 enter", 1, {" 1 oranges ", " 1 oranges "}},  // keypad digits are no shortcuts
    };
    for (auto& row : rows) {
        TripRig r(row.keys);
        cargoMenu(r.f, r.t, true);
        EXPECT_EQ(r.t.cargo, row.cargo) << row.keys;
        Lines expected = withTerminal();
        if (std::string(row.keys) == "kp2 enter")
            expected = join({withTerminal(), {" 1 oranges "}, withTerminal(), {" 1 oranges "}});
        else
            expected.insert(expected.end(), row.items.begin(), row.items.end());
        EXPECT_EQ(r.lines, expected) << row.keys;
    }
}

TEST(Setup, CargoF1AndEscSpeakTheWholeLeadInAgainFromItem1) {
    TripRig r("2 f1 esc n enter");
    cargoMenu(r.f, r.t, true);
    EXPECT_EQ(r.t.cargo, 1);
    EXPECT_EQ(r.lines, join({withTerminal(), {" 1 oranges ", " 2 freight "}, withTerminal(), {" 1 oranges "},
                             {" exit game? ", " yes "}, withTerminal(), {" 1 oranges "}}));
}

TEST(Setup, WeightChecksAndConfirmation) {
    // 24999 is half a load, 25000 is enough; "no" goes back to the cargo without the terminal.
    TripRig r("2 4 9 9 9 enter x enter 2 5 0 0 0 enter n 3 enter 6 0 0 0 0 enter x enter");
    r.t.cargo = 2;
    loadWeight(r.f, r.t);
    const std::string ask = " How many pounds will you carry (40,000 is the legal limit) ";
    const std::string halfLoad = " You can't make a living on half a load.";
    Lines expected{ask, halfLoad, ask, halfLoad, ask, " you have chosen to carry  25000 pounds of freight. Is this correct?",
                   " yes "};
    expected.insert(expected.end(), kLeadIn.begin(), kLeadIn.end());
    Lines rest{" 1 oranges ", " 3 U S mail ", ask,
               " you have chosen to carry  60000 pounds of U S mail. Is this correct?", " yes ",
               " you have chosen to carry  60000 pounds of U S mail. Is this correct?", " yes "};
    expected.insert(expected.end(), rest.begin(), rest.end());
    // Typed keys are echoed, not logged; only the lines above reach the transcript.
    EXPECT_EQ(r.lines, expected);
    EXPECT_EQ(r.t.cargo, 3);
    EXPECT_EQ(r.t.pounds, 60000) << "no upper limit before loading";
}

TEST(Setup, TruckMenuWrapsAndShortcuts) {
    struct Row {
        const char* keys;
        int make;
        Lines spoken;
    } rows[] = {
        {"enter", 1, {" Which truck do you wish to drive? ", " freight liner "}},
        {"up enter", 5, {" Which truck do you wish to drive? ", " freight liner ", " peter built "}},
        {"p down enter", 1, {" Which truck do you wish to drive? ", " freight liner ", " peter built ", " freight liner "}},
        {"i k m enter", 4, {" Which truck do you wish to drive? ", " freight liner ", " international ", " kenworth ", " mac "}},
        {"k x enter", 1, {" Which truck do you wish to drive? ", " freight liner ", " kenworth ",
                          " Which truck do you wish to drive? ", " freight liner "}},
    };
    for (auto& row : rows) {
        TripRig r(row.keys);
        truckMenu(r.f, r.t);
        EXPECT_EQ(r.t.truckMake, row.make) << row.keys;
        EXPECT_EQ(r.lines, row.spoken) << row.keys;
    }
}

TEST(Setup, LoadingFillsTheTablesAndTheFullLoadIsCut) {
    TripRig r;
    r.t.tables = RouteTables{};
    r.t.pounds = 60000;
    r.t.tripHours = 0;
    r.t.tireWear = 3;
    r.t.leg = 9;
    loading(r.f, r.t);
    firstFuel(r.f, r.t);
    EXPECT_EQ(r.t.tables.routeMiles[1], 2710);
    EXPECT_EQ(r.t.tireWear, 10);
    EXPECT_EQ(r.t.fuel, 190);
    EXPECT_EQ(r.t.leg, 1);
    EXPECT_EQ(r.t.spareTires, 1);
    EXPECT_EQ(r.t.speedLimit, 55);
    EXPECT_EQ(r.t.tripCount, 1);
    EXPECT_EQ(r.t.pounds, 50000);
    EXPECT_EQ(r.t.tripHours, 1);
    EXPECT_EQ(r.lines, (Lines{"They are loading your truck now.", " 50,000 pounds of cargo has filled your trailer!", "",
                              " Day Monday", " Time:  9 A.M. ", " You paid $190.00 for a nearly full tank of diesel fuel."}));
    EXPECT_EQ(r.soundsPlayed(), (std::vector<int>{32, 29, 27, 40}));
    EXPECT_EQ(r.t.screenLineCount, 1) << "the fuel line opens a screen of its own";
}

TEST(Setup, EveryTireChoiceWithItsExpensesAndWear) {
    struct Row {
        const char* keys;
        double expenses;
        double wear;
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
}

TEST(Setup, TireMenusAskAgainOnOtherKeys) {
    // "x" at the yes/no asks again; at the type menu the price line comes back with new; at the
    // count "     How many" is spoken again, not remembered.
    TripRig r("x enter r x enter q 2 enter");
    wornTires(r.f, r.t);
    const std::string worn = " Two of your tires are worn.  Do you want replacements?";
    const std::string price = " A new tire costs $200.00.  A retread costs $100.00.";
    const std::string which = "     Which type do you want ";
    EXPECT_EQ(r.lines, (Lines{worn, " yes ", worn, " yes ", price, which, " new ", " retread ", price, which, " new ",
                              "     How many", " 1", "     How many", " 1", " 2"}));
    EXPECT_EQ(r.t.expenses, 590);
    EXPECT_EQ(r.t.screenLineCount, 5) << "the type menu's second asking is on the same screen";
}

TEST(Setup, EachRouteWithItsColumnAndRoadFactor) {
    struct Row {
        const char* keys;
        int route, factor, choice;
    } rows[] = {
        {"enter", 1, 4, 1},        {"m enter", 0, 2, 2}, {"s enter", 2, 1, 3},
        {"down enter", 0, 2, 2},   {"up enter", 2, 1, 3}, {"s down enter", 1, 4, 1},
    };
    for (auto& row : rows) {
        TripRig r(row.keys);
        routeMenu(r.f, r.t);
        EXPECT_EQ(r.t.route, row.route) << row.keys;
        EXPECT_EQ(r.t.roadFactor, row.factor) << row.keys;
        EXPECT_EQ(r.t.routeChoice, row.choice) << row.keys;
        std::vector<int> sounds = r.soundsPlayed();
        ASSERT_FALSE(sounds.empty());
        EXPECT_EQ(sounds.back(), 44) << "the engine starts";
        EXPECT_EQ(r.t.screenLineCount, 0);
    }
    TripRig r("x enter");
    routeMenu(r.f, r.t);
    const Lines ask{" You may choose the Northern, Middle or Southern route. ", "     Which route do you choose? ", " northern "};
    EXPECT_EQ(r.lines, join({ask, ask}));
}

}  // namespace
}  // namespace dravlen
