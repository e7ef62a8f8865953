// The whole desktop platform on SDL's dummy video driver and OpenAL's null backend.
#include <SDL.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>

#include "platform/desktop/desktop.h"

extern char** environ;

namespace dravlen::desktop {
namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

SDL_Event keyDown(SDL_Keycode sym, SDL_Scancode scan, Uint16 mod = 0, bool repeat = false) {
    SDL_Event ev{};
    ev.type = SDL_KEYDOWN;
    ev.key.state = SDL_PRESSED;
    ev.key.repeat = repeat;
    ev.key.keysym.sym = sym;
    ev.key.keysym.scancode = scan;
    ev.key.keysym.mod = mod;
    return ev;
}

class DesktopPlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DRAVLEN_TEST_NO_SOUND")) GTEST_SKIP();
        std::string error;
        desktop = DesktopPlatform::create(&error);
        ASSERT_TRUE(desktop) << error;
    }
    std::unique_ptr<DesktopPlatform> desktop;
};

TEST_F(DesktopPlatformTest, KeyDownsArriveInOrderWithRepeats) {
    Platform p = desktop->platform();
    p.window.setCaption(" Dravlen  By Brannock ");
    SDL_Event events[] = {keyDown(SDLK_a, SDL_SCANCODE_A), keyDown(SDLK_a, SDL_SCANCODE_A, 0, true),
                          keyDown(SDLK_NUMLOCKCLEAR, SDL_SCANCODE_NUMLOCKCLEAR, KMOD_NUM),
                          keyDown(SDLK_KP_5, SDL_SCANCODE_KP_5, KMOD_NUM), keyDown(SDLK_F1, SDL_SCANCODE_F1)};
    for (SDL_Event& ev : events) SDL_PushEvent(&ev);
    WindowEvents got = p.window.pump(WaitKind::key, p.clock.now() + 1.0);
    EXPECT_EQ(got.keys, (std::vector<int>{65, 65, 101, 112}));
    EXPECT_FALSE(got.closeRequested);
}

TEST_F(DesktopPlatformTest, CloseRequestIsReported) {
    Platform p = desktop->platform();
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_TRUE(p.window.pump(WaitKind::key, p.clock.now() + 1.0).closeRequested);
}

TEST_F(DesktopPlatformTest, PumpSleepsUntilTheDeadlineWithoutSpinning) {
    Platform p = desktop->platform();
    double start = p.clock.now();
    WindowEvents none = p.window.pump(WaitKind::other, start);  // "just look"
    EXPECT_TRUE(none.keys.empty());
    EXPECT_LT(p.clock.now() - start, 0.02);

    double cpu = cpuSeconds();
    start = p.clock.now();
    while (p.clock.now() < start + 0.5) p.window.pump(WaitKind::key, start + 0.5);
    double waited = p.clock.now() - start;
    EXPECT_GE(waited, 0.5);
    EXPECT_LT(waited, 0.6);
    // The whole process (speech and mixer threads included) stays far from a busy core.
    EXPECT_LT((cpuSeconds() - cpu) / waited, 0.25);

    // A key wakes the wait at once.
    SDL_Event ev = keyDown(SDLK_RETURN, SDL_SCANCODE_RETURN);
    SDL_PushEvent(&ev);
    start = p.clock.now();
    EXPECT_EQ(p.window.pump(WaitKind::key, start + 5.0).keys, std::vector<int>{13});
    EXPECT_LT(p.clock.now() - start, 0.1);
}

TEST_F(DesktopPlatformTest, ClockIsMonotonicSecondsAndTimeOfDayIsLocal) {
    Platform p = desktop->platform();
    double a = p.clock.now();
    SDL_Delay(20);
    double b = p.clock.now();
    EXPECT_GE(b - a, 0.019);
    EXPECT_LT(b - a, 0.2);
    TimeOfDay t = p.clock.timeOfDay();
    EXPECT_TRUE(t.hours >= 0 && t.hours < 24 && t.minutes >= 0 && t.minutes < 60 && t.seconds >= 0 && t.seconds < 61);
}

TEST_F(DesktopPlatformTest, SpeechAndSoundAreThere) {
    Platform p = desktop->platform();
    EXPECT_GT(p.speech.voiceCount(), 0);
    p.speech.setRate(10);
    p.speech.speak("ready", SpeakFlag::sync);
    EXPECT_FALSE(p.sound.playing(p.sound.load("/no/such/file.wav")));
    EXPECT_FALSE(p.system.programFolder().empty());
    p.system.beep();
}

// Started again as a child process whose OpenAL has no backend at all.
TEST(NoSoundDevice, CreateFailsWithAClearMessage) {
    if (!std::getenv("DRAVLEN_TEST_NO_SOUND")) {
        std::string self = "/proc/self/exe";
        char filter[] = "--gtest_filter=NoSoundDevice.*";
        char* argv[] = {self.data(), filter, nullptr};
        std::vector<std::string> env = {"DRAVLEN_TEST_NO_SOUND=1"};
        std::vector<char*> envp;
        for (char** e = environ; *e; ++e) envp.push_back(*e);
        envp.push_back(env[0].data());
        envp.push_back(nullptr);
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv, envp.data()), 0);
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child's test failed";
        return;
    }
    std::string error;
    auto desktop = DesktopPlatform::create(&error);
    EXPECT_FALSE(desktop);
    EXPECT_NE(error.find("sound device"), std::string::npos) << error;
}

}  // namespace
}  // namespace dravlen::desktop
