// The desktop platform put together: window and keys, clock, system services, sound and speech.
#include "platform/desktop/desktop.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

#include "platform/desktop/audio.h"
#include "platform/desktop/key_map.h"
#include "platform/desktop/system_paths.h"
#include "platform/desktop/voice_switch.h"
#include "platform/key_queue.h"

// Last: Xlib's macros (None, Status, True...) must not reach the headers above.
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace dravlen::desktop {

namespace {

class MonotonicClock : public Clock {
public:
    double now() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
    TimeOfDay timeOfDay() override {
        std::time_t t = std::time(nullptr);
        std::tm local{};
        localtime_r(&t, &local);
        return {local.tm_hour, local.tm_min, local.tm_sec};
    }
};

// The window can be destroyed from outside while the X connection lives (another client calls
// XDestroyWindow on it). Requests about it then fail, and Xlib's default error handler ends the
// program with status 1 before the settings are saved. Ours takes an error on our window as the
// window gone, which the pump reports as a close request, and ignores every error after that
// while the game says goodbye. Xlib's handler is process-wide and receives no pointer of ours,
// hence this one static record. It is installed before SDL starts, so that SDL chains its own
// handler to it and puts it back before closing its connections: errors still pending on them
// (SDL sends wake-ups to the window on a second connection) arrive there.
// The connection itself lost (the display gone, or the client killed) is another matter: Xlib
// then ends the process from inside whatever call noticed it, and nothing can unwind to the
// game's way out, so the settings changed during that run are not written (the file from
// before the run is left whole, as it is only ever replaced by a rename).
struct XErrorWatch {
    ::Window window = 0;  // ours, once created
    bool gone = false;
    XErrorHandler before = nullptr;
};
XErrorWatch xWatch;

int onXError(Display* display, XErrorEvent* error) {
    bool onOurs = (error->error_code == BadWindow || error->error_code == BadDrawable) &&
                  xWatch.window != 0 && error->resourceid == xWatch.window;
    if (onOurs) xWatch.gone = true;
    if (xWatch.gone) return 0;
    return xWatch.before ? xWatch.before(display, error) : 0;
}

class SdlWindow : public Window {
public:
    explicit SdlWindow(Clock& clock) : clock_(clock) {}
    ~SdlWindow() override {
        if (window_) SDL_DestroyWindow(window_);
    }

    bool open(std::string* error) {
        window_ = SDL_CreateWindow("Dravlen", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 480, 240,
                                   SDL_WINDOW_SHOWN);
        if (!window_) {
            if (error) *error = std::string("the window could not be created: ") + SDL_GetError();
            return false;
        }
        SDL_StopTextInput();  // only key-downs matter; no input method in the way
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (SDL_GetWindowWMInfo(window_, &info) && info.subsystem == SDL_SYSWM_X11) {
            xWatch.window = info.info.x11.window;
            // X's own events, to see the window destroyed (DestroyNotify) even when no request fails.
            SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
        }
        return true;
    }

    // Null once the window is gone: nothing may be parented to it.
    SDL_Window* handle() { return xWatch.gone ? nullptr : window_; }

    void setCaption(const std::string& caption) override {
        if (!xWatch.gone) SDL_SetWindowTitle(window_, caption.c_str());
    }

    // Sleeps in SDL's event wait, which blocks on the X connection itself: no wake-up comes
    // but an event or the deadline. Which keys each yield hands over is the key queue's rule.
    WindowEvents pump(WaitKind why, double until) override {
        WindowEvents out;
        SDL_Event ev;
        // What came since the last yield came while the game was busy.
        while (SDL_PollEvent(&ev)) handle(ev, out, false);
        noteGone(out);  // an error may have come outside the pump (a caption change)
        if (closePending_) out.closeRequested = true;  // asked during a synchronous line
        closePending_ = false;
        bool sleeps = why != WaitKind::key && until > clock_.now();
        out.keys = keys_.take(why, sleeps);
        while (out.keys.empty() && !out.closeRequested) {
            bool got = false;
            if (until == noDeadline) {
                got = SDL_WaitEvent(&ev) != 0;
            } else {
                double left = until - clock_.now();
                if (left <= 0) break;
                // Whole milliseconds, rounded up, so that the wait never ends just short of the deadline.
                got = SDL_WaitEventTimeout(&ev, static_cast<int>(std::min(std::ceil(left * 1000.0), 3.6e6))) != 0;
            }
            if (got) {
                handle(ev, out, sleeps);
                while (SDL_PollEvent(&ev)) handle(ev, out, sleeps);
                out.keys = keys_.take(why, false);
            }
        }
        return out;
    }

    // A synchronous line has just been spoken: the game sat in it without yielding, so the keys
    // pressed meanwhile, and those held from before it, were pressed during a wait.
    void afterSyncLine() {
        SDL_Event ev;
        WindowEvents out;
        while (SDL_PollEvent(&ev)) handle(ev, out, true);
        keys_.beginWait();
        closePending_ = closePending_ || out.closeRequested;
    }

private:
    void handle(const SDL_Event& ev, WindowEvents& out, bool duringWait) {
        if (ev.type == SDL_QUIT) out.closeRequested = true;
        if (ev.type == SDL_WINDOWEVENT && ev.window.event == SDL_WINDOWEVENT_CLOSE) out.closeRequested = true;
        if (ev.type == SDL_KEYDOWN) {
            int code = virtualKeyCode(ev.key.keysym.sym, ev.key.keysym.scancode, ev.key.keysym.mod);
            if (code) keys_.arrived(code, duringWait);
        }
        if (ev.type == SDL_SYSWMEVENT && ev.syswm.msg->subsystem == SDL_SYSWM_X11) {
            const XEvent& x = ev.syswm.msg->msg.x11.event;
            if (x.type == DestroyNotify && x.xdestroywindow.window == xWatch.window) xWatch.gone = true;
        }
        noteGone(out);
    }

    // The window gone leaves as a close request does, reported once like the request itself.
    void noteGone(WindowEvents& out) {
        if (xWatch.gone && !goneReported_) {
            goneReported_ = true;
            out.closeRequested = true;
        }
    }

    Clock& clock_;
    KeyQueue keys_;
    SDL_Window* window_ = nullptr;
    bool goneReported_ = false;
    bool closePending_ = false;
};

// The speech engine as the game sees it: a synchronous line is a wait the game sits in without
// yielding, and the window is told when it is over (see SdlWindow::afterSyncLine).
class WindowedSpeech : public SpeechEngine {
public:
    WindowedSpeech(SpeechEngine& engine, SdlWindow& window) : engine_(engine), window_(window) {}
    int voiceCount() override { return engine_.voiceCount(); }
    std::string voiceName(int index) override { return engine_.voiceName(index); }
    bool selectVoice(int index) override { return engine_.selectVoice(index); }
    int defaultRate() override { return engine_.defaultRate(); }
    void setRate(int rate) override { engine_.setRate(rate); }
    void setVolume(int volume) override { engine_.setVolume(volume); }
    void speak(const std::string& text, SpeakFlag flag) override {
        engine_.speak(text, flag);
        if (flag == SpeakFlag::sync) window_.afterSyncLine();
    }

private:
    SpeechEngine& engine_;
    SdlWindow& window_;
};

class DesktopSystem : public System {
public:
    DesktopSystem(SdlWindow& window, DesktopSound& sound) : window_(window), sound_(sound) {}
    std::string settingsFolder() override { return desktop::settingsFolder(); }
    std::string programFolder() override { return desktop::programFolder(); }
    bool launch(const std::string& path) override { return launchDetached(path); }
    void messageBox(const std::string& text) override {
        if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "Dravlen", text.c_str(), window_.handle()) != 0)
            std::fprintf(stderr, "%s\n", text.c_str());
    }
    void beep() override { sound_.beep(); }

private:
    SdlWindow& window_;
    DesktopSound& sound_;
};

}  // namespace

