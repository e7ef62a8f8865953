// Key input: the pending key, getkey's special keys, the key echo, the pause.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/ending.h"
#include "frontend/keys.h"
#include "frontend/speech.h"
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;

TEST(FrontKeys, TheKeyHandlerRecordsTheCodeAndItsLowerCaseCharacter) {
    Rig r;
    struct Case {
        int code;
        const char* g;
        std::string g2;
    } cases[] = {{65, "65", "a"},  {55, "55", "7"},   {112, "112", "p"}, {113, "113", "q"}, {96, "96", "`"},
                 {101, "101", "e"}, {13, "13", "\r"}, {38, "38", "&"},   {27, "27", "\x1b"}};
    for (auto& c : cases) {
        Form_KeyDown(r.f, c.code);
        EXPECT_EQ(r.f.g, c.g);
        EXPECT_EQ(r.f.g2, c.g2) << c.code;
    }
}

TEST(FrontKeys, GetkeyServicesTheSpecialKeysAndReturnsTheNextKey) {
    // Ctrl: the rate adjuster (Up, Enter), then a fresh key.
    {
        Rig r("ctrl up enter x");
        getkey(r.f);
        EXPECT_EQ(r.f.g, "88");
        EXPECT_EQ(r.f.g2, "x");
        EXPECT_EQ(r.f.vr, 1);
        EXPECT_EQ(r.sp.keysLeft(), 0u);
    }
    // F5: the special-key instructions are queued; the next key stops them and is returned.
    {
        Rig r("f5 a");
        getkey(r.f);
        EXPECT_EQ(r.f.g2, "a");
        EXPECT_EQ(r.spoken(SpeakFlag::async), std::vector<std::string>{specialKeyText()});
        EXPECT_EQ(r.sp.cut(), std::vector<std::string>{specialKeyText()});
    }
    // F4: voice volume up, Enter; sound volume Enter; then the key.
    {
        Rig r("f4 up enter enter f1");
        getkey(r.f);
        EXPECT_EQ(r.f.g, "112");
        EXPECT_EQ(r.f.vv, 95);
    }
    // F12: "n" moves to the next voice, "y" keeps it; then the key.
    {
        Rig r("f12 n y 7");
        getkey(r.f);
        EXPECT_EQ(r.f.g2, "7");
        EXPECT_EQ(r.f.nv, 1);
        EXPECT_EQ(r.sp.voice(), 1);
    }
    // Special keys nested inside the adjusters: F5 within F4.
    {
        Rig r("f4 f5 enter enter b");
        getkey(r.f);
        EXPECT_EQ(r.f.g2, "b");
        auto said = r.spoken(SpeakFlag::async);
        EXPECT_NE(std::find(said.begin(), said.end(), specialKeyText()), said.end());
    }
}

TEST(FrontKeys, SpecialKeyTextIsTheEightPiecesInOrder) {
    EXPECT_EQ(specialKeyText(),
              "Special key instructions. f1 repeat current prompt. f2 repeat current information. "
              "f3 repeat fuel gage. f4 adjust volume. f5 repeat special key instructions. f12 change voice. "
              "control key change rate of speech. ");
}

TEST(FrontKeys, SaykeyEchoesPrintableKeysFastAndNeverFunctionKeysArrowsOrEnter) {
    Rig r;
    r.f.vr = 2;
    auto echoOf = [&](int code) {
        size_t before = r.events().size();
        Form_KeyDown(r.f, code);
        saykey(r.f);
        std::vector<std::string> texts;
        std::vector<long> rates;
        for (size_t i = before; i < r.events().size(); ++i) {
            auto& e = r.events()[i];
            if (e.op == "speak" && !e.text.empty()) texts.push_back(e.text);
            if (e.op == "rate") rates.push_back(e.value);
        }
        EXPECT_EQ(rates, (std::vector<long>{7, 2})) << code;
        return texts;
    };
    EXPECT_EQ(echoOf('A'), std::vector<std::string>{"a"});
    EXPECT_EQ(echoOf('4'), std::vector<std::string>{"4"});
    EXPECT_EQ(echoOf(101), std::vector<std::string>{"e"});  // keypad 5 echoes its code's character
    for (int code : {13, 27, 8, 16, 38, 40, 37, 39, 112, 113, 114, 123, 188})
        EXPECT_TRUE(echoOf(code).empty()) << code;
    // Backspace in typed entry echoes the character it removes.
    Form_KeyDown(r.f, 8);
    r.f.g2 = "4";
    saykey(r.f);
    EXPECT_EQ(r.spoken(SpeakFlag::async).back(), "4");
    // Nothing of it goes to the transcript.
    EXPECT_TRUE(r.echoed.empty());
}

TEST(FrontKeys, ClkEmptiesThePendingKeyAndDyWaitsItsTime) {
    Rig r("!a");
    Form_KeyDown(r.f, 'Q');
    clk(r.f);
    // The key delivered during the first yield stays in g; g2 is emptied after it.
    EXPECT_EQ(r.f.g, "65");
    EXPECT_EQ(r.f.g2, "");
    double start = r.sp.now();
    dy(r.f, 0.1);
    EXPECT_GT(r.sp.now(), start + 0.1);
    EXPECT_LT(r.sp.now(), start + 0.15);
    start = r.sp.now();
    dy(r.f, 12);
    EXPECT_GT(r.sp.now(), start + 12);
    EXPECT_LT(r.sp.now(), start + 12.05);
}

TEST(FrontKeys, AWindowCloseLeavesTheGameOnceAsTheExitQuestionsYesDoes) {
    Rig r;
    r.sp.requestClose();
    EXPECT_THROW(clk(r.f), GameOver);
    EXPECT_TRUE(r.f.leaving);
    EXPECT_TRUE(std::filesystem::exists(r.settings + "/dravlen.cfg"));
    // Once leaving, another close request does not start the leaving again.
    r.sp.requestClose();
    EXPECT_NO_THROW(clk(r.f));
}
