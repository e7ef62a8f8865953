// The player's own speech-dispatcher beside the embedded voices, against a private daemon: a user
// process with its own configuration folder and socket, the espeak-ng module and ALSA's null
// device, so nothing is heard and no other program's speech is touched.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <libspeechd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/desktop/audio.h"
#include "platform/desktop/speechd_engine.h"
#include "platform/desktop/voice_switch.h"
#include "test_files.h"

namespace dravlen::desktop {
namespace {

using namespace std::chrono_literals;
using Texts = std::vector<std::string>;

// A text espeak-ng needs a few seconds to say, so that it is still playing when a purge comes.
std::string longText(int sentences = 20) {
    std::string text;
    for (int i = 0; i < sentences; ++i)
        text += "The long road goes on and on across the plains, mile after mile, past farms and towns. ";
    return text;
}

Texts voiceNames(DesktopSpeech& engine) {
    Texts names;
    for (int i = 0; i < engine.voiceCount(); ++i) names.push_back(engine.voiceName(i));
    return names;
}

// A unix stream socket bound to (`serve`) or connected to `path`; -1 when that fails.
int unixSocket(const std::string& path, bool serve) {
    sockaddr_un un{.sun_family = AF_UNIX, .sun_path = {}};
    std::strncpy(un.sun_path, path.c_str(), sizeof un.sun_path - 1);
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    auto address = reinterpret_cast<sockaddr*>(&un);
    if (serve ? bind(fd, address, sizeof un) == 0 && listen(fd, 4) == 0 : connect(fd, address, sizeof un) == 0)
        return fd;
    close(fd);
    return -1;
}

// A speech-dispatcher of the test's own. Its log (level 5) holds every setting it sends its output module.
class PrivateDaemon {
public:
    static constexpr const char* program = "/usr/bin/speech-dispatcher";
    static constexpr const char* modules = "/usr/lib/speech-dispatcher-modules";
    bool start() {
        std::filesystem::create_directories(dir / "conf/modules");
        std::ofstream(dir / "conf/modules/espeak-ng.conf") << "";
        std::ofstream(dir / "conf/speechd.conf") << "LogLevel 5\nLogDir \"" << scratch.path
                                                 << "\"\nAudioOutputMethod \"alsa\"\nAudioALSADevice \"null\"\n"
                                                    "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                                                    "DefaultModule espeak-ng\nDefaultLanguage \"en\"\n";
        if ((pid_ = fork()) == 0) {
            int null = open("/dev/null", O_RDWR);
            for (int fd : {0, 1, 2}) dup2(null, fd);
            setpgid(0, 0);  // the daemon and its module in a group of their own
            std::string conf = dir / "conf", pid = dir / "pid";
            execl(program, program, "-s", "-t", "0", "-C", conf.c_str(), "-m", modules, "-S", socket().c_str(), "-P",
                  pid.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        setpgid(pid_, pid_);
        for (int i = 0, fd; i < 250; ++i, std::this_thread::sleep_for(20ms))  // ready once its socket answers
            if ((fd = unixSocket(socket(), false)) >= 0) return close(fd) == 0;
        return false;
    }
    ~PrivateDaemon() { stop(SIGTERM); }
    // SIGKILL: it dies as a crash would; SIGSTOP: it hangs; SIGTERM: it leaves.
    void signal(int sig) { kill(-pid_, sig); }
    void stop(int sig) {
        if (pid_ <= 0) return;
        signal(sig);
        signal(SIGCONT);
        for (int i = 0; waitpid(pid_, nullptr, WNOHANG) == 0; ++i) {
            if (i == 300) signal(SIGKILL);  // three seconds: it would not leave
            std::this_thread::sleep_for(10ms);
        }
        pid_ = -1;
    }
    std::string socket() const { return dir / "speechd.sock"; }
    // The value of `key` in the last settings the daemon sent its output module before it said `text`.
    std::string moduleSetting(const std::string& text, const std::string& key) const {
        std::stringstream s;
        s << std::ifstream(dir / "speech-dispatcher.log").rdbuf();
        std::string log = s.str();
        size_t said = log.find("output module: |<speak>" + text), at = log.rfind("\n" + key + "=", said);
        if (said == std::string::npos || at == std::string::npos) return "(none)";
        at += key.size() + 2;
        return log.substr(at, log.find('\n', at) - at);
    }

private:
    testing::ScratchFolder scratch;
    std::filesystem::path dir = scratch.path;
    pid_t pid_ = -1;
};

// The embedded engine's stand-in: three voices, every call written down ("flag:text").
struct FakeEmbedded : DesktopSpeech {
    struct Log {
        Texts calls;
        int rate = 0, volume = 100, voice = 0;
    };
    std::shared_ptr<Log> log;
    explicit FakeEmbedded(std::shared_ptr<Log> l) : log(std::move(l)) {}
    int voiceCount() override { return 3; }
    std::string voiceName(int i) override { return "embedded " + std::to_string(i); }
    bool selectVoice(int i) override { return i >= 0 && i < 3 && (log->voice = i, true); }
    int defaultRate() override { return 0; }
    void setRate(int r) override { log->rate = r; }
    void setVolume(int v) override { log->volume = v; }
    void speak(const std::string& text, SpeakFlag flag) override {
        log->calls.push_back(std::to_string(static_cast<int>(flag)) + ":" + text);
    }
    Texts heard() override { return {}; }
};

class SpeechdTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (access(PrivateDaemon::program, X_OK) || access(PrivateDaemon::modules, X_OK)) {
            GTEST_SKIP() << "speech-dispatcher and speech-dispatcher-espeak-ng are not installed";
        }
        ASSERT_TRUE(daemon.start()) << "the private speech-dispatcher did not come up";
    }
    std::unique_ptr<SpeechdSpeech> connect() {
        auto engine = std::make_unique<SpeechdSpeech>(daemon.socket());
        // Generous: listing espeak-ng's thirteen thousand voices on a loaded machine.
        EXPECT_TRUE(engine->ready(10)) << "the private daemon did not answer";
        return engine;
    }
    // The switch over a fake embedded engine and the private daemon, the daemon's first voice chosen.
    std::unique_ptr<DesktopSpeech> both(bool chooseRemote = true) {
        auto remote = connect();
        if (!remote->ready()) return nullptr;
        auto speech = withSpeechDispatcher(std::make_unique<FakeEmbedded>(log), std::move(remote));
        EXPECT_TRUE(!chooseRemote || speech->selectVoice(3));
        return speech;
    }
    // Waits until the daemon reports `event` after `since`.
    bool waitFor(SpeechdSpeech& engine, SpeechdEvent event, std::chrono::steady_clock::time_point since) {
        for (int i = 0; i < 500 && engine.lastEventAt(event) < since; ++i) std::this_thread::sleep_for(10ms);
        return engine.lastEventAt(event) >= since;
    }

