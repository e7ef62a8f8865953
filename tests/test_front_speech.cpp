// Speech output: dollar amounts and the transcript.
#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/speech.h"
#include "front_rig.h"
#include "harness.h"

using namespace dravlen;
using namespace dravlen::testing;

TEST(FrontSpeech, DollarAmountsReadAsTheTableSays) {
    struct Case {
        double amount;
        const char* text;
    } cases[] = {
        {190, "190 dollors"},
        {1, "1 dollor"},
        {1.01, "1 dollor, and,  1 cent"},
        {2500.75, "2,500 dollors, and,  75 cents"},
        {0.5, " 50 cents"},
        {0.01, " 1 cent"},
        {0, ""},
        {1000, "1,000 dollors"},
        {1000000, "1,000,000 dollors"},
        {123456.02, "123,456 dollors, and,  2 cents"},
        {999, "999 dollors"},
        // Halves of a cent go to the even neighbour.
        {2.125, "2 dollors, and,  12 cents"},
        {2.375, "2 dollors, and,  38 cents"},
        // Nothing for amounts below a cent or below zero.
        {0.004, ""},
        {-12.9, ""},
        {-0.5, ""},
    };
    for (auto& c : cases) EXPECT_EQ(dollarText(c.amount), c.text) << c.amount;
}

TEST(FrontSpeech, SaydollSpeaksSynchronouslyAndLogsTheAmount) {
    Rig r;
    ASSERT_TRUE(openTranscript(r.f, r.settings + "/dravlog.txt"));
    saydoll(r.f, 2500.75);
    saydoll(r.f, -3);
    EXPECT_EQ(r.spoken(SpeakFlag::sync), std::vector<std::string>{"2,500 dollors, and,  75 cents"});
    bool crlf = false;
    EXPECT_EQ(readLines(r.settings + "/dravlog.txt", &crlf),
              (std::vector<std::string>{"2,500 dollors, and,  75 cents", ""}));
    EXPECT_TRUE(crlf);
}

TEST(FrontSpeech, TranscriptLinesAreOnDiskAsSoonAsTheyAreSpoken) {
    Rig r;
    std::string path = r.settings + "/dravlog.txt";
    {
        std::ofstream old(path);
        old << "last run\r\n";
    }
    ASSERT_TRUE(openTranscript(r.f, path));
    say2(r.f, "A");
    say2(r.f, "B");
    // Still open: what was said is already in the file, CRLF-ended, the old run gone.
    bool crlf = false;
    EXPECT_EQ(readLines(path, &crlf), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(crlf);
    say(r.f, "C");
    say2(r.f, "");
    EXPECT_EQ(readLines(path), (std::vector<std::string>{"A", "B", "C", ""}));
    EXPECT_EQ(r.echoed, (std::vector<std::string>{"A", "B", "C", ""}));
    EXPECT_EQ(r.sp.heard(), (std::vector<std::string>{"A", "B", "C"}));

    // A purge cuts what is queued and writes nothing.
    say2(r.f, "D");
    stopspeech(r.f);
    EXPECT_EQ(r.sp.cut(), std::vector<std::string>{"D"});
    EXPECT_EQ(readLines(path).size(), 5u);

    // After closing, nothing more goes to the file.
    closeTranscript(r.f);
    r.f.leaving = true;
    say(r.f, "after");
    EXPECT_EQ(readLines(path).back(), "D");
    EXPECT_EQ(r.echoed.back(), "D");
}

TEST(FrontSpeech, SpeechGoesOnWhenTheTranscriptCannotBeOpened) {
    Rig r;
    EXPECT_FALSE(openTranscript(r.f, r.settings + "/no such folder/dravlog.txt"));
    say2(r.f, "still heard");
    say(r.f, "and this");
    EXPECT_EQ(r.spoken(SpeakFlag::async), std::vector<std::string>{"still heard"});
    EXPECT_EQ(r.spoken(SpeakFlag::sync), std::vector<std::string>{"and this"});
}
