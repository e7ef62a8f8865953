// The OpenAL Soft output (a real device, or a loopback recorder for tests) and the unit conversions.
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/desktop/audio.h"

namespace dravlen::desktop {

namespace {

using namespace std::chrono_literals;

// A fade lasts one mixing period (OpenAL ramps a gain change over one). OpenAL Soft takes the
// device's period from its configuration only (it ignores ALC_REFRESH): the game's own
// alsoft.conf asks for a short one (see DesktopPlatform::create). The recorder mixes in periods
// of 10 ms of its own. Both outputs ask for OpenAL's limiter: speech over the engine loop and a passing truck sum
// to well past full scale, and without it a floating-point output (the default for some sound
// servers) would clip the sum. A lone sound is left at its own level.
constexpr int refreshPerSecond = 100;

class OpenAlOutput : public AudioOutput {
public:
    ~OpenAlOutput() override { close(); }

    int rate() const override { return rate_; }

    int64_t framesMixed() override {
        if (!getInteger64) return 0;
        ALCint64SOFT ns = 0;
        getInteger64(device_, ALC_DEVICE_CLOCK_SOFT, 1, &ns);
        return static_cast<int64_t>(static_cast<double>(ns) * rate_ / 1e9);
    }

    void waitOnePeriod() override {
        int64_t target = framesMixed() + 2 * period_;
        auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::milliseconds(2 * period_ * 1000 / std::max(rate_, 1) + 50);
        while (framesMixed() < target && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
    }

    void afterFade(std::function<void()> action) override {
        Fade fade{framesMixed() + 2 * period_, std::chrono::steady_clock::now() + periodTime(2) + 1ms,
                  std::move(action)};
        {
            std::lock_guard lock(fadeMutex_);
            fades_.push_back(std::move(fade));
            if (!fadeThread_.joinable()) fadeThread_ = std::thread([this] { runFades(); });
        }
        fadeCv_.notify_all();
    }

    void finishFades() override {
        std::unique_lock lock(fadeMutex_);
        fadeCv_.wait(lock, [&] { return fades_.empty() && !fadeRunning_; });
    }

protected:
    bool start(ALCdevice* device, const ALCint* attributes, std::string* error) {
        device_ = device;
        context_ = alcCreateContext(device_, attributes);
        if (!context_ || !alcMakeContextCurrent(context_)) {
            if (error) *error = "the sound device could not be set up for mixing";
            return false;
        }
        alcGetIntegerv(device_, ALC_FREQUENCY, 1, &rate_);
        if (rate_ <= 0) rate_ = 44100;
        ALCint refresh = 0;
        alcGetIntegerv(device_, ALC_REFRESH, 1, &refresh);
        period_ = refresh > 0 ? rate_ / refresh : 1024;
        if (alcIsExtensionPresent(device_, "ALC_SOFT_device_clock"))
            getInteger64 = reinterpret_cast<LPALCGETINTEGER64VSOFT>(
                alcGetProcAddress(device_, "alcGetInteger64vSOFT"));
        // Sources are placed hard left or right at unit distance; no distance attenuation.
        alDistanceModel(AL_NONE);
        return true;
    }

    void close() {
        {
            std::lock_guard lock(fadeMutex_);
            fadeQuit_ = true;
        }
        fadeCv_.notify_all();
        if (fadeThread_.joinable()) fadeThread_.join();
        if (context_) {
            if (alcGetCurrentContext() == context_) alcMakeContextCurrent(nullptr);
            alcDestroyContext(context_);
            context_ = nullptr;
        }
        // Closing also finishes the file the wave backend writes.
        if (device_) alcCloseDevice(device_);
        device_ = nullptr;
    }

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    ALCint rate_ = 44100;
    int period_ = 1024;
    LPALCGETINTEGER64VSOFT getInteger64 = nullptr;

private:
    struct Fade {
        int64_t frame = 0;  // the mixer is past the ramp once it has mixed this many frames
        std::chrono::steady_clock::time_point due;  // and, by the wall clock, no earlier than this
        std::function<void()> action;
    };

    std::chrono::microseconds periodTime(int periods) const {
        return std::chrono::microseconds(int64_t(periods) * period_ * 1000000 / std::max(rate_, 1));
    }

    // The fade thread: sleeps until the oldest fade is over, runs its action, and sleeps with
    // no timeout at all when nothing is fading.
    void runFades() {
        std::unique_lock lock(fadeMutex_);
        for (;;) {
            if (fades_.empty()) {
                if (fadeQuit_) return;
                fadeCv_.wait(lock);
                continue;
            }
            auto now = std::chrono::steady_clock::now();
            Fade& next = fades_.front();
            // The device clock says when the mixer really got past the ramp; a device whose
            // clock stands still (or a closing one) is trusted to the wall clock, with a margin.
            bool mixed = !getInteger64 || framesMixed() >= next.frame || now >= next.due + 200ms;
            if (now < next.due || (!mixed && !fadeQuit_)) {
                fadeCv_.wait_until(lock, std::max(next.due, now + 1ms));
                continue;
            }
            Fade fade = std::move(next);
            fades_.pop_front();
            fadeRunning_ = true;
            lock.unlock();
            fade.action();
            lock.lock();
            fadeRunning_ = false;
            fadeCv_.notify_all();
        }
    }

    std::mutex fadeMutex_;
    std::condition_variable fadeCv_;
    std::deque<Fade> fades_;
    bool fadeRunning_ = false;
    bool fadeQuit_ = false;
    std::thread fadeThread_;
};

class DeviceOutput : public OpenAlOutput {
public:
    bool open(std::string* error) {
        ALCdevice* device = alcOpenDevice(nullptr);
        if (!device) {
            if (error)
                *error = "no sound device could be opened (no sound card or sound server was found)";
            return false;
        }
        const ALCint attributes[] = {ALC_HRTF_SOFT, ALC_FALSE,
                                     ALC_OUTPUT_LIMITER_SOFT, ALC_TRUE, 0};
        return start(device, attributes, error);
    }
};

class RecorderOutput : public OpenAlOutput {
public:
    ~RecorderOutput() override {
        running_ = false;
        if (thread_.joinable()) thread_.join();
        close();
    }

