// The project's own RIFF/WAVE reader, for places where libsndfile is not at hand (the browser)
// and for reading a sound's length from its header alone (the scripted platform).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dravlen {

// What a wave file's header says about its samples.
struct WaveHeader {
    int format = 0;        // 1 integer PCM, 3 IEEE float (an extensible header gives its sub-format)
    int channels = 0;
    int rate = 0;
    int bits = 0;          // per sample
    size_t dataAt = 0;     // where the samples begin
    uint64_t dataBytes = 0;  // sample bytes the file really holds (a truncated file plays what is there)
    long frames = 0;
};

// Reads the header from the first `have` bytes of a file of `fileSize` bytes. Nullopt when it
// is not a RIFF/WAVE file, or when it claims a sample rate no real sound file has. Every size
// in the header is bounded by the file's own length, so a lying header costs nothing.
std::optional<WaveHeader> readWaveHeader(const unsigned char* bytes, size_t have, uint64_t fileSize);

struct WaveSamples {
    bool ok = false;               // false: not a wave file, a format we do not read, or no audio
    int rate = 0;
    int channels = 0;
    std::vector<int16_t> samples;  // interleaved, whole frames only
    std::string error;
};

// The whole file in memory, as 16-bit samples: integer PCM of 8, 16, 24 or 32 bits and 32-bit
// float (scaled to full range) are read; anything else is refused with a reason.
WaveSamples decodeWave(const void* data, size_t size);

}  // namespace dravlen
