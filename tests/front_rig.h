// A form and a trip on a scripted platform, for driving the front end's steps one at a time.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frontend/form.h"
#include "platform/scripted/scripted.h"
#include "road/trip.h"

namespace dravlen::testing {

// A 16-bit mono wave file of `frames` silent frames at `rate`.
inline void writeWave(const std::string& path, int rate, int frames) {
    std::ofstream f(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f.write("RIFF", 4);
    u32(36 + frames * 2);
    f.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    f.write("data", 4);
    u32(frames * 2);
    std::vector<char> zeros(static_cast<size_t>(frames) * 2, 0);
    f.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
}

inline std::string rigDir(const std::string& what) {
    auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "dravlen-front-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" + what +
                       "-" + std::to_string(::getpid());
    for (char& c : name)
        if (c == '/') c = '_';
    auto d = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    return d.string();
}

struct Rig {
    scripted::ScriptedPlatform sp;
    std::string settings = rigDir("settings");
    std::string program = rigDir("program");
    Platform p;
    Form f;
    Trip t;
    std::vector<std::string> echoed;

    explicit Rig(const std::string& keys = "", int voices = 2) : p(init(keys, voices)), f(p) {
        f.kp = settings;
        f.nov = static_cast<int16_t>(voices - 1);
        f.transcriptEcho = [this](const std::string& l) { echoed.push_back(l); };
    }

    Platform init(const std::string& keys, int voices) {
        sp.setVoices(voices);
        sp.setSettingsFolder(settings);
        sp.setProgramFolder(program);
        sp.setTimeLimit(100000);
        sp.addKeys(keys);
        return sp.platform();
    }

    // Sound n as a wave file of `seconds` at 22,050 Hz.
    void sound(int n, double seconds, int rate = 22050) {
        writeWave(program + "/dravlen" + std::to_string(n) + ".wav", rate, static_cast<int>(seconds * rate));
    }

    const std::vector<scripted::Event>& events() const { return sp.events(); }
    // Every text handed to the engine with the given flag, in order (empty texts left out).
    std::vector<std::string> spoken(SpeakFlag flag) const {
        std::vector<std::string> out;
        for (auto& e : sp.events())
            if (e.op == "speak" && e.value == static_cast<long>(flag) && !e.text.empty()) out.push_back(e.text);
        return out;
    }
    std::vector<long> values(const std::string& op) const {
        std::vector<long> out;
        for (auto& e : sp.events())
            if (e.op == op) out.push_back(e.value);
        return out;
    }
};

}  // namespace dravlen::testing
