// Whole runs from start-up through the title and the offers to the way out.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/ending.h"
#include "frontend/instructions.h"
#include "frontend/keys.h"
#include "front_rig.h"
#include "harness.h"

using namespace dravlen;
using namespace dravlen::testing;
namespace fs = std::filesystem;

namespace {

const std::string kApology = "Sorry, but I could not find the Quillonwerk game menu program.";
const std::string kThanks = " Thank you for playing Dravlen By Brannock ";

void makeFile(const std::string& path, bool executable) {
    std::ofstream(path) << "#!/bin/sh\n";
    fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
}

std::vector<std::string> ops(const RunResult& r, std::initializer_list<const char*> wanted) {
    std::vector<std::string> out;
    for (auto& e : r.events)
        for (const char* w : wanted)
            if (e.op == w) out.push_back(e.op == "speak" ? e.text : e.op == "launch" ? "launch " + e.text : e.op);
    return out;
}

}  // namespace

TEST(FrontGame, TheTitleAndBothOffersOpenTheTranscript) {
    auto r = runScript({.keys = "n n"});
    EXPECT_EQ(r.status, 3);
    ASSERT_GE(r.transcript.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(r.transcript.begin(), r.transcript.begin() + 6),
              (std::vector<std::string>{"Dravlen. version 3", " By Brannock ",
                                        " Would you like to reed the instructions? ", " yes ",
                                        "Would you like to reed the special key instructions?", " yes "}));
    EXPECT_TRUE(r.transcriptCrlf);
    // Start-up: the three loops loaded, then the opening sound.
    auto played = r.soundsPlayed();
    ASSERT_FALSE(played.empty());
    EXPECT_EQ(played.front(), 1);
    std::vector<int> loads;
    for (auto& e : r.events)
        if (e.op == "sound.load" && loads.size() < 4) loads.push_back(e.sound);
    EXPECT_EQ(loads, (std::vector<int>{20, 21, 46, 1}));
}

TEST(FrontGame, TheOffersReadTheInstructionsAndTheSpecialKeysOnYes) {
    auto r = runScript({.keys = "enter x n y f1 n"});
    std::vector<std::string> expected = {
        "Dravlen. version 3", " By Brannock ",
        " Would you like to reed the instructions? ", " yes ", instructionsText(),
        " Would you like to reed the instructions? ", " yes ",  // x: asked again
        " Would you like to reed the instructions? ", " yes ",
        "Would you like to reed the special key instructions?", " yes ", specialKeyText(),
        "Would you like to reed the special key instructions?", " yes ",  // F1: asked again
        "Would you like to reed the special key instructions?", " yes "};
    ASSERT_GE(r.transcript.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(r.transcript.begin(), r.transcript.begin() + static_cast<long>(expected.size())),
              expected);
}

TEST(FrontGame, TheInstructionsAreTheSixtyFourPiecesJoined) {
    std::string text = instructionsText();
    EXPECT_EQ(text.rfind("Dravlen Instructions : Dravlen is a program which simulates", 0), 0u);
    EXPECT_NE(text.find("well over $1,000.00. However, even the best driver's run"), std::string::npos);
    EXPECT_NE(text.find("Cargo: You can select from three types of cargo to haul for each trip: 1. U.S. MAIL"),
              std::string::npos);
    EXPECT_NE(text.find("on delivery. 2. Freight Forwarding This contract pays 5 cents"), std::string::npos);
    EXPECT_NE(text.find("into ST.Louis. Then you cut over"), std::string::npos);
    EXPECT_NE(text.find("The mileage is 3,120-much longer than the other routes. However,"), std::string::npos);
    const std::string last = "if you have a led foot, this is the best route for you to take. ";
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
    EXPECT_EQ(text.find("  "), std::string::npos);  // no blank added between pieces
    EXPECT_EQ(text.size(), 5196u);  // the lengths of the 64 pieces, added up
}

