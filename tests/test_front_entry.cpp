// Typed entry: what getter collects, echoes and throws away.
#include <gtest/gtest.h>

#include "frontend/entry.h"
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;

namespace {

struct Typed {
    std::string r;
    std::string g;
    std::vector<std::string> logged;  // say2 lines (the transcript)
    std::vector<std::string> echoes;  // saykey echoes (not logged)
};

Typed type(const std::string& keys) {
    Rig r(keys);
    getter(r.f, " How many? ");
    Typed out{r.f.r, r.f.g, r.echoed, {}};
    auto all = r.spoken(SpeakFlag::async);
    for (auto& s : all)
        if (s != " How many? " && s != " comma ") out.echoes.push_back(s);
    return out;
}

}  // namespace

TEST(FrontEntry, DigitsAndCommaMakeTheNumber) {
    auto t = type("4 0 comma 0 0 0 enter");
    EXPECT_EQ(t.r, "40000");
    EXPECT_EQ(t.g, "13");
    EXPECT_EQ(t.logged, (std::vector<std::string>{" How many? ", " comma "}));
    EXPECT_EQ(t.echoes, (std::vector<std::string>{"4", "0", "0", "0", "0"}));
}

TEST(FrontEntry, BackspaceEchoesAndRemovesTheLastCharacter) {
    auto t = type("1 2 bksp enter");
    EXPECT_EQ(t.r, "1");
    EXPECT_EQ(t.echoes, (std::vector<std::string>{"1", "2", "2"}));
    auto empty = type("bksp bksp enter");
    EXPECT_EQ(empty.r, "");
    EXPECT_TRUE(empty.echoes.empty());
}

TEST(FrontEntry, ShiftCapitalisesTheNextKeyOnly) {
    auto t = type("shift a b enter");
    EXPECT_EQ(t.r, "Ab");
    EXPECT_EQ(t.echoes, (std::vector<std::string>{"A", "b"}));
    // Shift then Backspace: the shift is used up, the deletion is as usual.
    auto b = type("1 2 shift bksp c enter");
    EXPECT_EQ(b.r, "1c");
}

TEST(FrontEntry, F1StartsTheEntryOverAndKeepsAPendingShift) {
    auto t = type("1 2 f1 3 enter");
    EXPECT_EQ(t.r, "3");
    EXPECT_EQ(t.logged, (std::vector<std::string>{" How many? ", " How many? "}));
    auto s = type("shift f1 a enter");
    EXPECT_EQ(s.r, "A");
}

TEST(FrontEntry, OtherKeysAppendTheCharacterOfTheirCode) {
    auto t = type("f2 f3 up kp5 esc enter");
    EXPECT_EQ(t.r, std::string("qr&e") + '\x1b');
    // Function keys, arrows and Esc are not handed to the engine; keypad 5 is echoed as "e".
    EXPECT_EQ(t.echoes, std::vector<std::string>{"e"});
    EXPECT_EQ(type("enter").r, "");
}
