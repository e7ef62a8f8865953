// Whole-game runs on the scripted platform, for tests: keys in, transcript and events out.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/game.h"
#include "platform/scripted/scripted.h"

namespace dravlen::testing {

// A fresh, empty folder named after the running test.
inline std::string freshDir(const std::string& suffix = "") {
    auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("dravlen-") + (info ? info->test_suite_name() : "t") + "-" +
                       (info ? info->name() : "t") + suffix + "-" + std::to_string(::getpid());
    std::replace(name.begin(), name.end(), '/', '_');
    auto d = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    return d.string();
}

// The lines of a file; *crlf tells whether every line ended with carriage return and line feed.
inline std::vector<std::string> readLines(const std::string& path, bool* crlf = nullptr) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    bool allCrlf = true;
    for (std::string line; std::getline(in, line); lines.push_back(line)) {
        allCrlf = allCrlf && line.ends_with('\r') && !in.eof();
        if (line.ends_with('\r')) line.pop_back();
    }
    if (crlf) *crlf = allCrlf;
    return lines;
}

struct RunOptions {
    std::string keys;
    std::optional<uint32_t> seed = 1;
    int voices = 2;
    std::string dir{};  // settings folder; a fresh one when empty
    std::string cwd{};  // current folder during the run; the settings folder when empty
};

struct RunResult {
    int status = 0;  // 0 the game came to its end, 3 the keys ran out
    std::string dir;
    std::vector<std::string> transcript;
    std::vector<scripted::Event> events;
};

inline RunResult runScript(const RunOptions& o) {
    RunResult res;
    res.dir = o.dir.empty() ? freshDir() : o.dir;
    scripted::ScriptedPlatform sp;
    sp.setVoices(o.voices);
    sp.setSettingsFolder(res.dir);
    sp.setProgramFolder(DRAVLEN_BUILD_DIR);
    sp.addKeys(o.keys);
    GameOptions options;
    options.seed = o.seed;
    options.onRandom = [&sp](double v) { sp.recordRandom(v); };
    auto oldCwd = std::filesystem::current_path();
    std::filesystem::current_path(o.cwd.empty() ? res.dir : o.cwd);
    try {
        Platform p = sp.platform();
        runGame(p, options);
    } catch (const KeysExhausted&) {
        res.status = 3;
    }
    std::filesystem::current_path(oldCwd);
    res.events = sp.events();
    res.transcript = readLines(res.dir + "/dravlog.txt");
    return res;
}

}  // namespace dravlen::testing
