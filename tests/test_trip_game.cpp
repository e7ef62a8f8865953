// Whole trips on the scripted platform: the setup read line by line, a trip to arrival, an accident.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
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
    // Cargo: 2, F1 (lead-in again), 3; 24,999 pounds is half a load, 25,000 enough; "no" back to
    // the cargo, oranges, 60,000 pounds cut at loading; the peter built by Up; two retreads; the
    // southern route; one hour at 60.
    RunOptions o;
    o.seed = 5;
    o.keys = "n n 2 f1 3 enter 2 4 9 9 9 enter 2 5 0 0 0 enter n enter 6 0 0 0 0 enter enter up enter "
             "enter r enter 2 enter s enter 6 0";
    auto res = runScript(o);
    EXPECT_EQ(res.status, 3);
    const Lines cargo{" Three types of cargo are available:", " 1 oranges  (highest profit if they don't spoil)",
                      " 2 freight forwarding, penalty for late delivery ",
                      " 3 U.S. Mail, lowest rate, but no hurry to arrive ",
                      " The cargo is due in New York by 4 PM on Thursday.", " Which type of cargo do you want? "};
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
         " you have chosen to carry  25000 pounds of U S mail. Is this correct?", " yes "});
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
    const std::vector<int> sounds = res.soundsPlayed(), wanted{32, 29, 27, 40, 37, 37, 40, 44};
    EXPECT_NE(std::search(sounds.begin(), sounds.end(), wanted.begin(), wanted.end()), sounds.end());
}

TEST(TripGame, AWholeTripReachesNewYork) {
    // Seed 1 at 20 MPH drives the northern route to New York without an accident, two new tires
    // on, stopping every fourth hour for 100 gallons and eight hours of rest.
    RunOptions o;
    o.seed = 1;
    o.keys = "n n enter 4 0 0 0 0 enter enter enter enter enter 2 enter enter " + repeat("2 0", 3) +
             repeat("y 1 0 0 enter y 8 enter n 2 0 2 0 2 0 2 0", 34) + "x";
    auto res = runScript(o);
    EXPECT_EQ(res.status, 0);
    EXPECT_GT(res.seconds, 136 * 5) << "every hour lasts its 5 seconds";
    // Every place of the northern route passed once, in order; the tank never runs dry; the last
    // readout says 10 miles to go and the next hour arrives before its readout.
    Lines places;
    int dry = 0, stops = 0;
    for (auto& l : res.transcript) {
        if (l.rfind(" You have just past ", 0) == 0) places.push_back(l.substr(20));
        dry += l.find("more miles, you ran out of fuel  ( DUMMY !! )") != std::string::npos;
        stops += l == " Truck stop ahead.  Do you want to stop? ";
    }
    EXPECT_EQ(places, (Lines{"Barstow", "Las Vegas", "Utah border", "End of Interstate", "Salina", "Grand Junction",
                             "Denver", "Nebraska border", "Omaha", "Demoines", "Illinois border", "Gary", "Ohio border",
                             "Cleveland", "Pennsylvania border", "East Stroudsberg", "Washington Bridge"}));
    EXPECT_EQ(std::pair(dry, stops), std::pair(0, 34));
    const auto welcome = std::find(res.transcript.begin(), res.transcript.end(), " WELCOME TO NEW YORK");
    ASSERT_NE(welcome, res.transcript.end());
    EXPECT_EQ(*(welcome - 1), " How fast do you wish to go? ");
    EXPECT_EQ(*std::find_if(std::make_reverse_iterator(welcome), res.transcript.rend(),
                            [](const std::string& l) { return l.rfind("Miles to go:", 0) == 0; }),
              "Miles to go:  10");
    EXPECT_EQ(res.transcript.back(), " press any key ");
}

TEST(TripGame, AnAccidentEndsTheGame) {
    // Seed 18 at 60 MPH on the northern route, declining every truck stop from the fourth hour:
    // the driver falls asleep in the twentieth hour. At " press any key " Esc and "n" stay, F1
    // replays the lines, x ends.
    RunOptions o;
    o.seed = 18;
    o.keys = "n n enter 4 0 0 0 0 enter enter enter n enter enter " + repeat("6 0", 3) + repeat("n 6 0", 17) +
             "esc n f1 x";
    auto res = runScript(o);
    EXPECT_EQ(res.status, 0);
    ASSERT_GE(res.transcript.size(), 10u);
    EXPECT_EQ(Lines(res.transcript.end() - 10, res.transcript.end()),
              (Lines{" How fast do you wish to go? ", " You fell asleep at the wheel.", " You lose your truck & profits.",
                     " press any key ", " exit game? ", " yes ", " press any key ", " You fell asleep at the wheel.",
                     " You lose your truck & profits.", " press any key "}));
    // Sound 2, the snore, the crash; then the farewell: the closing theme is the last sound.
    const std::vector<int> sounds = res.soundsPlayed(), crash{2, 34, 19};
    EXPECT_NE(std::search(sounds.begin(), sounds.end(), crash.begin(), crash.end()), sounds.end());
    EXPECT_EQ(sounds.back(), 1);
}

}  // namespace
}  // namespace dravlen
