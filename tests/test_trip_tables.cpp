// The driving hour's fixed tables: fatigue, weather, accident causes and traffic.
#include <gtest/gtest.h>

#include <string>

#include "dialogue/setup.h"
#include "road/hour.h"

namespace dravlen {
namespace {

std::string fatigue(int tripHours, int sleepHours, int awake) {
    return fatigueLevel(tripHours, sleepHours, awake).text;
}

TEST(Fatigue, LevelsAreTestedInOrderAtTheirBoundaries) {
    // Level 1: ratio above 4, or awake more than 19 hours, whatever else holds.
    EXPECT_EQ(fatigue(29, 7, 3), " EXHAUSTED ");   // 4.14
    EXPECT_EQ(fatigue(28, 7, 3), "fatigued you're getting sleepy") << "ratio exactly 4 is not above 4";
    EXPECT_EQ(fatigue(0, 7, 20), " EXHAUSTED ");
    EXPECT_EQ(fatigueLevel(0, 7, 20).risk, 100);
    EXPECT_NE(fatigue(0, 7, 19), " EXHAUSTED ");
    // Level 2: ratio below 2.3 and awake under 4.
    EXPECT_EQ(fatigue(0, 7, 3), "rested & rearing to go.");
    EXPECT_EQ(fatigueLevel(0, 7, 3).risk, 1);
    EXPECT_EQ(fatigue(0, 7, 4), "fine");
    EXPECT_EQ(fatigue(16, 7, 3), "rested & rearing to go.");  // 2.29
    EXPECT_EQ(fatigue(23, 10, 3), "fine") << "ratio 2.3 is not below 2.3";
    // Level 3: ratio below 2.5 and awake under 8.
    EXPECT_EQ(fatigueLevel(0, 7, 7).risk, 2);
    EXPECT_EQ(fatigue(0, 7, 8), "  bored");
    EXPECT_EQ(fatigue(25, 10, 3), "  bored") << "ratio 2.5 is not below 2.5";
    // Level 4: ratio at most 3 and awake under 12 (3.0 itself counts).
    EXPECT_EQ(fatigue(21, 7, 11), "  bored");
    EXPECT_EQ(fatigueLevel(21, 7, 11).risk, 4);
    EXPECT_EQ(fatigue(0, 7, 12), "  tired!!");
    // Level 5: ratio at most 3 and awake under 16.
    EXPECT_EQ(fatigue(21, 7, 15), "  tired!!");
    EXPECT_EQ(fatigueLevel(21, 7, 15).risk, 8);
    // Level 6: everything else.
    EXPECT_EQ(fatigue(0, 7, 16), "fatigued you're getting sleepy");
    EXPECT_EQ(fatigue(22, 7, 5), "fatigued you're getting sleepy");  // 3.14, rested but a long week
    EXPECT_EQ(fatigueLevel(22, 7, 5).risk, 25);
}

TEST(Fatigue, RatioIsARealDivision) {
    // 15 / 7 = 2.14 (below 2.3); an integer division would give 2 and pass too, but 17 / 7 = 2.43
    // must fail level 2 and pass level 3.
    EXPECT_EQ(fatigue(17, 7, 3), "fine");
    EXPECT_EQ(fatigue(20, 7, 11), "  bored");   // 2.86
    EXPECT_EQ(fatigue(22, 7, 11), "fatigued you're getting sleepy");
}

const char* weather(int route, float w, int previous = 1) { return weatherOutcome(weatherFor(route, w, previous)).text; }

TEST(Weather, ThresholdsPerRoute) {
    // Northern (column 1): clear < 3300, blizzard > 4800, fog > 4600, light snow > 3800.
    EXPECT_STREQ(weather(1, 3299.9f), "clear & dry");
    EXPECT_STREQ(weather(1, 3300), "clear, but roadway is wet");
    EXPECT_STREQ(weather(1, 3800), "clear, but roadway is wet");
    EXPECT_STREQ(weather(1, 3800.5f), "light snow");
    EXPECT_STREQ(weather(1, 4600), "light snow");
    EXPECT_STREQ(weather(1, 4600.5f), "fog -- limited visibility");
    EXPECT_STREQ(weather(1, 4800), "fog -- limited visibility");
    EXPECT_STREQ(weather(1, 4800.5f), "BLIZZARD  !!");
    // Middle (column 0): clear < 3400, blizzard > 4900, fog > 4700, snow or rain > 4200.
    EXPECT_STREQ(weather(0, 3399), "clear & dry");
    EXPECT_STREQ(weather(0, 3401), "clear, but roadway is wet");
    EXPECT_EQ(weatherFor(0, 4200, 1), Weather::wetRoad);
    EXPECT_EQ(weatherFor(0, 4201, 1), Weather::lightSnowOrRain);
    EXPECT_STREQ(weather(0, 4701), "fog -- limited visibility");
    EXPECT_STREQ(weather(0, 4901), "BLIZZARD  !!");
    // Southern (column 2): clear < 4000, blizzard > 5700, fog > 5500, rain > 4400.
    EXPECT_STREQ(weather(2, 3999), "clear & dry");
    EXPECT_STREQ(weather(2, 4001), "clear, but roadway is wet");
    EXPECT_STREQ(weather(2, 4401), "rain");
    EXPECT_STREQ(weather(2, 5501), "fog -- limited visibility");
    EXPECT_STREQ(weather(2, 5700), "fog -- limited visibility");
    EXPECT_STREQ(weather(2, 5701), "BLIZZARD  !!");
}

TEST(Weather, NoClearAndDryRightAfterABlizzard) {
    for (int route = 0; route < 3; ++route) {
        EXPECT_STREQ(weather(route, 10, 50), "clear, but roadway is wet") << route;
        EXPECT_STREQ(weather(route, 10, 10), "clear & dry") << "only a blizzard hour rules it out";
        EXPECT_STREQ(weather(route, 10, 5), "clear & dry");
    }
}

TEST(Weather, OutcomesCarryTheirRiskAndFlags) {
    struct Row {
        Weather w;
        int risk, wet, blizzard;
    } rows[] = {{Weather::clearAndDry, 1, 0, 0}, {Weather::blizzard, 50, 1, 1}, {Weather::fog, 10, 0, 0},
                {Weather::lightSnow, 5, 1, 0},   {Weather::rain, 5, 1, 0},      {Weather::wetRoad, 3, 0, 0}};
    for (auto& r : rows) {
        const WeatherOutcome& o = weatherOutcome(r.w);
        EXPECT_EQ(o.risk, r.risk) << o.text;
        EXPECT_EQ(o.wet, r.wet) << o.text;
        EXPECT_EQ(o.blizzard, r.blizzard) << o.text;
    }
}

TEST(Weather, StepDrawsOnceExceptForTheMiddleRoutesSnowOrRain) {
    // The step multiplies (odometer + 3000) by Rnd in single precision and sets the flags.
    Trip t;
    t.rng.seed(7);
    int draws = 0;
    t.rng.observer = [&](double) { ++draws; };
    t.route = 1;
    t.odometer = 2000;
    for (int i = 0; i < 200; ++i) {
        t.wetWeather = t.blizzard = 0;
        draws = 0;
        weatherStep(t);
        EXPECT_EQ(draws, 1);
        EXPECT_EQ(t.wetWeather, t.weatherText == "light snow" || t.weatherText == "BLIZZARD  !!");
        EXPECT_EQ(t.blizzard, t.weatherText == "BLIZZARD  !!");
    }
    t.route = 0;
    int snow = 0, rain = 0;
    for (int i = 0; i < 2000; ++i) {
        t.wetWeather = t.blizzard = 0;
        draws = 0;
        weatherStep(t);
        const bool second = t.weatherText == "light snow" || t.weatherText == "rain";
        EXPECT_EQ(draws, second ? 2 : 1) << t.weatherText;
        snow += t.weatherText == "light snow";
        rain += t.weatherText == "rain";
    }
    // One time in three snow, else rain.
    ASSERT_GT(snow + rain, 100);
    EXPECT_NEAR(static_cast<double>(snow) / (snow + rain), 1.0 / 3, 0.08);
}

TEST(Accident, CausesInOrder) {
    auto line = [](int fatigue, int weather, int speed) { return std::string(accidentCause(fatigue, weather, speed).line); };
    // Asleep comes first, even in a blizzard and at speed.
    EXPECT_EQ(line(100, 50, 99), " You fell asleep at the wheel.");
    EXPECT_EQ(line(25, 50, 64), " You fell asleep at the wheel.");
    EXPECT_EQ(line(25, 50, 65), " You drove off the road into a snow filled ditch.") << "sleepy at 65 stays awake";
    EXPECT_EQ(line(8, 10, 99), " You rear-ended a pick-up with no tail lights.");
    EXPECT_EQ(line(8, 5, 66), "        Speed kills !");
    EXPECT_EQ(line(8, 5, 65), " You hit a slick spot and skidded off the road.");
    EXPECT_EQ(line(1, 3, 50), " You hit a slick spot and skidded off the road.");
    EXPECT_EQ(line(1, 1, 65), " A drunk driver rammed your rig.  Tough luck !");
    EXPECT_EQ(line(4, 1, 20), " A drunk driver rammed your rig.  Tough luck !");

    // Sounds before the crash, and which lines are waited for.
    const AccidentCause& asleep = accidentCause(100, 1, 50);
    EXPECT_EQ(asleep.soundCount, 1);
    EXPECT_EQ(asleep.sounds[0], 34);
    EXPECT_FALSE(asleep.waitForLine);
    EXPECT_EQ(accidentCause(1, 50, 50).soundCount, 0);
    EXPECT_EQ(accidentCause(1, 10, 50).soundCount, 1);
    EXPECT_EQ(accidentCause(1, 1, 70).soundCount, 2);
    EXPECT_EQ(accidentCause(1, 3, 50).soundCount, 3);
    EXPECT_EQ(accidentCause(1, 3, 50).sounds[2], 33);
    EXPECT_TRUE(accidentCause(1, 3, 50).waitForLine);
}

TEST(Traffic, RollPicksSoundPauseAndSide) {
    int sounds = 0;
    for (int n = 1; n <= 33; ++n) {
        TrafficPick p = trafficPick(n);
        if (n % 2 == 0) {
            EXPECT_EQ(p.sound, 0) << n;
            continue;
        }
        ++sounds;
        EXPECT_EQ(p.sound, (n + 3) / 2);
        const bool longPause = p.sound == 3 || p.sound == 4 || p.sound == 5 || p.sound == 6 || p.sound == 8 ||
                               p.sound == 13 || p.sound == 15 || p.sound == 16;
        EXPECT_DOUBLE_EQ(p.pause, longPause ? 1 : 0.1) << p.sound;
        EXPECT_EQ(p.centred, p.sound == 8);
    }
    EXPECT_EQ(sounds, 17);
    EXPECT_EQ(trafficPick(1).sound, 2);
    EXPECT_EQ(trafficPick(33).sound, 18);
}

TEST(Numbers, MilesCutToTwoDecimalsAsWritten) {
    EXPECT_DOUBLE_EQ(cutDecimals(0.379, 2), 0.37);
    EXPECT_DOUBLE_EQ(cutDecimals(0.37, 2), 0.37) << "0.37 x 100 is 36.99999... in binary";
    EXPECT_DOUBLE_EQ(cutDecimals(4.999999999999999, 2), 5.0) << "a hair below 5 in binary";
    EXPECT_DOUBLE_EQ(cutDecimals(4.9999999999, 2), 4.99) << "really below 5";
    EXPECT_DOUBLE_EQ(cutDecimals(4.996, 2), 4.99);
    EXPECT_DOUBLE_EQ(cutDecimals(12.345, 2), 12.34);
    EXPECT_DOUBLE_EQ(cutDecimals(0.009, 2), 0);
}

TEST(Setup, TypedWeightIsReadFromItsStart) {
    EXPECT_EQ(typedValue("40000"), 40000);
    EXPECT_EQ(typedValue("25000.5"), 25000.5);
    EXPECT_EQ(typedValue("30000x"), 30000);
    EXPECT_EQ(typedValue("x30000"), 0);
    EXPECT_EQ(typedValue(""), 0);
    EXPECT_EQ(typedValue("."), 0);
    EXPECT_EQ(typedValue("-5"), -5);
    EXPECT_EQ(typedValue("1e9"), 1) << "no exponents: only what forms a decimal number";
    EXPECT_EQ(typedValue(std::string("3") + char(27) + "0000"), 3);
}

}  // namespace
}  // namespace dravlen
