// The sound device on Emscripten's OpenAL: wave-file buffers with position, volume, frequency
// and pan, read by the project's own wave reader (libsndfile has no browser build).
//
// As on the desktop, each buffer plays through two sources, one placed hard left and one hard
// right, started and paused together, with a gain per side: so the pan law is DirectSound's
// exactly and a centred sound plays at full scale on both sides. A stereo file is split into
// its two channels, one per side.
#include "platform/web/sound.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <map>
#include <vector>

#include "platform/files.h"
#include "platform/wave_reader.h"

namespace dravlen::web {

namespace {

// Emscripten 3.1.6's vector forms (alSourcePlayv and the rest) hand the source's number where
// its record is expected and fail; the two sources are started and paused one by one, in the
// same turn of the page, so they stay together.
void playBoth(const ALuint* s) {
    alSourcePlay(s[0]);
    alSourcePlay(s[1]);
}
void pauseBoth(const ALuint* s) {
    alSourcePause(s[0]);
    alSourcePause(s[1]);
}
void stopBoth(const ALuint* s) {
    alSourceStop(s[0]);
    alSourceStop(s[1]);
}

struct Buffer {
    bool silent = true;  // missing or unreadable file: every call does nothing
    ALuint data[2] = {0, 0};
    ALuint source[2] = {0, 0};
    int fileRate = 0;
    int hertz = 0;
    long frames = 0;
    int volume = 0;
    int pan = 0;
};

class OpenAlSound : public WebSound {
public:
    bool open(std::string* error) {
        device_ = alcOpenDevice(nullptr);
        if (!device_) {
            if (error) *error = "the browser gave no audio output (Web Audio)";
            return false;
        }
        context_ = alcCreateContext(device_, nullptr);
        if (!context_ || !alcMakeContextCurrent(context_)) {
            if (error) *error = "the browser's audio could not be started";
            return false;
        }
        // Emscripten's listener starts with no orientation, and every placed source would then
        // collapse to the centre.
        const ALfloat orientation[6] = {0, 0, -1, 0, 1, 0};
        alListenerfv(AL_ORIENTATION, orientation);
        alListener3f(AL_POSITION, 0, 0, 0);
        return true;
    }

    ~OpenAlSound() override {
        for (auto& [id, b] : buffers_) destroy(b);
        destroy(beepBuffer_);
        alcMakeContextCurrent(nullptr);
        if (context_) alcDestroyContext(context_);
        if (device_) alcCloseDevice(device_);
    }

    void setMaker(std::function<void(const std::string& path)> make) override { maker_ = std::move(make); }

    SoundId load(const std::string& path) override {
        SoundId id = nextId_++;
        Buffer& b = buffers_[id];
        std::error_code ec;
        if (maker_ && !std::filesystem::exists(path, ec)) maker_(path);
        size_t size = 0;
        const std::optional<std::string> bytes = readRegularFile(path, 64 * 1024 * 1024, &size);
        if (!bytes) return id;
        const WaveSamples wave = decodeWave(bytes->data(), bytes->size());
        if (wave.ok) create(b, wave);
        return id;
    }

    void release(SoundId id) override {
        auto it = buffers_.find(id);
        if (it == buffers_.end()) return;
        destroy(it->second);
        buffers_.erase(it);
    }

    void play(SoundId id, bool looped) override {
        Buffer* b = find(id);
        if (!b) return;
        for (ALuint s : b->source) alSourcei(s, AL_LOOPING, looped ? AL_TRUE : AL_FALSE);
        // Playing an already playing source would restart it from the beginning.
        if (state(*b) != AL_PLAYING) playBoth(b->source);
    }

    void stop(SoundId id) override {
        Buffer* b = find(id);
        if (!b || state(*b) != AL_PLAYING) return;
        // A pause, unlike a stop, keeps the position for the next play.
        pauseBoth(b->source);
    }

    bool playing(SoundId id) override {
        Buffer* b = find(id);
        return b && state(*b) == AL_PLAYING;
    }

    void setPosition(SoundId id, long frame) override {
        Buffer* b = find(id);
        if (!b) return;
        frame = std::clamp(frame, 0L, std::max(0L, b->frames - 1));
        for (ALuint s : b->source) alSourcei(s, AL_SAMPLE_OFFSET, static_cast<ALint>(frame));
    }

    void setVolume(SoundId id, int hundredthsOfDb) override {
        Buffer* b = find(id);
        if (!b) return;
        b->volume = std::clamp(hundredthsOfDb, -10000, 0);
        applyGains(*b);
    }

    // Of steps set together only the last is ever heard: the page does not mix between them.
    void setVolumeSteps(SoundId id, int, int to) override { setVolume(id, to); }
    void setPanSteps(SoundId id, int, int to) override { setPan(id, to); }