    PrivateDaemon daemon;
    std::shared_ptr<FakeEmbedded::Log> log = std::make_shared<FakeEmbedded::Log>();
};

TEST(SpeechdAbsent, NoDaemonOrAMuteOneLeavesTheEmbeddedEngineAloneAndScalesAreClamped) {
    testing::ScratchFolder scratch;
    auto log = std::make_shared<FakeEmbedded::Log>();
    auto fake = std::make_unique<FakeEmbedded>(log);
    DesktopSpeech* embedded = fake.get();
    // Nobody listens on the socket: refused at once.
    auto speech = withSpeechDispatcher(std::move(fake), std::make_unique<SpeechdSpeech>(scratch / "none.sock"));
    EXPECT_EQ(speech.get(), embedded);
    // A socket that takes the connection and never answers, as a daemon with a wedged audio
    // output does: given up after the deadline, and leaving does not wait for it either.
    int fd = unixSocket(scratch / "mute.sock", true);
    ASSERT_GE(fd, 0);
    auto start = std::chrono::steady_clock::now();
    {
        SpeechdSpeech mute(scratch / "mute.sock");
        EXPECT_FALSE(mute.ready(0.3));
        EXPECT_EQ(mute.voiceCount(), 0);
        mute.speak("nobody hears this", SpeakFlag::sync);  // not ready: returns, says nothing
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);  // a wait on the daemon would never end
    close(fd);
    // The game's rate and volume beyond their ends, on the daemon's scales (the middle: below).
    EXPECT_EQ(std::vector<int>({speechdRate(15), speechdRate(-40), speechdVolume(130), speechdVolume(-5)}),
              std::vector<int>({100, -100, 100, -100}));
}

TEST_F(SpeechdTest, TheDaemonsEnglishVoicesFollowTheEmbeddedOnesAndTheChosenOneSpeaksWithTheGamesRateAndVolume) {
    auto speech = both(false);
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
    EXPECT_EQ(voiceNames(*connect()), remote);  // another connection lists the same voices

    speech->setRate(4);
    speech->setVolume(55);
    EXPECT_TRUE(log->rate == 4 && log->volume == 55);
    speech->speak("embedded", SpeakFlag::sync);
    EXPECT_TRUE(speech->selectVoice(5));
    speech->speak("through the daemon", SpeakFlag::sync);
    EXPECT_EQ(speech->heard(), Texts{"through the daemon"});
    EXPECT_EQ(daemon.moduleSetting("through the daemon", "synthesis_voice"), names[5]);
    EXPECT_EQ(daemon.moduleSetting("through the daemon", "rate"), "40");
    EXPECT_EQ(daemon.moduleSetting("through the daemon", "volume"), "10");
    // Back to an embedded voice: what the daemon still had queued is dropped.
    speech->speak(longText(), SpeakFlag::async);
    EXPECT_TRUE(speech->selectVoice(2) && speech->selectVoice(0));  // the first voice too
    EXPECT_EQ(log->voice, 0);
    speech->speak("home again", SpeakFlag::async);
    // Choosing the daemon's voice purged the embedded engine, so the two never talk at once.
    EXPECT_EQ(log->calls, (Texts{"0:embedded", "2:", "1:home again"}));
    EXPECT_FALSE(speech->selectVoice(count) || speech->selectVoice(-1));
}

TEST_F(SpeechdTest, QueuedTextsAreHeardInOrderAndPurgeCancelsTheGamesOwnSpeechButNotAnotherPrograms) {
    auto engine = connect();
    ASSERT_TRUE(engine->selectVoice(0));
    engine->setRate(5);
    // Sent straight on at priority "text", each would cut off the one before.
    engine->speak("first line, queued", SpeakFlag::async);
    engine->speak("second", SpeakFlag::async);
    engine->speak("third & last < line", SpeakFlag::sync);
    EXPECT_EQ(engine->heard(), (Texts{"first line, queued", "second", "third & last < line"}));
    EXPECT_TRUE(engine->takeUnheard().empty());
    // An empty synchronous text waits for what is queued, and returns when nothing is.
    engine->speak("one two three four", SpeakFlag::async);
    engine->speak("", SpeakFlag::sync);
    EXPECT_EQ(engine->heard().size(), 4u);
    engine->speak("", SpeakFlag::sync);

    auto start = std::chrono::steady_clock::now();
    engine->speak(longText(), SpeakFlag::async);
    engine->speak("queued behind it", SpeakFlag::async);
    ASSERT_TRUE(waitFor(*engine, SpeechdEvent::begin, start)) << "the daemon never began to speak";
    auto purged = std::chrono::steady_clock::now();
    engine->speak("", SpeakFlag::purge);
    EXPECT_TRUE(waitFor(*engine, SpeechdEvent::cancel, purged)) << "the daemon never cancelled";
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(engine->heard().size() == 4 && engine->takeUnheard().empty());
    // A purge with a text speaks that text next.
    engine->speak(longText(2), SpeakFlag::async);
    engine->speak("queued behind it", SpeakFlag::async);
    engine->speak("now this", SpeakFlag::purge);
    engine->speak("", SpeakFlag::sync);
    EXPECT_EQ(engine->heard().back(), "now this");
    EXPECT_TRUE(engine->heard().size() == 5 && !engine->lost());

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

TEST_F(SpeechdTest, WhenTheDaemonDiesTheEmbeddedEngineGoesOnWithTheSameRateAndVolume) {
    auto speech = both();
    ASSERT_TRUE(speech);
    speech->setRate(-3);
    speech->setVolume(60);
    speech->speak("heard through the daemon", SpeakFlag::sync);
    speech->speak(longText(), SpeakFlag::async);
    speech->speak("queued behind it", SpeakFlag::async);
    std::this_thread::sleep_for(200ms);
    daemon.stop(SIGKILL);
    speech->speak("after the fall", SpeakFlag::sync);
    // What the daemon had not finished, then the new line, and a wait for the end of it all.
    EXPECT_EQ(log->calls, (Texts{"2:", "1:" + longText(), "1:queued behind it", "1:after the fall", "0:"}));
    EXPECT_TRUE(log->rate == -3 && log->volume == 60);
    // From now on the embedded engine speaks; the daemon's voices can no longer be chosen.
    speech->speak("and on", SpeakFlag::async);
    EXPECT_EQ(log->calls.back(), "1:and on");
    EXPECT_FALSE(speech->selectVoice(4));
    EXPECT_TRUE(speech->selectVoice(2));
}

TEST_F(SpeechdTest, ADaemonThatHangsIsGivenUpAndTheWaitEnds) {
    auto speech = both();
    ASSERT_TRUE(speech);
    speech->speak("still fine", SpeakFlag::sync);
    daemon.signal(SIGSTOP);
    speech->speak(longText(), SpeakFlag::async);  // returns at once: only queued
    speech->speak("held", SpeakFlag::sync);       // ends once the daemon is seen to hang
    EXPECT_EQ(log->calls, (Texts{"2:", "1:" + longText(), "1:held", "0:"}));
    speech.reset();  // leaving does not wait for the stopped daemon either
    daemon.stop(SIGKILL);
}

// Not tests but the speech latency benchmark, which scripts/bench-desktop.sh runs: key-down to silence and to the first audio of the next line through the private
// daemon. Run with --gtest_also_run_disabled_tests --gtest_filter='*Latency*'.
TEST_F(SpeechdTest, DISABLED_Latency) {
    auto started = std::chrono::steady_clock::now();
    auto engine = connect();
    std::printf("speech-dispatcher with espeak-ng: connected and voices listed after %.0f ms\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count());
    ASSERT_TRUE(engine->selectVoice(0));
    std::vector<double> silence, next;
    for (int i = 0; i < 10; ++i) {
        auto start = std::chrono::steady_clock::now();
        engine->speak(longText(), SpeakFlag::async);
        ASSERT_TRUE(waitFor(*engine, SpeechdEvent::begin, start)) << "the daemon never began to speak";
        std::this_thread::sleep_for(300ms);
        auto key = std::chrono::steady_clock::now();
        engine->speak("", SpeakFlag::purge);  // what getkey does on a key-down
        engine->speak("The next line.", SpeakFlag::async);
        engine->speak("", SpeakFlag::sync);
        silence.push_back(std::chrono::duration<double, std::milli>(engine->lastEventAt(SpeechdEvent::cancel) - key).count());
        next.push_back(std::chrono::duration<double, std::milli>(engine->lastEventAt(SpeechdEvent::begin) - key).count());
    }
    std::sort(silence.begin(), silence.end());
    std::sort(next.begin(), next.end());
    std::printf("speech-dispatcher, key-down to cancel event: median %.1f ms (min %.1f, max %.1f)\n", silence[5],
                silence[0], silence[9]);
    std::printf("speech-dispatcher, key-down to begin event of the next line: median %.1f ms (min %.1f, max %.1f)\n",
                next[5], next[0], next[9]);
}

// Not a test: the same figures for the embedded engine, read from what its output mixed.
TEST(EmbeddedSpeech, DISABLED_Latency) {
    const int rate = 44100;
    auto output = AudioOutput::openRecorder(rate);
    ASSERT_TRUE(output);
    std::string error;
    auto speech = makeSpeechEngine(*output, &error);
    ASSERT_GT(speech->voiceCount(), 0) << error;
    auto loud = [](float x) { return std::fabs(x) > 0.003f; };
    // Where the recording is after a long text has spoken for a while; the recording once the
    // engine has said everything since.
    auto keyDuringLongText = [&] {
        speech->speak(longText(), SpeakFlag::async);
        std::this_thread::sleep_for(600ms);
        return output->recorded().size() / 2;
    };
    auto recordingAfterSync = [&] {
        speech->speak("", SpeakFlag::sync);
        std::this_thread::sleep_for(100ms);
        return output->recorded();
    };
    std::vector<double> silence, next;
    for (int i = 0; i < 10; ++i) {
        // Silence: a purge with nothing after it, to the first 10 ms without a sound. (With a
        // next line queued, its first word follows the cut so closely that no gap shows.)
        size_t key = keyDuringLongText();
        speech->speak("", SpeakFlag::purge);
        auto rec = recordingAfterSync();
        size_t frames = rec.size() / 2, quietAt = frames;
        for (size_t f = key; f + rate / 100 < frames && quietAt == frames; ++f) {
            size_t g = f;
            while (g < f + rate / 100 && !loud(rec[2 * g])) ++g;
            if (g == f + rate / 100) quietAt = f;
            else f = g;
        }
        silence.push_back(1000.0 * double(quietAt - key) / rate);
        // The next line: from the call to its first sound, on a quiet output. After a purge the
        // line goes to a source of its own at once, so this is what follows the cut above.
        key = output->recorded().size() / 2;
        speech->speak("The next line.", SpeakFlag::async);
        rec = recordingAfterSync();
        frames = rec.size() / 2;
        size_t soundAt = frames;
        for (size_t f = key; f < frames && soundAt == frames; ++f)
            if (loud(rec[2 * f])) soundAt = f;
        next.push_back(1000.0 * double(soundAt - key) / rate);
    }
    std::sort(silence.begin(), silence.end());
    std::sort(next.begin(), next.end());
    std::printf("embedded, key-down to silence: median %.1f ms (min %.1f, max %.1f)\n", silence[5], silence[0], silence[9]);
    std::printf("embedded, key-down to the first audio of the next line: median %.1f ms (min %.1f, max %.1f)\n",
                next[5], next[0], next[9]);
    // What start-up spends on a speech-dispatcher that is not there (the default address).
    for (int i = 0; i < 3; ++i) {
        auto start = std::chrono::steady_clock::now();
        SpeechdSpeech absent;
        bool found = absent.ready();
        std::printf("no speech-dispatcher: found %d after %.2f ms\n", found,
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
}

}  // namespace
}  // namespace dravlen::desktop
