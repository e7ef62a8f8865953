// Whole trips on the scripted platform: the setup's branches, the hours, arrival and an accident.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "harness.h"

namespace dravlen {
namespace {

using testing::RunOptions;
using testing::runScript;
using Lines = std::vector<std::string>;

std::string repeat(const std::string& keys, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += keys + " ";
    return out;
}

TEST(TripGame, SetupThroughEveryKindOfAnswerReadsLineByLine) {
    // Cargo: 2, F1 (lead-in again), 3; half a load, then 60,000 pounds; "no" back to the cargo,
    // oranges; the peter built by Up; two retreads; the southern route; one hour at 60.
    RunOptions o;
    o.seed = 5;
    o.keys = "n n 2 f1 3 enter 2 4 9 9 9 enter 6 0 0 0 0 enter n enter 6 0 0 0 0 enter enter up enter "
             "enter r enter 2 enter s enter 6 0";
    auto res = runScript(o);
    EXPECT_EQ(res.status, 3);
    const Lines cargo{" Three types of cargo are available:",
                      " 1 oranges  (highest profit if they don't spoil)",
                      " 2 freight forwarding, penalty for late delivery ",
                      " 3 U.S. Mail, lowest rate, but no hurry to arrive ",
                      " The cargo is due in New York by 4 PM on Thursday.",
                      " Which type of cargo do you want? "};
    const std::string terminal = " You are at the Los Angeles trucking terminal.";
    const std::string pounds = " How many pounds will you carry (40,000 is the legal limit) ";
    Lines expected{"Dravlen. version 3", " By Brannock ", " Would you like to reed the instructions? ", " yes ",
                   "Would you like to reed the special key instructions?", " yes ", "", " Day Monday",
                   " Time:  8 A.M. ", terminal};
    auto add = [&](const Lines& l) { expected.insert(expected.end(), l.begin(), l.end()); };
    add(cargo);
    add({" 1 oranges ", " 2 freight ", terminal});
    add(cargo);
    add({" 1 oranges ", " 3 U S mail ", pounds, " You can't make a living on half a load.", pounds,
         " you have chosen to carry  60000 pounds of U S mail. Is this correct?", " yes "});
    add(cargo);
    add({" 1 oranges ", pounds, " you have chosen to carry  60000 pounds of oranges. Is this correct?", " yes ",
         " Which truck do you wish to drive? ", " freight liner ", " peter built ", "They are loading your truck now.",
         " 50,000 pounds of cargo has filled your trailer!", "", " Day Monday", " Time:  9 A.M. ",
         " You paid $190.00 for a nearly full tank of diesel fuel.",
         " Two of your tires are worn.  Do you want replacements?", " yes ",
         " A new tire costs $200.00.  A retread costs $100.00.", "     Which type do you want ", " new ", " retread ",
         "     How many", " 1", " 2", " You may choose the Northern, Middle or Southern route. ",
         "     Which route do you choose? ", " northern ", " southern ", " Cruising on I-10 in California",
         " You are feeling rested & rearing to go.", " Current weather: clear & dry", " How fast do you wish to go? ",
         "", " Day Monday", " Time:  10 A.M. ", " Approximate fuel  174", "Speed  60", "        Odometer:  60",
         "Miles to go:  3060", " Cruising on I-10 in California", " You are feeling fine",
         " Current weather: clear & dry", " How fast do you wish to go? "});
    EXPECT_EQ(res.transcript, expected);
    EXPECT_TRUE(res.transcriptCrlf);

    // Loading, the first fuel, two tires and the engine, in that order.
    std::vector<int> sounds = res.soundsPlayed();
    std::vector<int> wanted{32, 29, 27, 40, 37, 37, 40, 44};
    auto at = std::search(sounds.begin(), sounds.end(), wanted.begin(), wanted.end());
    EXPECT_NE(at, sounds.end());
}

TEST(TripGame, EachRouteStartsOnItsRoadWithItsLength) {
    struct Row {
        const char* key;
        const char* road;
        const char* toGo;
    } rows[] = {{"n", " Cruising on I-15 in California", "Miles to go:  2660"},
                {"m", " Cruising on I-15 in California", "Miles to go:  2800"},
                {"s", " Cruising on I-10 in California", "Miles to go:  3070"}};
    for (auto& row : rows) {
        RunOptions o;
        o.keys = std::string("n n 3 enter 3 0 0 0 0 enter enter enter n ") + row.key + " enter 5 0";
        auto res = runScript(o);
        EXPECT_TRUE(res.said(row.road)) << row.key;
        EXPECT_TRUE(res.said(row.toGo)) << row.key;
    }
}

// Seed 18 with 20 MPH every hour drives the northern route to New York without an accident
// (the truck stop is not there yet: the tank runs dry about every five hours).
const char* kToNewYork = "n n enter 4 0 0 0 0 enter enter enter n enter ";

TEST(TripGame, AWholeTripToArrivalTakesMilliseconds) {
    RunOptions o;
    o.seed = 18;
    o.keys = kToNewYork + repeat("2 0", 250);
    const auto start = std::chrono::steady_clock::now();
    auto res = runScript(o);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::cout << "whole trip to arrival: " << ms << " ms real time for " << res.seconds << " s of game time\n";
    RecordProperty("wholeTripMs", static_cast<int>(ms));
    EXPECT_EQ(res.status, 0);
    EXPECT_LT(ms, 3000);
    EXPECT_GT(res.seconds, 147 * 5) << "every hour lasts its 5 seconds";

    // Every place of the northern route is passed once, in order; New York never.
    Lines places;
    for (auto& l : res.transcript)
        if (l.rfind(" You have just past ", 0) == 0) places.push_back(l.substr(20));
    EXPECT_EQ(places, (Lines{"Barstow", "Las Vegas", "Utah border", "End of Interstate", "Salina", "Grand Junction",
                             "Denver", "Nebraska border", "Omaha", "Demoines", "Illinois border", "Gary", "Ohio border",
                             "Cleveland", "Pennsylvania border", "East Stroudsberg", "Washington Bridge"}));
    // The last readout says 0 miles to go (2710 is not beyond 2710); the next hour arrives
    // before its traffic, wait and readout.
    int last = -1;
    for (int i = 0; i < static_cast<int>(res.transcript.size()); ++i)
        if (res.transcript[static_cast<size_t>(i)].rfind("Miles to go:", 0) == 0) last = i;
    ASSERT_GE(last, 0);
    EXPECT_EQ(res.transcript[static_cast<size_t>(last)], "Miles to go:  0");
    EXPECT_EQ(res.transcript.back(), " How fast do you wish to go? ");
    EXPECT_EQ(res.transcript.size(), static_cast<size_t>(last) + 5);
    EXPECT_EQ(res.transcript[static_cast<size_t>(last) + 1], " Cruising on city streets");
    // The tank ran dry along the way, each time with the barrel and the oranges' refer line.
    int dry = 0, refer = 0;
    for (auto& l : res.transcript) {
        dry += l.find("more miles, you ran out of fuel  ( DUMMY !! )") != std::string::npos;
        refer += l == "Sitting with the refer unit off is damaging the oranges.";
    }
    EXPECT_GT(dry, 10);
    EXPECT_EQ(dry, refer);
}

TEST(TripGame, AnAccidentEndsTheGame) {
    // Seed 1 at 60 MPH on the northern route: the driver falls asleep on the second day.
    RunOptions o;
    o.seed = 1;
    o.keys = "n n enter 4 0 0 0 0 enter enter enter n enter enter " + repeat("6 0", 80) + "x";
    auto res = runScript(o);
    EXPECT_EQ(res.status, 0);
    ASSERT_GE(res.transcript.size(), 4u);
    const size_t n = res.transcript.size();
    EXPECT_EQ((Lines{res.transcript[n - 4], res.transcript[n - 3], res.transcript[n - 2], res.transcript[n - 1]}),
              (Lines{" How fast do you wish to go? ", " You fell asleep at the wheel.", " You lose your truck & profits.",
                     " press any key "}));
    // The crash stops the loops, then the farewell: the closing theme is the last sound.
    std::vector<int> sounds = res.soundsPlayed();
    auto crash = std::find(sounds.begin(), sounds.end(), 19);
    ASSERT_NE(crash, sounds.end());
    EXPECT_EQ(*(crash - 1), 34);
    EXPECT_EQ(sounds.back(), 1);
}

TEST(TripGame, EscAtTheSpeedQuestionAndStaying) {
    RunOptions o;
    o.keys = "n n enter 4 0 0 0 0 enter enter enter n enter esc n 5 5";
    auto res = runScript(o);
    EXPECT_EQ(res.status, 3);
    // Esc stands for a digit of -48: the entry is refused and the question asked again.
    const int ask = res.lineIndex(" How fast do you wish to go? ");
    ASSERT_GE(ask, 0);
    EXPECT_EQ(Lines(res.transcript.begin() + ask, res.transcript.begin() + ask + 5),
              (Lines{" How fast do you wish to go? ", " exit game? ", " yes ", " Your have to go at least 20 --",
                     " How fast do you wish to go? "}));
}

}  // namespace
}  // namespace dravlen