    double secondsLeft(SoundId id) override {
        Buffer* b = find(id);
        if (!b || state(*b) != AL_PLAYING || b->hertz <= 0) return 0;
        ALint looping = AL_FALSE;
        alGetSourcei(b->source[0], AL_LOOPING, &looping);
        if (looping) return std::numeric_limits<double>::infinity();
        ALfloat offset = 0;  // seconds into the buffer at its own rate
        alGetSourcef(b->source[0], AL_SEC_OFFSET, &offset);
        const double framesDone = static_cast<double>(offset) * b->fileRate;
        return std::max(0.0, static_cast<double>(b->frames) - framesDone) / b->hertz;
    }

    int frequency(SoundId id) override {
        Buffer* b = find(id);
        return b ? b->hertz : 0;
    }

    void setFrequency(SoundId id, int hertz) override {
        Buffer* b = find(id);
        if (!b) return;
        b->hertz = hertz <= 0 ? b->fileRate : std::clamp(hertz, 100, 200000);
        for (ALuint s : b->source)
            alSourcef(s, AL_PITCH, static_cast<float>(b->hertz) / static_cast<float>(b->fileRate));
    }

    void setPan(SoundId id, int pan) override {
        Buffer* b = find(id);
        if (!b) return;
        b->pan = std::clamp(pan, -10000, 10000);
        applyGains(*b);
    }

    void beep() override {
        if (!beepMade_) {
            beepMade_ = true;
            // 880 Hz for a tenth of a second, with 5 ms ramps so that it does not click.
            WaveSamples tone;
            tone.rate = 22050;
            tone.channels = 1;
            int n = tone.rate / 10, ramp = tone.rate / 200;
            for (int i = 0; i < n; ++i) {
                double edge = std::min({1.0, double(i) / ramp, double(n - 1 - i) / ramp});
                tone.samples.push_back(static_cast<int16_t>(12000 * edge * std::sin(2 * M_PI * 880.0 * i / tone.rate)));
            }
            tone.ok = true;
            create(beepBuffer_, tone);
        }
        if (beepBuffer_.silent) return;
        stopBoth(beepBuffer_.source);
        playBoth(beepBuffer_.source);
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

    static void applyGains(const Buffer& b) {
        float volume = gainFromHundredthsDb(b.volume);
        SideGains side = panGains(b.pan);
        alSourcef(b.source[0], AL_GAIN, volume * side.left);
        alSourcef(b.source[1], AL_GAIN, volume * side.right);
    }

    void create(Buffer& b, const WaveSamples& wave) {
        alGetError();
        size_t frames = wave.samples.size() / static_cast<size_t>(wave.channels);
        int sides = wave.channels >= 2 ? 2 : 1;
        alGenBuffers(sides, b.data);
        if (alGetError() != AL_NO_ERROR) return;
        std::vector<int16_t> channel(frames);
        for (int c = 0; c < sides; ++c) {
            for (size_t i = 0; i < frames; ++i)
                channel[i] = wave.samples[i * static_cast<size_t>(wave.channels) + static_cast<size_t>(c)];
            alBufferData(b.data[c], AL_FORMAT_MONO16, channel.data(), static_cast<ALsizei>(frames * sizeof(int16_t)),
                         wave.rate);
        }
        if (sides == 1) b.data[1] = b.data[0];
        alGenSources(2, b.source);
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(sides, b.data);
            return;
        }
        for (int c = 0; c < 2; ++c) {
            ALuint s = b.source[c];
            alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
            alSource3f(s, AL_POSITION, c == 0 ? -1.0f : 1.0f, 0.0f, 0.0f);
            alSourcei(s, AL_BUFFER, static_cast<ALint>(b.data[c]));
        }
        b.silent = false;
        b.fileRate = wave.rate;
        b.hertz = wave.rate;
        b.frames = static_cast<long>(frames);
        applyGains(b);
    }

    static void destroy(Buffer& b) {
        if (b.silent) return;
        stopBoth(b.source);
        for (ALuint s : b.source) alSourcei(s, AL_BUFFER, 0);
        alDeleteSources(2, b.source);
        alDeleteBuffers(b.data[0] == b.data[1] ? 1 : 2, b.data);
        b.silent = true;
    }

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    std::map<SoundId, Buffer> buffers_;
    SoundId nextId_ = 1;
    bool beepMade_ = false;
    Buffer beepBuffer_;
    std::function<void(const std::string& path)> maker_;
};

}  // namespace

std::unique_ptr<WebSound> makeWebSound(std::string* error) {
    auto sound = std::make_unique<OpenAlSound>();
    if (!sound->open(error)) return nullptr;
    return sound;
}

}  // namespace dravlen::web
