// The driving loop, one hour at a time: its order, the hour's floor, the limit, and arrival.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "road/loop.h"
#include "trip_rig.h"

namespace dravlen {
namespace {

using testing::TripRig;
using Lines = std::vector<std::string>;

// A rested driver on the northern route at the start of the trip, clear weather likely.
void onTheRoad(TripRig& r, int route = 1) {
    r.t.route = static_cast<int16_t>(route);
    r.t.roadFactor = route == 1 ? 4 : route == 0 ? 2 : 1;
    r.t.cargo = 2;
    r.t.tripHours = 1;
    r.t.tireWear = 0;  // no flat can come up
}

TEST(DrivingLoop, FirstHourInOrderWithTheReadoutLast) {
    TripRig r("6 0");
    onTheRoad(r);
    r.t.engineSpeed = 60;
    drivingHour(r.f, r.t);
    ASSERT_EQ(r.lines.size(), 11u);
    EXPECT_EQ(r.lines[0], " Cruising on I-15 in California") << "no place at mile 0, no readout before";
    EXPECT_EQ(r.lines[1], " You are feeling rested & rearing to go.");
    EXPECT_EQ(r.lines[2].rfind(" Current weather: ", 0), 0u);
    EXPECT_EQ(r.lines[3], " How fast do you wish to go? ");
    EXPECT_EQ(Lines(r.lines.begin() + 4, r.lines.begin() + 7), (Lines{"", " Day Monday", " Time:  10 A.M. "}));
    EXPECT_EQ(r.lines[7].rfind(" Approximate fuel ", 0), 0u);
    EXPECT_EQ(Lines(r.lines.begin() + 8, r.lines.end()), (Lines{"Speed  60", "        Odometer:  60", "Miles to go:  2650"}));
    EXPECT_EQ(r.t.tripHours, 2);
    EXPECT_EQ(r.t.hoursAwake, 4);
    EXPECT_EQ(r.t.hoursSinceStopOffer, 1);
    EXPECT_NEAR(r.t.fuel, 190 - 60 / 3.5, 1e-9);
    EXPECT_EQ(r.t.screenLineCount, 6) << "the readout opens the next hour's screen";
}

TEST(DrivingLoop, TheHourLastsFiveSecondsFromTheSpeedEntered) {
    TripRig r("6 0");
    onTheRoad(r);
    drivingHour(r.f, r.t);
    double readoutAt = -1;
    for (auto& e : r.sp.events())
        if (e.op == "speak" && e.text == " Day Monday") readoutAt = e.t;
    EXPECT_GT(readoutAt, r.t.hourStart + 5);
    EXPECT_LT(readoutAt, r.t.hourStart + 5.1);
}

TEST(DrivingLoop, PlacesComeBeforeTheRoadAndResetTheLimit) {
    TripRig r("5 0");
    onTheRoad(r);
    r.t.odometer = 250;  // Barstow (90) and Las Vegas (245) both passed
    r.t.speedLimit = 45;
    drivingHour(r.f, r.t);
    EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 3),
              (Lines{" You have just past Barstow", " You have just past Las Vegas", " Cruising on I-15 in Arizona"}));
    EXPECT_EQ(r.t.leg, 3);
    EXPECT_EQ(r.t.speedLimit, 55);
}

TEST(DrivingLoop, AConstructionLimitLastsOneHourADetourLimitStays) {
    TripRig r("6 0 6 0");
    onTheRoad(r);
    r.t.speedLimit = 35;
    drivingHour(r.f, r.t);
    EXPECT_EQ(r.t.speed, 52) << "capped at 1.5 x 35";
    EXPECT_EQ(r.t.speedLimit, 55);
    r.t.speedLimit = 45;
    drivingHour(r.f, r.t);
    EXPECT_EQ(r.t.speedLimit, 45);
}

TEST(DrivingLoop, ArrivalBeforeTheTrafficWaitAndReadout) {
    TripRig r("3 0");
    onTheRoad(r, 2);
    r.t.leg = 24;
    r.t.odometer = 3100;  // Holland Tunnel is at 3110, the route 3120 long
    EXPECT_TRUE(r.ends([&] { drivingHour(r.f, r.t); }));
    EXPECT_EQ(r.t.odometer, 3130);
    EXPECT_EQ(r.lines.back(), " How fast do you wish to go? ") << "nothing spoken after the arrival";
    EXPECT_FALSE(r.said("")) << "no clock readout";
}

TEST(DrivingLoop, ArrivalNeedsMoreThanTheRouteLength) {
    TripRig r("2 0");
    onTheRoad(r, 2);
    r.t.leg = 25;
    r.t.odometer = 3100;
    EXPECT_FALSE(r.ends([&] { drivingHour(r.f, r.t); }));
    EXPECT_EQ(r.lines.back(), "Miles to go:  0");
}

TEST(DrivingLoop, TheTruckStopComesFromTheFourthHour) {
    TripRig r("6 0 enter enter enter");
    onTheRoad(r);
    for (int hour = 1; hour <= 4; ++hour) drivingHour(r.f, r.t);
    EXPECT_EQ(r.t.hoursSinceStopOffer, 4);
}

}  // namespace
}  // namespace dravlen
