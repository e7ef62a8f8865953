// The speech engine on speech-dispatcher (libspeechd), with every daemon call on its own thread.
//
// The game's thread queues requests; the worker sends one text at a time at priority "text"
// (speech-dispatcher lets a new "text" message cut off the one playing, so the queue is kept
// here and the next text leaves only when the daemon reports the end of the one before), and
// learns of ends from libspeechd's end and cancel events. A purge drops what has not been sent
// and cancels this connection's own speech only. While a text plays the worker asks the daemon
// a small question now and then: a daemon that has died fails it at once, and one that hangs
// keeps the worker in the call, which the game's thread notices and takes as lost.
//
// The voice list is read over a plain socket of its own: libspeechd's list parser needs seconds
// for the thirteen thousand voices espeak-ng offers, the daemon itself half a second.
#include "platform/desktop/speechd_engine.h"

#include <libspeechd.h>
#include <netdb.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>

namespace dravlen::desktop {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

int speechdRate(int rate) { return std::clamp(rate, -10, 10) * 10; }
int speechdVolume(int volume) { return std::clamp(volume, 0, 100) * 2 - 100; }

namespace {

// A daemon call that has not returned after this long means the daemon hangs.
constexpr auto hungAfter = 2s;
// How often the worker makes sure the daemon is still there while a text plays.
constexpr auto checkEvery = 250ms;
// How long the daemon may stay silent while it lists its voices.
constexpr auto voicesSilence = 5s;
// How long after the engine was made a daemon that has answered may take to list its voices.
constexpr auto listWithin = 5s;
// How long a leaving game waits for the worker before leaving it behind.
constexpr auto leaveWithin = 500ms;
constexpr size_t heardKept = 200;

struct Address {
    std::string socketPath;  // unix socket, or empty for
    std::string host;        // an inet socket
    int port = 0;
};

struct Request {
    bool cancel = false;
    uint64_t seq = 0;
    std::string text;
    int voice = -1;
    int rate = 0;
    int volume = 100;
};

struct Event {
    size_t message = 0;
    SpeechdEvent kind = SpeechdEvent::end;
};

}  // namespace

struct SpeechdSpeech::Shared {
    std::mutex m;
    std::condition_variable work;  // the worker: a request, an event, or leaving
    std::condition_variable done;  // the game's thread: ready, a text heard, or lost
    Clock::time_point made = Clock::now();

    bool answered = false;  // the daemon has answered on the main connection
    bool ready = false;
    bool failed = false;
    bool quit = false;
    bool finished = false;
    bool lost = false;
    std::vector<std::string> voices;  // fixed once ready

    int voice = -1;  // -1: the daemon's own default
    int rate = 0;
    int volume = 100;

    std::deque<Request> requests;
    std::deque<Event> events;
    uint64_t lastSeq = 0;
    uint64_t heardSeq = 0;
    std::deque<std::pair<uint64_t, std::string>> unheard;
    std::deque<std::string> heardTexts;
    Clock::time_point eventAt[3]{};

    bool inCall = false;
    Clock::time_point callSince{};

