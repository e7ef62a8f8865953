// Whole games on the scripted platform from random keys, checked after each one: a game must end
// or run out of keys in bounded time, leave a well-formed transcript and a whole settings file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dravlen::randomgames {

struct GameSetup {
    uint32_t seed = 1;           // the game's seed, and the seed of the keys
    bool steered = false;        // a driver that stops, sleeps and drives on, with random keys mixed in
    std::string programFolder;   // where the wave files are
    std::string folder;          // the settings folder: emptied before the game
};

struct GameReport {
    bool ended = false;        // the game came to its end (otherwise the keys ran out)
    double seconds = 0;        // virtual time
    long long yields = 0;
    long long longestLookRun = 0;
    int truckStops = 0, policeStops = 0, settlements = 0;
    std::vector<std::string> faults;  // empty when the game passed every check
};

// Virtual time and yields a game may take: a whole trip with every stop is far below both.
constexpr double kMostSeconds = 200000;
constexpr long long kMostYields = 5'000'000;
// Looks in a row (yields that do not sleep) the game may make: a few key-clearing turns between
// two waits. A wait that spins makes one look every turn, a hundred for each second it lasts.
constexpr long long kMostLooksInARow = 16;

GameReport playGame(const GameSetup& game);

}  // namespace dravlen::randomgames
