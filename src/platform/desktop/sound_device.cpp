// The sound device on OpenAL Soft: wave-file buffers with position, volume, frequency and pan.
//
// Each buffer plays through two sources, one placed hard left and one hard right, started and
// paused together. Their gains are set per side, so the pan law is DirectSound's exactly
// (near side at full, far side attenuated by the pan's decibels) and a centred sound plays at
// full scale on both sides, which one positioned source cannot do. A stereo file is split into
// its two channels, one per side.
//
// A stop must be silent at once without clicking and without holding up the game: the gains
// go to zero (OpenAL ramps them over one mixing period) and the output's fade thread pauses
// the sources once the ramp is over. Until then the buffer reports not playing. A buffer
// released while it fades keeps its sources until the ramp is over too.
//
// A file's samples are read once and kept in OpenAL buffers for the whole run, and a thread
// reads the program folder's wave files ahead of the game at start: the game loads a sound
// each time it plays one, and reading and decoding a file on the game's thread would hold it
// up for milliseconds while a player may be typing. Loading then only takes two sources.
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <limits>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/desktop/audio.h"
#include "platform/desktop/wave_file.h"

namespace dravlen::desktop {

namespace {

// Makes the property changes between construction and destruction take effect in one mix,
// so the two sides of a buffer never drift apart.
class Batch {
public:
    Batch() {
        if (alIsExtensionPresent("AL_SOFT_deferred_updates")) {
            defer_ = reinterpret_cast<LPALDEFERUPDATESSOFT>(alGetProcAddress("alDeferUpdatesSOFT"));
            process_ = reinterpret_cast<LPALPROCESSUPDATESSOFT>(alGetProcAddress("alProcessUpdatesSOFT"));
        }
        if (defer_ && process_) defer_();
    }
    ~Batch() {
        if (defer_ && process_) process_();
    }

private:
    LPALDEFERUPDATESSOFT defer_ = nullptr;
    LPALPROCESSUPDATESSOFT process_ = nullptr;
};

// A file's samples in OpenAL buffers, shared by every buffer the game loads from that file.
struct Clip {
    ALuint data[2] = {0, 0};  // left and right channel (the same buffer for a mono file)
    int sides = 0;            // 0: nothing could be made
    int rate = 0;
    long frames = 0;

    static Clip make(const WaveData& wave) {
        Clip clip;
        if (!wave.ok || wave.channels <= 0) return clip;
        alGetError();
        size_t frames = wave.samples.size() / static_cast<size_t>(wave.channels);
        int sides = wave.channels >= 2 ? 2 : 1;
        alGenBuffers(sides, clip.data);
        if (alGetError() != AL_NO_ERROR) return Clip{};
        std::vector<int16_t> channel(frames);
        for (int c = 0; c < sides; ++c) {
            for (size_t i = 0; i < frames; ++i)
                channel[i] = wave.samples[i * static_cast<size_t>(wave.channels) + static_cast<size_t>(c)];
            alBufferData(clip.data[c], AL_FORMAT_MONO16, channel.data(),
                         static_cast<ALsizei>(frames * sizeof(int16_t)), wave.rate);
        }
        if (sides == 1) clip.data[1] = clip.data[0];
        clip.sides = sides;
        clip.rate = wave.rate;
        clip.frames = static_cast<long>(frames);
        return clip;
    }

    void free() {
        if (sides) alDeleteBuffers(sides, data);
        sides = 0;
    }
};

struct Buffer {
    bool silent = true;       // missing or unreadable file: every call does nothing
    ALuint data[2] = {0, 0};  // the clip's
    ALuint source[2] = {0, 0};
    int fileRate = 0;
    int hertz = 0;
    long frames = 0;
    int volume = 0;
    int pan = 0;
    bool stopping = false;  // faded to silence, to be paused by the fade thread
    uint64_t fadeTicket = 0;  // a play in the meantime makes the pending pause stale
};

class OpenAlSound : public DesktopSound {
public:
    explicit OpenAlSound(AudioOutput& output) : output_(output) {}

    ~OpenAlSound() override {
        quit_ = true;
        if (reader_.joinable()) reader_.join();
        output_.finishFades();
        std::lock_guard lock(mutex_);
        for (auto& [id, b] : buffers_) destroy(b);
        destroy(beepBuffer_);
        for (auto& [path, clip] : clips_) clip.free();
        beepClip_.free();
    }

    void readAhead(const std::string& folder) override {
        if (reader_.joinable() || folder.empty()) return;
        reader_ = std::thread([this, folder] {
            std::error_code error;
            // The largest first: they would hold the game up longest if it had to read them.
            std::vector<std::pair<uintmax_t, std::string>> files;
            for (const auto& entry : std::filesystem::directory_iterator(folder, error))
                if (entry.path().extension() == ".wav") files.emplace_back(entry.file_size(error), entry.path().string());
            std::sort(files.begin(), files.end(), std::greater<>());
            for (const auto& [size, path] : files) {
                if (quit_) return;
                {
                    std::lock_guard lock(mutex_);
                    if (clips_.count(path)) continue;
                }
                keep(path, Clip::make(readWaveFile(path)));
            }
        });
    }

