// Reading a wave file into 16-bit samples (libsndfile behind it).
#include "platform/desktop/wave_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

#include "platform/files.h"

namespace dravlen::desktop {

namespace {

// The samples of an open file, which is closed on the way out.
WaveData decode(SNDFILE* f, const SF_INFO& info) {
    WaveData w;
    // A rate no real sound file has is a damaged header: at 1 Hz a short file would play for
    // a quarter of an hour.
    if (info.samplerate < kLowestSoundRate || info.samplerate > kHighestSoundRate) {
        w.error = "implausible sample rate";
        sf_close(f);
        return w;
    }
    // Without this, 32-bit float files come out nearly silent through the short reader.
    sf_command(f, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
    if (info.channels > 0 && info.samplerate > 0 && info.frames > 0) {
        w.samples.resize(static_cast<size_t>(info.frames) * static_cast<size_t>(info.channels));
        sf_count_t got = sf_readf_short(f, w.samples.data(), info.frames);
        w.samples.resize(static_cast<size_t>(got > 0 ? got : 0) * static_cast<size_t>(info.channels));
        w.rate = info.samplerate;
        w.channels = info.channels;
        w.ok = !w.samples.empty();
    }
    if (!w.ok && w.error.empty()) w.error = "no audio in file";
    sf_close(f);
    return w;
}

// A file held in memory, read through libsndfile's virtual I/O.
struct Memory {
    const unsigned char* data;
    sf_count_t size;
    sf_count_t at = 0;
};

sf_count_t memoryLength(void* user) { return static_cast<Memory*>(user)->size; }
sf_count_t memorySeek(sf_count_t offset, int whence, void* user) {
    auto* m = static_cast<Memory*>(user);
    sf_count_t base = whence == SEEK_CUR ? m->at : whence == SEEK_END ? m->size : 0;
    if (offset > m->size || offset < -m->size) return -1;
    const sf_count_t to = base + offset;
    if (to < 0 || to > m->size) return -1;
    m->at = to;
    return m->at;
}
sf_count_t memoryRead(void* out, sf_count_t count, void* user) {
    auto* m = static_cast<Memory*>(user);
    const sf_count_t n = std::clamp<sf_count_t>(count, 0, m->size - m->at);
    if (n > 0) std::memcpy(out, m->data + m->at, static_cast<size_t>(n));
    m->at += n;
    return n;
}
sf_count_t memoryWrite(const void*, sf_count_t, void*) { return 0; }
sf_count_t memoryTell(void* user) { return static_cast<Memory*>(user)->at; }

}  // namespace

WaveData readWaveFile(const std::string& path) {
    WaveData w;
    SF_INFO info{};
    // Only a regular file is opened, and without blocking: a named pipe by that name would
    // otherwise hold the game before its first word.
    const int fd = openRegularForReading(path);
    if (fd < 0) {
        w.error = "not a readable regular file";
        return w;
    }
    SNDFILE* f = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
    if (!f) {
        w.error = sf_strerror(nullptr);
        return w;
    }
    return decode(f, info);
}

WaveData readWaveBytes(const void* data, size_t size) {
    WaveData w;
    SF_INFO info{};
    Memory m{static_cast<const unsigned char*>(data), static_cast<sf_count_t>(size)};
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    SNDFILE* f = sf_open_virtual(&io, SFM_READ, &info, &m);
    if (!f) {
        w.error = sf_strerror(nullptr);
        return w;
    }
    return decode(f, info);
}

}  // namespace dravlen::desktop
