// The driving loop, one hour at a time: its order, the hour's floor, places, the limit, and arrival.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "road/loop.h"
#include "road/places.h"
#include "trip_rig.h"

namespace dravlen {
namespace {

using testing::Lines;
using testing::TripRig;

// Freight on the given route an hour after the start, with tires that cannot blow.
void onTheRoad(TripRig& r, int route) {
    r.t.route = static_cast<int16_t>(route);
    r.t.roadFactor = route == 1 ? 4 : route == 0 ? 2 : 1;
    r.t.cargo = 2;
    r.t.tripHours = 1;
    r.t.tireWear = 0;
}

TEST(DrivingLoop, AnHourInOrderWithTheReadoutFiveSecondsAfterTheSpeed) {
    TripRig r("6 0");
    onTheRoad(r, 1);
    drivingHour(r.f, r.t);
    ASSERT_EQ(r.lines.size(), 11u);
    EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 2),
              (Lines{" Cruising on I-15 in California", " You are feeling rested & rearing to go."}));
    EXPECT_EQ(r.lines[2].rfind(" Current weather: ", 0), 0u);
    EXPECT_EQ(r.lines[7].rfind(" Approximate fuel ", 0), 0u);
    r.lines[2] = r.lines[7] = "-";
    EXPECT_EQ(r.lines, (Lines{" Cruising on I-15 in California", " You are feeling rested & rearing to go.", "-",
                              " How fast do you wish to go? ", "", " Day Monday", " Time:  10 A.M. ", "-",
                              "Speed  60", "        Odometer:  60", "Miles to go:  2650"}));
    EXPECT_EQ(r.t.tripHours, 2);
    EXPECT_EQ(r.t.hoursAwake, 4);
    EXPECT_EQ(r.t.hoursSinceStopOffer, 1);
    EXPECT_NEAR(r.t.fuel, 190 - 60 / 3.5, 1e-9);
    EXPECT_EQ(r.t.screenLineCount, 6) << "the readout opens the next hour's screen";
    double readoutAt = -1;
    for (auto& e : r.sp.events())
        if (e.op == "speak" && e.text == " Day Monday") readoutAt = e.t;
    EXPECT_GT(readoutAt, r.t.hourStart + 5);
    EXPECT_LT(readoutAt, r.t.hourStart + 5.1);
}

TEST(DrivingLoop, PlacesInLegOrderBeforeTheRoadAndTheLimitForOneHour) {
    TripRig r("6 0 6 0 6 0");
    onTheRoad(r, 1);
    r.t.odometer = 250;  // Barstow (90) and Las Vegas (245) both passed
    r.t.speedLimit = 35;
    drivingHour(r.f, r.t);
    EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 3),
              (Lines{" You have just past Barstow", " You have just past Las Vegas", " Cruising on I-15 in Arizona"}));
    EXPECT_EQ(r.t.leg, 3);
    EXPECT_EQ(r.t.speed, 60) << "a place resets the limit to 55";
    r.t.speedLimit = 35;  // a construction zone lasts one hour
    drivingHour(r.f, r.t);
    EXPECT_EQ(r.t.speed, 52);
    EXPECT_EQ(r.t.speedLimit, 55);
    r.t.speedLimit = 45;  // the detour's limit stays
    drivingHour(r.f, r.t);
    EXPECT_EQ(r.t.speedLimit, 45);

    // Up to the mile of a place and no further; many places in one go; New York never.
    TripRig s;
    s.t.route = 1;
    s.t.odometer = 499;  // the End of Interstate is at 500
    placeCheck(s.f, s.t);
    EXPECT_EQ(s.t.leg, 4);
    EXPECT_EQ(s.lines.back(), " You have just past Utah border");
    EXPECT_TRUE(s.draws.empty()) << "no draw for Barstow's refrigeration while the events are not there";
    s.t.route = 2;
    s.t.leg = 1;
    s.t.odometer = 9998;
    placeCheck(s.f, s.t);
    EXPECT_EQ(s.t.leg, 25);
    EXPECT_EQ(s.lines.back(), " You have just past Holland Tunnel");
}

TEST(DrivingLoop, ArrivalNeedsMoreThanTheRouteLengthAndComesBeforeTheReadout) {
    for (const char* keys : {"2 0", "3 0"}) {
        TripRig r(keys);
        onTheRoad(r, 2);
        r.t.leg = 25;
        r.t.odometer = 3100;  // the route is 3120 long
        const bool arrived = r.ends([&] { drivingHour(r.f, r.t); });
        EXPECT_EQ(arrived, keys[0] == '3') << keys;
        EXPECT_EQ(r.lines.back(), arrived ? " How fast do you wish to go? " : "Miles to go:  0") << keys;
    }
}

}  // namespace
}  // namespace dravlen
