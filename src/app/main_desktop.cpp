// The game on the real desktop: SDL2 window and keys, OpenAL Soft sound, espeak-ng speech.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "app/game.h"
#include "platform/call_timer.h"
#include "platform/desktop/desktop.h"

namespace {

const char usage[] =
    "Usage: dravlen [--help | --version]\n"
    "Dravlen, a self-voicing trucking game played from the keyboard by ear.\n"
    "Run without options to play; every word is spoken.\n";

const char licence[] =
    "Licence GPL-3.0-or-later: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

}  // namespace

int main(int argc, char** argv) {
    // The options are answered before anything opens a window or a sound device.
    if (argc > 1) {
        if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
            std::printf("dravlen %s\n%s", DRAVLEN_VERSION, licence);
            return 0;
        }
        std::fprintf(stderr, "dravlen: unknown option '%s'\n%s", argv[1], usage);
        return 2;
    }
    std::string error;
    auto desktop = dravlen::desktop::DesktopPlatform::create(&error);
    if (!desktop) {
        dravlen::desktop::DesktopPlatform::showError("Dravlen could not start: " + error + ".");
        return 1;
    }
    dravlen::Platform platform = desktop->platform();
    auto play = [](dravlen::Platform p) {
        try {
            dravlen::runGame(p, {});
        } catch (const std::exception& e) {
            std::fprintf(stderr, "Dravlen stopped: %s\n", e.what());
            return 1;
        }
        return 0;
    };
    // For the benchmark: the longest time spent inside each kind of platform call, written to
    // the file named by DRAVLEN_CALL_TIMES when the game ends.
    const char* timesPath = std::getenv("DRAVLEN_CALL_TIMES");
    if (!timesPath || !*timesPath) return play(platform);
    dravlen::CallTimer timer(platform);
    int status = play(timer.platform());
    if (std::FILE* out = std::fopen(timesPath, "w")) {
        timer.write(out);
        std::fclose(out);
    }
    return status;
}
