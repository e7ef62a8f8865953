// The driving loop, one hour at a time: its order, the readout, the hour's floor, places, the limit, arrival.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "road/loop.h"
#include "road/places.h"
#include "trip_rig.h"

namespace dravlen {
namespace {

using testing::Lines;
using testing::TripRig;

// Freight an hour after the start, with tires that cannot blow.
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
    EXPECT_EQ(r.lines[2].rfind(" Current weather: ", 0), 0u);
    r.lines[2] = "-";
    // The gauge is the hour's last draw: from 4 gallons under to 5 over.
    const std::string gauge = " Approximate fuel  " + std::to_string(static_cast<int>(r.t.fuel - 4 + 10 * r.draws.back()));
    EXPECT_EQ(r.lines, (Lines{" Cruising on I-15 in California", " You are feeling rested & rearing to go.", "-",
                              " How fast do you wish to go? ", "", " Day Monday", " Time:  10 A.M. ", gauge,
                              "Speed  60", "        Odometer:  60", "Miles to go:  2650"}));
    EXPECT_EQ(r.t.fuelLine, gauge) << "F3 repeats it";
    EXPECT_EQ(std::tuple(r.t.tripHours, r.t.hoursAwake, r.t.hoursSinceStopOffer, r.t.screenLineCount),
              std::tuple(2, 4, 1, 6));
    EXPECT_NEAR(r.t.fuel, 190 - 60 / 3.5, 1e-9);
    double readoutAt = -1;
    for (auto& e : r.sp.events())
        if (e.op == "speak" && e.text == " Day Monday") readoutAt = e.t;
    EXPECT_TRUE(readoutAt > r.t.hourStart + 5 && readoutAt < r.t.hourStart + 5.1) << readoutAt - r.t.hourStart;
}

TEST(DrivingLoop, PlacesInLegOrderBeforeTheRoadAndTheLimitForOneHour) {
    TripRig r("6 0 6 0 6 0");
    onTheRoad(r, 1);
    r.t.odometer = 250;  // Barstow (90) and Las Vegas (245) both passed
    r.t.speedLimit = 35;
    drivingHour(r.f, r.t);
    EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 3),
              (Lines{" You have just past Barstow", " You have just past Las Vegas", " Cruising on I-15 in Arizona"}));
    EXPECT_EQ(std::tuple(r.t.leg, r.t.speed), std::tuple(3, 60)) << "a place resets the limit to 55";
    r.t.speedLimit = 35;  // a construction zone lasts one hour
    drivingHour(r.f, r.t);
    EXPECT_EQ(std::tuple(r.t.speed, r.t.speedLimit), std::tuple(52, 55));
    r.t.speedLimit = 45;  // the detour's limit stays
    drivingHour(r.f, r.t);
    EXPECT_EQ(r.t.speedLimit, 45);
    // Up to the mile of a place and no further; many places in one go; New York never.
    TripRig s("");
    onTheRoad(s, 1);
    s.t.odometer = 499;  // the End of Interstate is at 500
    placeCheck(s.f, s.t);
    EXPECT_EQ(std::tuple(s.t.leg, s.lines.back(), s.draws.size()), std::tuple(4, " You have just past Utah border", 0u));
    s.t.route = 2;
    s.t.leg = 1;
    s.t.odometer = 9998;
    placeCheck(s.f, s.t);
    EXPECT_EQ(std::tuple(s.t.leg, s.lines.back()), std::tuple(25, " You have just past Holland Tunnel"));
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
