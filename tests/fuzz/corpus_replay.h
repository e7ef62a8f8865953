// Feeds every file of a fuzz target's corpus (tests/corpus/<target>/) to the target's entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace dravlen::fuzz {

inline int replayCorpus(const std::string& target, int (*entry)(const uint8_t*, size_t)) {
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(std::string(DRAVLEN_SOURCE_DIR) + "/tests/corpus/" + target)) {
        std::ifstream in(e.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        SCOPED_TRACE(e.path().string());
        entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ++files;
    }
    return files;
}

}  // namespace dravlen::fuzz
