// The speech engine on espeak-ng: synthesis on a thread of its own, streamed into an OpenAL source.
//
// The game's texts go into a queue. The worker thread synthesises them in order (espeak-ng
// delivers PCM through its callback) and keeps OpenAL buffers queued on the current source.
// Every text's last sample is noted, so "heard" means "its last sample has been mixed", which
// is what a synchronous speak waits for. A purge returns at once: the current source fades to
// silence over one mixing period (a hard stop clicks) and the output's fade thread stops it
// and takes its buffers back afterwards, while the next text already starts on another
// source. A synthesis in progress is cut by returning 1 from the callback, because
// espeak_Cancel does not interrupt it.
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/desktop/audio.h"

namespace dravlen::desktop {

int wordsPerMinute(int rate) {
    rate = std::clamp(rate, -10, 10);
    // 175 words a minute is espeak-ng's normal speed; the ends of its range stand for +-10.
    double wpm = rate >= 0 ? 175.0 * std::pow(450.0 / 175.0, rate / 10.0)
                           : 175.0 * std::pow(80.0 / 175.0, -rate / 10.0);
    return static_cast<int>(std::lround(wpm));
}

namespace {

using namespace std::chrono_literals;

// The voices offered, in this order, when espeak-ng has them: plain American and British
// English first, then some female and male variants, then the regional voices.
struct VoiceChoice {
    const char* language;
    const char* variant;  // "" for the plain voice
    const char* name;
};
constexpr VoiceChoice voiceChoices[] = {
    {"en-us", "", "English (America)"},
    {"en", "", "English (Great Britain)"},
    {"en-us", "f3", "English (America), female 3"},
    {"en-us", "m3", "English (America), male 3"},
    {"en-us", "f1", "English (America), female 1"},
    {"en-us", "f2", "English (America), female 2"},
    {"en-us", "f4", "English (America), female 4"},
    {"en-us", "f5", "English (America), female 5"},
    {"en-us", "m1", "English (America), male 1"},
    {"en-us", "m2", "English (America), male 2"},
    {"en-us", "m7", "English (America), male 7"},
    {"en", "f3", "English (Great Britain), female 3"},
    {"en", "m3", "English (Great Britain), male 3"},
    {"en", "f2", "English (Great Britain), female 2"},
    {"en-gb-scotland", "", "English (Scotland)"},
    {"en-gb-x-rp", "", "English (Received Pronunciation)"},
    {"en-029", "", "English (Caribbean)"},
    {"en-us-nyc", "", "English (America, New York City)"},
    {"en-gb-x-gbclan", "", "English (Lancaster)"},
    {"en-gb-x-gbcwmd", "", "English (West Midlands)"},
};

struct Voice {
    std::string id;  // what espeak_SetVoiceByName takes, "en-us+f3"
    std::string name;
};

// espeak-ng keeps one global state: it is started once per process and used under this lock.
std::mutex espeakMutex;
int espeakRate = 0;  // samples per second, 0 until started; -1 when it could not start

constexpr size_t bufferCount = 12;  // per source
constexpr size_t samplesPerBuffer = 2048;
// Sources taken in turn, so that a purge never waits for the one fading out. Six cover keys
// typed far faster than a fade takes; a seventh purge within one fade stops the source that
// began fading first at once, as it is all but silent by then.
constexpr int sourceCount = 6;
constexpr size_t heardKept = 200;

class EspeakSpeech : public DesktopSpeech {
public:
    explicit EspeakSpeech(AudioOutput& output) : output_(output) {}

    ~EspeakSpeech() override {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
            ++generation_;
        }
        wake_.notify_all();
        heardCv_.notify_all();
        if (worker_.joinable()) worker_.join();
        output_.finishFades();
        for (Track& t : tracks_) {
            if (!t.source) continue;
            alSourceStop(t.source);
            alSourcei(t.source, AL_BUFFER, 0);
            alDeleteSources(1, &t.source);
        }
        if (!buffers_.empty()) alDeleteBuffers(static_cast<ALsizei>(buffers_.size()), buffers_.data());
    }