    SoundId load(const std::string& path) override {
        std::unique_lock lock(mutex_);
        SoundId id = nextId_++;
        auto it = clips_.find(path);
        if (it == clips_.end()) {
            // Not read ahead (yet): read here, without holding up the fade thread meanwhile.
            lock.unlock();
            WaveData wave = readWaveFile(path);
            if (!wave.ok) return id;
            const Clip& clip = keep(path, Clip::make(wave));
            lock.lock();
            create(buffers_[id], clip);
            return id;
        }
        create(buffers_[id], it->second);
        return id;
    }

    void release(SoundId id) override {
        std::lock_guard lock(mutex_);
        auto it = buffers_.find(id);
        if (it == buffers_.end()) return;
        Buffer b = it->second;
        buffers_.erase(it);
        if (b.silent) return;
        if (!b.stopping && state(b) != AL_PLAYING) {
            destroy(b);
            return;
        }
        // Still audible or still fading: silence it, and delete it once the ramp is over.
        silence(b);
        output_.afterFade([this, b]() mutable {
            std::lock_guard lock(mutex_);
            destroy(b);
        });
    }

    void play(SoundId id, bool looped) override {
        std::lock_guard lock(mutex_);
        Buffer* b = find(id);
        if (!b) return;
        Batch batch;
        for (ALuint s : b->source) alSourcei(s, AL_LOOPING, looped ? AL_TRUE : AL_FALSE);
        if (b->stopping) {
            // Played again while it fades out: the pending pause is dropped and it fades back in
            // from where it has got to, a few milliseconds on.
            b->stopping = false;
            ++b->fadeTicket;
            applyGains(*b);
        }
        // Playing an already playing source would restart it from the beginning.
        if (state(*b) != AL_PLAYING) alSourcePlayv(2, b->source);
    }

    void stop(SoundId id) override {
        std::lock_guard lock(mutex_);
        Buffer* b = find(id);
        if (!b || b->stopping || state(*b) != AL_PLAYING) return;
        // A pause is a hard cut that clicks: the gain ramps down over one mixing period first,
        // and the pause (which, unlike a stop, keeps the position) comes after it.
        silence(*b);
        b->stopping = true;
        uint64_t ticket = ++b->fadeTicket;
        output_.afterFade([this, id, ticket] {
            std::lock_guard lock(mutex_);
            Buffer* b = find(id);
            if (!b || !b->stopping || b->fadeTicket != ticket) return;
            alSourcePausev(2, b->source);
            b->stopping = false;
            applyGains(*b);
        });
    }

    bool playing(SoundId id) override {
        std::lock_guard lock(mutex_);
        Buffer* b = find(id);
        return b && !b->stopping && state(*b) == AL_PLAYING;
    }

    void setPosition(SoundId id, long frame) override {
        std::lock_guard lock(mutex_);
        Buffer* b = find(id);
        if (!b) return;
        frame = std::clamp(frame, 0L, std::max(0L, b->frames - 1));
        if (b->stopping) {
            // Moved while it fades out (the game never does, so this wait never holds it up):
            // finish the fade here and pause, so that the next play starts at the frame.
            output_.waitOnePeriod();
            alSourcePausev(2, b->source);
            b->stopping = false;
            ++b->fadeTicket;
            applyGains(*b);
        }
        Batch batch;
        for (ALuint s : b->source) alSourcei(s, AL_SAMPLE_OFFSET, static_cast<ALint>(frame));
    }

    void setVolume(SoundId id, int hundredthsOfDb) override {
        std::lock_guard lock(mutex_);
        Buffer* b = find(id);
        if (!b) return;
        b->volume = std::clamp(hundredthsOfDb, -10000, 0);
        if (!b->stopping) applyGains(*b);
    }

    // Of steps set together only the last is ever heard: the mixer does not run between them.
    void setVolumeSteps(SoundId id, int, int to) override { setVolume(id, to); }
    void setPanSteps(SoundId id, int, int to) override { setPan(id, to); }

    double secondsLeft(SoundId id) override {
        std::lock_guard lock(mutex_);
        Buffer* b = find(id);
        if (!b || b->stopping || state(*b) != AL_PLAYING || b->hertz <= 0) return 0;
        ALint looping = AL_FALSE, offset = 0;
        alGetSourcei(b->source[0], AL_LOOPING, &looping);
        if (looping) return std::numeric_limits<double>::infinity();
        alGetSourcei(b->source[0], AL_SAMPLE_OFFSET, &offset);
        return static_cast<double>(std::max(0L, b->frames - offset)) / b->hertz;
    }

