// Small helpers for the desktop tests: a scratch folder and hand-written wave files.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace dravlen::desktop::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "dravlen-desktop-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : "";
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline void put16(std::ofstream& out, uint16_t v) { out.put(char(v & 0xff)).put(char(v >> 8)); }
inline void put32(std::ofstream& out, uint32_t v) {
    put16(out, uint16_t(v & 0xffff));
    put16(out, uint16_t(v >> 16));
}

// A 16-bit PCM wave file with interleaved samples.
inline void writeWave(const std::string& path, int rate, int channels, const std::vector<int16_t>& samples) {
    std::ofstream out(path, std::ios::binary);
    uint32_t bytes = uint32_t(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + bytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, uint16_t(channels));
    put32(out, uint32_t(rate));
    put32(out, uint32_t(rate * channels * 2));
    put16(out, uint16_t(channels * 2));
    put16(out, 16);
    out.write("data", 4);
    put32(out, bytes);
    for (int16_t s : samples) put16(out, uint16_t(s));
}

}  // namespace dravlen::desktop::testing