    bool start(std::string* error) {
        {
            std::lock_guard lock(espeakMutex);
            if (espeakRate == 0) {
                // espeak-ng switches the whole process to a UTF-8 character locale, which makes
                // SDL label the window caption in a way that X tools (xdotool search) cannot
                // read; the game's texts are plain ASCII, so the locale is put back.
                std::string locale = std::setlocale(LC_CTYPE, nullptr);
                int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                             espeakINITIALIZE_DONT_EXIT);
                std::setlocale(LC_CTYPE, locale.c_str());
                espeakRate = rate > 0 ? rate : -1;
                if (rate > 0) espeak_SetSynthCallback(&EspeakSpeech::callback);
            }
            if (espeakRate < 0) {
                if (error) *error = "the espeak-ng speech engine could not start (is espeak-ng-data installed?)";
                return false;
            }
            findVoices();
        }
        alGetError();
        for (Track& t : tracks_) alGenSources(1, &t.source);
        buffers_.resize(bufferCount * sourceCount);
        alGenBuffers(static_cast<ALsizei>(buffers_.size()), buffers_.data());
        if (alGetError() != AL_NO_ERROR) {
            if (error) *error = "no OpenAL source could be made for speech";
            voices_.clear();
            return false;
        }
        free_ = buffers_;
        for (Track& t : tracks_) {
            alSourcei(t.source, AL_SOURCE_RELATIVE, AL_TRUE);
            alSource3f(t.source, AL_POSITION, 0, 0, 0);
            // Speech is written to both channels and sent straight to them, at full level.
            if (alIsExtensionPresent("AL_SOFT_direct_channels"))
                alSourcei(t.source, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
        }
        worker_ = std::thread([this] { run(); });
        started_ = true;
        return true;
    }

    int voiceCount() override { return static_cast<int>(voices_.size()); }

    std::string voiceName(int index) override {
        if (index < 0 || index >= voiceCount()) return "";
        return voices_[static_cast<size_t>(index)].name;
    }

    bool selectVoice(int index) override {
        if (index < 0 || index >= voiceCount()) return false;
        std::lock_guard lock(mutex_);
        voice_ = index;
        return true;
    }

    int defaultRate() override { return 0; }

    void setRate(int rate) override {
        std::lock_guard lock(mutex_);
        rate_ = std::clamp(rate, -10, 10);
    }

    void setVolume(int volume) override {
        std::lock_guard lock(mutex_);
        volume_ = std::clamp(volume, 0, 100);
    }

    void speak(const std::string& text, SpeakFlag flag) override {
        if (!started_) return;
        std::unique_lock lock(mutex_);
        if (flag == SpeakFlag::purge) {
            purge(lock);
            if (text.empty()) return;
        }
        uint64_t seq = ++lastSeq_;
        items_.push_back({seq, text, rate_, volume_, voice_});
        wake_.notify_all();
        if (flag == SpeakFlag::sync) heardCv_.wait(lock, [&] { return heardSeq_ >= seq || quit_; });
    }

    std::vector<std::string> heard() override {
        std::lock_guard lock(mutex_);
        return {heardTexts_.begin(), heardTexts_.end()};
    }

private:
    struct Item {
        uint64_t seq = 0;
        std::string text;
        int rate = 0;
        int volume = 100;
        int voice = 0;
    };
    struct End {
        uint64_t seq = 0;
        uint64_t sample = 0;  // the stream position just after this text's last sample
        std::string text;
    };
    struct Queued {
        ALuint buffer = 0;
        size_t samples = 0;
    };
    struct Track {
        ALuint source = 0;
        std::deque<Queued> queued;  // the buffers on the source, oldest first
        bool fading = false;        // silenced by a purge, waiting for the fade thread
        uint64_t fadeTicket = 0;
        uint64_t fadeOrder = 0;     // when it began fading, among all the sources
    };

    void findVoices() {
        std::vector<std::string> variants;
        espeak_VOICE query{};
        query.languages = "variant";
        for (const espeak_VOICE** v = espeak_ListVoices(&query); v && *v; ++v)
            if ((*v)->identifier) variants.emplace_back((*v)->identifier);
        voices_.clear();
        for (const VoiceChoice& c : voiceChoices) {
            if (espeak_SetVoiceByName(c.language) != EE_OK) continue;
            std::string id = c.language;
            if (*c.variant) {
                // An unknown variant would silently give the plain voice: offer only real ones.
                if (std::find(variants.begin(), variants.end(), std::string("!v/") + c.variant) == variants.end())
                    continue;
                id += std::string("+") + c.variant;
            }
            voices_.push_back({id, c.name});
        }
        if (!voices_.empty()) espeak_SetVoiceByName(voices_[0].id.c_str());
        appliedVoice_ = 0;
    }

