// A speech-dispatcher of a test's own, and a text long enough to be cut off: shared by the
// speech-dispatcher tests and the speech latency benchmark.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>

#include <chrono>
#include <cstring>
#include <iterator>
#include <thread>

#include "test_files.h"

namespace dravlen::desktop::testing {

using namespace std::chrono_literals;

// A text espeak-ng needs a few seconds to say, so that it is still playing when a purge comes.
inline std::string longText(int sentences = 20) {
    std::string text;
    for (int i = 0; i < sentences; ++i)
        text += "The long road goes on and on across the plains, mile after mile, past farms and towns. ";
    return text;
}

// A unix stream socket bound to (`serve`) or connected to `path`; -1 when that fails.
inline int unixSocket(const std::string& path, bool serve) {
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
        for (int i = 0; waitpid(pid_, nullptr, WNOHANG) == 0; ++i, std::this_thread::sleep_for(10ms))
            if (i == 300) signal(SIGKILL);  // three seconds: it would not leave
        pid_ = -1;
    }
    std::string socket() const { return dir / "speechd.sock"; }
    // The value of `key` in the last settings the daemon sent its output module before it said `text`.
    std::string moduleSetting(const std::string& text, const std::string& key) const {
        std::ifstream file(dir / "speech-dispatcher.log");
        std::string log(std::istreambuf_iterator<char>(file), {});
        size_t said = log.find("output module: |<speak>" + text), at = log.rfind("\n" + key + "=", said);
        if (said == std::string::npos || at == std::string::npos) return "(none)";
        at += key.size() + 2;
        return log.substr(at, log.find('\n', at) - at);
    }

private:
    ScratchFolder scratch;
    std::filesystem::path dir = scratch.path;
    pid_t pid_ = -1;
};

}  // namespace dravlen::desktop::testing