struct DesktopPlatform::Parts {
    bool sdlStarted = false;
    bool watchingX = false;
    MonotonicClock clock;
    std::unique_ptr<AudioOutput> output;
    std::unique_ptr<DesktopSound> sound;
    std::unique_ptr<DesktopSpeech> speech;
    std::unique_ptr<SdlWindow> window;
    std::unique_ptr<WindowedSpeech> gameSpeech;
    std::unique_ptr<DesktopSystem> system;

    ~Parts() {
        // Speech and sounds go before the output they play on; the output is closed last of
        // the audio, which also finishes a file written by OpenAL's wave backend.
        system.reset();
        gameSpeech.reset();
        speech.reset();
        sound.reset();
        output.reset();
        window.reset();
        if (sdlStarted) SDL_Quit();
        if (watchingX) {
            XSetErrorHandler(xWatch.before);
            xWatch = {};
        }
    }
};

std::unique_ptr<DesktopPlatform> DesktopPlatform::create(std::string* error) {
    // OpenAL reads the game's alsoft.conf beside the program by itself; an installed game keeps
    // it with its sounds, named here unless the player names a configuration of their own.
    // Set before the first OpenAL call, which reads the configuration, and before any thread
    // starts: setenv is not safe while another thread reads the environment (the speech-dispatcher
    // client looks up its address there).
    std::string ownConf = programFolder() + "/alsoft.conf";
    if (!std::getenv("ALSOFT_CONF") && access(ownConf.c_str(), R_OK) == 0) setenv("ALSOFT_CONF", ownConf.c_str(), 1);
    auto parts = std::make_unique<Parts>();
    auto speechd = std::make_unique<SpeechdSpeech>();  // the player's own voices, asked for meanwhile
    std::string why;
    parts->output = AudioOutput::openDefault(&why);
    if (!parts->output) {
        if (error) *error = why;
        return nullptr;
    }
    parts->sound = makeSoundDevice(*parts->output);
    parts->sound->readAhead(programFolder());

    xWatch = {};
    xWatch.before = XSetErrorHandler(onXError);
    parts->watchingX = true;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        if (error) *error = std::string("the window system could not be started: ") + SDL_GetError();
        return nullptr;
    }
    parts->sdlStarted = true;
    parts->window = std::make_unique<SdlWindow>(parts->clock);
    if (!parts->window->open(error)) return nullptr;

    std::string speechError;
    parts->speech = withSpeechDispatcher(makeSpeechEngine(*parts->output, &speechError), std::move(speechd));
    if (!speechError.empty()) std::fprintf(stderr, "Dravlen: %s\n", speechError.c_str());
    parts->gameSpeech = std::make_unique<WindowedSpeech>(*parts->speech, *parts->window);
    parts->system = std::make_unique<DesktopSystem>(*parts->window, *parts->sound);
    return std::unique_ptr<DesktopPlatform>(new DesktopPlatform(std::move(parts)));
}

DesktopPlatform::DesktopPlatform(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
DesktopPlatform::~DesktopPlatform() = default;

Platform DesktopPlatform::platform() {
    return Platform{*parts_->window, parts_->clock, *parts_->gameSpeech, *parts_->sound, *parts_->system};
}

void DesktopPlatform::showError(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Dravlen", text.c_str(), nullptr);
}

}  // namespace dravlen::desktop