    // Called with the lock held. Never waits: not for the fade, nor for the mixer.
    void purge(std::unique_lock<std::mutex>& lock) {
        (void)lock;
        ++generation_;
        items_.clear();
        pcm_.clear();
        ends_.clear();
        heardSeq_ = lastSeq_;
        heardCv_.notify_all();
        samplesPlayed_ = samplesAppended_ = 0;
        Track& t = tracks_[current_];
        if (t.queued.empty()) return;
        ALint state = AL_STOPPED;
        alGetSourcei(t.source, AL_SOURCE_STATE, &state);
        if (state != AL_PLAYING) {
            silenceNow(t);
            return;
        }
        alSourcef(t.source, AL_GAIN, 0.0f);
        t.fading = true;
        t.fadeOrder = ++fades_;
        uint64_t ticket = ++t.fadeTicket;
        output_.afterFade([this, &t, ticket] {
            std::lock_guard lock(mutex_);
            if (t.fading && t.fadeTicket == ticket) silenceNow(t);
        });
        for (int i = 1; i <= sourceCount; ++i) {
            int next = (current_ + i) % sourceCount;
            if (!tracks_[next].fading) {
                current_ = next;
                return;
            }
        }
        // Every source is fading (purges faster than a fade): the one that began first goes now.
        int oldest = 0;
        for (int i = 1; i < sourceCount; ++i)
            if (tracks_[i].fadeOrder < tracks_[oldest].fadeOrder) oldest = i;
        silenceNow(tracks_[oldest]);
        current_ = oldest;
    }

    // With the lock held: stops the source and takes its buffers back.
    void silenceNow(Track& t) {
        alSourceStop(t.source);
        alSourcei(t.source, AL_BUFFER, 0);  // unqueues every buffer
        for (const Queued& q : t.queued) free_.push_back(q.buffer);
        t.queued.clear();
        alSourcef(t.source, AL_GAIN, 1.0f);
        t.fading = false;
    }

    void run() {
        std::unique_lock lock(mutex_);
        while (!quit_) {
            feed();
            if (!items_.empty()) {
                Item item = std::move(items_.front());
                items_.pop_front();
                uint64_t generation = generation_;
                if (!item.text.empty()) {
                    lock.unlock();
                    synthesize(item, generation);
                    lock.lock();
                }
                if (generation == generation_) ends_.push_back({item.seq, samplesAppended_, item.text});
                continue;
            }
            // Nothing to play or to wait for: sleep until a text comes.
            if (tracks_[current_].queued.empty() && ends_.empty() && pcm_.empty()) wake_.wait(lock);
            else wake_.wait_for(lock, 10ms);
        }
    }

    void synthesize(const Item& item, uint64_t generation) {
        std::lock_guard lock(espeakMutex);
        if (item.voice != appliedVoice_ && item.voice < voiceCount()) {
            espeak_SetVoiceByName(voices_[static_cast<size_t>(item.voice)].id.c_str());
            appliedVoice_ = item.voice;
        }
        espeak_SetParameter(espeakRATE, wordsPerMinute(item.rate), 0);
        espeak_SetParameter(espeakVOLUME, 100, 0);  // louder clips; the game's volume is a gain
        synthGeneration_ = generation;
        synthVolume_ = item.volume;
        espeak_Synth(item.text.c_str(), item.text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_AUTO,
                     nullptr, this);
    }

    static int callback(short* wav, int count, espeak_EVENT* events) {
        auto* self = events ? static_cast<EspeakSpeech*>(events->user_data) : nullptr;
        return self ? self->receive(wav, count) : 0;
    }

