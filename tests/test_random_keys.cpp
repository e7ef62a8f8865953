// Random keys must never crash or hang the game: every run ends, or runs out of keys, cleanly.
#include <random>

#include "harness.h"

using namespace dravlen::testing;

TEST(RandomKeys, WholeGamesFromRandomKeysAlwaysEndCleanly) {
    const char* tokens[] = {"enter", "enter", "enter", "up", "down", "y", "n", "1", "2", "3", "5", "6", "0",
                            "kp5", "f1", "f2", "f3", "f5", "esc", "x", "comma", "bksp", "shift", "r", "m",
                            "s", "f", "!enter", "!a", "ctrl", "f4", "f12", "space", "left", "tab", "9", "4"};
    const int n = static_cast<int>(sizeof tokens / sizeof *tokens);
    for (uint32_t seed = 1; seed <= 25; ++seed) {
        std::mt19937 gen(seed);
        std::string keys;
        for (int i = 0; i < 400; ++i) keys += std::string(tokens[gen() % n]) + " ";
        RunOptions o;
        o.seed = seed;
        o.keys = keys;
        RunResult r = runScript(o);
        EXPECT_TRUE(r.status == 0 || r.status == 3) << "seed " << seed;
        ASSERT_FALSE(r.transcript.empty()) << "seed " << seed;
        EXPECT_EQ(r.transcript.front(), "Dravlen. version 3");
        if (r.status == 0) {
            // An ending saves four settings lines and hands off.
            EXPECT_EQ(readLines(r.dir + "/dravlen.cfg").size(), 4u) << "seed " << seed;
            EXPECT_GT(r.count("beep") + r.count("launch"), 0) << "seed " << seed;
        }
    }
}
