// Whole runs from start-up through the title and the offers to the way out, and the farewell draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "dialogue/ending.h"
#include "frontend/instructions.h"
#include "frontend/keys.h"
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

TEST(FrontGame, TheTitleAndTheOffersReadTheInstructionsAndTheSpecialKeysOnYes) {
    auto r = runScript(keysOnly("enter x n y f1 n"));
    EXPECT_EQ(r.status, 3);
    const std::string offer1 = " Would you like to reed the instructions? ";
    const std::string offer2 = "Would you like to reed the special key instructions?";
    Lines expected = {"Dravlen. version 3", " By Brannock ", offer1, " yes ", instructionsText(),
                      offer1, " yes ", offer1, " yes ",  // x: asked again
                      offer2, " yes ", specialKeyText(), offer2, " yes ", offer2, " yes "};  // F1: asked again
    r.transcript.resize(expected.size());  // the trip follows
    EXPECT_EQ(r.transcript, expected);
    std::vector<int> loads;  // start-up: the three loops loaded, then the opening sound played
    for (auto& e : r.events)
        if (e.op == "sound.load") loads.push_back(e.sound);
    loads.resize(4);
    EXPECT_EQ(loads, (std::vector<int>{20, 21, 46, 1}));
    EXPECT_EQ(r.soundsPlayed().front(), 1);
}

TEST(FrontGame, TheInstructionsAreTheSixtyFourPiecesJoined) {
    std::string text = instructionsText();
    EXPECT_EQ(text.size(), 5196u);  // the lengths of the 64 pieces, added up
    EXPECT_EQ(text.rfind("Dravlen Instructions : Dravlen is a program which simulates", 0), 0u);
    for (const char* join : {"well over $1,000.00. However, even the best driver's run", "trip: 1. U.S. MAIL",
                             "on delivery. 2. Freight Forwarding", "into ST.Louis. Then you cut over",
                             "3,120-much longer than the other routes. However,"})
        EXPECT_NE(text.find(join), std::string::npos) << join;
    EXPECT_TRUE(text.ends_with("if you have a led foot, this is the best route for you to take. "));
    EXPECT_EQ(text.find("  "), std::string::npos);  // no blank added between pieces
    EXPECT_EQ(specialKeyText().size(), 211u);
    EXPECT_TRUE(specialKeyText().ends_with(". f12 change voice. control key change rate of speech. "));
}

TEST(FrontGame, EscAtTheFirstOfferSavesAndLeavesAndTheLauncherStartsOnlyWhenAnExecutableFileHere) {
    struct Case { const char* name; fs::perms perms; bool launched; } cases[] = {  // perms none: a folder
        {nullptr, fs::perms::none, false},           {"lobbarin.exe", fs::perms::owner_all, true},
        {"LobBarin.EXE", fs::perms::owner_all, true}, {"LOBBARIN", fs::perms::owner_all, true},
        {"lobbarin.exe", fs::perms::owner_read, false}, {"lobbarin", fs::perms::none, false},
        {"lobbarin.sh", fs::perms::owner_all, false}};
    const std::string thanks = " Thank you for playing Dravlen By Brannock ",
                      sorry = "Sorry, but I could not find the Quillonwerk game menu program.";
    for (auto& c : cases) {
        std::string cwd = freshDir("-cwd"), path = cwd + "/" + (c.name ? c.name : "");
        if (c.name && c.perms == fs::perms::none) fs::create_directories(path);
        if (c.name && c.perms != fs::perms::none) {
            std::ofstream(path) << "#!/bin/sh\n";
            fs::permissions(path, c.perms);
        }
        RunOptions o = keysOnly(c.name ? "esc y" : "esc enter");
        o.cwd = cwd;
        auto r = runScript(o);
        Lines handOff;  // the beeps and launches, in order
        for (auto& e : r.events)
            if (e.op == "beep" || e.op == "launch") handOff.push_back(e.op + e.text);
        SCOPED_TRACE(c.name ? c.name : "no launcher");
        EXPECT_EQ(r.status, 0);
        const Lines said = {"Dravlen. version 3", " By Brannock ", " Would you like to reed the instructions? ",
                            " yes ", " exit game? ", " yes "};
        EXPECT_EQ(r.transcript, said);
        bool crlf = false;
        EXPECT_EQ(readLines(r.dir + "/dravlen.cfg", &crlf), (Lines{" 0 ", " 0 ", " 90 ", " 0 "}));
        EXPECT_TRUE(crlf);
        EXPECT_EQ(r.soundsPlayed(), std::vector<int>{1});  // no farewell sounds this way
        EXPECT_EQ(r.count("sound.release"), 4);             // the opening sound and the three loops
        EXPECT_EQ(handOff, (c.launched ? Lines{"launch" + path} : Lines{"beep", "beep"}));
        auto spoken = r.spoken();
        EXPECT_EQ(std::count(spoken.begin(), spoken.end(), thanks), 1);
        EXPECT_EQ(spoken.back(), c.launched ? thanks : sorry);
    }
}

