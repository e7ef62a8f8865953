// Reading a wave file into 16-bit samples (libsndfile behind it).
#include "platform/desktop/wave_file.h"

#include <sndfile.h>

#include "platform/files.h"

namespace dravlen::desktop {

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

}  // namespace dravlen::desktop
