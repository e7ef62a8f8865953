// A form and a trip on a scripted platform, for driving the front end's steps one at a time.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "frontend/form.h"
#include "harness.h"
#include "world/trip.h"

namespace dravlen::testing {

struct Rig {
    scripted::ScriptedPlatform sp;
    std::string settings = freshDir("-settings");
    std::string program = freshDir("-program");
    Platform p;
    Form f;
    Trip t;
    std::vector<std::string> echoed;  // every transcript line, in order

    explicit Rig(const std::string& keys = "", int voices = 2) : p(sp.platform()), f(p) {
        sp.setVoices(voices);
        sp.setSettingsFolder(settings);
        sp.setProgramFolder(program);
        sp.setTimeLimit(100000);
        sp.addKeys(keys);
        f.kp = settings;
        f.nov = static_cast<int16_t>(voices - 1);
        f.transcriptEcho = [this](const std::string& l) { echoed.push_back(l); };
    }
    // Sound n as a silent 16-bit mono wave file of `seconds` at `rate`.
    void sound(int n, double seconds, int rate = 22050) {
        uint32_t data = static_cast<uint32_t>(seconds * rate) * 2;
        uint32_t fmt[] = {16, 0x10001, static_cast<uint32_t>(rate), static_cast<uint32_t>(rate) * 2, 0x100002};
        std::ofstream w(program + "/dravlen" + std::to_string(n) + ".wav", std::ios::binary);
        uint32_t riff = 36 + data;
        w.write("RIFF", 4).write(reinterpret_cast<const char*>(&riff), 4).write("WAVEfmt ", 8);
        w.write(reinterpret_cast<const char*>(fmt), sizeof fmt).write("data", 4);
        w.write(reinterpret_cast<const char*>(&data), 4) << std::string(data, '\0');
    }
    // Every text handed to the engine with the given flag, in order (empty texts left out).
    std::vector<std::string> spoken(SpeakFlag flag) const {
        std::vector<std::string> out;
        for (auto& e : sp.events())
            if (e.op == "speak" && e.value == static_cast<long>(flag) && !e.text.empty()) out.push_back(e.text);
        return out;
    }
    // The values of every event `op` (of buffer `id` when given), in order.
    std::vector<long> values(const std::string& op, int id = 0) const {
        std::vector<long> out;
        for (auto& e : sp.events())
            if (e.op == op && (id == 0 || e.id == id)) out.push_back(e.value);
        return out;
    }
};

}  // namespace dravlen::testing
