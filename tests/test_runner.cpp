// The dravlen-script runner's command-line contract: options, tokens, exit statuses, events, interactive mode.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "harness.h"

using dravlen::testing::freshDir;
using dravlen::testing::readLines;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
};

// Runs dravlen-script from `cwd` with the given arguments (already shell-quoted where needed).
Outcome runner(const std::string& args, const std::string& cwd, const std::string& stdinFile = "") {
    std::string cmd = "cd '" + cwd + "' && '" DRAVLEN_BUILD_DIR "/dravlen-script' " + args +
                      (stdinFile.empty() ? " </dev/null" : " <'" + stdinFile + "'") + " 2>&1";
    Outcome o;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return o;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) o.out.append(buf, n);
    int st = pclose(p);
    o.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return o;
}

std::vector<std::string> jsonLines(const std::string& path) { return readLines(path); }

bool hasOp(const std::vector<std::string>& lines, const std::string& op, const std::string& extra = "") {
    for (auto& l : lines)
        if (l.find("\"op\":\"" + op + "\"") != std::string::npos && l.find(extra) != std::string::npos) return true;
    return false;
}

}  // namespace

TEST(Runner, UsageErrorsExitWithTwoAndHelpWithZero) {
    std::string d = freshDir();
    for (std::string bad : {"--bogus", "--seed", "--seed x1", "--keys \"a nope\"", "--voices -1",
                            "--keys-file /nonexistent/keys", "--keys a --keys-file /dev/null", "stray"}) {
        Outcome o = runner(bad + " --dir '" + d + "'", d);
        EXPECT_EQ(o.status, 2) << bad << "\n" << o.out;
        EXPECT_NE(o.out.find("usage:"), std::string::npos) << bad;
    }
    Outcome help = runner("--help", d);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--keys-file"), std::string::npos);
    // Nothing of the game ran.
    EXPECT_FALSE(std::filesystem::exists(d + "/dravlog.txt"));
}

TEST(Runner, KeysRunningOutExitWithThreeAndLeaveTheTranscriptClosedButNoSettings) {
    std::string d = freshDir();
    Outcome o = runner("--seed 1 --keys \"n n\" --dir '" + d + "'", d);
    ASSERT_EQ(o.status, 3) << o.out;
    bool crlf = false;
    auto lines = readLines(d + "/dravlog.txt", &crlf);
    std::vector<std::string> expected = {"Dravlen. version 3",
                                         " By Brannock ",
                                         " Would you like to reed the instructions? ",
                                         " yes ",
                                         "Would you like to reed the special key instructions?",
                                         " yes "};
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6), expected);
    EXPECT_TRUE(crlf);
    EXPECT_FALSE(std::filesystem::exists(d + "/dravlen.cfg"));
}

TEST(Runner, KeysFileAndEventsFileFollowTheContract) {
    std::string d = freshDir();
    { std::ofstream(d + "/keys.txt") << "n\n  esc\n\nenter\n"; }
    Outcome o = runner("--seed 7 --keys-file keys.txt --dir '" + d + "' --events ev.jsonl", d);
    ASSERT_EQ(o.status, 0) << o.out;
    auto ev = jsonLines(d + "/ev.jsonl");
    ASSERT_FALSE(ev.empty());
    for (auto& l : ev) {
        EXPECT_EQ(l.rfind("{\"t\":", 0), 0u) << l;
        EXPECT_NE(l.find("\"op\":"), std::string::npos) << l;
    }
    EXPECT_TRUE(hasOp(ev, "key", "\"token\":\"esc\""));
    EXPECT_TRUE(hasOp(ev, "speak", "\"text\":\" exit game? \",\"flags\":1"));
    EXPECT_TRUE(hasOp(ev, "sound.load", "\"sound\":46"));
    EXPECT_TRUE(hasOp(ev, "beep"));
    EXPECT_TRUE(hasOp(ev, "speak", "Sorry, but I could not find the Quillonwerk game menu program."));
    EXPECT_NE(ev.back().find("\"op\":\"exit\""), std::string::npos);
    // The first event happens at noon's origin; time never runs backwards.
    double last = 0;
    for (auto& l : ev) {
        double t = std::stod(l.substr(5));
        EXPECT_GE(t, last) << l;
        last = t;
    }
    EXPECT_EQ(readLines(d + "/dravlen.cfg").size(), 4u);
}

TEST(Runner, BangTokenCutsTheOpeningSoundShort) {
    std::string d = freshDir();
    // A "!" token lands at the very next yield of any kind: the opening sound's first yield.
    Outcome o = runner("--seed 1 --keys \"!a\" --dir '" + d + "' --events ev.jsonl", d);
    ASSERT_EQ(o.status, 3) << o.out;
    auto ev = jsonLines(d + "/ev.jsonl");
    size_t play = 0, stop = 0;
    for (size_t i = 0; i < ev.size(); ++i) {
        if (!play && ev[i].find("\"op\":\"sound.play\",\"id\":4") != std::string::npos) play = i;
        if (play && !stop && ev[i].find("\"op\":\"sound.stop\",\"id\":4") != std::string::npos) stop = i;
    }
    ASSERT_GT(play, 0u);
    ASSERT_GT(stop, play);
    EXPECT_LT(std::stod(ev[stop].substr(5)), 0.5);
    // Without a key the opening sound plays to its end.
    Outcome whole = runner("--seed 1 --keys \"\" --dir '" + d + "' --events ev2.jsonl", d);
    ASSERT_EQ(whole.status, 3);
    for (auto& l : jsonLines(d + "/ev2.jsonl")) {
        if (l.find("\"op\":\"sound.stop\",\"id\":4") != std::string::npos) {
            EXPECT_GT(std::stod(l.substr(5)), 4.0);
        }
    }
}

TEST(Runner, InteractiveModeAsksForEachKeyAndEchoesTheTranscript) {
    std::string d = freshDir();
    { std::ofstream(d + "/in.txt") << "n\nn\n"; }
    Outcome o = runner("--seed 1 --keys - --dir '" + d + "'", d, d + "/in.txt");
    EXPECT_EQ(o.status, 3) << o.out;
    std::istringstream lines(o.out);
    std::vector<std::string> out;
    for (std::string l; std::getline(lines, l);) out.push_back(l);
    // Transcript lines as they are written, "#key" before each read; end of input ends the run.
    std::vector<std::string> head = {"Dravlen. version 3",
                                     " By Brannock ",
                                     " Would you like to reed the instructions? ",
                                     " yes ",
                                     "#key",
                                     "Would you like to reed the special key instructions?",
                                     " yes ",
                                     "#key"};
    ASSERT_GE(out.size(), head.size() + 1) << o.out;
    EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + 8), head);
    EXPECT_EQ(out.back(), "#key");
}

TEST(Runner, NoVoicesShowsTheMessageAndHandsOffToTheLauncher) {
    std::string d = freshDir();
    std::string launcher = d + "/Lobbarin";
    { std::ofstream(launcher) << "#!/bin/sh\n"; }
    chmod(launcher.c_str(), 0755);
    Outcome o = runner("--voices 0 --dir '" + d + "' --events ev.jsonl", d);
    EXPECT_EQ(o.status, 0) << o.out;
    auto ev = jsonLines(d + "/ev.jsonl");
    EXPECT_TRUE(hasOp(ev, "message", "Sorry but I couldn't find any voices to use"));
    EXPECT_TRUE(hasOp(ev, "message", "Please contact Brannock"));
    EXPECT_TRUE(hasOp(ev, "launch", "Lobbarin"));
    EXPECT_FALSE(hasOp(ev, "beep"));
}
