// The sound file fuzz target's corpus, replayed through the desktop sound layer's reader.
#include <gtest/gtest.h>

#include "../fuzz/corpus_replay.h"

namespace dravlen::fuzz {
int waveFile(const uint8_t* data, size_t size);
}  // namespace dravlen::fuzz

TEST(FuzzCorpora, SoundFiles) { EXPECT_GT(dravlen::fuzz::replayCorpus("wave_file", dravlen::fuzz::waveFile), 10); }