TEST(FrontGame, EscAndEnterAtTheFirstOfferSaveAndLeave) {
    auto r = runScript({.keys = "esc enter"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.transcript, (std::vector<std::string>{"Dravlen. version 3", " By Brannock ",
                                                      " Would you like to reed the instructions? ", " yes ",
                                                      " exit game? ", " yes "}));
    bool crlf = false;
    EXPECT_EQ(readLines(r.dir + "/dravlen.cfg", &crlf), (std::vector<std::string>{" 0 ", " 0 ", " 90 ", " 0 "}));
    EXPECT_TRUE(crlf);
    // No farewell sounds on this way out; thanks, two beeps and the apology, the loops released.
    EXPECT_EQ(r.soundsPlayed(), std::vector<int>{1});
    EXPECT_EQ(ops(r, {"beep", "launch"}), (std::vector<std::string>{"beep", "beep"}));
    auto spoken = r.spoken();
    ASSERT_GE(spoken.size(), 2u);
    EXPECT_EQ(spoken[spoken.size() - 2], kThanks);
    EXPECT_EQ(spoken.back(), kApology);
    EXPECT_EQ(r.count("sound.release"), 4);  // the opening sound and the three loops
}

TEST(FrontGame, TheLauncherStartsOnlyWhenItIsAnExecutableFileHere) {
    struct Case {
        const char* name;
        bool executable;
        bool directory;
        bool launched;
    } cases[] = {
        {"lobbarin.exe", true, false, true},  {"LobBarin.EXE", true, false, true}, {"LOBBARIN", true, false, true},
        {"lobbarin.exe", false, false, false}, {"lobbarin", false, true, false},   {"lobbarin.sh", true, false, false},
    };
    for (auto& c : cases) {
        std::string cwd = rigDir(c.name + std::string(c.executable ? "-x" : "") + (c.directory ? "-d" : ""));
        std::string path = cwd + "/" + c.name;
        if (c.directory)
            fs::create_directories(path);
        else
            makeFile(path, c.executable);
        auto r = runScript({.keys = "esc y", .cwd = cwd});
        EXPECT_EQ(r.status, 0);
        if (c.launched) {
            EXPECT_EQ(ops(r, {"beep", "launch"}), std::vector<std::string>{"launch " + path}) << c.name;
            EXPECT_EQ(r.spoken().back(), kThanks) << c.name;
        } else {
            EXPECT_EQ(ops(r, {"beep", "launch"}), (std::vector<std::string>{"beep", "beep"})) << c.name;
            EXPECT_EQ(r.spoken().back(), kApology) << c.name;
        }
    }
    // In the program's folder but not here: missing.
    std::string program = rigDir("program");
    makeFile(program + "/lobbarin.exe", true);
    auto r = runScript({.keys = "esc y", .programDir = program});
    EXPECT_EQ(ops(r, {"beep", "launch"}), (std::vector<std::string>{"beep", "beep"}));
}

TEST(FrontGame, WithoutVoicesTheMessageBoxLeadsToTheHandOff) {
    auto r = runScript({.keys = "", .voices = 0});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(ops(r, {"message", "beep", "launch"}), (std::vector<std::string>{"message", "beep", "beep"}));
    for (auto& e : r.events)
        if (e.op == "message") EXPECT_EQ(e.text, "Sorry but I couldn't find any voices to use\nPlease contact Brannock");
    EXPECT_FALSE(fs::exists(r.dir + "/dravlog.txt"));
    EXPECT_FALSE(fs::exists(r.dir + "/dravlen.cfg"));
}

TEST(FrontGame, SettingsChangedInOneRunAreThereInTheNext) {
    std::string dir = rigDir("settings");
    {
        std::ofstream(dir + "/dravlog.txt") << "old run\r\n";
    }
    // Rate up twice (Ctrl), voice volume down once and sound volume down once (F4), next voice (F12).
    auto first = runScript({.keys = "ctrl up up enter f4 down enter down enter f12 n y esc enter", .dir = dir});
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.transcript.front(), "Dravlen. version 3");
    EXPECT_EQ(readLines(dir + "/dravlen.cfg"), (std::vector<std::string>{" 1 ", " 2 ", " 85 ", "-100 "}));
    auto second = runScript({.keys = "n n", .dir = dir});
    std::vector<long> voice, rate, volume;
    for (auto& e : second.events) {
        if (e.op == "voice") voice.push_back(e.value);
        if (e.op == "rate") rate.push_back(e.value);
        if (e.op == "volume") volume.push_back(e.value);
    }
    ASSERT_FALSE(voice.empty());
    EXPECT_EQ(voice.front(), 1);
    EXPECT_EQ(rate.front(), 2);
    EXPECT_EQ(volume.front(), 85);
    for (auto& e : second.events)
        if (e.op == "sound.volume") EXPECT_EQ(e.value, -100);  // every sound at the stored volume
    // The legacy file in the current folder gives way to the file in the settings folder.
    std::string cwd = rigDir("cwd");
    std::ofstream(cwd + "/dravlen.cfg") << " 0 \r\n 5 \r\n";
    auto third = runScript({.keys = "n n", .cwd = cwd});
    for (auto& e : third.events)
        if (e.op == "rate") {
            EXPECT_EQ(e.value, 5);
            break;
        }
}

TEST(FrontGame, ClosingTheWindowLeavesAsTheExitQuestionDoes) {
    std::string dir = freshDir();
    scripted::ScriptedPlatform sp;
    sp.setSettingsFolder(dir);
    sp.setProgramFolder(dir);
    sp.addKeys("!x");
    sp.requestClose();
    auto old = fs::current_path();
    fs::current_path(dir);
    Platform p = sp.platform();
    EXPECT_NO_THROW(runGame(p, {}));
    fs::current_path(old);
    EXPECT_TRUE(fs::exists(dir + "/dravlen.cfg"));
    int beeps = 0;
    for (auto& e : sp.events()) beeps += e.op == "beep";
    EXPECT_EQ(beeps, 2);
}

TEST(FrontGame, TheEndingPlaysTwoDifferentFarewellsThenTheOpeningSound) {
    const std::vector<int> table = {4, 34, 35, 41, 40, 29, 30};
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        for (int last : {0, 3}) {
            Rig r;
            r.t.rng.seed(seed);
            r.t.lastFarewell = last;
            int draws = 0;
            r.t.rng.observer = [&](double) { ++draws; };
            EXPECT_THROW(gameEnding(r.f, r.t), GameOver);
            std::vector<int> played;
            for (auto& e : r.events())
                if (e.op == "sound.load") played.push_back(e.sound);
            ASSERT_EQ(played.size(), 3u);
            EXPECT_NE(std::find(table.begin(), table.end(), played[0]), table.end());
            EXPECT_NE(std::find(table.begin(), table.end(), played[1]), table.end());
            EXPECT_NE(played[0], played[1]);
            if (last) EXPECT_NE(played[0], table[last - 1]);
            EXPECT_EQ(played[2], 1);
            EXPECT_EQ(table[r.t.lastFarewell - 1], played[1]);
            EXPECT_GE(draws, 2);
            EXPECT_TRUE(fs::exists(r.settings + "/dravlen.cfg"));
        }
    }
}
