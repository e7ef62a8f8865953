// The scripted platform: virtual clock, scripted keys, recorded calls (see scripted.h).
#include "platform/scripted/scripted.h"

#include "platform/files.h"
#include "platform/wave_reader.h"

#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace dravlen::scripted {

namespace {

constexpr double kYieldStep = 0.010;  // the real platform's event-wait granularity

// The names of the sound events, made once: a fade records ten thousand of them.
namespace op {
const std::string release = "sound.release", play = "sound.play", stop = "sound.stop", position_ = "sound.position",
                  volume = "sound.volume", frequency = "sound.frequency", pan = "sound.pan";
}  // namespace op

// Frames and rate of a RIFF/WAVE file, from its header alone; {0, 0} when it is not one.
std::pair<long, int> waveLength(const std::string& path) {
    size_t fileSize = 0;
    const std::optional<std::string> head = readRegularFile(path, 64 * 1024, &fileSize);
    if (!head) return {0, 0};
    const auto h = readWaveHeader(reinterpret_cast<const unsigned char*>(head->data()), head->size(), fileSize);
    if (!h) return {0, 0};
    return {h->frames, h->frames > 0 ? h->rate : 0};
}

// The number in a file name "dravlenN.wav" (what follows it is not looked at), 0 if none.
int soundNumberOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    std::string_view name(path);
    if (slash != std::string::npos) name.remove_prefix(slash + 1);
    if (name.substr(0, 7) != "dravlen") return 0;
    name.remove_prefix(7);
    int n = 0;
    return std::from_chars(name.data(), name.data() + name.size(), n).ec == std::errc() ? n : 0;
}

std::string programFolderOfSelf() {
#ifdef __EMSCRIPTEN__
    // Compiled for node, the program is its script: the folder of that file, not node's own.
    const char* folder = emscripten_run_script_string(
        "typeof process == 'object' ? require('path').dirname(require('path').resolve(process.argv[1])) : '.'");
    return folder && *folder ? folder : ".";
#endif
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

}  // namespace

struct ScriptedPlatform::Impl : Window, Clock, SpeechEngine, SoundDevice, System {
    // Clock, in microseconds so that sums stay exact.
    int64_t nowUs = 0;
    double seconds() const { return static_cast<double>(nowUs) / 1e6; }
    void advanceTo(double t) {
        int64_t us = static_cast<int64_t>(std::ceil(t * 1e6 - 1e-3));
        if (us > nowUs) nowUs = us;
        settleSpeech();
    }

    std::vector<Event> events;
    std::function<void(const Event&)> sink;
    bool keepEvents = true;
    bool recordingOn = true;  // keepEvents or a sink: otherwise nothing is built at all
    // Nothing to record to: the runner without --events keeps nothing, and builds nothing.
    bool recording() const { return recordingOn; }
    void rec(Event e) {
        if (!recording()) return;
        e.t = seconds();
        if (sink) sink(e);
        if (keepEvents) events.push_back(std::move(e));
    }
    void rec(const std::string& op, const std::string& text = "", long value = 0, int id = 0) {
        if (!recording()) return;
        Event e;
        e.op = op;
        e.text = text;
        e.value = value;
        e.id = id;
        rec(std::move(e));
    }

    // Keys.
    std::deque<Key> keys;
    std::function<std::optional<std::vector<Key>>()>* moreKeys = nullptr;
    bool closePending = false;

    std::string caption;
    void setCaption(const std::string& c) override { caption = c; }

    double timeLimit = 1e6;
    long long pumps = 0;
    long long yieldCount = 0, lookCount = 0, lookRun = 0, longestLookRun = 0;
    static constexpr long long kPumpLimit = 50'000'000;  // a whole trip takes a few hundred thousand