    bool open(int rate) {
        auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
            alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
        render_ = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
            alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
        if (!openLoopback || !render_) return false;
        ALCdevice* device = openLoopback(nullptr);
        if (!device) return false;
        const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT,
                                     ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
                                     ALC_FREQUENCY, rate,
                                     ALC_HRTF_SOFT, ALC_FALSE,
                                     ALC_OUTPUT_LIMITER_SOFT, ALC_TRUE, 0};
        if (!start(device, attributes, nullptr)) return false;
        rate_ = rate;
        period_ = rate / refreshPerSecond;
        running_ = true;
        thread_ = std::thread([this] { mixLoop(); });
        return true;
    }

    std::vector<float> recorded() override {
        std::lock_guard lock(mutex_);
        return samples_;
    }

private:
    void mixLoop() {
        std::vector<float> block(2 * static_cast<size_t>(period_));
        auto next = std::chrono::steady_clock::now();
        while (running_) {
            render_(device_, block.data(), period_);
            {
                std::lock_guard lock(mutex_);
                samples_.insert(samples_.end(), block.begin(), block.end());
            }
            next += std::chrono::microseconds(1000000 / refreshPerSecond);
            std::this_thread::sleep_until(next);
        }
    }

    LPALCRENDERSAMPLESSOFT render_ = nullptr;
    std::atomic<bool> running_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::vector<float> samples_;
};

}  // namespace

std::unique_ptr<AudioOutput> AudioOutput::openDefault(std::string* error) {
    auto out = std::make_unique<DeviceOutput>();
    if (!out->open(error)) return nullptr;
    return out;
}

std::unique_ptr<AudioOutput> AudioOutput::openRecorder(int rate) {
    auto out = std::make_unique<RecorderOutput>();
    if (!out->open(rate)) return nullptr;
    return out;
}

}  // namespace dravlen::desktop
