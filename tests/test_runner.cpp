// The dravlen-script runner's command-line contract: options, exit statuses, the events file, interactive mode.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "harness.h"

using namespace dravlen::testing;
using Lines = std::vector<std::string>;

namespace {

struct Outcome { int status = -1; std::string out; };

// Runs dravlen-script in `dir` with the given arguments (already shell-quoted where needed).
Outcome runner(const std::string& args, const std::string& dir, const std::string& input = "/dev/null") {
    Outcome o;
    FILE* p = popen(("cd '" + dir + "' && '" DRAVLEN_BUILD_DIR "/dravlen-script' " + args + " <'" + input + "' 2>&1").c_str(), "r");
    char buf[4096];
    for (size_t n; p && (n = fread(buf, 1, sizeof buf, p)) > 0;) o.out.append(buf, n);
    const int st = p ? pclose(p) : -1;
    o.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return o;
}

}  // namespace

TEST(Runner, UsageErrorsSayWhatIsWrongAndExitWithTwoAndHelpWithZero) {
    const std::string d = freshDir();
    const std::pair<const char*, const char*> cases[] = {
        {"--bogus", "unknown argument --bogus"}, {"--seed", "--seed needs a whole number"},
        {"--seed x1", "--seed needs a whole number"}, {"--keys", "--keys needs the tokens, or - for standard input"},
        {"--keys \"a nope\"", "unknown key token nope"}, {"--voices -1", "--voices needs a count from 0"},
        {"--keys-file", "--keys-file needs a file"},
        {"--keys-file /nonexistent/keys", "cannot read the keys file /nonexistent/keys"},
        {"--keys a --keys-file /dev/null", "give the keys only once"}, {"--dir", "--dir needs a folder"},
        {"--events", "--events needs a file"}};
    for (auto [args, message] : cases) {
        const std::string said = "dravlen-script: " + std::string(message) + "\nusage: dravlen-script [--seed N]";
        Outcome o = runner(args, d);
        EXPECT_EQ(std::pair(o.status, o.out.substr(0, said.size())), std::pair(2, said)) << args;
    }
    Outcome help = runner("--help", d);
    EXPECT_EQ(help.status, 0);
    for (const char* phrase : {"Runs the whole game headless on a virtual clock.",
                               "a leading ! delivers the key at the very next yield",
                               "Exit status: 0 the game came to its end; 3 the keys ran out; 2 usage error."})
        EXPECT_NE(help.out.find(phrase), std::string::npos) << phrase;
    EXPECT_TRUE(std::filesystem::is_empty(d));  // nothing of the game ran
}

TEST(Runner, KeysFromAFileAndEveryEventStreamedToTheEventsFile) {
    const std::string d = freshDir();
    std::ofstream(d + "/keys.txt") << "n\n  esc\n\nenter\n";
    Outcome o = runner("--seed 7 --keys-file keys.txt --voices 3 --dir . --events ev.jsonl", d);
    ASSERT_EQ(o.status, 0) << o.out;
    const Lines ev = readLines(d + "/ev.jsonl");
    ASSERT_GT(ev.size(), 20u);
    EXPECT_EQ(Lines(ev.begin(), ev.begin() + 6),
              (Lines{"{\"t\":0,\"op\":\"voice\",\"value\":0}", "{\"t\":0,\"op\":\"rate\",\"value\":0}",
                     "{\"t\":0,\"op\":\"volume\",\"value\":90}",
                     "{\"t\":0,\"op\":\"sound.load\",\"id\":1,\"sound\":20,"
                     "\"file\":\"" DRAVLEN_BUILD_DIR "/dravlen20.wav\"}",
                     "{\"t\":0,\"op\":\"sound.position\",\"id\":1,\"value\":0}",
                     "{\"t\":0,\"op\":\"sound.volume\",\"id\":1,\"value\":0}"}));
    EXPECT_EQ(ev.back(), "{\"t\":" + ev.back().substr(5, ev.back().find(',') - 5) + ",\"op\":\"exit\",\"status\":0}");
    std::string all;
    for (size_t i = 0; i < ev.size(); all += ev[i++] + "\n")  // time never runs backwards
        EXPECT_GE(std::stod(ev[i].substr(5)), std::stod(ev[i > 0 ? i - 1 : 0].substr(5))) << ev[i];
    for (const char* part : {"\"op\":\"key\",\"token\":\"esc\"", "\"text\":\" exit game? \",\"flags\":1",
                             "\"op\":\"sound.load\",\"id\":3,\"sound\":46,",
                             "\"op\":\"sound.pan\",\"id\":3,\"value\":0}"})
        EXPECT_NE(all.find(part), std::string::npos) << part;
    EXPECT_EQ(readLines(d + "/dravlen.cfg").size(), 4u);
    // The runner writes its transcript in blocks, and every line is there at the end.
    const Lines written = readLines(d + "/dravlog.txt");
    EXPECT_GT(written.size(), 5u);
    EXPECT_EQ(written, runScript({.keys = "n esc enter", .seed = 7, .voices = 3}).transcript);
}

TEST(Runner, KeysFromStandardInputAskForEachKeyEchoTheTranscriptAndRunOutWithThree) {
    const std::string d = freshDir();
    std::ofstream(d + "/in.txt") << "n\nnope\n\nn\n";
    Outcome o = runner("--seed 1 --keys - --dir .", d, d + "/in.txt");
    EXPECT_EQ(o.status, 3) << o.out;
    // A bad token and an empty line are passed over, with a word for the bad one.
    const std::string said = "Dravlen. version 3\n By Brannock \n Would you like to reed the instructions? \n yes \n",
                      head = said + "#key\nWould you like to reed the special key instructions?\n yes \n#key\n"
                                    "dravlen-script: unknown key token nope\n#key\n#key\n";
    EXPECT_EQ(o.out.substr(0, head.size()), head);
    EXPECT_EQ(o.out.substr(o.out.size() - 5), "#key\n");
    // The transcript is closed with the keys run out, but the settings are saved only on the way out.
    std::ifstream transcript(d + "/dravlog.txt", std::ios::binary);
    std::string start(said.size() + 4, ' ');  // each line ended by carriage return and line feed
    transcript.read(start.data(), static_cast<std::streamsize>(start.size()));
    EXPECT_EQ(start, std::regex_replace(said, std::regex("\n"), "\r\n"));
    EXPECT_FALSE(std::filesystem::exists(d + "/dravlen.cfg"));
}
