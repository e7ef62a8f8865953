// Small helpers for the desktop tests: a scratch folder and hand-written wave files.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace dravlen::desktop::testing {

struct ScratchFolder {
    std::string path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "dravlen-desktop-XXXXXX").string();
        return mkdtemp(pattern.data()) ? pattern : "";
    }();
    ~ScratchFolder() {
        std::error_code ignored;  // and nothing to remove when mkdtemp failed
        std::filesystem::remove_all(path, ignored);
    }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

// A mono 16-bit PCM wave file.
inline std::string writeWave(const std::string& path, int rate, const std::vector<int16_t>& samples) {
    std::ofstream out(path, std::ios::binary);
    auto put = [&](uint32_t value, int width) {
        for (int i = 0; i < width; ++i) out.put(char(value >> (8 * i)));
    };
    const uint32_t bytes = uint32_t(2 * samples.size()), r = uint32_t(rate);
    out << "RIFF";
    put(36 + bytes, 4);
    out << "WAVEfmt ";
    // Chunk size, PCM, mono, rate, bytes a second, bytes a frame, bits: each with its width.
    const std::pair<uint32_t, int> format[] = {{16, 4}, {1, 2}, {1, 2}, {r, 4}, {2 * r, 4}, {2, 2}, {16, 2}};
    for (auto [value, width] : format) put(value, width);
    out << "data";
    put(bytes, 4);
    for (int16_t s : samples) put(uint16_t(s), 2);
    return path;
}

}  // namespace dravlen::desktop::testing
