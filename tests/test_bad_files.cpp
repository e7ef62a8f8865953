// What lies in the player's folders never hangs or breaks the game: named pipes where files are
// expected, lying wave headers, a second copy of the game writing the same transcript; and the
// transcript itself.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "rig.h"

namespace dravlen::testing {
namespace {

// Whether `body`, run in a child process with 20 seconds and at most `memoryBytes` of address
// space, ends well: a hang or a runaway allocation shows as a failure instead of stalling the suite.
bool endsWell(size_t memoryBytes, const std::function<void()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        rlimit limit{memoryBytes, memoryBytes};
        setrlimit(RLIMIT_AS, &limit);
        alarm(20);
        try {
            body();
            _exit(0);
        } catch (...) {
            _exit(2);
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

constexpr size_t kGiB = size_t{1} << 30;

TEST(BadFiles, NamedPipesWhereFilesAreExpectedAreRefusedAtOnce) {
    const std::string settings = freshDir("-pipes"), cwd = freshDir("-pipes-cwd"), program = freshDir("-pipes-program");
    for (const std::string& p :
         {settings + "/dravlen.cfg", settings + "/dravlog.txt", cwd + "/dravlen.cfg", program + "/dravlen1.wav"})
        ASSERT_EQ(mkfifo(p.c_str(), 0644), 0) << p;
    EXPECT_TRUE(endsWell(4 * kGiB, [&] {
        scripted::ScriptedPlatform sp;
        sp.setSettingsFolder(settings);
        sp.setProgramFolder(program);
        sp.addKeys("esc enter");
        fs::current_path(cwd);
        Platform p = sp.platform();
        runGame(p, {});
    }));
    // The settings were saved all the same: the pipe by that name gave way to the new file
    // (reading it while it is still a pipe would hang this test).
    ASSERT_TRUE(fs::is_regular_file(settings + "/dravlen.cfg"));
    EXPECT_EQ(readLines(settings + "/dravlen.cfg").size(), 4u);
    EXPECT_TRUE(fs::is_fifo(settings + "/dravlog.txt"));  // left alone, never opened
}

TEST(BadFiles, WaveHeadersThatLieAreSilentAndCostNothing) {
    // How long each file plays: lying ones not at all, or at most their one second.
    const std::pair<const char*, std::string> files[] = {
        {"a rate of 1 Hz", waveFile(1, 22050)},
        {"a rate of 1,000,000 Hz", waveFile(1000000, 22050)},
        {"an fmt chunk claiming 4 GiB", waveFile(22050, 22050, 0xFFFFFFF0u)},
        {"a data chunk claiming more than the file", waveFile(22050, 22050).substr(0, 1000)},
        {"a sound file as it should be", waveFile(22050, 22050)},
    };
    for (const auto& [name, bytes] : files) {
        Rig r;
        std::ofstream(r.program + "/dravlen1.wav", std::ios::binary) << bytes;
        const bool good = &bytes == &files[4].second;
        EXPECT_TRUE(endsWell(1 * kGiB, [&] {
            play(r.f, 1);  // after the key clearing's two turns
            if (r.sp.now() > 1.05 || (good && r.sp.now() < 1.0)) _exit(3);
        })) << name;
    }
}

TEST(BadFiles, TwoCopiesSharingAFolderKeepEveryLineOfBothAsSpokenAndSpeechOutlivesTheFile) {
    Rig first, second, third;
    const std::string path = first.settings + "/dravlog.txt", other = first.settings + "/dravlog2.txt";
    std::ofstream(path) << "an earlier run's line\r\n";
    EXPECT_EQ(openTranscript(first.f, path), path);
    EXPECT_EQ(openTranscript(second.f, path), other);
    Lines a, b;
    for (int i = 0; i < 50; ++i) {
        say2(first.f, a.emplace_back("first " + std::to_string(i)));
        say2(second.f, b.emplace_back("second " + std::to_string(i)));
    }
    saydoll(first.f, 2500.75);  // spoken to its end
    a.push_back("2,500 dollors, and,  75 cents");
    bool crlf = false;
    EXPECT_EQ(readLines(path, &crlf), a);  // on disk while still open
    EXPECT_TRUE(crlf);
    EXPECT_EQ(first.sp.heard(), a);
    closeTranscript(first.f);
    closeTranscript(second.f);
    first.f.leaving = true;
    say(first.f, "after");  // heard, but neither written nor echoed
    EXPECT_EQ(std::tuple(readLines(path), first.lines, readLines(other)), std::tuple(a, a, b));
    // A new transcript is the player's to read and no one else's to write.
    struct stat st {};
    ASSERT_EQ(stat(other.c_str(), &st), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0644u & ~mask);
    // A transcript that cannot be opened: speech goes on. Once the first copy has ended, the
    // next run has the usual file again, emptied.
    EXPECT_EQ(openTranscript(third.f, third.settings + "/no such folder/dravlog.txt"), "");
    say(third.f, "still heard");
    EXPECT_EQ(third.sp.heard(), Lines{"still heard"});
    EXPECT_EQ(openTranscript(third.f, path), path);
    say2(third.f, "third");
    closeTranscript(third.f);
    EXPECT_EQ(std::pair(readLines(path), third.lines), std::pair(Lines{"third"}, Lines{"still heard", "third"}));
}

}  // namespace
}  // namespace dravlen::testing
