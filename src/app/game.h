// The whole game, from start-up to the hand-off, on any platform.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace dravlen {

struct GameOptions {
    std::optional<uint32_t> seed;                               // instead of the time of day
    std::function<void(double)> onRandom;                       // every number drawn
    std::function<void(const std::string&)> onTranscriptLine;  // every transcript line written
    size_t transcriptHold = 0;  // bytes of transcript held before a write (see LineFile::holdUpTo)
};

// Runs the game to its end. Returns normally when the game came to its end; KeysExhausted
// from a scripted platform passes through (the transcript is closed on the way out).
void runGame(Platform& platform, const GameOptions& options);

}  // namespace dravlen
