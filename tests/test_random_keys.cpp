// Random keys must never crash or hang the game: every run ends, or runs out of keys, cleanly;
// steered games reach the truck stop, the police and the settlement on the way.
#include <gtest/gtest.h>

#include "harness.h"
#include "random_games.h"

using namespace dravlen::randomgames;

TEST(RandomKeys, WholeGamesFromRandomKeysAlwaysEndCleanly) {
    // The same games as the first stretch of dravlen-randomgames: one in four steered.
    const std::string folder = dravlen::testing::freshDir();
    int ended = 0, stops = 0, police = 0, settlements = 0;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        GameSetup game;
        game.seed = seed;
        game.steered = seed % 4 == 0;
        game.programFolder = DRAVLEN_BUILD_DIR;
        game.folder = folder;
        const GameReport r = playGame(game);
        for (const std::string& fault : r.faults) ADD_FAILURE() << "seed " << seed << ": " << fault;
        ended += r.ended;
        stops += r.truckStops;
        police += r.policeStops;
        settlements += r.settlements;
    }
    EXPECT_GT(ended, 150);
    EXPECT_GT(stops, 800);
    EXPECT_GT(police, 100);
    EXPECT_GT(settlements, 25);
}
