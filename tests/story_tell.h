// Telling a whole game as a story: the run a story's .keys file asks for, and what the player
// heard, one line per event (shared by the native stories and the browser build's).
#pragma once

#include <cstdio>
#include <map>
#include <sstream>

#include "harness.h"

namespace dravlen::testing {

namespace fs = std::filesystem;

// The run a story's .keys file asks for, and its first comment line: what the story covers.
inline std::pair<RunOptions, std::string> readCase(const fs::path& file) {
    RunOptions o;
    std::string about;
    std::ifstream in(file);
    for (std::string line, first; std::getline(in, line);) {
        std::istringstream words(line);
        words >> first;
        if (line.rfind("#", 0) == 0) {
            if (about.empty()) about = line.substr(1);
        } else if (first == "seed") {
            o.seed.emplace();
            words >> *o.seed;
        } else if (first == "voices") {
            words >> o.voices;
        } else if (first == "settings") {  // a settings file left by an earlier run, a number a line
            o.dir = freshDir("-" + file.stem().string());
            std::ofstream cfg(o.dir + "/dravlen.cfg", std::ios::binary);
            for (std::string n; words >> n;) cfg << " " << n << " \r\n";
        } else {
            o.keys += line + "\n";
        }
    }
    return {o, about};
}

// What the player heard, one line per event, with the state a sound had when it started.
inline std::string tell(const RunResult& r) {
    struct Buffer { long sound = 0, volume = 0, frequency = 0, pan = 0; };
    std::map<int, Buffer> buffers;
    std::string out;
    auto put = [&out](double t, const std::string& what) {
        char at[32];
        std::snprintf(at, sizeof at, "%8.2f ", t);
        out += at + what + "\n";
    };
    auto text = [](long v) { return std::to_string(v); };
    for (const auto& e : r.events) {
        Buffer& b = buffers[e.id];
        const std::string& op = e.op;
        if (op == "sound.load") b = Buffer{e.sound};
        if (op == "sound.volume" || op == "sound.frequency" || op == "sound.pan")
            (op == "sound.volume" ? b.volume : op == "sound.pan" ? b.pan : b.frequency) = e.value;
        if (op == "sound.play")
            put(e.t, "play " + text(b.sound) + (e.value ? " looped" : "") + " volume " + text(b.volume) + " pan " +
                         text(b.pan) + (b.frequency ? " frequency " + text(b.frequency) : ""));
        if (op == "sound.stop") put(e.t, "stop " + text(b.sound));
        if (op == "speak" && !e.text.empty()) put(e.t, "say \"" + e.text + "\"");
        if (op == "key") put(e.t, "key " + e.text);
        if (op == "rnd") {
            char draw[32];
            std::snprintf(draw, sizeof draw, "draw %.6f", e.real);
            put(e.t, draw);
        }
        if (op == "rate" || op == "volume" || op == "voice") put(e.t, "voice " + op + " " + text(e.value));
        if (op == "beep" || op == "message" || op == "launch" || op == "exit")
            put(e.t, op + (e.text.empty() ? "" : " \"" + e.text + "\"") + (op == "exit" ? " " + text(e.value) : ""));
    }
    out += std::string("ended ") + (r.status == 0 ? "by the game" : "with the keys run out") + "\n";
    std::ifstream settings(r.dir + "/dravlen.cfg");  // as written, line ends and all
    for (std::string line; std::getline(settings, line);) out += "settings " + line + "\n";
    return out;
}

}  // namespace dravlen::testing
