// The project's own RIFF/WAVE reader (see wave_reader.h).
#include "platform/wave_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/files.h"

namespace dravlen {

namespace {

uint32_t le(const unsigned char* b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<size_t>(i)];
    return v;
}

constexpr int kExtensible = 0xFFFE;

}  // namespace

std::optional<WaveHeader> readWaveHeader(const unsigned char* b, size_t have, uint64_t fileSize) {
    if (have < 12 || std::memcmp(b, "RIFF", 4) != 0 || std::memcmp(b + 8, "WAVE", 4) != 0) return std::nullopt;
    WaveHeader h;
    size_t at = 12;
    while (at + 8 <= have) {
        const bool isFmt = std::memcmp(b + at, "fmt ", 4) == 0;
        const bool isData = std::memcmp(b + at, "data", 4) == 0;
        const uint64_t size = le(b, at + 4, 4);
        at += 8;
        if (isFmt) {
            if (size < 16 || at + size > have) return std::nullopt;
            h.format = static_cast<int>(le(b, at, 2));
            h.channels = static_cast<int>(le(b, at + 2, 2));
            h.rate = static_cast<int>(le(b, at + 4, 4));
            h.bits = static_cast<int>(le(b, at + 14, 2));
            // An extensible header names the real format in the first two bytes of its GUID.
            if (h.format == kExtensible && size >= 26) h.format = static_cast<int>(le(b, at + 24, 2));
        } else if (isData) {
            if (h.channels <= 0 || h.bits <= 0 || h.rate < kLowestSoundRate || h.rate > kHighestSoundRate)
                return std::nullopt;
            h.dataAt = at;
            h.dataBytes = std::min<uint64_t>(size, fileSize > at ? fileSize - at : 0);
            h.frames = static_cast<long>(h.dataBytes / (static_cast<uint64_t>(h.channels) *
                                                        static_cast<uint64_t>((h.bits + 7) / 8)));
            return h;
        }
        if (size + (size & 1) > fileSize) return std::nullopt;
        at += static_cast<size_t>(size + (size & 1));
    }
    return std::nullopt;
}

WaveSamples decodeWave(const void* data, size_t size) {
    WaveSamples w;
    const auto* b = static_cast<const unsigned char*>(data);
    const std::optional<WaveHeader> h = readWaveHeader(b, size, size);
    if (!h) {
        w.error = "not a wave file, or a damaged header";
        return w;
    }
    const bool pcm = h->format == 1 && (h->bits == 8 || h->bits == 16 || h->bits == 24 || h->bits == 32);
    const bool real = h->format == 3 && h->bits == 32;
    if (!pcm && !real) {
        w.error = "a sample format this reader does not take";
        return w;
    }
    if (h->channels > 64) {
        w.error = "implausible channel count";
        return w;
    }
    const size_t width = static_cast<size_t>(h->bits / 8);
    const size_t count = static_cast<size_t>(h->frames) * static_cast<size_t>(h->channels);
    w.samples.resize(count);
    const unsigned char* p = b + h->dataAt;
    for (size_t i = 0; i < count; ++i, p += width) {
        int32_t v = 0;
        if (real) {
            float f;
            std::memcpy(&f, p, 4);
            if (!std::isfinite(f)) f = 0;
            v = static_cast<int32_t>(std::lround(std::clamp(f, -1.0f, 1.0f) * 32767.0f));
        } else if (width == 1) {
            v = (static_cast<int32_t>(p[0]) - 128) << 8;  // 8-bit samples are unsigned
        } else {
            // The most significant two bytes of a wider little-endian sample.
            v = static_cast<int16_t>(static_cast<uint16_t>(p[width - 2] | p[width - 1] << 8));
        }
        w.samples[i] = static_cast<int16_t>(v);
    }
    w.rate = h->rate;
    w.channels = h->channels;
    w.ok = !w.samples.empty();
    if (!w.ok) w.error = "no audio in file";
    return w;
}

}  // namespace dravlen
