// The route tables: facts derived from the three routes, so that a wrong value shows.
#include <gtest/gtest.h>

#include "world/numbers.h"
#include "world/routes.h"

namespace dravlen {
namespace {

TEST(Routes, DerivedFactsOfEachRoute) {
    RouteTables t;
    // Filling starts from the starting values whatever the detour or an earlier trip left.
    t.placeName[22][0] = "left over";
    t.legEnd[12][2] = 1985;
    t.roadName[12][2] = "Arkansas county roads";
    fillRouteTables(t);
    struct Row {
        int route, legs, miles, mileSum;  // mileSum: every place before New York
        double eventSum, tolls;
        int timeZones, rockSlides;
    } rows[] = {{0, 21, 2850, 31205, 72.75, 240, 3, 1}, {1, 18, 2710, 23250, 59.94, 195, 2, 0},
                {2, 25, 3120, 41504, 54.05, 95, 3, 0}};
    for (auto& row : rows) {
        const int r = row.route;
        int legs = 0, mileSum = 0, timeZones = 0, rockSlides = 0;
        double eventSum = 0, tolls = 0;
        for (int leg = 1; leg < kLegs && !t.placeName[leg][r].empty(); legs = leg++) {
            const double code = t.placeEvent[leg][r];
            eventSum += code;
            if (eventKind(code) == static_cast<int>(EventKind::toll)) tolls += tollDollars(code);
            timeZones += eventKind(code) == static_cast<int>(EventKind::timeZone);
            rockSlides += eventKind(code) == static_cast<int>(EventKind::rockSlide);
            if (t.legEnd[leg][r] != 9999) mileSum += t.legEnd[leg][r];
            if (leg > 1) {
                EXPECT_GT(t.legEnd[leg][r], t.legEnd[leg - 1][r]) << r << " leg " << leg;
            }
        }
        EXPECT_EQ(legs, row.legs) << r;
        EXPECT_EQ(t.placeName[legs][r], "New York") << r;
        EXPECT_EQ(t.legEnd[legs][r], 9999) << r;
        EXPECT_LT(t.legEnd[legs - 1][r], t.routeMiles[r]) << "every place before New York is passed";
        EXPECT_EQ(t.routeMiles[r], row.miles) << r;
        EXPECT_EQ(mileSum, row.mileSum) << r;
        EXPECT_NEAR(eventSum, row.eventSum, 1e-9) << r;
        EXPECT_NEAR(tolls, row.tolls, 1e-9) << r;
        EXPECT_EQ(timeZones, row.timeZones) << r;
        EXPECT_EQ(rockSlides, row.rockSlides) << r;
    }
    // Names are spoken as stored, misspellings and all.
    EXPECT_EQ(t.placeName[10][1], "Demoines");
    EXPECT_EQ(t.placeName[16][1], "East Stroudsberg");
    EXPECT_EQ(t.roadName[13][1], "Indianna Turnpike");
    EXPECT_EQ(t.roadName[13][0], "I-70 in Indianna");
    EXPECT_EQ(t.roadName[18][2], "I-85 in Carolina");
    EXPECT_EQ(t.roadName[3][0], "I-40 in California");  // the leg to Flagstaff
    EXPECT_EQ(t.roadName[21][0], "New York streets");
    EXPECT_EQ(t.roadName[12][2], "I-20 in Louisiana");
    EXPECT_EQ(t.placeEvent[11][2], 5) << "the Louisiana border's whole code";
    EXPECT_EQ(number(tollDollars(2.95)), " 95");
}

}  // namespace
}  // namespace dravlen
