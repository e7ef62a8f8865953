// The player's own speech-dispatcher beside the embedded voices, against a private daemon: a user
// process with its own configuration folder and socket, the espeak-ng module and ALSA's null
// device, so nothing is heard and no other program's speech is touched.
#include <gtest/gtest.h>
#include <libspeechd.h>

#include <pthread.h>
#include <sys/wait.h>

#include <algorithm>
#include <atomic>

#include "platform/desktop/speechd_engine.h"
#include "platform/desktop/voice_switch.h"
#include "private_daemon.h"

namespace dravlen::desktop {
namespace {

using namespace std::chrono_literals;
using testing::longText, testing::PrivateDaemon, testing::unixSocket;
using Texts = std::vector<std::string>;

// Speaks `texts` one after another: queued, and the last with `last`.
void speakAll(DesktopSpeech& engine, const Texts& texts, SpeakFlag last) {
    for (size_t i = 0; i < texts.size(); ++i) engine.speak(texts[i], i + 1 < texts.size() ? SpeakFlag::async : last);
}

Texts voiceNames(DesktopSpeech& engine) {
    Texts names;
    for (int i = 0; i < engine.voiceCount(); ++i) names.push_back(engine.voiceName(i));
    return names;
}

// The embedded engine's stand-in: three voices, every call written down ("flag:text", "rate 4").
struct FakeEmbedded : DesktopSpeech {
    Texts& calls;
    explicit FakeEmbedded(Texts& c) : calls(c) {}
    int voiceCount() override { return 3; }
    std::string voiceName(int i) override { return "embedded " + std::to_string(i); }
    bool selectVoice(int i) override { return note("voice", i); }
    int defaultRate() override { return 0; }
    void setRate(int r) override { note("rate", r); }
    void setVolume(int v) override { note("volume", v); }
    void speak(const std::string& t, SpeakFlag f) override { calls.push_back(std::to_string(int(f)) + ":" + t); }
    Texts heard() override { return {}; }
    bool note(const std::string& what, int value) { return calls.push_back(what + " " + std::to_string(value)), true; }
};

// Signals sent to the process every two milliseconds from a thread of their own, for `lasting` at
// most: a SIGUSR1 whose handler does not restart what it cut short, and the SIGCHLD of a child
// that ends. While D-Bus starts a helper, the game's thread blocks them, and they go to the
// process's other threads: `fromThisThread` blocks them here (the sender inherits that), so
// only the engine's threads can take them. Otherwise SIGUSR1 is aimed at this thread alone.
class SignalStorm {
public:
    explicit SignalStorm(bool fromThisThread, std::chrono::milliseconds lasting = 10s) {
        struct sigaction handled {};
        handled.sa_handler = [](int) { ++handled_; };
        sigaction(SIGUSR1, &handled, &handler_);
        sigset_t both;
        sigemptyset(&both);
        sigaddset(&both, SIGUSR1);
        sigaddset(&both, SIGCHLD);
        pthread_sigmask(fromThisThread ? SIG_BLOCK : SIG_UNBLOCK, &both, &mask_);
        pthread_t target = pthread_self();
        sender_ = std::thread([this, fromThisThread, target, end = std::chrono::steady_clock::now() + lasting] {
            while (!stop_ && std::chrono::steady_clock::now() < end) {
                fromThisThread ? kill(getpid(), SIGUSR1) : pthread_kill(target, SIGUSR1);
                if (pid_t child = fork(); child == 0) _exit(0);
                else if (child > 0) waitpid(child, nullptr, 0);
                ++sent_;
                std::this_thread::sleep_for(2ms);
            }
        });
    }
    ~SignalStorm() {
        stop_ = true;
        sender_.join();
        signal(SIGUSR1, SIG_IGN);  // one still pending is dropped
        pthread_sigmask(SIG_SETMASK, &mask_, nullptr);
        sigaction(SIGUSR1, &handler_, nullptr);
    }
    int sent() const { return sent_; }
    static int handled() { return handled_; }

private:
    static inline std::atomic<int> handled_ = 0;
    struct sigaction handler_ {};
    sigset_t mask_{};
    std::atomic<bool> stop_ = false;
    std::atomic<int> sent_ = 0;
    std::thread sender_;
};

class SpeechdTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (access(PrivateDaemon::program, X_OK) || access(PrivateDaemon::modules, X_OK))
            GTEST_SKIP() << "speech-dispatcher and speech-dispatcher-espeak-ng are not installed";
        ASSERT_TRUE(daemon.start()) << "the private speech-dispatcher did not come up";
    }
    std::unique_ptr<SpeechdSpeech> connect() {
        auto engine = std::make_unique<SpeechdSpeech>(daemon.socket());
        // Generous: listing espeak-ng's thirteen thousand voices on a loaded machine.
        EXPECT_TRUE(engine->ready(10)) << "the private daemon did not answer";
        return engine;
    }
    // The switch over a fake embedded engine and the private daemon.
    std::unique_ptr<DesktopSpeech> both() {
        auto remote = connect();
        return remote->ready() ? withSpeechDispatcher(std::make_unique<FakeEmbedded>(calls), std::move(remote)) : nullptr;
    }
    // Waits until the daemon reports `event` after `since`.
    bool waitFor(SpeechdSpeech& engine, SpeechdEvent event, std::chrono::steady_clock::time_point since) {
        for (int i = 0; i < 500 && engine.lastEventAt(event) < since; ++i) std::this_thread::sleep_for(10ms);
        return engine.lastEventAt(event) >= since;
    }
    // The daemon dies (SIGKILL) or hangs (SIGSTOP) under the game's speech: the embedded engine
    // says what the daemon had not finished, then the new line, with the game's rate and volume,
    // and a wait for the end of it all ends.
    void lose(int sig) {
        auto speech = both();
        ASSERT_TRUE(speech && speech->selectVoice(3));
        speech->setRate(-3);
        speech->setVolume(60);
        speech->speak("heard through the daemon", SpeakFlag::sync);
        if (sig == SIGSTOP) daemon.signal(sig);
        speakAll(*speech, {longText(), "queued behind it"}, SpeakFlag::async);  // returns at once: only queued
        std::this_thread::sleep_for(200ms);
        if (sig == SIGKILL) daemon.stop(sig);
        speech->speak("after the fall", SpeakFlag::sync);
        speech->speak("and on", SpeakFlag::async);
        // The daemon's voices can no longer be chosen; the embedded ones can.
        EXPECT_TRUE(!speech->selectVoice(4) && speech->selectVoice(2));
        EXPECT_EQ(calls, (Texts{"2:", "rate -3", "volume 60", "1:" + longText(), "1:queued behind it",
                                "1:after the fall", "0:", "1:and on", "voice 2"}));
        speech.reset();  // leaving does not wait for a stopped daemon either
    }

