// dravlen-randomgames: plays many whole games from random keys and checks each; exit 1 on a fault.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "random_games.h"

int main(int argc, char** argv) {
    using namespace dravlen::randomgames;
    unsigned long from = 1, count = 1000, steeredEvery = 4;
    std::string program = std::filesystem::absolute(argv[0]).parent_path().string();
    std::string folder = (std::filesystem::temp_directory_path() / ("dravlen-randomgames-" + std::to_string(::getpid()))).string();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i], v = argv[i + 1];
        if (a == "--from") from = std::stoul(v);
        else if (a == "--count") count = std::stoul(v);
        else if (a == "--steered-every") steeredEvery = std::stoul(v);
        else if (a == "--program") program = v;
        else if (a == "--folder") folder = v;
        else {
            std::fprintf(stderr,
                         "usage: dravlen-randomgames [--from SEED] [--count N] [--steered-every K] [--program DIR] "
                         "[--folder DIR]\n");
            return 2;
        }
    }
    const auto start = std::chrono::steady_clock::now();
    unsigned long ended = 0, faulty = 0, steered = 0;
    long long stops = 0, police = 0, settlements = 0, yields = 0;
    double seconds = 0;
    long long looks = 0;
    for (unsigned long i = 0; i < count; ++i) {
        GameSetup game;
        game.seed = static_cast<uint32_t>(from + i);
        game.steered = steeredEvery > 0 && game.seed % steeredEvery == 0;
        game.programFolder = program;
        game.folder = folder;
        const GameReport r = playGame(game);
        steered += game.steered;
        ended += r.ended;
        stops += r.truckStops;
        police += r.policeStops;
        settlements += r.settlements;
        yields += r.yields;
        seconds += r.seconds;
        looks = std::max(looks, r.longestLookRun);
        for (const std::string& fault : r.faults)
            std::printf("FAULT seed %u%s: %s\n", game.seed, game.steered ? " (steered)" : "", fault.c_str());
        faulty += !r.faults.empty();
        if ((i + 1) % 1000 == 0 || i + 1 == count) {
            const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            std::printf("games %lu (steered %lu) ended %lu faulty %lu | truck stops %lld police %lld settlements %lld |"
                        " virtual hours %.0f yields %lld, looks in a row %lld | %.0f s\n",
                        i + 1, steered, ended, faulty, stops, police, settlements, seconds / 3600, yields, looks, wall);
            std::fflush(stdout);
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return faulty ? 1 : 0;
}
