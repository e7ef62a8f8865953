// Screen memory, yes/no questions and the exit question, the key reader and the digit reader.
#include <gtest/gtest.h>

#include <tuple>

#include "dialogue/ending.h"
#include "dialogue/screen.h"
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;

namespace {

std::string joined(const std::vector<std::string>& lines, size_t from = 0) {
    std::string s;
    for (size_t i = from; i < lines.size(); ++i) s += lines[i] + "|";
    return s;
}

}  // namespace

TEST(FrontScreen, YesNoAnswersByEnterArrowsLettersAndF1AndEscAsksTheExitQuestion) {
    struct Case { const char* keys; int answer; const char* said; } cases[] = {  // answer 0: the game is left
        {"enter", 1, " yes |"}, {"down up down enter", 2, " yes | no | yes | no |"}, {"n", 2, " yes |"},
        {"y", 1, " yes |"}, {"x", 3, " yes |"}, {"f1", 3, " yes |"}, {"esc n", 3, " yes | exit game? | yes |"},
        {"esc down enter", 3, " yes | exit game? | yes | no |"},
        {"esc f1 n", 3, " yes | exit game? | yes | exit game? | yes |"},
        {"esc x down enter", 3, " yes | exit game? | yes | exit game? | yes | no |"},  // asked again, yes first
        {"esc enter", 0, ""}, {"esc y", 0, ""}, {"esc down up enter", 0, ""}, {"esc down x enter", 0, ""},
    };
    for (auto& c : cases) {
        Rig r(c.keys);
        if (c.answer == 0) {
            EXPECT_THROW(yesNo(r.f, r.t), GameOver) << c.keys;
            continue;
        }
        yesNo(r.f, r.t);
        EXPECT_EQ(r.t.answer, c.answer) << c.keys;
        EXPECT_EQ(joined(r.echoed), c.said) << c.keys;
        EXPECT_FALSE(r.f.leaving) << c.keys;
    }
}

TEST(FrontScreen, F2ReplaysUpToTwentyLinesButTheLastAndF3TheFuelLineOfThisScreen) {
    std::string twenty = "line 1| Approximate fuel 150 gallons|";
    for (int i = 3; i <= 20; ++i) twenty += "line " + std::to_string(i) + "|";
    // A screen of `lines`, then a new one of `newLines` when not 0; the key asked by yesNo or by menuKey.
    struct Case { int lines, newLines; const char* key; bool yesNo; std::string replay; } cases[] = {
        {4, 0, "f2", false, "line 1| Approximate fuel 150 gallons|line 3|"}, {1, 0, "f2", false, ""},
        {5, 2, "f2", false, "line 1|"}, {3, 0, "f3", true, " Approximate fuel 150 gallons|"}, {3, 2, "f3", false, "|"},
        {25, 0, "f2", false, twenty},
    };
    for (auto& c : cases) {
        Rig r(c.key);
        for (int n : {c.lines, c.newLines}) {
            if (n == 0) break;
            clearScreen(r.t);
            for (int i = 1; i <= n; ++i) {
                r.t.prompt = i == 2 && n == c.lines ? " Approximate fuel 150 gallons" : "line " + std::to_string(i);
                sayLine(r.f, r.t);
            }
        }
        size_t mark = r.echoed.size() + c.yesNo;  // after yesNo's " yes "
        c.yesNo ? yesNo(r.f, r.t) : menuKey(r.f, r.t);
        EXPECT_EQ(r.t.answer, 3) << c.key << c.lines;
        EXPECT_EQ(joined(r.echoed, mark), c.replay) << c.key << c.lines;
    }
}

TEST(FrontScreen, MenuKeyFoldsKeypadDigitsAndFlagsNonDigitsAndDigitEntryAddsThemUp) {
    struct Case { const char* keys; int digitsOnly, keyValue; const char* keyChar; int badKey, answer; } cases[] = {
        {"kp7", 1, 55, "7", 0, 0}, {"kp0", 1, 48, "0", 0, 0}, {"9", 1, 57, "9", 0, 0}, {"x", 1, 88, "x", 1, 0},
        {"f1", 1, 0, "", 0, 3},    {"a", 0, 65, "a", 0, 0},   {"esc n", 1, 0, "", 0, 3},
    };
    for (auto& c : cases) {
        Rig r(c.keys);
        r.t.digitsOnly = static_cast<int16_t>(c.digitsOnly);
        menuKey(r.f, r.t);
        EXPECT_EQ(std::tuple(r.t.keyValue, r.t.keyChar, r.t.badKey, r.t.answer),
                  std::tuple(c.keyValue, c.keyChar, c.badKey, c.answer)) << c.keys;
    }
    struct Entry { const char* keys; double number; int bad; } entries[] = {
        {"enter", 0, 0}, {"kp1 2 5 enter", 125, 0}, {"4 x", 4, 1}, {"3 f1", 3, 1}};
    for (auto& c : entries) {
        Rig r(c.keys);
        digitEntry(r.f, r.t);
        EXPECT_EQ(std::tuple(r.t.typedNumber, r.t.badKey), std::tuple(c.number, c.bad)) << c.keys;
    }
}
