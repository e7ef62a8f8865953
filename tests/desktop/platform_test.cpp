// The desktop platform headless (SDL's dummy video driver, OpenAL's null backend), its folders and its launcher.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <ctime>
#include <thread>

#include "platform/desktop/desktop.h"
#include "platform/desktop/system_paths.h"
#include "test_files.h"

namespace dravlen::desktop {
namespace {

namespace fs = std::filesystem;

void pushKey(SDL_Keycode sym, SDL_Scancode scancode, Uint16 mod = 0, Uint8 repeat = 0) {
    SDL_Event ev{.key = {SDL_KEYDOWN, 0, 0, SDL_PRESSED, repeat, 0, 0, {scancode, sym, mod, 0}}};
    SDL_PushEvent(&ev);
}

TEST(DesktopPlatform, KeysAndCloseArriveAndWaitsSleep) {
    std::string error;
    auto desktop = DesktopPlatform::create(&error);
    ASSERT_TRUE(desktop) << error;
    Platform p = desktop->platform();
    // Keys typed while the game was busy reach the key waits one at a time, in order, auto-repeats
    // included; the NumLock key itself never arrives; a close request comes at once.
    pushKey(SDLK_a, SDL_SCANCODE_A);
    pushKey(SDLK_a, SDL_SCANCODE_A, 0, 1);
    pushKey(SDLK_NUMLOCKCLEAR, SDL_SCANCODE_NUMLOCKCLEAR, KMOD_NUM);
    pushKey(SDLK_KP_5, SDL_SCANCODE_KP_5, KMOD_NUM);
    SDL_Event quit{.type = SDL_QUIT};
    SDL_PushEvent(&quit);
    // Key waits end within a second even when a slip hands over no key, so the test fails, not hangs.
    auto soon = [&] { return p.clock.now() + 1; };
    WindowEvents got = p.window.pump(WaitKind::key, soon());
    EXPECT_EQ(got.keys, std::vector<int>{65});
    EXPECT_TRUE(got.closeRequested);
    // A look between two key waits (the pending key being emptied) hands over none of them.
    EXPECT_EQ(p.window.pump(WaitKind::other, 0).keys, std::vector<int>{});
    EXPECT_EQ(p.window.pump(WaitKind::key, soon()).keys, std::vector<int>{65});
    EXPECT_EQ(p.window.pump(WaitKind::key, soon()).keys, std::vector<int>{101});
    // Keys pressed before a pause are handed over all at once when it begins, as the game expects
    // of keys pressed before a question; so are those pressed during a synchronous line.
    pushKey(SDLK_1, SDL_SCANCODE_1);
    pushKey(SDLK_2, SDL_SCANCODE_2);
    EXPECT_EQ(p.window.pump(WaitKind::other, soon()).keys, (std::vector<int>{49, 50}));
    pushKey(SDLK_3, SDL_SCANCODE_3);
    EXPECT_EQ(p.window.pump(WaitKind::other, 0).keys, std::vector<int>{});  // held, as typed over a question
    p.speech.speak("", SpeakFlag::sync);
    pushKey(SDLK_4, SDL_SCANCODE_4);
    EXPECT_EQ(p.window.pump(WaitKind::other, 0).keys, std::vector<int>{51});
    EXPECT_EQ(p.window.pump(WaitKind::key, soon()).keys, std::vector<int>{52});

    // A wait sleeps to its deadline far from a busy core (the process's CPU time: speech and
    // mixer threads counted too), and a key ends it at once.
    double start = p.clock.now(), cpu = double(std::clock()) / CLOCKS_PER_SEC;
    while (p.clock.now() < start + 0.5) p.window.pump(WaitKind::key, start + 0.5);
    double waited = p.clock.now() - start;
    EXPECT_TRUE(waited >= 0.5 && waited < 0.6) << waited;
    EXPECT_LT((double(std::clock()) / CLOCKS_PER_SEC - cpu) / waited, 0.25);
    pushKey(SDLK_RETURN, SDL_SCANCODE_RETURN);
    start = p.clock.now();
    EXPECT_EQ(p.window.pump(WaitKind::key, start + 5.0).keys, std::vector<int>{13});
    EXPECT_LT(p.clock.now() - start, 0.1);
}

// Runs again as a child process whose OpenAL has no backend at all (see environment.cpp).
TEST(NoSoundDevice, CreateFailsWithAClearMessage) {
    std::string error;
    if (std::getenv("DRAVLEN_TEST_NO_SOUND")) {
        EXPECT_FALSE(DesktopPlatform::create(&error));
        EXPECT_NE(error.find("sound device"), std::string::npos) << error;
        return;
    }
    std::string child = "DRAVLEN_TEST_NO_SOUND=1 '" + fs::read_symlink("/proc/self/exe").string() +
                        "' --gtest_filter='NoSoundDevice.*' > /dev/null";
    EXPECT_EQ(std::system(child.c_str()), 0) << "the child's test failed: " << child;
}

TEST(SystemPaths, SettingsInDocumentsSoundsBesideTheProgramElseInShareAndLaunchIsDetached) {
    testing::ScratchFolder scratch;
    std::string home = scratch / "home", config = home + "/.config", cwd = scratch / "work", bin = scratch / "bin",
                share = scratch / "share/dravlen";
    for (const std::string& d : {config, cwd, home + "/Dokumente", home + "/Documents", bin, share})
        fs::create_directories(d);
    std::ofstream(config + "/user-dirs.dirs") << "# from xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                 "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
    EXPECT_EQ(settingsFolderIn(home, config, cwd), home + "/Dokumente/quillonwerk");
    // The other forms a hand-edited file may hold: ${HOME}, and a whole path.
    for (std::string form : {std::string("${HOME}/Dokumente"), home + "/Dokumente"}) {
        std::ofstream(config + "/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"" << form << "\"\n";
        EXPECT_EQ(settingsFolderIn(home, config, cwd), home + "/Dokumente/quillonwerk") << form;
    }
    // The named folder is gone: ~/Documents; that gone too: the current folder.
    std::ofstream(config + "/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Gone\"\n";
    EXPECT_EQ(settingsFolderIn(home, config, cwd), home + "/Documents/quillonwerk");
    fs::remove_all(home + "/Documents");
    EXPECT_EQ(settingsFolderIn(home, config, cwd), cwd + "/quillonwerk");
    EXPECT_EQ(settingsFolderIn("", "", cwd), cwd + "/quillonwerk");
    EXPECT_TRUE(fs::is_directory(home + "/Dokumente/quillonwerk") && fs::is_directory(cwd + "/quillonwerk"));
    if (geteuid() != 0) {  // root can write into a read-only folder
        fs::create_directory(scratch / "locked");
        chmod((scratch / "locked").c_str(), 0555);
        EXPECT_EQ(settingsFolderIn("", "", scratch / "locked"), "");
    }
    EXPECT_TRUE(fs::equivalent(programFolder(), DRAVLEN_BUILD_DIR));

    EXPECT_EQ(soundFolderFor(bin), bin);  // no sounds anywhere: the program's own folder
    fs::create_directories(scratch / "share/games/dravlen");  // as Debian keeps a game's
    std::ofstream(scratch / "share/games/dravlen/dravlen1.wav") << "RIFF";
    EXPECT_EQ(soundFolderFor(bin), bin + "/../share/games/dravlen");
    std::ofstream(share + "/dravlen1.wav") << "RIFF";
    EXPECT_EQ(soundFolderFor(bin), bin + "/../share/dravlen");
    std::ofstream(bin + "/dravlen1.wav") << "RIFF";
    EXPECT_EQ(soundFolderFor(bin), bin);

    // Launching: detached, without a shell, and failures reported.
    std::string marker = scratch / "started", script = scratch / "launcher", junk = scratch / "junk";
    // The program notes its session id: "detached" means a session of its own.
    std::ofstream(script) << "#!/bin/sh\nps -o sid= -p $$ > '" << marker << ".tmp'\nmv '" << marker << ".tmp' '"
                          << marker << "'\n";
    std::ofstream(junk) << "\x7f" "ELF garbage";
    chmod(script.c_str(), 0755);
    EXPECT_TRUE(launchDetached(script));
    for (int i = 0; i < 200 && !fs::exists(marker); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(9));
    long sid = 0;
    std::ifstream(marker) >> sid;
    EXPECT_TRUE(sid > 0 && sid != long(getsid(0))) << sid;
    // Missing, not executable, executable but no program, a command line for a shell: not started, and said so.
    EXPECT_FALSE(launchDetached(scratch / "missing") || launchDetached(junk));
    chmod(junk.c_str(), 0755);
    EXPECT_FALSE(launchDetached(junk) || launchDetached("true; touch " + marker + "2"));
    EXPECT_FALSE(fs::exists(marker + "2"));
}

}  // namespace
}  // namespace dravlen::desktop
