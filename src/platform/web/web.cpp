// The browser platform put together: the game element's keys, the clock, the page's services,
// the speech engine (which lives in the page) and the sound device.
#include "platform/web/web.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "platform/key_queue.h"
#include "platform/web/key_map.h"
#include "platform/web/page_calls.h"
#include "platform/web/sound.h"

namespace dravlen::web {

void sleepFor(double seconds) {
    if (seconds < 0) {
        dravlen_sleep(-1);
        return;
    }
    // Whole milliseconds, rounded up, so that a wait never ends just short of its deadline.
    dravlen_sleep(static_cast<int>(std::min(std::ceil(seconds * 1000.0), 3.6e6)));
}

bool startPressed() { return dravlen_started() != 0; }

void waitForStart() {
    while (!dravlen_started()) sleepFor(-1);
}

void transcriptLine(const std::string& line) { dravlen_transcript(line.c_str()); }
void gameEnded() { dravlen_game_ended(); }

namespace {

class PageClock : public Clock {
public:
    // performance.now(): monotonic, whatever the system clock does.
    double now() override { return emscripten_get_now() / 1000.0; }
    TimeOfDay timeOfDay() override {
        std::time_t t = std::time(nullptr);
        std::tm local{};
        localtime_r(&t, &local);
        return {local.tm_hour, local.tm_min, local.tm_sec};
    }
};

// The window is the page's game element: its keys, and the document's title for the caption.
class GameElement : public Window {
public:
    explicit GameElement(Clock& clock) : clock_(clock) {}

    bool open() {
        return emscripten_set_keydown_callback("#game", this, false, &GameElement::onKey) == EMSCRIPTEN_RESULT_SUCCESS;
    }

    void setCaption(const std::string& caption) override { dravlen_set_title(caption.c_str()); }

    // Sleeps in the page's event loop until the deadline, a key or the page's close. Which keys
    // each yield hands over is the key queue's rule.
    WindowEvents pump(WaitKind why, double until) override {
        dravlen_persist();
        WindowEvents out;
        const bool sleeps = why != WaitKind::key && until > clock_.now();
        out.keys = keys_.take(why, sleeps);
        for (;;) {
            if (dravlen_closing() && !closeReported_) {
                closeReported_ = true;
                out.closeRequested = true;
            }
            if (!out.keys.empty() || out.closeRequested || dravlen_closing()) return out;
            double left = until == noDeadline ? -1 : until - clock_.now();
            if (until != noDeadline && left <= 0) return out;
            asleepInOtherWait_ = why != WaitKind::key;
            const bool resting = why == WaitKind::key && until == noDeadline;
            if (resting) dravlen_key_wait(1);
            sleepFor(left);
            if (resting) dravlen_key_wait(0);
            asleepInOtherWait_ = false;
            out.keys = keys_.take(why, false);
        }
    }

    // A synchronous line of speech or a message waits here: asleep, its keys kept for the game.
    void sleepAside(double seconds) {
        asleepInOtherWait_ = true;
        sleepFor(seconds);
        asleepInOtherWait_ = false;
    }
    // The wait is over: the keys held from before it were pressed before a wait too.
    void afterWaitAside() { keys_.beginWait(); }

private:
    static EM_BOOL onKey(int, const EmscriptenKeyboardEvent* e, void* user) {
        auto* self = static_cast<GameElement*>(user);
        // Browser shortcuts (Ctrl+L, Alt+D, Ctrl+Tab...) stay the browser's; Ctrl alone is the game's.
        const bool modifierKey = std::string_view(e->key) == "Control" || std::string_view(e->key) == "Alt" ||
                                 std::string_view(e->key) == "Shift" || std::string_view(e->key) == "Meta";
        if ((e->ctrlKey || e->altKey || e->metaKey) && !modifierKey) return false;
        const int code = virtualKeyCode(e->key, e->code);
        // Tab leaves the game element, so that the rest of the page stays reachable.
        if (code == 0 || code == 9) return false;
        self->keys_.arrived(code, self->asleepInOtherWait_);
        dravlen_wake();
        return true;  // the browser's own action (help, find, reload, scrolling) is prevented
    }

