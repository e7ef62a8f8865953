// Speech, keys and typed entry: dollar amounts, the transcript, getter, the key echo, the window's close.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "dialogue/ending.h"
#include "frontend/entry.h"
#include "frontend/keys.h"
#include "frontend/speech.h"
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;
using Lines = std::vector<std::string>;

TEST(FrontSpeech, DollarAmountsReadAsTheTableSaysWithHalfCentsToEven) {
    struct Case { double amount; const char* text; } cases[] = {
        {190, "190 dollors"}, {1, "1 dollor"}, {1.01, "1 dollor, and,  1 cent"}, {0.5, " 50 cents"}, {0.01, " 1 cent"},
        {2500.75, "2,500 dollors, and,  75 cents"}, {1000000, "1,000,000 dollors"}, {999, "999 dollors"},
        {123456.02, "123,456 dollors, and,  2 cents"}, {2.125, "2 dollors, and,  12 cents"},
        {2.375, "2 dollors, and,  38 cents"}, {0, ""}, {0.004, ""}, {-12.9, ""},
    };
    for (auto& c : cases) EXPECT_EQ(dollarText(c.amount), c.text) << c.amount;
}

TEST(FrontSpeech, TranscriptLinesAreOnDiskAsSpokenAndSpeechOutlivesTheFile) {
    Rig r;
    std::string path = r.settings + "/dravlog.txt";
    std::ofstream(path) << "last run\r\n";
    ASSERT_EQ(openTranscript(r.f, path), path);
    say2(r.f, "A");
    saydoll(r.f, 2500.75);  // spoken to its end
    bool crlf = false;
    EXPECT_EQ(readLines(path, &crlf), (Lines{"A", "2,500 dollors, and,  75 cents"}));  // still open
    EXPECT_TRUE(crlf);
    EXPECT_EQ(r.sp.heard(), (Lines{"A", "2,500 dollors, and,  75 cents"}));
    closeTranscript(r.f);
    r.f.leaving = true;
    say(r.f, "after");
    EXPECT_EQ(readLines(path).size(), 2u);
    EXPECT_EQ(openTranscript(r.f, r.settings + "/no such folder/dravlog.txt"), "");
    r.f.leaving = false;
    say2(r.f, "still heard");
    EXPECT_EQ(r.echoed, (Lines{"A", "2,500 dollors, and,  75 cents", "still heard"}));
    EXPECT_EQ(r.spoken(SpeakFlag::async).back(), "still heard");
}

TEST(FrontEntry, GetterCollectsEchoesOnlyPrintableKeysFasterAndStartsOver) {
    // The text typed; every key echo (one character each); how many times the question was spoken.
    struct Case { const char* keys; std::string r, echoes; int asked; } cases[] = {
        {"4 0 comma 0 0 0 enter", "40000", "40000", 1}, {"1 2 bksp enter", "1", "122", 1},
        {"bksp bksp enter", "", "", 1},                  {"shift a b enter", "Ab", "Ab", 1},
        {"1 2 shift bksp c enter", "1c", "122c", 1},     {"1 2 f1 3 enter", "3", "123", 2},
        {"shift f1 a enter", "A", "A", 2},
        // Other keys append their code's character; function keys, arrows, Esc are not echoed.
        {"f2 f3 up kp5 esc enter", std::string("qr&e") + '\x1b', "e", 1},
    };
    for (auto& c : cases) {
        Rig r(c.keys);
        getter(r.f, " How many? ");
        EXPECT_EQ(r.f.r, c.r) << c.keys;
        std::string echoes;
        for (auto& s : r.spoken(SpeakFlag::async))
            if (s.size() == 1) echoes += s;
        EXPECT_EQ(echoes, c.echoes) << c.keys;
        EXPECT_EQ(std::count(r.echoed.begin(), r.echoed.end(), " How many? "), c.asked) << c.keys;
        EXPECT_EQ(r.echoed.back(), c.r == "40000" ? " comma " : " How many? ") << c.keys;
        auto rates = r.values("rate");  // every echo at the rate + 5, then back
        EXPECT_EQ(std::count(rates.begin(), rates.end(), 5) * 2, static_cast<long>(rates.size())) << c.keys;
        EXPECT_EQ(r.sp.rate(), 0) << c.keys;
    }
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