    PrivateDaemon daemon;
    Texts calls;  // the fake embedded engine's
};

TEST(SpeechdAbsent, NoDaemonOrAMuteOneLeavesTheEmbeddedEngineAloneAndScalesAreClamped) {
    // Nobody listens on one socket: refused at once. The other takes the connection and never
    // answers, as a daemon with a wedged audio output does: given up after the deadline, and
    // leaving does not wait for it either.
    testing::ScratchFolder scratch;
    int fd = unixSocket(scratch / "mute.sock", true);
    ASSERT_GE(fd, 0);
    auto start = std::chrono::steady_clock::now();
    for (const char* socket : {"none.sock", "mute.sock"}) {
        Texts calls;
        auto fake = std::make_unique<FakeEmbedded>(calls);
        DesktopSpeech* embedded = fake.get();
        auto speech = withSpeechDispatcher(std::move(fake), std::make_unique<SpeechdSpeech>(scratch / socket));
        EXPECT_EQ(speech.get(), embedded) << socket;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);  // a wait on the daemon would never end
    close(fd);
    // The game's rate and volume beyond their ends, on the daemon's scales (the middle: below).
    EXPECT_EQ(std::vector<int>({speechdRate(15), speechdRate(-40), speechdVolume(130), speechdVolume(-5)}),
              std::vector<int>({100, -100, 100, -100}));
}

