// A form and a trip on a scripted platform, for driving the front end's steps one at a time.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

#include "dialogue/ending.h"
#include "dialogue/screen.h"
#include "frontend/entry.h"
#include "frontend/form.h"
#include "frontend/keys.h"
#include "frontend/settings.h"
#include "frontend/sound.h"
#include "frontend/speech.h"
#include "harness.h"
#include "world/trip.h"

namespace dravlen::testing {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Longs = std::vector<long>;

// A silent 16-bit mono wave file of `frames` frames at `rate`, its fmt chunk saying it has `fmtSize` bytes.
inline std::string waveFile(uint32_t rate, uint32_t frames, uint32_t fmtSize = 16) {
    auto le32 = [](uint32_t v) {
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(v >> (8 * i));
        return bytes;
    };
    return "RIFF" + le32(36 + frames * 2) + "WAVEfmt " + le32(fmtSize) + le32(0x10001) + le32(rate) + le32(rate * 2) +
           le32(0x100002) + "data" + le32(frames * 2) + std::string(frames * 2, '\0');
}

struct Rig {
    scripted::ScriptedPlatform sp;
    std::string settings = freshDir("-settings");
    std::string program = freshDir("-program");
    Platform p;
    Form f;
    Trip t;
    std::vector<std::string> echoed;  // every transcript line, in order

    explicit Rig(const std::string& keys = "") : p(sp.platform()), f(p) {
        sp.setVoices(2);
        sp.setSettingsFolder(settings);
        sp.setProgramFolder(program);
        sp.setTimeLimit(100000);
        sp.addKeys(keys);
        f.kp = settings;
        f.nov = 1;
        f.transcriptEcho = [this](const std::string& l) { echoed.push_back(l); };
    }
    // Sound n as a silent wave file of `seconds` at `rate`.
    void sound(int n, double seconds, int rate = 22050) {
        std::ofstream(program + "/dravlen" + std::to_string(n) + ".wav", std::ios::binary)
            << waveFile(static_cast<uint32_t>(rate), static_cast<uint32_t>(seconds * rate));
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
