// The game on the real desktop: SDL2 window and keys, OpenAL Soft sound, espeak-ng speech.
#include <cstdio>
#include <exception>

#include "app/game.h"
#include "platform/desktop/desktop.h"

int main() {
    std::string error;
    auto desktop = dravlen::desktop::DesktopPlatform::create(&error);
    if (!desktop) {
        dravlen::desktop::DesktopPlatform::showError("Dravlen could not start: " + error + ".");
        return 1;
    }
    dravlen::Platform platform = desktop->platform();
    try {
        dravlen::runGame(platform, {});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Dravlen stopped: %s\n", e.what());
        return 1;
    }
    return 0;
}
