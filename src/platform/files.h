// Files in the player's folders: opened only when they are regular files, and never in a way
// that could block (a named pipe or a device where a file is expected is refused at once).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace dravlen {

// A descriptor for reading `path`, or -1 when it is not a regular file or cannot be opened.
int openRegularForReading(const std::string& path);

// The content of a regular file, at most `maxBytes` of it, and in *fileSize (when given) its
// whole length; nullopt when there is no such regular file or it cannot be read.
std::optional<std::string> readRegularFile(const std::string& path, size_t maxBytes = 64 * 1024,
                                           size_t* fileSize = nullptr);

// Sample rates that real sound files have; a header that claims another is a damaged file.
constexpr int kLowestSoundRate = 4000;
constexpr int kHighestSoundRate = 192000;

// Creates or empties `path` and writes `text`; false (and nothing written) when the path is not
// a regular file or the write fails.
bool writeRegularFile(const std::string& path, const std::string& text);

// A text file written line by line and held for this run only: a second run that asks for
// the same file while this one holds it is refused, so two copies of the game never write over
// each other. Every line reaches the file when it is written.
class LineFile {
public:
    enum class Open { ok, busy, failed };

    LineFile() = default;
    LineFile(const LineFile&) = delete;
    LineFile& operator=(const LineFile&) = delete;
    ~LineFile() { close(); }

    // Creates or empties the file and takes it for this run.
    Open open(const std::string& path);
    bool isOpen() const { return fd_ >= 0; }
    // Appends `text`; a write that fails (disk full, folder gone) is dropped.
    void write(const std::string& text);
    // Holds up to `bytes` of text before writing it out, and the rest at close. Only for a
    // run that needs no line on disk before it ends (the headless runner): the game's own
    // transcript is written line by line, so that a crash loses nothing.
    void holdUpTo(size_t bytes) { hold_ = bytes; }
    void close();

private:
    void flush();
    int fd_ = -1;
    size_t hold_ = 0;
    std::string held_;
};

}  // namespace dravlen
