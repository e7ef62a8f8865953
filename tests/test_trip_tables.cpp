// The driving hour's fixed tables: fatigue, weather, accident causes and traffic.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "road/hour.h"

namespace dravlen {
namespace {

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
        EXPECT_EQ(level.risk, r.risk) << r.tripHours << "/" << r.sleepHours << " awake " << r.awake;
        EXPECT_EQ(level.text, text.at(r.risk));
    }
}

TEST(Weather, ThresholdsPerRouteAndNoClearAfterABlizzard) {
    struct Row {
        int route;
        float w;
        int previous, risk;
        const char* text;
    } rows[] = {
        {1, 3299.9f, 1, 1, "clear & dry"},  {1, 3300, 1, 3, "clear, but roadway is wet"},  // northern
        {1, 3800, 1, 3, "clear, but roadway is wet"}, {1, 3800.5f, 1, 5, "light snow"},
        {1, 4600, 1, 5, "light snow"},      {1, 4600.5f, 1, 10, "fog -- limited visibility"},
        {1, 4800, 1, 10, "fog -- limited visibility"}, {1, 4800.5f, 1, 50, "BLIZZARD  !!"},
        {0, 3399, 1, 1, "clear & dry"},     {0, 3401, 1, 3, "clear, but roadway is wet"},  // middle
        {0, 4200, 1, 3, "clear, but roadway is wet"}, {0, 4700, 1, 5, "rain"},
        {0, 4701, 1, 10, "fog -- limited visibility"}, {0, 4901, 1, 50, "BLIZZARD  !!"},
        {2, 3999, 1, 1, "clear & dry"},     {2, 4001, 1, 3, "clear, but roadway is wet"},  // southern
        {2, 4401, 1, 5, "rain"},            {2, 5501, 1, 10, "fog -- limited visibility"},
        {2, 5700, 1, 10, "fog -- limited visibility"}, {2, 5701, 1, 50, "BLIZZARD  !!"},
        {0, 10, 50, 3, "clear, but roadway is wet"}, {1, 10, 50, 3, "clear, but roadway is wet"},
        {2, 10, 50, 3, "clear, but roadway is wet"}, {2, 10, 10, 1, "clear & dry"},
    };
    for (auto& r : rows) {
        const WeatherOutcome& o = weatherOutcome(weatherFor(r.route, r.w, r.previous));
        EXPECT_STREQ(o.text, r.text) << r.route << " " << r.w << " after " << r.previous;
        EXPECT_EQ(o.risk, r.risk) << r.text;
    }
    EXPECT_EQ(weatherFor(0, 4201, 1), Weather::lightSnowOrRain);
}

TEST(Weather, StepSetsTheFlagsAndTheMiddleRouteRollsSnowOneTimeInThree) {
    Trip t;
    t.rng.seed(7);
    int draws = 0, snow = 0, rain = 0;
    t.rng.observer = [&](double) { ++draws; };
    t.odometer = 2000;
    for (int i = 0; i < 4000; ++i) {
        t.route = static_cast<int16_t>(i % 2);  // middle, northern
        t.wetWeather = t.blizzard = draws = 0;
        weatherStep(t);
        const std::string w = t.weatherText;
        EXPECT_EQ(t.wetWeather, w == "light snow" || w == "rain" || w == "BLIZZARD  !!") << w;
        EXPECT_EQ(t.blizzard, w == "BLIZZARD  !!");
        EXPECT_EQ(draws, t.route == 0 && (w == "light snow" || w == "rain") ? 2 : 1) << w;
        if (t.route == 0) snow += w == "light snow", rain += w == "rain";
    }
    ASSERT_GT(snow + rain, 100);
    EXPECT_NEAR(static_cast<double>(snow) / (snow + rain), 1.0 / 3, 0.08);
}

TEST(Accident, CausesInOrderWithTheirSounds) {
    struct Row {
        int fatigue, weather, speed, soundCount;
        const char* line;
    } rows[] = {
        {100, 50, 99, 1, " You fell asleep at the wheel."},
        {25, 50, 64, 1, " You fell asleep at the wheel."},
        {25, 50, 65, 0, " You drove off the road into a snow filled ditch."},
        {8, 10, 99, 1, " You rear-ended a pick-up with no tail lights."},
        {8, 5, 66, 2, "        Speed kills !"},
        {8, 5, 65, 3, " You hit a slick spot and skidded off the road."},
        {1, 3, 50, 3, " You hit a slick spot and skidded off the road."},
        {1, 1, 65, 0, " A drunk driver rammed your rig.  Tough luck !"},
    };
    for (auto& r : rows) {
        const AccidentCause& c = accidentCause(r.fatigue, r.weather, r.speed);
        EXPECT_STREQ(c.line, r.line) << r.fatigue << " " << r.weather << " " << r.speed;
        EXPECT_EQ(c.soundCount, r.soundCount) << r.line;
        const bool asleep = std::string(r.line) == " You fell asleep at the wheel.";
        for (int i = 0; i < c.soundCount; ++i) EXPECT_EQ(c.sounds[i], asleep ? 34 : 33) << r.line;
        EXPECT_EQ(c.waitForLine, !asleep) << "only falling asleep is not waited for";
    }
}

TEST(Traffic, OddRollsPlaySoundsTwoToEighteen) {
    int sounds = 0, longPauses = 0, centred = 0;
    for (int n = 1; n <= 33; ++n) {
        const TrafficPick p = trafficPick(n);
        EXPECT_EQ(p.sound, n % 2 ? (n + 3) / 2 : 0) << n;
        sounds += p.sound != 0;
        longPauses += p.pause == 1;
        centred += p.centred;
        EXPECT_TRUE(!p.sound || p.pause == 1 || p.pause == 0.1) << n;
    }
    EXPECT_EQ(sounds, 17);
    EXPECT_EQ(longPauses, 8);
    EXPECT_EQ(centred, 1);
    EXPECT_TRUE(trafficPick(13).centred && trafficPick(13).sound == 8);
    int longSum = 0;  // sounds 3, 4, 5, 6, 8, 13, 15 and 16 wait a whole second
    for (int n = 1; n <= 33; n += 2) longSum += trafficPick(n).pause == 1 ? trafficPick(n).sound : 0;
    EXPECT_EQ(longSum, 70);
}

}  // namespace
}  // namespace dravlen
