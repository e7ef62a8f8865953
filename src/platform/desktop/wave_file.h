// Reading a wave file into 16-bit samples (libsndfile behind it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dravlen::desktop {

struct WaveData {
    bool ok = false;             // false: missing, unreadable or empty
    int rate = 0;                // frames per second
    int channels = 0;
    std::vector<int16_t> samples;  // interleaved
    std::string error;
};

// Floating-point files are scaled to full 16-bit range; a truncated file gives what is there.
WaveData readWaveFile(const std::string& path);
// The same from a file's bytes held in memory.
WaveData readWaveBytes(const void* data, size_t size);

}  // namespace dravlen::desktop
