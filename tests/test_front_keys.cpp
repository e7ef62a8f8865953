// Speech, keys and questions: dollar amounts, the transcript, typed entry, the pending key, the
// window's close, the screen's replay and the key and digit readers.
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;

namespace {

std::string joined(const Lines& lines, size_t from = 0) {
    std::string s;
    for (size_t i = from; i < lines.size(); ++i) s += lines[i] + "|";
    return s;
}

}  // namespace

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
    const std::string path = r.settings + "/dravlog.txt";
    std::ofstream(path) << "last run\r\n";
    ASSERT_EQ(openTranscript(r.f, path), path);
    say2(r.f, "A");
    saydoll(r.f, 2500.75);  // spoken to its end
    const Lines said = {"A", "2,500 dollors, and,  75 cents"};
    bool crlf = false;
    EXPECT_EQ(readLines(path, &crlf), said);  // still open
    EXPECT_TRUE(crlf);
    EXPECT_EQ(r.sp.heard(), said);
    closeTranscript(r.f);
    r.f.leaving = true;
    say(r.f, "after");
    EXPECT_EQ(readLines(path), said);
    EXPECT_EQ(openTranscript(r.f, r.settings + "/no such folder/dravlog.txt"), "");
    r.f.leaving = false;
    say2(r.f, "still heard");
    EXPECT_EQ(r.echoed, (Lines{said[0], said[1], "still heard"}));
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
        std::string echoes;
        for (auto& s : r.spoken(SpeakFlag::async))
            if (s.size() == 1) echoes += s;
        auto rates = r.values("rate");  // every echo at the rate + 5, then back
        const auto asked = std::count(r.echoed.begin(), r.echoed.end(), " How many? ");
        EXPECT_EQ(std::tuple(r.f.r, echoes, asked, r.echoed.back()),
                  std::tuple(c.r, c.echoes, c.asked, c.r == "40000" ? " comma " : " How many? ")) << c.keys;
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
        const size_t mark = r.echoed.size() + c.yesNo;  // after yesNo's " yes "
        c.yesNo ? yesNo(r.f, r.t) : menuKey(r.f, r.t);
        EXPECT_EQ(std::tuple(r.t.answer, joined(r.echoed, mark)), std::tuple(3, c.replay)) << c.key << c.lines;
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
