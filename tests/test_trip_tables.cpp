// The trip's fixed rules as tables at their boundaries: numbers, fatigue, weather, accident causes
// and the route tables' sums (the routes, the traffic and the clock as heard are told in the stories trip-*).
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "dialogue/setup.h"
#include "road/hour.h"
#include "world/numbers.h"
#include "world/routes.h"

namespace dravlen {
namespace {

TEST(Numbers, SpokenFormRoundingCutsAndTypedWeights) {
    const std::pair<double, const char*> spoken[] = {
        {8, " 8"}, {0, " 0"}, {-0.0, " 0"}, {-2, "-2"}, {40000, " 40000"}, {0.5, " .5"}, {-0.5, "-.5"},
        {57.3, " 57.3"}, {123456789012345.0, " 123456789012345"}, {(2.65 - 2) * 100, " 65"},
        {(2.2 - 2) * 100, " 20"}, {12.339999999999998, " 12.34"}, {0.1 + 0.2, " .3"}};
    for (auto [x, text] : spoken) EXPECT_EQ(number(x), text) << x;
    EXPECT_EQ(std::tuple(Int(-0.5), Int(2.9)), std::tuple(-1, 2));
    const std::pair<double, double> halvesToEven[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.5000001, 3}};
    for (auto [x, whole] : halvesToEven) EXPECT_EQ(rounded(x), whole) << x;
    // Cut to two decimals as written: 0.37 x 100 is 36.99999... in binary, 4.999999999999999 a hair below 5.
    const std::pair<double, double> cuts[] = {{0.379, 0.37}, {0.37, 0.37}, {4.999999999999999, 5}, {4.9999999999, 4.99},
                                             {0.0999999999999964 * 4.5, 0.45}};
    for (auto [x, cut] : cuts) EXPECT_DOUBLE_EQ(cutDecimals(x, 2), cut) << x;
    const std::pair<const char*, double> typed[] = {{"40000", 40000}, {"25000.5", 25000.5}, {"30000x", 30000},
                                                    {"x30000", 0}, {".", 0}, {"-5", -5}, {"1e9", 1}};
    for (auto [text, value] : typed) EXPECT_EQ(typedValue(text), value) << text;
}

TEST(Routes, EachRoutesLegsMilesAndEventsSummed) {
    // New York's leg, the route's length, the sum of the miles before New York, the sum of the event codes x 100.
    const std::tuple<int, int, int, long> rows[] = {{21, 2850, 31205, 7275}, {18, 2710, 23250, 5994}, {25, 3120, 41504, 5405}};
    RouteTables t;
    fillRouteTables(t);
    for (int r = 0; r < kRoutes; ++r) {
        int leg = 1, sum = 0;
        double events = 0;
        for (; leg < kLegs && t.legEnd[leg][r] != 9999; ++leg) sum += t.legEnd[leg][r], events += t.placeEvent[leg][r];
        EXPECT_EQ(std::tuple(leg, t.placeName[leg][r], t.routeMiles[r], sum, std::lround(events * 100)),
                  std::tuple(std::get<0>(rows[r]), "New York", std::get<1>(rows[r]), std::get<2>(rows[r]), std::get<3>(rows[r])))
            << r;
    }
}

TEST(Fatigue, LevelsAreTestedInOrderAtTheirBoundaries) {
    const std::map<int, std::string> text{{100, " EXHAUSTED "}, {1, "rested & rearing to go."}, {2, "fine"},
                                          {4, "  bored"}, {8, "  tired!!"}, {25, "fatigued you're getting sleepy"}};
    struct Row {
        int tripHours, sleepHours, awake, risk;
    } rows[] = {
        {29, 7, 3, 100}, {28, 7, 3, 25},  {0, 7, 20, 100}, {0, 7, 19, 25},   // ratio above 4, awake above 19
        {0, 7, 3, 1},    {16, 7, 3, 1},   {23, 10, 3, 2},  {0, 7, 4, 2},     // ratio below 2.3 and awake under 4
        {17, 7, 3, 2},   {0, 7, 7, 2},    {25, 10, 3, 4},  {0, 7, 8, 4},     // ratio below 2.5 and awake under 8
        {21, 7, 11, 4},  {20, 7, 11, 4},  {0, 7, 12, 8},   {21, 7, 15, 8},   // ratio at most 3, awake under 12 / 16
        {22, 7, 11, 25}, {0, 7, 16, 25},  {22, 7, 5, 25},
    };
    for (auto& r : rows) {
        const Fatigue level = fatigueLevel(r.tripHours, r.sleepHours, r.awake);
        EXPECT_EQ(std::tuple(level.risk, level.text), std::tuple(r.risk, text.at(r.risk)))
            << r.tripHours << "/" << r.sleepHours << " awake " << r.awake;
    }
}

TEST(Weather, ThresholdsPerRouteAndNoClearAfterABlizzard) {
    const char *clear = "clear & dry", *wet = "clear, but roadway is wet", *snow = "light snow", *rain = "rain",
               *fog = "fog -- limited visibility", *bliz = "BLIZZARD  !!";
    const std::map<std::string, int> risk{{clear, 1}, {wet, 3}, {snow, 5}, {rain, 5}, {fog, 10}, {bliz, 50}};
    const std::tuple<int, float, int, const char*> rows[] = {
        {1, 3299.9f, 1, clear}, {1, 3300, 1, wet},   {1, 3800, 1, wet},   {1, 3800.5f, 1, snow},  // northern
        {1, 4600, 1, snow},     {1, 4600.5f, 1, fog}, {1, 4800, 1, fog},  {1, 4800.5f, 1, bliz},
        {0, 3399, 1, clear},    {0, 3401, 1, wet},   {0, 4200, 1, wet},   {0, 4700, 1, rain},     // middle
        {0, 4701, 1, fog},      {0, 4901, 1, bliz},  {2, 3999, 1, clear}, {2, 4001, 1, wet},      // southern
        {2, 4401, 1, rain},     {2, 5501, 1, fog},   {2, 5700, 1, fog},   {2, 5701, 1, bliz},
        {0, 10, 50, wet},       {1, 10, 50, wet},    {2, 10, 50, wet},    {2, 10, 10, clear},     // after a blizzard
    };
    for (auto [route, w, previous, text] : rows) {
        const WeatherOutcome& o = weatherOutcome(weatherFor(route, w, previous));
        EXPECT_EQ(std::tuple(std::string(o.text), o.risk), std::tuple(text, risk.at(text)))
            << route << " " << w << " after " << previous;
    }
    EXPECT_EQ(weatherFor(0, 4201, 1), Weather::lightSnowOrRain);
}

TEST(Accident, CausesInOrderWithTheirSounds) {
    const char* asleep = " You fell asleep at the wheel.";
    const std::tuple<int, int, int, int, const char*> rows[] = {
        {100, 50, 99, 1, asleep},
        {25, 50, 64, 1, asleep},
        {25, 50, 65, 0, " You drove off the road into a snow filled ditch."},
        {8, 10, 99, 1, " You rear-ended a pick-up with no tail lights."},
        {8, 5, 66, 2, "        Speed kills !"},
        {8, 5, 65, 3, " You hit a slick spot and skidded off the road."},
        {1, 3, 50, 3, " You hit a slick spot and skidded off the road."},
        {1, 1, 65, 0, " A drunk driver rammed your rig.  Tough luck !"},
    };
    for (auto [fatigue, weather, speed, soundCount, line] : rows) {
        const AccidentCause& c = accidentCause(fatigue, weather, speed);
        const bool sleeping = std::string(line) == asleep;  // the one line not waited for; the snore before it
        EXPECT_EQ(std::tuple(std::string(c.line), c.soundCount, c.waitForLine), std::tuple(line, soundCount, !sleeping))
            << fatigue << " " << weather << " " << speed;
        for (int i = 0; i < c.soundCount; ++i) EXPECT_EQ(c.sounds[i], sleeping ? 34 : 33) << line;
    }
}

}  // namespace
}  // namespace dravlen