TEST(FrontGame, SpecialKeysAreServicedAtAnyWaitAndTheirSettingsAreThereInTheNextRun) {
    std::string dir = freshDir("-kept");
    // Rate up twice (Ctrl), voice volume down once and sound volume down once (F4), next voice (F12), F5.
    RunOptions firstRun = keysOnly("ctrl up up enter f4 down enter down enter f12 n y f5 esc enter");
    firstRun.dir = dir;
    auto first = runScript(firstRun);
    EXPECT_EQ(first.status, 0);
    ASSERT_EQ(first.transcript.size(), 15u);  // the offer once; each key serviced, then Esc taken as the answer
    EXPECT_EQ(first.transcript[5] + first.transcript[7], " quieter  quieter ");
    EXPECT_EQ(Lines(first.transcript.begin() + 10, first.transcript.end()),
              (Lines{"do you want to use this voice", " no ", specialKeyText(), " exit game? ", " yes "}));
    EXPECT_EQ(readLines(dir + "/dravlen.cfg"), (Lines{" 1 ", " 2 ", " 85 ", "-100 "}));
    RunOptions secondRun = keysOnly("n n");
    secondRun.dir = dir;
    auto second = runScript(secondRun);
    auto firstSet = [&](const std::string& op) {  // the value first set
        return std::find_if(second.events.begin(), second.events.end(), [&](auto& e) { return e.op == op; })->value;
    };
    EXPECT_EQ(std::tuple(firstSet("voice"), firstSet("rate"), firstSet("volume")), std::tuple(1, 2, 85));
    EXPECT_TRUE(std::all_of(second.events.begin(), second.events.end(),  // every sound at the stored volume
                            [](auto& e) { return e.op != "sound.volume" || e.value == -100; }));
}

TEST(FrontGame, TheEndingPlaysTwoDifferentFarewellsThenTheOpeningSound) {
    const std::vector<int> table = {4, 34, 35, 41, 40, 29, 30};
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        for (int last : {0, 3}) {  // 3: the last game ended on sound 35, which must not open this one
            Rig r;
            r.t.rng.seed(seed);
            r.t.lastFarewell = last;
            EXPECT_THROW(gameEnding(r.f, r.t), GameOver);
            std::vector<int> played;
            for (auto& e : r.sp.events())
                if (e.op == "sound.load") played.push_back(e.sound);
            ASSERT_EQ(played.size(), 3u);
            auto first = std::find(table.begin(), table.end(), played[0]) - table.begin() + 1;
            auto second = std::find(table.begin(), table.end(), played[1]) - table.begin() + 1;
            EXPECT_EQ(std::tuple(first <= 7, second <= 7, first != second, first != last, played[2]),
                      std::tuple(true, true, true, true, 1)) << seed;
            EXPECT_EQ(r.t.lastFarewell, second) << seed;
        }
    }
}
