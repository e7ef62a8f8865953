// The trip setup's weight and tires on the scripted platform (the setups as heard, every key at
// every menu, are told in the stories trip-setup and trip-keys).
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "dialogue/setup.h"
#include "trip_rig.h"

namespace dravlen::testing {
namespace {

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