    WindowEvents pump(WaitKind why, double until) override {
        // A game that goes on waiting without ever ending is hung: stop it rather than spin,
        // whether its clock runs on or creeps (a wait whose deadline never quite arrives).
        if (seconds() > timeLimit || ++pumps > kPumpLimit)
            throw std::runtime_error("the game ran past the scripted time limit");
        WindowEvents out;
        if (closePending) {
            closePending = false;
            out.closeRequested = true;
        }
        if (why == WaitKind::key && keys.empty() && moreKeys && *moreKeys) {
            if (auto more = (*moreKeys)()) keys.insert(keys.end(), more->begin(), more->end());
        }
        bool deliver = !keys.empty() && (keys.front().immediate || why == WaitKind::key);
        if (why == WaitKind::key && keys.empty() && !out.closeRequested) throw KeysExhausted();
        // A sound wait folds several turns into one; what comes during it ends it at the first.
        if (why == WaitKind::sound && (deliver || out.closeRequested)) until = std::min(until, seconds() + soundTurn);
        // A wait that only looks, turn after turn, would spin a core on a real desktop, where a
        // look returns at once; here the clock moves on regardless, so the run of looks is counted.
        ++yieldCount;
        if (until > seconds()) {
            lookRun = 0;
        } else {
            ++lookCount;
            longestLookRun = std::max(longestLookRun, ++lookRun);
        }
        const int64_t before = nowUs;
        // A wait without a deadline moves the clock on by one step of the real event wait.
        if (until > seconds() && until != noDeadline)
            advanceTo(until);
        else
            advanceTo(seconds() + kYieldStep);
        // A deadline less than a microsecond ahead (start + 12 s can fall between two
        // microseconds) would leave the clock where it is and a wait for it would never end.
        if (nowUs == before) advanceTo(seconds() + 1e-6);
        if (deliver) {
            Key k = keys.front();
            keys.pop_front();
            rec("key", k.immediate ? "!" + k.token : k.token, k.code);
            out.keys.push_back(k.code);
        }
        return out;
    }

