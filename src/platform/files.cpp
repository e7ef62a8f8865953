// Files in the player's folders: opened only when they are regular files, and never in a way
// that could block (a named pipe or a device where a file is expected is refused at once).
#include "platform/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace dravlen {

namespace {

// Opens without blocking (a named pipe would otherwise wait for its other end) and keeps the
// descriptor only when it is a regular file. Here and below, a call that a signal cut short
// (EINTR, which a file system over the network can give) is made again.
int openRegular(const std::string& path, int flags) {
    int fd;
    do fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    // Regular files never block; clear the flag so that writes behave as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool empty(int fd) {
    int result;
    do result = ::ftruncate(fd, 0);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

// Writes all of `text`, however many parts the system takes it in; false when a part fails.
bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

int openRegularForReading(const std::string& path) { return openRegular(path, O_RDONLY); }

std::optional<std::string> readRegularFile(const std::string& path, size_t maxBytes, size_t* fileSize) {
    int fd = openRegular(path, O_RDONLY);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    const size_t size = ::fstat(fd, &st) == 0 ? static_cast<size_t>(st.st_size) : 0;
    if (fileSize) *fileSize = size;
    std::string text;
    text.reserve(std::min(size, maxBytes));
    char buf[4096];
    while (text.size() < maxBytes) {
        ssize_t n = ::read(fd, buf, std::min(sizeof buf, maxBytes - text.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        text.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return text;
}

bool writeRegularFile(const std::string& path, const std::string& text) {
    int fd = openRegular(path, O_WRONLY | O_CREAT);
    if (fd < 0) return false;
    bool ok = empty(fd) && writeAll(fd, text);
    ok = ::close(fd) == 0 && ok;
    return ok;
}

LineFile::Open LineFile::open(const std::string& path) {
    close();
    int fd = openRegular(path, O_WRONLY | O_CREAT | O_APPEND);
    if (fd < 0) return Open::failed;
    // Taken before it is emptied, so a run that finds it taken leaves the other run's lines alone.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Open::busy : Open::failed;
    }
    if (!empty(fd)) {
        ::close(fd);
        return Open::failed;
    }
    fd_ = fd;
    return Open::ok;
}

void LineFile::write(const std::string& text) {
    if (fd_ < 0) return;
    if (hold_ == 0) {
        writeAll(fd_, text);
        return;
    }
    held_ += text;
    if (held_.size() >= hold_) flush();
}

void LineFile::flush() {
    if (fd_ >= 0 && !held_.empty()) writeAll(fd_, held_);
    held_.clear();
}

void LineFile::close() {
    flush();
    if (fd_ >= 0) ::close(fd_);  // closing also lets go of the lock
    fd_ = -1;
}

}  // namespace dravlen