    // With the lock held: everything up to `seq` has ended. Only `seq` itself counts as heard,
    // and only when `spoken`: not when the daemon cut it off (another program's more urgent
    // speech) or a purge dropped it; texts before it were empty or purged.
    void markHeard(uint64_t seq, bool spoken) {
        heardSeq = std::max(heardSeq, seq);
        while (!unheard.empty() && unheard.front().first <= heardSeq) {
            bool heard = spoken && unheard.front().first == seq;
            if (heard && !unheard.front().second.empty()) heardTexts.push_back(std::move(unheard.front().second));
            if (heardTexts.size() > heardKept) heardTexts.pop_front();
            unheard.pop_front();
        }
        done.notify_all();
    }
    // With the lock held: a call the worker has been in for too long means the daemon hangs.
    void checkHung() {
        if (!lost && ready && inCall && Clock::now() - callSince > hungAfter) {
            lost = true;
            done.notify_all();
        }
    }
};

namespace {

// libspeechd's callbacks carry no pointer of ours, only the daemon's number for the
// connection: engines are found through it.
std::mutex registryMutex;
// Never destroyed: a worker left behind by a leaving game may still look into it.
std::map<size_t, std::weak_ptr<SpeechdSpeech::Shared>>& registry() {
    static auto* engines = new std::map<size_t, std::weak_ptr<SpeechdSpeech::Shared>>;
    return *engines;
}

void onEvent(size_t message, size_t client, SPDNotificationType type) {
    std::shared_ptr<SpeechdSpeech::Shared> s;
    {
        std::lock_guard lock(registryMutex);
        auto it = registry().find(client);
        if (it != registry().end()) s = it->second.lock();
    }
    if (!s) return;
    SpeechdEvent kind = type == SPD_EVENT_BEGIN ? SpeechdEvent::begin
                        : type == SPD_EVENT_END ? SpeechdEvent::end
                                                : SpeechdEvent::cancel;
    {
        std::lock_guard lock(s->m);
        s->events.push_back({message, kind});
        s->eventAt[static_cast<int>(kind)] = Clock::now();
    }
    s->work.notify_all();
}

bool english(const std::string& language) {
    return language.size() >= 2 && std::tolower(static_cast<unsigned char>(language[0])) == 'e' &&
           std::tolower(static_cast<unsigned char>(language[1])) == 'n' &&
           (language.size() == 2 || language[2] == '-' || language[2] == '_');
}

// The plain socket's calls below never give up because a signal's handler ran meanwhile (EINTR):
// they go on for the time that is left before their deadline, which a retry never moves.

// Waits until `fd` is ready for `events`, or `deadline` passes.
bool waitReady(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd p{fd, events, 0};
        int n = poll(&p, 1, static_cast<int>(std::min<decltype(left)>(left, 60'000)));
        if (n > 0) return true;  // ready, or an error or hang-up that the next call reports
        if (n < 0 && errno != EINTR) return false;
    }
}

// Connects the non-blocking socket `fd` to `to` before `deadline`.
bool connectWithin(int fd, const sockaddr* to, socklen_t size, Clock::time_point deadline) {
    for (;;) {
        if (connect(fd, to, size) == 0) return true;
        if (errno == EAGAIN) {
            // A unix socket whose daemon has not yet taken the connections before this one:
            // asked again a moment later.
            if (Clock::now() >= deadline) return false;
            poll(nullptr, 0, 10);
            continue;
        }
        if (errno != EINPROGRESS && errno != EINTR) return false;
        // The connection goes on by itself; its outcome is known once the socket is writable.
        if (!waitReady(fd, POLLOUT, deadline)) return false;
        int error = 0;
        socklen_t length = sizeof error;
        return getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
}

// Sends all of `data` before `deadline`; a part sent is never taken for the whole.
bool sendAll(int fd, const std::string& data, Clock::time_point deadline) {
    size_t sent = 0;
    while (sent < data.size()) {
        ssize_t n = send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitReady(fd, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

// Receives what the daemon has sent, waiting for it until `deadline`: the count of bytes, 0 at
// the end of the stream, -1 on an error or when the deadline passes first.
ssize_t receiveWithin(int fd, char* buf, size_t size, Clock::time_point deadline) {
    for (;;) {
        ssize_t n = recv(fd, buf, size, 0);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        if ((errno != EAGAIN && errno != EWOULDBLOCK) || !waitReady(fd, POLLIN, deadline)) return -1;
    }
}

// Opens a plain stream socket to the daemon, connected before `deadline`; -1 when it cannot be.
int openSocket(const Address& a, Clock::time_point deadline) {
    if (!a.socketPath.empty()) {
        sockaddr_un un{};
        if (a.socketPath.size() >= sizeof un.sun_path) return -1;
        un.sun_family = AF_UNIX;
        std::memcpy(un.sun_path, a.socketPath.c_str(), a.socketPath.size() + 1);
        int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0) return -1;
        if (connectWithin(fd, reinterpret_cast<sockaddr*>(&un), sizeof un, deadline)) return fd;
        close(fd);
        return -1;
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(a.host.c_str(), std::to_string(a.port).c_str(), &hints, &found) != 0) return -1;
    int fd = -1;
    for (addrinfo* i = found; i && fd < 0; i = i->ai_next) {
        fd = socket(i->ai_family, i->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, i->ai_protocol);
        if (fd >= 0 && !connectWithin(fd, i->ai_addr, i->ai_addrlen, deadline)) {
            close(fd);
            fd = -1;
        }
    }
    freeaddrinfo(found);
    return fd;
}

// Asks the daemon for the voices of its default output module, over a connection of its own,
// and keeps the English ones in a stable order. A daemon silent for `silence` is given up: in
// connecting and asking, and in each wait for more of the list.
std::vector<std::string> listEnglishVoices(const Address& a, Clock::duration silence) {
    int fd = openSocket(a, Clock::now() + silence);
    if (fd < 0) return {};
    const std::string ask = "SET SELF CLIENT_NAME " + std::string(getenv("USER") ? getenv("USER") : "user") +
                            ":dravlen:voices\r\nLIST SYNTHESIS_VOICES\r\nQUIT\r\n";
    if (!sendAll(fd, ask, Clock::now() + silence)) {
        close(fd);
        return {};
    }
    // Replies are "NNN-..." lines ended by one "NNN ..." line; the voice list is code 249.
    struct Found {
        bool plain;
        std::string name;
        bool operator<(const Found& o) const { return plain != o.plain ? plain : name < o.name; }
    };
    std::vector<Found> found;
    std::string pending;
    char buf[65536];
    bool listEnded = false;
    while (!listEnded) {
        ssize_t n = receiveWithin(fd, buf, sizeof buf, Clock::now() + silence);
        if (n <= 0) break;
        pending.append(buf, static_cast<size_t>(n));
        size_t start = 0, eol;
        while ((eol = pending.find('\n', start)) != std::string::npos) {
            std::string line = pending.substr(start, eol - start);
            start = eol + 1;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.size() < 4 || line.compare(0, 3, "249") != 0) continue;
            if (line[3] == ' ') {
                listEnded = true;
                break;
            }
            // "249-name<TAB>language<TAB>variant"
            size_t t1 = line.find('\t', 4);
            if (t1 == std::string::npos) continue;
            size_t t2 = line.find('\t', t1 + 1);
            std::string name = line.substr(4, t1 - 4);
            std::string language = line.substr(t1 + 1, t2 == std::string::npos ? std::string::npos : t2 - t1 - 1);
            std::string variant = t2 == std::string::npos ? "none" : line.substr(t2 + 1);
            if (!name.empty() && english(language)) found.push_back({variant == "none", name});
        }
        pending.erase(0, start);
    }
    close(fd);
    // A list cut off is no list: the voices' numbers, which the settings keep, would change.
    if (!listEnded) return {};
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (const Found& f : found) {
        if (static_cast<int>(names.size()) >= SpeechdSpeech::maxVoices) break;
        if (names.empty() || names.back() != f.name) names.push_back(f.name);
    }
    return names;
}

// libspeechd's getters crash on a connection whose daemon has died (they read a reply that is
// not there), so only its commands are used, whose failures come back as -1.

// The daemon's number for the connection, which its events carry; 0 when it cannot be had.
size_t clientId(SPDConnection* c) {
    char* reply = nullptr;
    size_t id = 0;
    // "245-<id>\r\n245 OK CLIENT ID SENT\r\n"
    if (spd_execute_command_with_reply(c, const_cast<char*>("HISTORY GET CLIENT_ID"), &reply) == 0 && reply &&
        std::strncmp(reply, "245-", 4) == 0)
        id = std::strtoul(reply + 4, nullptr, 10);
    std::free(reply);
    return id;
}

// True while the daemon still answers a question.
bool answers(SPDConnection* c) { return spd_execute_command(c, const_cast<char*>("GET RATE")) == 0; }

// Runs a daemon call with the lock released, noting that the worker is inside one.
template <class Call>
auto outside(std::unique_lock<std::mutex>& lock, SpeechdSpeech::Shared& s, Call call) {
    s.inCall = true;
    s.callSince = Clock::now();
    lock.unlock();
    auto result = call();
    lock.lock();
    s.inCall = false;
    return result;
}

void work(std::shared_ptr<SpeechdSpeech::Shared> s, std::string socketPath) {
    Address address;
    SPDConnectionAddress spdAddress{};
    SPDConnectionAddress* defaults = nullptr;
    if (!socketPath.empty()) {
        address.socketPath = socketPath;
        spdAddress.method = SPD_METHOD_UNIX_SOCKET;
        spdAddress.unix_socket_name = socketPath.data();
    } else {
        char* error = nullptr;
        defaults = spd_get_default_address(&error);
        std::free(error);
        if (defaults && defaults->method == SPD_METHOD_UNIX_SOCKET && defaults->unix_socket_name) {
            address.socketPath = defaults->unix_socket_name;
        } else if (defaults && defaults->method == SPD_METHOD_INET_SOCKET && defaults->inet_socket_host) {
            address.host = defaults->inet_socket_host;
            address.port = defaults->inet_socket_port;
        }
    }
    SPDConnection* c = nullptr;
    if (!address.socketPath.empty() || !address.host.empty()) {
        char* error = nullptr;
        // Never autospawn: a daemon started with a broken audio set-up hangs its clients.
        c = spd_open2("dravlen", "main", nullptr, SPD_MODE_THREADED, defaults ? defaults : &spdAddress, 0, &error);
        std::free(error);
    }
    if (defaults) SPDConnectionAddress__free(defaults);
    size_t client = 0;
    std::vector<std::string> voices;
    if (c && (client = clientId(c)) == 0) {
        spd_close(c);
        c = nullptr;
    }
    if (c) {
        {
            std::lock_guard lock(registryMutex);
            registry()[client] = s;
        }
        {
            std::lock_guard lock(s->m);
            s->answered = true;
            s->done.notify_all();
        }
        c->callback_begin = c->callback_end = c->callback_cancel = onEvent;
        spd_set_notification_on(c, SPD_BEGIN);
        spd_set_notification_on(c, SPD_END);
        spd_set_notification_on(c, SPD_CANCEL);
        spd_set_data_mode(c, SPD_DATA_TEXT);  // "<" and "&" are read as text
        voices = listEnglishVoices(address, voicesSilence);
    }

    std::unique_lock lock(s->m);
    if (!c || voices.empty() || s->quit) {
        s->failed = true;
        s->done.notify_all();
    } else {
        s->voices = std::move(voices);
        s->ready = true;
        s->done.notify_all();
    }

    int appliedVoice = -1;
    int appliedRate = -1000;
    int appliedVolume = -1000;
    bool inFlight = false;
    size_t flightMessage = 0;
    uint64_t flightSeq = 0;
    while (s->ready && !s->quit && !s->lost) {
        // What the daemon reported: the text in flight may have ended.
        while (!s->events.empty()) {
            Event e = s->events.front();
            s->events.pop_front();
            if (inFlight && e.message == flightMessage && e.kind != SpeechdEvent::begin) {
                inFlight = false;
                s->markHeard(flightSeq, e.kind == SpeechdEvent::end);
            }
        }
        if (!s->requests.empty() && s->requests.front().cancel) {
            s->requests.pop_front();
            if (inFlight) {
                inFlight = false;
                if (outside(lock, *s, [&] { return spd_cancel(c); }) != 0) s->lost = true;
            }
            continue;
        }
        if (!inFlight && !s->requests.empty()) {
            Request r = std::move(s->requests.front());
            s->requests.pop_front();
            if (r.text.empty()) {
                s->markHeard(r.seq, false);
                continue;
            }
            bool ok = outside(lock, *s, [&] {
                bool good = true;
                if (r.voice >= 0 && r.voice != appliedVoice) {
                    good = spd_set_synthesis_voice(c, s->voices[static_cast<size_t>(r.voice)].c_str()) == 0;
                    if (good) appliedVoice = r.voice;
                }
                if (good && r.rate != appliedRate) {
                    good = spd_set_voice_rate(c, speechdRate(r.rate)) == 0;
                    if (good) appliedRate = r.rate;
                }
                if (good && r.volume != appliedVolume) {
                    good = spd_set_volume(c, speechdVolume(r.volume)) == 0;
                    if (good) appliedVolume = r.volume;
                }
                int message = good ? spd_say(c, SPD_TEXT, r.text.c_str()) : -1;
                if (message > 0) {
                    flightMessage = static_cast<size_t>(message);
                    return true;
                }
                return false;
            });
            if (ok) {
                inFlight = true;
                flightSeq = r.seq;
                continue;
            }
            // A refused text is skipped, unless the daemon is gone; then it stays unheard.
            if (outside(lock, *s, [&] { return answers(c); })) s->markHeard(r.seq, false);
            else s->lost = true;
            continue;
        }
        if (!inFlight) {
            s->work.wait(lock);
            continue;
        }
        if (s->work.wait_for(lock, checkEvery) == std::cv_status::timeout && s->events.empty() &&
            (s->requests.empty() || !s->requests.front().cancel)) {
            if (!outside(lock, *s, [&] { return answers(c); })) s->lost = true;
        }
    }
    bool cancel = s->ready && !s->lost;
    s->done.notify_all();
    lock.unlock();

    if (c) {
        {
            std::lock_guard registered(registryMutex);
            registry().erase(client);
        }
        if (cancel) spd_cancel(c);
        spd_close(c);
    }
    lock.lock();
    s->finished = true;
    s->done.notify_all();
}

}  // namespace

SpeechdSpeech::SpeechdSpeech(const std::string& socketPath) : shared_(std::make_shared<Shared>()) {
    // The worker, and libspeechd's event thread that it starts, take none of the process's
    // signals: they are left to the game's other threads. Here a handler that ran would cut a
    // call to the daemon short, and libspeechd takes a read cut short for a daemon gone. A
    // child of the game that ends is enough (SIGCHLD), while the game's thread blocks it as
    // D-Bus does when it starts a helper. SIGPIPE too: a daemon that dies under a write must not
    // end the game. A fault's own signals stay open, so that a crash is still a crash.
    sigset_t blocked, before;
    sigfillset(&blocked);
    for (int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS, SIGABRT}) sigdelset(&blocked, fault);
    pthread_sigmask(SIG_BLOCK, &blocked, &before);
    try {
        worker_ = std::thread(work, shared_, socketPath);
    } catch (...) {
        pthread_sigmask(SIG_SETMASK, &before, nullptr);
        throw;
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

std::vector<std::string> speechdVoices(const std::string& socketPath, std::chrono::milliseconds silence) {
    return listEnglishVoices(Address{.socketPath = socketPath, .host = {}, .port = 0}, silence);
}

SpeechdSpeech::~SpeechdSpeech() {
    std::unique_lock lock(shared_->m);
    shared_->quit = true;
    shared_->work.notify_all();
    // A worker still connecting, or kept in a call by a daemon that hangs, is left to end by
    // itself: nobody waits for it.
    if (shared_->ready && shared_->done.wait_for(lock, leaveWithin, [&] { return shared_->finished; })) {
        lock.unlock();
        worker_.join();
    } else {
        lock.unlock();
        worker_.detach();
    }
}

bool SpeechdSpeech::ready(double seconds) {
    Shared& s = *shared_;
    std::unique_lock lock(s.m);
    auto deadline = s.made + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    s.done.wait_until(lock, deadline, [&] { return s.ready || s.failed || s.answered; });
    // A daemon that has answered is there: its list, which a busy machine takes a second or
    // more to send, is worth the wait.
    if (s.answered) s.done.wait_until(lock, std::max(deadline, s.made + listWithin), [&] { return s.ready || s.failed; });
    return s.ready && !s.lost;
}

int SpeechdSpeech::voiceCount() {
    std::lock_guard lock(shared_->m);
    return shared_->ready ? static_cast<int>(shared_->voices.size()) : 0;
}

std::string SpeechdSpeech::voiceName(int index) {
    std::lock_guard lock(shared_->m);
    if (!shared_->ready || index < 0 || index >= static_cast<int>(shared_->voices.size())) return "";
    return shared_->voices[static_cast<size_t>(index)];
}

bool SpeechdSpeech::selectVoice(int index) {
    std::lock_guard lock(shared_->m);
    if (!shared_->ready || index < 0 || index >= static_cast<int>(shared_->voices.size())) return false;
    shared_->voice = index;
    return true;
}

void SpeechdSpeech::setRate(int rate) {
    std::lock_guard lock(shared_->m);
    shared_->rate = std::clamp(rate, -10, 10);
}

void SpeechdSpeech::setVolume(int volume) {
    std::lock_guard lock(shared_->m);
    shared_->volume = std::clamp(volume, 0, 100);
}

void SpeechdSpeech::speak(const std::string& text, SpeakFlag flag) {
    Shared& s = *shared_;
    std::unique_lock lock(s.m);
    if (!s.ready) return;
    s.checkHung();
    if (flag == SpeakFlag::purge) {
        std::erase_if(s.requests, [](const Request& r) { return !r.cancel; });
        s.requests.push_back(Request{.cancel = true, .seq = 0, .text = {}, .voice = -1, .rate = 0, .volume = 100});
        s.unheard.clear();
        s.markHeard(s.lastSeq, false);
        s.work.notify_all();
        if (text.empty()) return;
    }
    uint64_t seq = ++s.lastSeq;
    s.requests.push_back({false, seq, text, s.voice, s.rate, s.volume});
    s.unheard.emplace_back(seq, text);
    s.work.notify_all();
    if (flag != SpeakFlag::sync) return;
    // Like the embedded engine, a synchronous text holds the game's thread until it is heard;
    // keys pressed meanwhile wait in the window's queue. Looked at again now and then, so
    // that a daemon that stops answering ends the wait.
    while (s.heardSeq < seq && !s.lost) {
        s.done.wait_for(lock, 100ms);
        s.checkHung();
    }
}

std::vector<std::string> SpeechdSpeech::heard() {
    std::lock_guard lock(shared_->m);
    return {shared_->heardTexts.begin(), shared_->heardTexts.end()};
}

bool SpeechdSpeech::lost() {
    std::lock_guard lock(shared_->m);
    shared_->checkHung();
    return shared_->lost;
}

std::vector<std::string> SpeechdSpeech::takeUnheard() {
    std::lock_guard lock(shared_->m);
    std::vector<std::string> texts;
    for (auto& [seq, text] : shared_->unheard) texts.push_back(std::move(text));
    shared_->unheard.clear();
    shared_->requests.clear();
    return texts;
}

std::chrono::steady_clock::time_point SpeechdSpeech::lastEventAt(SpeechdEvent event) {
    std::lock_guard lock(shared_->m);
    return shared_->eventAt[static_cast<int>(event)];
}

}  // namespace dravlen::desktop