    // On the worker thread, inside espeak_Synth. Returning 1 ends the synthesis.
    // The samples are scaled before the lock is taken, so that the game's thread, which takes it
    // for every speak, waits as little as possible.
    int receive(const short* wav, int count) {
        std::vector<int16_t> scaled;
        if (wav && count > 0) {
            scaled.resize(static_cast<size_t>(count));
            for (int i = 0; i < count; ++i) scaled[static_cast<size_t>(i)] = static_cast<int16_t>(wav[i] * synthVolume_ / 100);
        }
        std::lock_guard lock(mutex_);
        if (quit_ || synthGeneration_ != generation_) return 1;
        if (!scaled.empty()) {
            pcm_.insert(pcm_.end(), scaled.begin(), scaled.end());
            samplesAppended_ += scaled.size();
            feed();
        }
        return 0;
    }

    // With the lock held: takes back the buffers that have been mixed, queues new ones, keeps
    // the source playing, and notes which texts have now been heard.
    void feed() {
        Track& t = tracks_[current_];
        ALint processed = 0;
        alGetSourcei(t.source, AL_BUFFERS_PROCESSED, &processed);
        while (processed-- > 0 && !t.queued.empty()) {
            ALuint b = 0;
            alSourceUnqueueBuffers(t.source, 1, &b);
            samplesPlayed_ += t.queued.front().samples;
            t.queued.pop_front();
            free_.push_back(b);
        }
        std::vector<int16_t> stereo;
        while (!free_.empty() && !pcm_.empty() && t.queued.size() < bufferCount) {
            size_t n = std::min(pcm_.size(), samplesPerBuffer);
            stereo.resize(2 * n);
            for (size_t i = 0; i < n; ++i) stereo[2 * i] = stereo[2 * i + 1] = pcm_[i];
            pcm_.erase(pcm_.begin(), pcm_.begin() + static_cast<long>(n));
            ALuint b = free_.back();
            free_.pop_back();
            alBufferData(b, AL_FORMAT_STEREO16, stereo.data(), static_cast<ALsizei>(stereo.size() * sizeof(int16_t)),
                         espeakRate);
            alSourceQueueBuffers(t.source, 1, &b);
            t.queued.push_back({b, n});
        }
        if (!t.queued.empty()) {
            ALint state = AL_STOPPED;
            alGetSourcei(t.source, AL_SOURCE_STATE, &state);
            if (state != AL_PLAYING) alSourcePlay(t.source);  // first text, or the queue ran dry
        }
        bool any = false;
        while (!ends_.empty() && samplesPlayed_ >= ends_.front().sample) {
            heardSeq_ = ends_.front().seq;
            if (!ends_.front().text.empty()) heardTexts_.push_back(std::move(ends_.front().text));
            if (heardTexts_.size() > heardKept) heardTexts_.pop_front();
            ends_.pop_front();
            any = true;
        }
        if (any) heardCv_.notify_all();
    }

    AudioOutput& output_;
    bool started_ = false;
    std::vector<Voice> voices_;
    int appliedVoice_ = 0;

    std::mutex mutex_;
    std::condition_variable wake_;     // the worker: new text, or quit
    std::condition_variable heardCv_;  // synchronous speakers: a text has been heard
    bool quit_ = false;
    int rate_ = 0;
    int volume_ = 100;
    int voice_ = 0;

    std::deque<Item> items_;  // waiting for synthesis
    std::deque<End> ends_;    // synthesised, not yet heard to the end
    uint64_t lastSeq_ = 0;
    uint64_t heardSeq_ = 0;
    std::deque<std::string> heardTexts_;
    uint64_t generation_ = 0;  // changes at every purge: older synthesis is dropped
    uint64_t synthGeneration_ = 0;
    int synthVolume_ = 100;

    std::deque<int16_t> pcm_;  // synthesised, not yet in an OpenAL buffer
    uint64_t samplesAppended_ = 0;
    uint64_t samplesPlayed_ = 0;
    Track tracks_[sourceCount];
    int current_ = 0;  // the source the texts go to; the others are idle or fading out
    uint64_t fades_ = 0;
    std::vector<ALuint> buffers_;
    std::vector<ALuint> free_;

    std::thread worker_;
};

}  // namespace

std::unique_ptr<DesktopSpeech> makeSpeechEngine(AudioOutput& output, std::string* error) {
    auto speech = std::make_unique<EspeakSpeech>(output);
    speech->start(error);  // without espeak-ng it has no voices; the game then says so and ends
    return speech;
}

}  // namespace dravlen::desktop
