// Speech, keys and questions: dollar amounts, the pending key, the window's close and the key and
// digit readers. (Typed entry and the screen's replay are told in the stories.)
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;

TEST(FrontSpeech, DollarAmountsReadAsTheTableSaysWithHalfCentsToEven) {
    struct Case { double amount; const char* text; } cases[] = {
        {190, "190 dollors"}, {1, "1 dollor"}, {1.01, "1 dollor, and,  1 cent"}, {0.5, " 50 cents"}, {0.01, " 1 cent"},
        {2500.75, "2,500 dollors, and,  75 cents"}, {1000000, "1,000,000 dollors"}, {999, "999 dollors"},
        {123456.02, "123,456 dollors, and,  2 cents"}, {2.125, "2 dollors, and,  12 cents"},
        {2.375, "2 dollors, and,  38 cents"}, {0, ""}, {0.004, ""}, {-12.9, ""},
    };
    for (auto& c : cases) EXPECT_EQ(dollarText(c.amount), c.text) << c.amount;
}

TEST(FrontKeys, ClkEmptiesThePendingKeyAndAWindowCloseLeavesTheGameOnce) {
    Rig r("!a");
    Form_KeyDown(r.f, 'Q');
    clk(r.f);  // a key arriving in its first yield stays pending, without its character
    EXPECT_EQ(r.f.g + "|" + r.f.g2, "65|");
    r.sp.requestClose();  // leaves as the exit question's yes does
    EXPECT_THROW(clk(r.f), GameOver);
    EXPECT_TRUE(std::filesystem::exists(r.settings + "/dravlen.cfg"));
    EXPECT_EQ(r.values("beep").size(), 2u);
    r.sp.requestClose();  // once leaving, another close does not start the leaving again
    EXPECT_NO_THROW(clk(r.f));
}

TEST(FrontScreen, MenuKeyFoldsKeypadDigitsAndFlagsNonDigitsAndDigitEntryAddsThemUp) {
    struct Case { const char* keys; int digitsOnly, keyValue; const char* keyChar; int badKey, answer; } cases[] = {
        {"kp7", 1, 55, "7", 0, 0}, {"x", 1, 88, "x", 1, 0}, {"f1", 1, 0, "", 0, 3}, {"a", 0, 65, "a", 0, 0}};
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
