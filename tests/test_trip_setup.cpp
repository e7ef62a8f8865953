// The trip setup's menus at the terminal, step by step: cargo, truck, tires, route, and the weight
// (one whole setup is told as the story trip-setup).
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "dialogue/setup.h"
#include "trip_rig.h"

namespace dravlen::testing {
namespace {

TEST(Setup, EachMenuWrapsTakesItsShortcutsAndAsksAgain) {
    // The cargo lead-in's first line stands for all six; F1, Esc and unknown keys speak it again
    // with the terminal line, from item 1.
    const std::string T = " You are at the Los Angeles trucking terminal.", L = " Three types of cargo are available:";
    const std::string o = " 1 oranges ", f = " 2 freight ", m = " 3 U S mail ";
    const std::string q = " Which truck do you wish to drive? ", fl = " freight liner ", pb = " peter built ";
    const std::string n = " northern ", rq = " You may choose the Northern, Middle or Southern route. ";
    struct Row {
        void (*step)(Form&, Trip&);
        const char* keys;
        int chosen;
        Lines said;
    } rows[] = {
        {[](Form& f, Trip& t) { cargoMenu(f, t, true); }, "down down down enter", 1, {T, L, o, f, m, o}},
        {[](Form& f, Trip& t) { cargoMenu(f, t, true); }, "kp3 enter", 1, {T, L, o, T, L, o}},  // no shortcut
        {[](Form& f, Trip& t) { cargoMenu(f, t, true); }, "3 f1 esc n enter", 1,
         {T, L, o, m, T, L, o, " exit game? ", " yes ", T, L, o}},
        {truckMenu, "i k m enter", 4, {q, fl, " international ", " kenworth ", " mac "}},
        {truckMenu, "k x enter", 1, {q, fl, " kenworth ", q, fl}},
        {routeMenu, "x up enter", 3, {rq, "     Which route do you choose? ", n, rq, "     Which route do you choose? ",
                                      n, " southern "}},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.keys);
        TripRig r(row.keys);
        row.step(r.f, r.t);
        EXPECT_EQ(row.chosen, row.step == truckMenu ? r.t.truckMake : row.step == routeMenu ? r.t.routeChoice : r.t.cargo);
        Lines said;
        for (size_t i = 0; i < r.lines.size(); i += r.lines[i] == L ? 6 : 1) said.push_back(r.lines[i]);
        EXPECT_EQ(said, row.said);
    }
    // The route menu's choice onto the table's column and the road factor; the engine starts.
    const std::tuple<const char*, int, int, int> routes[] = {{"enter", 1, 1, 4}, {"m enter", 2, 0, 2},
                                                             {"s enter", 3, 2, 1}, {"s down enter", 1, 1, 4}};
    for (auto [keys, choice, column, factor] : routes) {
        TripRig r(keys);
        routeMenu(r.f, r.t);
        EXPECT_EQ(std::tuple(r.t.routeChoice, r.t.route, r.t.roadFactor), std::tuple(choice, column, factor)) << keys;
        EXPECT_EQ(r.soundsPlayed().back(), 44) << keys;
    }
}

TEST(Setup, AWeightTooLongToReadOutIsConfirmedAsAFullTrailer) {
    // Fifteen digits still read as typed; sixteen and more (260 make infinity) are a full trailer.
    const auto digits = [](int n, char first) {
        std::string keys(1, first);
        keys += " ";
        for (int i = 1; i < n; ++i) keys += "9 ";
        return keys;
    };
    struct Row {
        std::string keys;
        double pounds;
        const char* heard;
    } rows[] = {
        {digits(15, '9'), 999999999999999, " you have chosen to carry  999999999999999 pounds of freight. Is this correct?"},
        {digits(16, '1'), 50000, " you have chosen to carry  50000 pounds of freight. Is this correct?"},
        {digits(260, '9'), 50000, " you have chosen to carry  50000 pounds of freight. Is this correct?"},
        {digits(400, '5'), 50000, " you have chosen to carry  50000 pounds of freight. Is this correct?"},
    };
    for (auto& row : rows) {
        TripRig r(row.keys + "enter y");
        r.t.cargo = 2;
        loadWeight(r.f, r.t);
        EXPECT_EQ(r.t.pounds, row.pounds) << row.keys.size();
        ASSERT_FALSE(r.lines.empty());
        EXPECT_EQ(r.lines[r.lines.size() - 2], row.heard) << row.keys.size();
    }
    // Fifteen nines and a fraction would be read out as "1e+15".
    EXPECT_EQ(weightTyped("999999999999999.4"), 999999999999999.4);
    EXPECT_EQ(weightTyped("999999999999999.9"), 50000);
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
        {"x enter r x enter q 2 enter", 590, 2, {37, 37, 40}},
    };
    for (auto& row : rows) {
        TripRig r(row.keys);
        wornTires(r.f, r.t);
        EXPECT_EQ(std::tuple(r.t.expenses, r.t.tireWear), std::tuple(row.expenses, row.wear)) << row.keys;
        EXPECT_EQ(r.soundsPlayed(), row.sounds) << row.keys;
        if (row.keys[0] != 'x') continue;
        // Other keys: the yes/no asks again, the type menu speaks the price line again from new,
        // the count speaks "     How many" again.
        const std::string worn = " Two of your tires are worn.  Do you want replacements?";
        const std::string price = " A new tire costs $200.00.  A retread costs $100.00.";
        const std::string which = "     Which type do you want ";
        EXPECT_EQ(r.lines, (Lines{worn, " yes ", worn, " yes ", price, which, " new ", " retread ", price, which,
                                  " new ", "     How many", " 1", "     How many", " 1", " 2"}));
    }
}

}  // namespace
}  // namespace dravlen::testing
