// The route tables: three routes of places, roads, miles and event codes.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "world/numbers.h"
#include "world/routes.h"

namespace dravlen {
namespace {

constexpr int kMiddle = 0, kNorthern = 1, kSouthern = 2;

RouteTables filled() {
    RouteTables t;
    fillRouteTables(t);
    return t;
}

int lastLeg(const RouteTables& t, int route) {
    int leg = 1;
    while (leg + 1 < kLegs && !t.placeName[leg + 1][route].empty()) ++leg;
    return leg;
}

TEST(Routes, LengthsAndLegCounts) {
    RouteTables t = filled();
    EXPECT_EQ(t.routeMiles[kMiddle], 2850);
    EXPECT_EQ(t.routeMiles[kNorthern], 2710);
    EXPECT_EQ(t.routeMiles[kSouthern], 3120);
    EXPECT_EQ(lastLeg(t, kMiddle), 21);
    EXPECT_EQ(lastLeg(t, kNorthern), 18);
    EXPECT_EQ(lastLeg(t, kSouthern), 25);
    for (int r = 0; r < 3; ++r) {
        const int last = lastLeg(t, r);
        EXPECT_EQ(t.placeName[last][r], "New York") << r;
        EXPECT_EQ(t.legEnd[last][r], 9999) << r;
        EXPECT_EQ(t.placeEvent[last][r], 0) << r;
        EXPECT_LT(t.legEnd[last - 1][r], t.routeMiles[r]) << "every place before New York is passed";
        // Leg 0 and the rows after the last leg stay empty.
        EXPECT_EQ(t.legEnd[0][r], 0);
        EXPECT_TRUE(t.placeName[0][r].empty());
        for (int leg = last + 1; leg < kLegs; ++leg) {
            EXPECT_EQ(t.legEnd[leg][r], 0);
            EXPECT_TRUE(t.roadName[leg][r].empty());
            EXPECT_EQ(t.placeEvent[leg][r], 0);
        }
        for (int leg = 2; leg < last; ++leg) EXPECT_GT(t.legEnd[leg][r], t.legEnd[leg - 1][r]) << r << " " << leg;
    }
}

TEST(Routes, TollsAddUpPerRouteAndReadAsWholeDollars) {
    RouteTables t = filled();
    std::map<int, double> total;
    std::vector<std::string> spoken;
    for (int r = 0; r < 3; ++r)
        for (int leg = 1; leg < kLegs; ++leg)
            if (eventKind(t.placeEvent[leg][r]) == static_cast<int>(EventKind::toll)) {
                total[r] += tollDollars(t.placeEvent[leg][r]);
                spoken.push_back(number(tollDollars(t.placeEvent[leg][r])));
            }
    EXPECT_NEAR(total[kNorthern], 195, 1e-9);
    EXPECT_NEAR(total[kMiddle], 240, 1e-9);
    EXPECT_NEAR(total[kSouthern], 95, 1e-9);
    EXPECT_EQ(spoken, (std::vector<std::string>{" 65", " 40", " 95", " 40", " 50", " 45", " 80", " 20", " 30", " 25", " 40"}));
}

TEST(Routes, EventPlaces) {
    RouteTables t = filled();
    auto legsOf = [&](int route, EventKind kind) {
        std::vector<int> legs;
        for (int leg = 1; leg < kLegs; ++leg)
            if (eventKind(t.placeEvent[leg][route]) == static_cast<int>(kind)) legs.push_back(leg);
        return legs;
    };
    EXPECT_EQ(legsOf(kNorthern, EventKind::timeZone), (std::vector<int>{2, 8}));
    EXPECT_EQ(legsOf(kMiddle, EventKind::timeZone), (std::vector<int>{2, 6, 14}));
    EXPECT_EQ(legsOf(kSouthern, EventKind::timeZone), (std::vector<int>{2, 7, 13}));
    EXPECT_EQ(legsOf(kMiddle, EventKind::rockSlide), (std::vector<int>{17}));
    EXPECT_TRUE(legsOf(kNorthern, EventKind::rockSlide).empty());
    EXPECT_TRUE(legsOf(kSouthern, EventKind::rockSlide).empty());
    EXPECT_EQ(legsOf(kMiddle, EventKind::refrigeration), (std::vector<int>{1, 7}));
    EXPECT_EQ(legsOf(kSouthern, EventKind::refrigeration), (std::vector<int>{4, 19}));
    EXPECT_EQ(legsOf(kMiddle, EventKind::weighStation), (std::vector<int>{4, 8, 12, 15}));
    EXPECT_EQ(legsOf(kNorthern, EventKind::radarTrap), (std::vector<int>{5, 10, 15}));
    EXPECT_EQ(legsOf(kNorthern, EventKind::construction), (std::vector<int>{4, 7, 16}));

    // Barstow opens the northern and the middle route alike.
    for (int r : {kMiddle, kNorthern}) {
        EXPECT_EQ(t.placeName[1][r], "Barstow");
        EXPECT_EQ(t.legEnd[1][r], 90);
        EXPECT_EQ(t.roadName[1][r], "I-15 in California");
        EXPECT_EQ(t.placeEvent[1][r], 7.8);
    }
    EXPECT_EQ(t.placeEvent[7][kMiddle], 7.8);  // Amarillo
    // The Louisiana border station carries the whole code 5.
    EXPECT_EQ(t.placeName[11][kSouthern], "Louisiana border");
    EXPECT_EQ(t.placeEvent[11][kSouthern], 5);
    EXPECT_EQ(eventFraction(5), 0);
    EXPECT_NEAR(eventFraction(3.35), 0.35, 1e-12);
    EXPECT_NEAR(eventFraction(4.16), 0.16, 1e-12);
}

TEST(Routes, NamesAreSpokenAsStored) {
    RouteTables t = filled();
    EXPECT_EQ(t.placeName[10][kNorthern], "Demoines");
    EXPECT_EQ(t.placeName[16][kNorthern], "East Stroudsberg");
    EXPECT_EQ(t.roadName[13][kNorthern], "Indianna Turnpike");
    EXPECT_EQ(t.roadName[13][kMiddle], "I-70 in Indianna");
    EXPECT_EQ(t.roadName[18][kSouthern], "I-85 in Carolina");
    EXPECT_EQ(t.roadName[3][kMiddle], "I-40 in California");
    EXPECT_EQ(t.placeName[3][kMiddle], "Flagstaff");
    EXPECT_EQ(t.roadName[21][kMiddle], "New York streets");
    EXPECT_EQ(t.roadName[18][kNorthern], "city streets");
    EXPECT_EQ(t.roadName[1][kSouthern], "I-10 in California");
    EXPECT_EQ(t.legEnd[10][kSouthern], 1439);
    EXPECT_EQ(t.placeName[16][kMiddle], "Wheeling West Virginia");
}

TEST(Routes, FillingAgainStartsFromTheStartingValues) {
    // The detour rewrites the southern column; filling anew restores it.
    RouteTables t = filled();
    t.legEnd[12][kSouthern] += 200;
    t.routeMiles[kSouthern] += 200;
    t.roadName[12][kSouthern] = "Arkansas county roads";
    fillRouteTables(t);
    EXPECT_EQ(t.legEnd[12][kSouthern], 1785);
    EXPECT_EQ(t.routeMiles[kSouthern], 3120);
    EXPECT_EQ(t.roadName[12][kSouthern], "I-20 in Louisiana");
}

}  // namespace
}  // namespace dravlen
