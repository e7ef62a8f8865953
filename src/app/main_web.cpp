// The game in a web browser: the page's game element, Web Audio and the page's voices.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game.h"
#include "platform/web/web.h"
#include "soundgen/sounds.h"

namespace {

// Writes the sound numbered in `path` ("/.../dravlenN.wav") with the project's own generator:
// the pack is made in the browser rather than downloaded.
void makeSound(const std::string& path) {
    const size_t at = path.rfind("dravlen");
    if (at == std::string::npos) return;
    const int number = std::atoi(path.c_str() + at + 7);
    for (const soundgen::SoundDef& d : soundgen::soundTable())
        if (d.number == number) soundgen::writeFile(path, soundgen::waveBytes(soundgen::finish(d, d.make())));
}

std::string soundPath(int number) {
    return std::string(dravlen::web::kProgramFolder) + "/dravlen" + std::to_string(number) + ".wav";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace dravlen;
    GameOptions options;
    // The page passes ?seed=N on as --seed N, so that a game can be played again as it was.
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--seed") == 0) options.seed = static_cast<uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));

    // While the page waits for its Start button, the sounds are made, the first ones heard first,
    // one at a time so that the page stays responsive. What is not made by then is made when the
    // game first loads it.
    std::filesystem::create_directories(web::kProgramFolder);
    std::vector<int> order = {1, 20, 21, 46};
    for (const soundgen::SoundDef& d : soundgen::soundTable())
        if (d.number != 1 && d.number != 20 && d.number != 21 && d.number != 46) order.push_back(d.number);
    for (int n : order) {
        if (web::startPressed()) break;
        makeSound(soundPath(n));
        web::sleepFor(0);
    }
    web::waitForStart();

    std::string error;
    auto page = web::WebPlatform::create(&error);
    if (!page) {
        std::fprintf(stderr, "Dravlen could not start: %s.\n", error.c_str());
        return 1;
    }
    page->setSoundMaker(makeSound);
    Platform platform = page->platform();
    options.onTranscriptLine = web::transcriptLine;
    try {
        runGame(platform, options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Dravlen stopped: %s\n", e.what());
    }
    web::gameEnded();
    return 0;
}