    int frequency(SoundId id) override {
        std::lock_guard lock(mutex_);
        Buffer* b = find(id);
        return b ? b->hertz : 0;
    }

    void setFrequency(SoundId id, int hertz) override {
        std::lock_guard lock(mutex_);
        Buffer* b = find(id);
        if (!b) return;
        b->hertz = clampFrequency(hertz, b->fileRate);
        Batch batch;
        for (ALuint s : b->source)
            alSourcef(s, AL_PITCH, static_cast<float>(b->hertz) / static_cast<float>(b->fileRate));
    }

    void setPan(SoundId id, int pan) override {
        std::lock_guard lock(mutex_);
        Buffer* b = find(id);
        if (!b) return;
        b->pan = std::clamp(pan, -10000, 10000);
        if (!b->stopping) applyGains(*b);
    }

    void beep() override {
        std::lock_guard lock(mutex_);
        if (!beepId_) {
            // 880 Hz for a tenth of a second, with 5 ms ramps so that it does not click.
            WaveData tone;
            tone.rate = 22050;
            tone.channels = 1;
            int n = tone.rate / 10, ramp = tone.rate / 200;
            for (int i = 0; i < n; ++i) {
                double edge = std::min({1.0, double(i) / ramp, double(n - 1 - i) / ramp});
                tone.samples.push_back(static_cast<int16_t>(
                    12000 * edge * std::sin(2 * M_PI * 880.0 * i / tone.rate)));
            }
            tone.ok = true;
            beepId_ = nextId_++;
            beepClip_ = Clip::make(tone);
            create(beepBuffer_, beepClip_);
        }
        Buffer& b = beepBuffer_;
        if (b.silent) return;
        alSourceStopv(2, b.source);
        alSourcePlayv(2, b.source);
    }

private:
    Buffer* find(SoundId id) {
        auto it = buffers_.find(id);
        if (it == buffers_.end() || it->second.silent) return nullptr;
        return &it->second;
    }

    static ALint state(const Buffer& b) {
        ALint s = AL_STOPPED;
        alGetSourcei(b.source[0], AL_SOURCE_STATE, &s);
        return s;
    }

    static void silence(const Buffer& b) {
        Batch batch;
        for (ALuint s : b.source) alSourcef(s, AL_GAIN, 0.0f);
    }

    static void applyGains(const Buffer& b) {
        float volume = gainFromHundredthsDb(b.volume);
        SideGains side = panGains(b.pan);
        Batch batch;
        alSourcef(b.source[0], AL_GAIN, volume * side.left);
        alSourcef(b.source[1], AL_GAIN, volume * side.right);
    }

    // Two sources over a clip's buffers; a clip that could not be made gives a silent buffer.
    static void create(Buffer& b, const Clip& clip) {
        if (!clip.sides) return;
        alGetError();
        alGenSources(2, b.source);
        if (alGetError() != AL_NO_ERROR) {
            b.source[0] = b.source[1] = 0;
            return;
        }
        b.data[0] = clip.data[0];
        b.data[1] = clip.data[1];
        for (int c = 0; c < 2; ++c) {
            ALuint s = b.source[c];
            alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
            alSource3f(s, AL_POSITION, c == 0 ? -1.0f : 1.0f, 0.0f, 0.0f);
            alSourcei(s, AL_BUFFER, static_cast<ALint>(b.data[c]));
        }
        b.silent = false;
        b.fileRate = clip.rate;
        b.hertz = clip.rate;
        b.frames = clip.frames;
        applyGains(b);
    }

    // Keeps a clip made outside the lock under its path; when another thread kept one for the
    // same file first, this one is freed and the first is used.
    const Clip& keep(const std::string& path, Clip clip) {
        std::lock_guard lock(mutex_);
        auto [it, added] = clips_.try_emplace(path, clip);
        if (!added) clip.free();
        return it->second;
    }

    // The sources go; the clip's buffers stay for the next load of the file.
    static void destroy(Buffer& b) {
        if (b.silent) return;
        alSourceStopv(2, b.source);
        alDeleteSources(2, b.source);
        b.silent = true;
    }

    AudioOutput& output_;
    // Taken by every call and by the fade thread's pauses: the game's thread and the fade
    // thread both touch the buffers.
    std::mutex mutex_;
    std::map<SoundId, Buffer> buffers_;
    SoundId nextId_ = 1;
    SoundId beepId_ = 0;
    Buffer beepBuffer_;
    Clip beepClip_;
    std::map<std::string, Clip> clips_;  // by path, for the whole run
    std::thread reader_;                 // reads the program folder's sounds ahead of the game
    std::atomic<bool> quit_ = false;
};

}  // namespace

std::unique_ptr<DesktopSound> makeSoundDevice(AudioOutput& output) {
    return std::make_unique<OpenAlSound>(output);
}

}  // namespace dravlen::desktop
