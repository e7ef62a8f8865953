// Screen memory, yes/no questions, the key reader and the digit reader.
#include <gtest/gtest.h>

#include "app/ending.h"
#include "dialogue/screen.h"
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;

namespace {

// A screen of `lines` remembered lines, the last one the question.
void screen(Rig& r, int lines, bool fuel = false) {
    clearScreen(r.t);
    for (int i = 1; i <= lines; ++i) {
        r.t.prompt = "line " + std::to_string(i);
        if (fuel && i == 2) r.t.prompt = " Approximate fuel 150 gallons";
        sayLine(r.f, r.t);
    }
}

std::vector<std::string> after(const Rig& r, size_t from) {
    return std::vector<std::string>(r.echoed.begin() + static_cast<long>(from), r.echoed.end());
}

}  // namespace

TEST(FrontScreen, YesNoAnswersByEnterArrowsAndLetters) {
    struct Case {
        const char* keys;
        int answer;
    } cases[] = {{"enter", 1}, {"down enter", 2}, {"up up enter", 1}, {"n", 2}, {"y", 1}, {"x", 3}, {"f1", 3}};
    for (auto& c : cases) {
        Rig r(c.keys);
        yesNo(r.f, r.t);
        EXPECT_EQ(r.t.answer, c.answer) << c.keys;
    }
    Rig r("down up down enter");
    yesNo(r.f, r.t);
    EXPECT_EQ(r.echoed, (std::vector<std::string>{" yes ", " no ", " yes ", " no "}));
}

TEST(FrontScreen, F2ReplaysTheScreenButItsLastLineAndAtMostTwentyLines) {
    {
        Rig r("f2");
        screen(r, 25);
        size_t mark = r.echoed.size();
        yesNo(r.f, r.t);
        EXPECT_EQ(r.t.answer, 3);
        auto replay = after(r, mark + 1);  // after " yes "
        ASSERT_EQ(replay.size(), 20u);
        EXPECT_EQ(replay.front(), "line 1");
        EXPECT_EQ(replay.back(), "line 20");
    }
    {
        Rig r("f2");
        screen(r, 4);
        size_t mark = r.echoed.size();
        menuKey(r.f, r.t);
        EXPECT_EQ(r.t.answer, 3);
        EXPECT_EQ(r.t.keyValue, 0);
        EXPECT_EQ(after(r, mark), (std::vector<std::string>{"line 1", "line 2", "line 3"}));
    }
    {
        Rig r("f2");
        screen(r, 1);
        size_t mark = r.echoed.size();
        yesNo(r.f, r.t);
        EXPECT_EQ(after(r, mark), std::vector<std::string>{" yes "});
    }
    // A new screen forgets the old one.
    Rig r("f2");
    screen(r, 5);
    screen(r, 2);
    size_t mark = r.echoed.size();
    menuKey(r.f, r.t);
    EXPECT_EQ(after(r, mark), std::vector<std::string>{"line 1"});
}

TEST(FrontScreen, F3ReplaysTheFuelLineOfThisScreenOnly) {
    {
        Rig r("f3");
        screen(r, 3, true);
        size_t mark = r.echoed.size();
        yesNo(r.f, r.t);
        EXPECT_EQ(r.t.answer, 3);
        EXPECT_EQ(after(r, mark), (std::vector<std::string>{" yes ", " Approximate fuel 150 gallons"}));
    }
    Rig r("f3");
    screen(r, 3, true);
    screen(r, 2);
    size_t mark = r.echoed.size();
    menuKey(r.f, r.t);
    EXPECT_EQ(r.t.answer, 3);
    EXPECT_EQ(after(r, mark), std::vector<std::string>{""});
}

TEST(FrontScreen, MenuKeyFoldsKeypadDigitsAndFlagsNonDigits) {
    Rig r("kp7 7 x f1 a");
    r.t.digitsOnly = 1;
    menuKey(r.f, r.t);
    EXPECT_EQ(r.t.keyValue, 55);
    EXPECT_EQ(r.t.keyChar, "7");
    EXPECT_EQ(r.t.badKey, 0);
    EXPECT_EQ(r.t.answer, 0);
    menuKey(r.f, r.t);
    EXPECT_EQ(r.t.keyValue, 55);
    menuKey(r.f, r.t);
    EXPECT_EQ(r.t.keyValue, 88);
    EXPECT_EQ(r.t.keyChar, "x");
    EXPECT_EQ(r.t.badKey, 1);
    menuKey(r.f, r.t);
    EXPECT_EQ(r.t.answer, 3);
    EXPECT_EQ(r.t.keyValue, 0);
    EXPECT_EQ(r.t.badKey, 0);
    r.t.digitsOnly = 0;
    menuKey(r.f, r.t);
    EXPECT_EQ(r.t.keyValue, 65);
    EXPECT_EQ(r.t.badKey, 0);
}

TEST(FrontScreen, DigitEntryReadsDigitsUpToEnter) {
    struct Case {
        const char* keys;
        double number;
        int bad;
    } cases[] = {{"enter", 0, 0}, {"4 0 enter", 40, 0}, {"kp1 2 5 enter", 125, 0}, {"4 x", 4, 1}, {"3 f1", 3, 1}};
    for (auto& c : cases) {
        Rig r(c.keys);
        digitEntry(r.f, r.t);
        EXPECT_EQ(r.t.typedNumber, c.number) << c.keys;
        EXPECT_EQ(r.t.badKey, c.bad) << c.keys;
    }
}

TEST(FrontScreen, EscAsksTheExitQuestionAndStayingAsksAgain) {
    // Staying: by "n", by Down and Enter; "x" asks " exit game? " again with yes as the item.
    for (const char* keys : {"esc n", "esc down enter", "esc x down enter", "esc f1 n"}) {
        Rig r(keys);
        yesNo(r.f, r.t);
        EXPECT_EQ(r.t.answer, 3) << keys;
        EXPECT_EQ(r.f.g, "") << keys;
        EXPECT_FALSE(r.f.leaving);
    }
    {
        Rig r("esc x down enter");
        yesNo(r.f, r.t);
        EXPECT_EQ(r.echoed, (std::vector<std::string>{" yes ", " exit game? ", " yes ", " exit game? ", " yes ", " no "}));
    }
    {
        Rig r("esc n");
        menuKey(r.f, r.t);
        EXPECT_EQ(r.t.answer, 3);
        EXPECT_EQ(r.t.keyValue, 0);
    }
    // Leaving: Enter on yes, "y", or Down twice and Enter.
    for (const char* keys : {"esc enter", "esc y", "esc down up enter"}) {
        Rig r(keys);
        EXPECT_THROW(yesNo(r.f, r.t), GameOver) << keys;
        EXPECT_TRUE(r.f.leaving);
    }
}
