// The settings file, typed-number and sound file fuzz targets' corpora, replayed: every input the fuzzers
// kept, the faults they found among them, must pass the targets' checks.
#include <gtest/gtest.h>

#include "fuzz/corpus_replay.h"

namespace dravlen::fuzz {
int settings(const uint8_t* data, size_t size);
int typedNumber(const uint8_t* data, size_t size);
int waveReader(const uint8_t* data, size_t size);
}  // namespace dravlen::fuzz

// The sound files go through the project's own reader (the browser's sound layer and the scripted
// platform's lengths).
TEST(FuzzCorpora, SettingsFilesTypedNumbersAndSoundFiles) {
    EXPECT_GT(dravlen::fuzz::replayCorpus("settings", dravlen::fuzz::settings), 10);
    EXPECT_GT(dravlen::fuzz::replayCorpus("typed_number", dravlen::fuzz::typedNumber), 10);
    EXPECT_GT(dravlen::fuzz::replayCorpus("wave_file", dravlen::fuzz::waveReader), 10);
}