    double now() override { return seconds(); }
    TimeOfDay timeOfDay() override {
        long s = 12 * 3600 + static_cast<long>(seconds());
        s %= 86400;
        return {static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
    }

    // Speech.
    int voices = 2;
    int voiceIndex = 0;
    int rateValue = 0;
    int volumeValue = 100;
    struct Utterance {
        std::string text;
        double end;
    };
    std::deque<Utterance> queue;
    std::vector<std::string> heardTexts, cutTexts;

    double duration(const std::string& text) const {
        if (text.empty()) return 0;
        return (0.3 + 0.06 * static_cast<double>(text.size())) * std::pow(3.0, -rateValue / 10.0);
    }
    void settleSpeech() {
        while (!queue.empty() && queue.front().end <= seconds() + 1e-9) {
            if (recording()) heardTexts.push_back(std::move(queue.front().text));
            queue.pop_front();
        }
    }
    int voiceCount() override { return voices; }
    std::string voiceName(int index) override {
        return index >= 0 && index < voices ? "scripted voice " + std::to_string(index + 1) : "";
    }
    bool selectVoice(int index) override {
        rec("voice", "", index);
        if (index < 0 || index >= voices) return false;
        voiceIndex = index;
        return true;
    }
    int defaultRate() override { return 0; }
    void setRate(int rate) override {
        rec("rate", "", rate);
        rateValue = std::clamp(rate, -10, 10);
    }
    void setVolume(int volume) override {
        rec("volume", "", volume);
        volumeValue = std::clamp(volume, 0, 100);
    }
    void speak(const std::string& text, SpeakFlag flag) override {
        if (recording()) {
            Event e;
            e.op = "speak";
            e.text = text;
            e.value = static_cast<long>(flag);
            rec(std::move(e));
        }
        settleSpeech();
        if (flag == SpeakFlag::purge) {
            if (recording())
                for (auto& u : queue) cutTexts.push_back(u.text);
            queue.clear();
        }
        if (!text.empty()) {
            // Only the end times matter to the game; the texts are kept for what is recorded.
            double start = queue.empty() ? seconds() : queue.back().end;
            queue.push_back({recording() ? text : std::string(), start + duration(text)});
        }
        if (flag == SpeakFlag::sync) {
            if (!queue.empty()) advanceTo(queue.back().end);
            settleSpeech();
        }
    }

    // Sounds.
    struct Buffer {
        int number = 0;
        long frames = 0;
        int fileRate = 0;
        int freq = 22050;
        // In millionths of a frame: a microsecond at f Hz moves it on by f exactly, so the
        // position is the same however often it is brought up to date.
        int64_t pos = 0;
        bool isPlaying = false;
        bool looped = false;
        int64_t since = 0;  // microseconds, when pos was last brought up to date
    };
    std::map<int, Buffer> buffers;
    std::map<std::string, std::pair<long, int>> waveLengths;  // frames and rate by path
    int nextId = 1;

    // The buffer looked up last: a sound wait asks after the same one thousands of times.
    SoundId lastId = 0;
    Buffer* lastBuffer = nullptr;
    Buffer* find(SoundId id) {
        if (id == lastId && lastBuffer) return lastBuffer;
        auto it = buffers.find(id);
        lastId = id;
        lastBuffer = it == buffers.end() ? nullptr : &it->second;
        return lastBuffer;
    }
    static int64_t end(const Buffer& b) { return static_cast<int64_t>(b.frames) * 1'000'000; }
    void update(Buffer& b) {
        if (b.isPlaying && b.frames > 0 && b.fileRate > 0) {
            b.pos += (nowUs - b.since) * b.freq;
            if (b.looped)
                b.pos %= end(b);
            else if (b.pos >= end(b)) {
                b.pos = end(b);
                b.isPlaying = false;
            }
        }
        b.since = nowUs;
    }
    void recSound(const std::string& op, SoundId id, long value) {
        if (!recording()) return;
        Event e;
        e.op = op;
        e.id = id;
        e.value = value;
        rec(std::move(e));
    }

    SoundId load(const std::string& path) override {
        Buffer b;
        b.number = soundNumberOf(path);
        // A file's length is read once a run: the pack does not change while the game plays.
        auto known = waveLengths.find(path);
        if (known == waveLengths.end()) known = waveLengths.emplace(path, waveLength(path)).first;
        auto [frames, rate] = known->second;
        b.frames = frames;
        b.fileRate = rate;
        b.freq = rate > 0 ? rate : 22050;
        b.since = nowUs;
        int id = nextId++;
        buffers[id] = b;
        Event e;
        e.op = "sound.load";
        e.id = id;
        e.sound = b.number;
        e.text = path;
        rec(std::move(e));
        return id;
    }
    void release(SoundId id) override {
        if (id == 0) return;
        recSound(op::release, id, 0);
        buffers.erase(id);
        if (lastId == id) lastBuffer = nullptr;
    }
    void play(SoundId id, bool looped) override {
        if (id == 0) return;
        recSound(op::play, id, looped ? 1 : 0);
        if (auto* b = find(id)) {
            update(*b);
            if (b->frames <= 0) return;
            if (!looped && b->pos >= end(*b)) b->pos = 0;
            b->looped = looped;
            b->isPlaying = true;
            b->since = nowUs;
        }
    }
    void stop(SoundId id) override {
        if (id == 0) return;
        recSound(op::stop, id, 0);
        if (auto* b = find(id)) {
            update(*b);
            b->isPlaying = false;
        }
    }
    bool playing(SoundId id) override {
        auto* b = find(id);
        if (!b) return false;
        update(*b);
        return b->isPlaying;
    }
    void setPosition(SoundId id, long frame) override {
        if (id == 0) return;
        recSound(op::position_, id, frame);
        if (auto* b = find(id)) {
            update(*b);
            b->pos = std::clamp<int64_t>(frame, 0, b->frames) * 1'000'000;
        }
    }
    void setVolume(SoundId id, int v) override {
        if (id == 0) return;
        recSound(op::volume, id, v);
    }
    // Nothing to keep of a volume or a pan but the record of each step.
    void setVolumeSteps(SoundId id, int from, int to) override {
        if (id != 0 && recording()) SoundDevice::setVolumeSteps(id, from, to);
    }
    void setPanSteps(SoundId id, int from, int to) override {
        if (id != 0 && recording()) SoundDevice::setPanSteps(id, from, to);
    }
    double secondsLeft(SoundId id) override {
        auto* b = find(id);
        if (!b) return 0;
        update(*b);
        if (!b->isPlaying) return 0;
        if (b->looped) return std::numeric_limits<double>::infinity();
        return static_cast<double>(end(*b) - b->pos) / 1e6 / b->freq;
    }
    int frequency(SoundId id) override {
        auto* b = find(id);
        return b ? b->freq : 0;
    }
    void setFrequency(SoundId id, int hz) override {
        if (id == 0) return;
        recSound(op::frequency, id, hz);
        if (auto* b = find(id)) {
            update(*b);
            if (hz > 0) b->freq = hz;
        }
    }
    void setPan(SoundId id, int pan) override {
        if (id == 0) return;
        recSound(op::pan, id, pan);
    }

    // System.
    std::string settingsDir, programDir;
    std::string settingsFolder() override { return settingsDir; }
    std::string programFolder() override { return programDir; }
    bool launch(const std::string& path) override {
        rec("launch", path);
        return true;
    }
    void messageBox(const std::string& text) override { rec("message", text); }
    void beep() override { rec("beep"); }
};

ScriptedPlatform::ScriptedPlatform() : impl_(new Impl) {
    impl_->moreKeys = &moreKeys;
    std::error_code ec;
    impl_->settingsDir = std::filesystem::current_path(ec).string();
    impl_->programDir = programFolderOfSelf();
}

ScriptedPlatform::~ScriptedPlatform() { delete impl_; }

Platform ScriptedPlatform::platform() { return Platform{*impl_, *impl_, *impl_, *impl_, *impl_}; }

void ScriptedPlatform::addKeys(const std::vector<Key>& keys) {
    impl_->keys.insert(impl_->keys.end(), keys.begin(), keys.end());
}

void ScriptedPlatform::addKeys(const std::string& tokens) {
    std::string bad;
    auto keys = parseTokens(tokens, &bad);
    if (!keys) throw std::invalid_argument("unknown key token: " + bad);
    addKeys(*keys);
}

void ScriptedPlatform::setVoices(int count) { impl_->voices = std::max(0, count); }
void ScriptedPlatform::setSettingsFolder(const std::string& dir) { impl_->settingsDir = dir; }
void ScriptedPlatform::setProgramFolder(const std::string& dir) { impl_->programDir = dir; }
void ScriptedPlatform::requestClose() { impl_->closePending = true; }
void ScriptedPlatform::setTimeLimit(double seconds) { impl_->timeLimit = seconds; }
const std::vector<Event>& ScriptedPlatform::events() const { return impl_->events; }
void ScriptedPlatform::streamEvents(std::function<void(const Event&)> sink, bool keep) {
    impl_->sink = std::move(sink);
    impl_->keepEvents = keep;
    impl_->recordingOn = keep || impl_->sink;
}
void ScriptedPlatform::record(const std::string& op, const std::string& text, long value) {
    impl_->rec(op, text, value);
}
void ScriptedPlatform::recordRandom(double value) {
    Event e;
    e.op = "rnd";
    e.real = value;
    impl_->rec(std::move(e));
}
double ScriptedPlatform::now() const { return impl_->seconds(); }
YieldCounts ScriptedPlatform::yields() const {
    return {impl_->yieldCount, impl_->lookCount, impl_->longestLookRun};
}
const std::vector<std::string>& ScriptedPlatform::heard() const {
    impl_->settleSpeech();
    return impl_->heardTexts;
}
const std::vector<std::string>& ScriptedPlatform::cut() const { return impl_->cutTexts; }
size_t ScriptedPlatform::keysLeft() const { return impl_->keys.size(); }
int ScriptedPlatform::rate() const { return impl_->rateValue; }
int ScriptedPlatform::volume() const { return impl_->volumeValue; }
int ScriptedPlatform::voice() const { return impl_->voiceIndex; }
const std::string& ScriptedPlatform::caption() const { return impl_->caption; }

std::optional<Key> parseToken(const std::string& raw) {
    Key k;
    std::string t = raw;
    if (!t.empty() && t[0] == '!') {
        k.immediate = true;
        t.erase(0, 1);
    }
    k.token = t;
    static const std::map<std::string, int> named = {
        {"enter", 13}, {"esc", 27},   {"up", 38},    {"down", 40},    {"left", 37},
        {"right", 39}, {"space", 32}, {"bksp", 8},   {"tab", 9},      {"shift", 16},
        {"ctrl", 17},  {"alt", 18},   {"comma", 188}, {"period", 190},
    };
    if (auto it = named.find(t); it != named.end()) {
        k.code = it->second;
        return k;
    }
    if (t.size() == 1 && t[0] >= 'a' && t[0] <= 'z') {
        k.code = 'A' + (t[0] - 'a');
        return k;
    }
    if (t.size() == 1 && t[0] >= '0' && t[0] <= '9') {
        k.code = t[0];
        return k;
    }
    if (t.size() == 3 && t.rfind("kp", 0) == 0 && t[2] >= '0' && t[2] <= '9') {
        k.code = 96 + (t[2] - '0');
        return k;
    }
    if (t.size() >= 2 && t.size() <= 3 && t[0] == 'f') {
        int n = 0;
        for (size_t i = 1; i < t.size(); ++i) {
            if (t[i] < '0' || t[i] > '9') return std::nullopt;
            n = n * 10 + (t[i] - '0');
        }
        if (t[1] == '0' || n < 1 || n > 12) return std::nullopt;
        k.code = 111 + n;
        return k;
    }
    return std::nullopt;
}

std::optional<std::vector<Key>> parseTokens(const std::string& text, std::string* bad) {
    std::vector<Key> out;
    std::istringstream in(text);
    std::string tok;
    while (in >> tok) {
        auto k = parseToken(tok);
        if (!k) {
            if (bad) *bad = tok;
            return std::nullopt;
        }
        out.push_back(*k);
    }
    return out;
}

namespace {

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string jsonNumber(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

}  // namespace

void EventWriter::writeRun() {
    if (!folding_) return;
    folding_ = false;
    out_ << "{\"t\":" << jsonNumber(first_.t) << ",\"op\":" << jsonString(first_.op) << ",\"id\":" << first_.id;
    if (steps_ > 1)
        out_ << ",\"from\":" << first_.value << ",\"to\":" << lastValue_ << ",\"steps\":" << steps_
             << ",\"until\":" << jsonNumber(lastT_) << "}\n";
    else
        out_ << ",\"value\":" << first_.value << "}\n";
}

void EventWriter::finish() { writeRun(); }

void EventWriter::add(const Event& e) {
    const bool foldable = e.op == "sound.volume" || e.op == "sound.frequency";
    if (folding_ && foldable && e.id == first_.id && e.op == first_.op) {
        lastValue_ = e.value;
        lastT_ = e.t;
        ++steps_;
        return;
    }
    writeRun();
    if (foldable) {
        folding_ = true;
        first_ = e;
        lastValue_ = e.value;
        lastT_ = e.t;
        steps_ = 1;
        return;
    }
    std::ostream& out = out_;
    out << "{\"t\":" << jsonNumber(e.t) << ",\"op\":" << jsonString(e.op);
    if (e.op == "speak")
        out << ",\"text\":" << jsonString(e.text) << ",\"flags\":" << e.value;
    else if (e.op == "rate" || e.op == "volume" || e.op == "voice")
        out << ",\"value\":" << e.value;
    else if (e.op == "sound.load")
        out << ",\"id\":" << e.id << ",\"sound\":" << e.sound << ",\"file\":" << jsonString(e.text);
    else if (e.op == "sound.play")
        out << ",\"id\":" << e.id << ",\"looped\":" << (e.value ? "true" : "false");
    else if (e.op == "sound.stop" || e.op == "sound.release")
        out << ",\"id\":" << e.id;
    else if (e.op == "sound.pan" || e.op == "sound.position")
        out << ",\"id\":" << e.id << ",\"value\":" << e.value;
    else if (e.op == "message")
        out << ",\"text\":" << jsonString(e.text);
    else if (e.op == "launch")
        out << ",\"program\":" << jsonString(e.text);
    else if (e.op == "key")
        out << ",\"token\":" << jsonString(e.text);
    else if (e.op == "rnd")
        out << ",\"value\":" << jsonNumber(e.real);
    else if (e.op == "exit")
        out << ",\"status\":" << e.value;
    out << "}\n";
}

std::string eventsToJson(const std::vector<Event>& events) {
    std::ostringstream out;
    {
        EventWriter writer(out);
        for (const Event& e : events) writer.add(e);
    }
    return out.str();
}

}  // namespace dravlen::scripted
