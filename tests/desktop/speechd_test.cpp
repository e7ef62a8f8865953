// The player's own speech-dispatcher beside the embedded voices, against a private daemon: a user
// process with its own configuration folder and socket, the espeak-ng module and ALSA's null
// device, so nothing is heard and no other program's speech is touched.
#include <gtest/gtest.h>
#include <libspeechd.h>

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

Texts voiceNames(DesktopSpeech& engine) {
    Texts names;
    for (int i = 0; i < engine.voiceCount(); ++i) names.push_back(engine.voiceName(i));
    return names;
}

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

}  // namespace
}  // namespace dravlen::desktop