TEST(SpeechdAbsent, AVoiceListCutOffIsNoList) {
    // A stand-in daemon answers two voices, then closes, with or without the list's last line:
    // a list cut short would shift the numbers that the settings keep.
    testing::ScratchFolder scratch;
    for (bool whole : {true, false}) {
        int fd = unixSocket(scratch / "half.sock", true);
        std::thread daemon([&] {
            int c = accept(fd, nullptr, nullptr);
            std::string reply = "208 OK CLIENT NAME SET\r\n249-English_(Caribbean)\ten-029\tnone\r\n249-English+f3\ten\tf3\r\n";
            if (whole) reply += "249 OK VOICE LIST SENT\r\n";
            EXPECT_EQ(write(c, reply.data(), reply.size()), ssize_t(reply.size()));
            close(c);
        });
        EXPECT_EQ(speechdVoices(scratch / "half.sock"), whole ? Texts({"English_(Caribbean)", "English+f3"}) : Texts());
        daemon.join();
        close(fd);
        std::filesystem::remove(scratch / "half.sock");
    }
}

TEST_F(SpeechdTest, EnglishVoicesAfterTheEmbeddedOnesSpeakInOrderAndPurgeLeavesAnotherProgramAlone) {
    auto speech = both();
    ASSERT_TRUE(speech);
    Texts names = voiceNames(*speech);
    int count = int(names.size());
    ASSERT_TRUE(count > 5 && count <= 3 + SpeechdSpeech::maxVoices) << count;
    EXPECT_EQ(Texts(names.begin(), names.begin() + 3), (Texts{"embedded 0", "embedded 1", "embedded 2"}));
    // espeak-ng's English voices: the plain ones first, then variants ("name+variant"), each by name.
    auto plain = [](const std::string& n) { return n.find('+') == std::string::npos; };
    Texts remote(names.begin() + 3, names.end());
    for (const auto& n : remote) EXPECT_EQ(n.rfind("English", 0), 0u) << n;
    auto firstVariant = std::partition_point(remote.begin(), remote.end(), plain);
    EXPECT_TRUE(firstVariant != remote.begin() && std::none_of(firstVariant, remote.end(), plain));
    EXPECT_TRUE(std::is_sorted(remote.begin(), firstVariant) && std::is_sorted(firstVariant, remote.end()));

    // The chosen voice speaks with the game's rate and volume.
    speech->setRate(4);
    speech->setVolume(55);
    speech->speak("embedded", SpeakFlag::sync);
    EXPECT_TRUE(speech->selectVoice(5));
    speech->speak("through the daemon", SpeakFlag::sync);
    EXPECT_EQ(speech->heard(), Texts{"through the daemon"});
    auto setting = [&](const char* key) { return daemon.moduleSetting("through the daemon", key); };
    EXPECT_EQ(Texts({setting("synthesis_voice"), setting("rate"), setting("volume")}), Texts({names[5], "40", "10"}));
    // Back to an embedded voice, the first one too.
    speech->speak(longText(), SpeakFlag::async);
    EXPECT_TRUE(speech->selectVoice(2) && speech->selectVoice(0));
    speech->speak("home again", SpeakFlag::async);
    // Choosing the daemon's voice purged the embedded engine, so the two never talk at once.
    EXPECT_EQ(calls, (Texts{"rate 4", "volume 55", "0:embedded", "2:", "voice 2", "voice 0", "1:home again"}));
    EXPECT_FALSE(speech->selectVoice(count) || speech->selectVoice(-1));

    // Sent straight on at priority "text", each would cut off the one before.
    auto engine = connect();
    ASSERT_TRUE(engine->selectVoice(0));
    engine->setRate(5);
    speakAll(*engine, {"first line, queued", "second", "third & last < line"}, SpeakFlag::sync);
    EXPECT_EQ(engine->heard(), (Texts{"first line, queued", "second", "third & last < line"}));
    // An empty synchronous text waits for what is queued, and returns when nothing is.
    speakAll(*engine, {"one two three four", ""}, SpeakFlag::sync);
    EXPECT_EQ(engine->heard().size(), 4u);
    engine->speak("", SpeakFlag::sync);

    auto start = std::chrono::steady_clock::now();
    speakAll(*engine, {longText(), "queued behind it"}, SpeakFlag::async);
    ASSERT_TRUE(waitFor(*engine, SpeechdEvent::begin, start)) << "the daemon never began to speak";
    auto purged = std::chrono::steady_clock::now();
    engine->speak("", SpeakFlag::purge);
    EXPECT_TRUE(waitFor(*engine, SpeechdEvent::cancel, purged)) << "the daemon never cancelled";
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(engine->heard().size() == 4 && engine->takeUnheard().empty());
    // A purge with a text speaks that text next.
    speakAll(*engine, {longText(2), "queued behind it", "now this"}, SpeakFlag::purge);
    engine->speak("", SpeakFlag::sync);
    EXPECT_TRUE(engine->heard().size() == 5 && engine->heard().back() == "now this" && !engine->lost());

    // Another program speaks; the game's purge leaves it alone.
    std::string path = daemon.socket();
    SPDConnectionAddress address{SPD_METHOD_UNIX_SOCKET, path.data(), nullptr, 0, nullptr};
    SPDConnection* other = spd_open2("reader", "main", nullptr, SPD_MODE_THREADED, &address, 0, nullptr);
    ASSERT_TRUE(other);
    static std::atomic<int> otherEnded;  // 0 speaking, 1 ended, 2 cancelled
    otherEnded = 0;
    other->callback_end = [](size_t, size_t, SPDNotificationType) { otherEnded = 1; };
    other->callback_cancel = [](size_t, size_t, SPDNotificationType) { otherEnded = 2; };
    spd_set_notification_on(other, SPD_END);
    spd_set_notification_on(other, SPD_CANCEL);
    ASSERT_GT(spd_say(other, SPD_MESSAGE, longText().c_str()), 0);
    engine->speak("the game's line", SpeakFlag::async);
    std::this_thread::sleep_for(100ms);
    engine->speak("", SpeakFlag::purge);
    for (int i = 0; i < 3000 && otherEnded == 0; ++i) std::this_thread::sleep_for(10ms);
    EXPECT_EQ(otherEnded, 1) << "the other program's speech was cut off";
    spd_close(other);
}