    Clock& clock_;
    KeyQueue keys_;
    bool asleepInOtherWait_ = false;
    bool closeReported_ = false;
};

class PageSpeech : public SpeechEngine {
public:
    explicit PageSpeech(GameElement& element) : element_(element) {}
    int voiceCount() override { return dravlen_voice_count(); }
    std::string voiceName(int index) override {
        char name[256] = "";
        dravlen_voice_name(index, name, sizeof name);
        return name;
    }
    bool selectVoice(int index) override { return dravlen_voice_select(index) != 0; }
    int defaultRate() override { return 0; }
    void setRate(int rate) override { dravlen_speech_rate(std::clamp(rate, -10, 10)); }
    void setVolume(int volume) override { dravlen_speech_volume(std::clamp(volume, 0, 100)); }
    void speak(const std::string& text, SpeakFlag flag) override {
        dravlen_speak(text.c_str(), static_cast<int>(flag));
        if (flag != SpeakFlag::sync) return;
        // Heard to its end, yielding to the page meanwhile; keys typed over it wait for the game.
        while (dravlen_speech_busy() && !dravlen_closing()) element_.sleepAside(0.01);
        element_.afterWaitAside();
    }

private:
    GameElement& element_;
};

class PageSystem : public System {
public:
    PageSystem(GameElement& element, WebSound& sound) : element_(element), sound_(sound) {}
    std::string settingsFolder() override { return kSettingsFolder; }
    std::string programFolder() override { return kProgramFolder; }
    // The page is the game menu in the browser: its "Play again" takes the launcher's place.
    bool launch(const std::string& path) override { return dravlen_launch(path.c_str()) != 0; }
    void messageBox(const std::string& text) override {
        dravlen_message_show(text.c_str());
        while (dravlen_message_open() && !dravlen_closing()) element_.sleepAside(-1);
        element_.afterWaitAside();
    }
    void beep() override { sound_.beep(); }

private:
    GameElement& element_;
    WebSound& sound_;
};

}  // namespace

struct WebPlatform::Parts {
    PageClock clock;
    std::unique_ptr<WebSound> sound;
    std::unique_ptr<GameElement> window;
    std::unique_ptr<PageSpeech> speech;
    std::unique_ptr<PageSystem> system;
};

std::unique_ptr<WebPlatform> WebPlatform::create(std::string* error) {
    auto parts = std::make_unique<Parts>();
    parts->sound = makeWebSound(error);
    if (!parts->sound) return nullptr;
    dravlen_audio_ready();
    parts->window = std::make_unique<GameElement>(parts->clock);
    if (!parts->window->open()) {
        if (error) *error = "the page has no game element";
        return nullptr;
    }
    parts->speech = std::make_unique<PageSpeech>(*parts->window);
    parts->system = std::make_unique<PageSystem>(*parts->window, *parts->sound);
    std::error_code ec;
    for (const char* folder : {kSettingsFolder, kProgramFolder, kHomeFolder})
        std::filesystem::create_directories(folder, ec);
    // The page's menu stands where the game looks for its launcher.
    const std::string menu = std::string(kHomeFolder) + "/lobbarin.exe";
    std::ofstream(menu) << "The page's own menu: it offers to play again.\n";
    std::filesystem::permissions(menu, std::filesystem::perms::owner_all, ec);
    std::filesystem::current_path(kHomeFolder, ec);
    return std::unique_ptr<WebPlatform>(new WebPlatform(std::move(parts)));
}

WebPlatform::WebPlatform(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
WebPlatform::~WebPlatform() = default;

Platform WebPlatform::platform() {
    return Platform{*parts_->window, parts_->clock, *parts_->speech, *parts_->sound, *parts_->system};
}

void WebPlatform::setSoundMaker(std::function<void(const std::string& path)> make) {
    parts_->sound->setMaker(std::move(make));
}

}  // namespace dravlen::web
