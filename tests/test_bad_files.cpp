// What lies in the player's folders never hangs or breaks the game: named pipes where files are
// expected, lying wave headers, a second copy of the game writing the same transcript.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "frontend/speech.h"
#include "front_rig.h"
#include "harness.h"

namespace dravlen {
namespace {

using testing::freshDir;
using testing::readLines;
using testing::Rig;
namespace fs = std::filesystem;

enum class Ending { finished, hung, crashed };

// Runs `body` in a child process that may take `seconds` and at most `memoryBytes` of address
// space: a hang or a runaway allocation shows as a failure instead of stalling the suite.
Ending inChild(int seconds, size_t memoryBytes, const std::function<void()>& body) {
    pid_t pid = fork();
    if (pid == 0) {
        rlimit limit{memoryBytes, memoryBytes};
        setrlimit(RLIMIT_AS, &limit);
        try {
            body();
        } catch (...) {
            _exit(2);
        }
        _exit(0);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return Ending::hung;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Ending::finished : Ending::crashed;
}

constexpr size_t kGiB = size_t{1} << 30;

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string le32(uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

// A 16-bit mono wave file with the given rate, one second long at 22,050 frames, and an fmt
// chunk whose size field says `fmtSize`.
std::string wave(uint32_t rate, uint32_t fmtSize = 16) {
    const uint32_t frames = 22050;
    std::string fmt = std::string("\x01\x00\x01\x00", 4) + le32(rate) + le32(rate * 2) + std::string("\x02\x00\x10\x00", 4);
    return "RIFF" + le32(36 + frames * 2) + "WAVEfmt " + le32(fmtSize) + fmt + "data" + le32(frames * 2) +
           std::string(frames * 2, '\0');
}

TEST(BadFiles, NamedPipesWhereFilesAreExpectedAreRefusedAtOnce) {
    const std::string settings = freshDir("-pipes"), cwd = freshDir("-pipes-cwd"), program = freshDir("-pipes-program");
    for (const std::string& p : {settings + "/dravlen.cfg", settings + "/dravlog.txt", cwd + "/dravlen.cfg",
                                 program + "/dravlen1.wav"})
        ASSERT_EQ(mkfifo(p.c_str(), 0644), 0) << p;
    const Ending e = inChild(20, 4 * kGiB, [&] {
        scripted::ScriptedPlatform sp;
        sp.setSettingsFolder(settings);
        sp.setProgramFolder(program);
        sp.addKeys("esc enter");
        fs::current_path(cwd);
        Platform p = sp.platform();
        runGame(p, {});
    });
    EXPECT_EQ(e, Ending::finished);
    // The settings were saved all the same: the pipe by that name gave way to the new file.
    ASSERT_TRUE(fs::is_regular_file(settings + "/dravlen.cfg"));
    EXPECT_EQ(readLines(settings + "/dravlen.cfg").size(), 4u);
    EXPECT_TRUE(fs::is_fifo(settings + "/dravlog.txt"));  // left alone, never opened
}

TEST(BadFiles, WaveHeadersThatLieAreSilentAndCostNothing) {
    struct Row {
        const char* name;
        std::string bytes;
    } rows[] = {
        {"a rate of 1 Hz", wave(1)},
        {"a rate of 1,000,000 Hz", wave(1000000)},
        {"an fmt chunk claiming 4 GiB", wave(22050, 0xFFFFFFF0u)},
        {"a data chunk claiming more than the file", wave(22050).substr(0, 1000)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Rig r;
        writeBytes(r.program + "/dravlen1.wav", row.bytes);
        const Ending e = inChild(20, 1 * kGiB, [&] {
            SoundId id = r.p.sound.load(r.program + "/dravlen1.wav");
            r.p.sound.play(id, false);
            while (r.p.sound.playing(id)) r.p.window.pump(WaitKind::other, r.sp.now() + 0.01);
            if (r.sp.now() > 2) _exit(3);  // played for longer than the file's one second
        });
        EXPECT_EQ(e, Ending::finished);
    }
    // A sound file as it should be plays its second.
    Rig r;
    writeBytes(r.program + "/dravlen1.wav", wave(22050));
    SoundId id = r.p.sound.load(r.program + "/dravlen1.wav");
    r.p.sound.play(id, false);
    while (r.p.sound.playing(id)) r.p.window.pump(WaitKind::other, r.sp.now() + 0.01);
    EXPECT_NEAR(r.sp.now(), 1.0, 0.02);
}

TEST(BadFiles, TwoCopiesSharingAFolderKeepEveryLineOfBoth) {
    Rig first, second;
    const std::string path = first.settings + "/dravlog.txt";
    writeBytes(path, "an earlier run's line\r\n");
    EXPECT_EQ(openTranscript(first.f, path), path);
    EXPECT_EQ(openTranscript(second.f, path), first.settings + "/dravlog2.txt");
    for (int i = 0; i < 50; ++i) {
        say2(first.f, "first " + std::to_string(i));
        say2(second.f, "second " + std::to_string(i));
    }
    closeTranscript(first.f);
    closeTranscript(second.f);
    const auto a = readLines(path), b = readLines(first.settings + "/dravlog2.txt");
    ASSERT_EQ(a.size(), 50u);
    ASSERT_EQ(b.size(), 50u);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(a[static_cast<size_t>(i)], "first " + std::to_string(i));
        EXPECT_EQ(b[static_cast<size_t>(i)], "second " + std::to_string(i));
    }
    // A new transcript is the player's to read and no one else's to write.
    struct stat st {};
    ASSERT_EQ(stat((first.settings + "/dravlog2.txt").c_str(), &st), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0644u & ~mask);
    // Once the first copy has ended, the next run has the usual file again, emptied.
    Rig third;
    EXPECT_EQ(openTranscript(third.f, path), path);
    say2(third.f, "third");
    closeTranscript(third.f);
    EXPECT_EQ(readLines(path), (std::vector<std::string>{"third"}));
}

}  // namespace
}  // namespace dravlen