TEST_F(SpeechdTest, SignalsToTheProcessLoseNeitherTheVoicesNorTheSpeech) {
    Texts voices = speechdVoices(daemon.socket());
    ASSERT_GT(voices.size(), 5u);
    {
        // Made first, so that its thread is not given this thread's blocked signals.
        auto engine = std::make_unique<SpeechdSpeech>(daemon.socket());
        SignalStorm storm(true);
        // Half a second to answer; the list itself may take the daemon longer, and is waited for.
        ASSERT_TRUE(engine->ready(0.5)) << "the voices were not listed";
        EXPECT_EQ(voiceNames(*engine), voices);
        ASSERT_TRUE(engine->selectVoice(1));
        speakAll(*engine, {"spoken while signals come", "second line", "third and last"}, SpeakFlag::sync);
        EXPECT_EQ(engine->heard(), (Texts{"spoken while signals come", "second line", "third and last"}));
        EXPECT_FALSE(engine->lost());
        // Dozens at the least, each a SIGUSR1 and a SIGCHLD (a busy machine forks slowly).
        EXPECT_GT(storm.sent(), 20);
    }
    // The list read on a thread that takes the signals itself: every wait cut short goes on, for
    // the time that was left. A daemon that never answers is given up after its silence however
    // often a signal comes; the storm stops by itself, late, if a signal restarted that wait.
    SignalStorm storm(false, 3s);
    int handled = SignalStorm::handled();
    EXPECT_EQ(speechdVoices(daemon.socket()), voices);
    testing::ScratchFolder scratch;
    int mute = unixSocket(scratch / "mute.sock", true);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(speechdVoices(scratch / "mute.sock", 300ms), Texts{});
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    close(mute);
    EXPECT_GT(SignalStorm::handled() - handled, 10);  // signals did come meanwhile
}

TEST_F(SpeechdTest, WhenTheDaemonDiesTheEmbeddedEngineSaysTheRest) { lose(SIGKILL); }
TEST_F(SpeechdTest, ADaemonThatHangsIsGivenUpAndTheWaitEnds) { lose(SIGSTOP); }

}  // namespace
}  // namespace dravlen::desktop
