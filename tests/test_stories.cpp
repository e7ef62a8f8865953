// Whole games told as stories: each tests/stories/NAME.keys (a seed and the keys a player pressed)
// is played on the scripted platform, and what the player heard is compared, line by line, with
// NAME.story: every spoken text, sound played or stopped, key, draw of the generator and the time
// it came, then the settings file. A story is read once by a person when it is written; after
// that any change in what a player hears fails here. DRAVLEN_RETELL=1 rewrites the stories (then
// read the diff before committing it).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "harness.h"

namespace dravlen::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kStories = fs::path(DRAVLEN_SOURCE_DIR) / "tests" / "stories";

struct Case {
    RunOptions options;
    std::string about;  // the first comment line
};

Case readCase(const fs::path& file) {
    Case c;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("#", 0) == 0) {
            if (c.about.empty()) c.about = line.substr(1);
            continue;
        }
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (first == "seed") {
            uint32_t s = 0;
            words >> s;
            c.options.seed = s;
        } else if (first == "voices") {
            words >> c.options.voices;
        } else {
            c.options.keys += line + "\n";
        }
    }
    return c;
}

std::string at(double t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%8.2f ", t);
    return buf;
}

// What the player heard, one line per event, with the state a sound had when it started.
std::string tell(const RunResult& r) {
    struct Buffer {
        int sound = 0;
        long volume = 0, frequency = 0, pan = 0;
    };
    std::map<int, Buffer> buffers;
    std::ostringstream out;
    for (const auto& e : r.events) {
        Buffer& b = buffers[e.id];
        if (e.op == "sound.load") {
            b = Buffer{e.sound};
        } else if (e.op == "sound.volume") {
            b.volume = e.value;
        } else if (e.op == "sound.frequency") {
            b.frequency = e.value;
        } else if (e.op == "sound.pan") {
            b.pan = e.value;
        } else if (e.op == "sound.play") {
            out << at(e.t) << "play " << b.sound << (e.value ? " looped" : "") << " volume " << b.volume
                << " pan " << b.pan << (b.frequency ? " frequency " + std::to_string(b.frequency) : "") << "\n";
        } else if (e.op == "sound.stop") {
            out << at(e.t) << "stop " << b.sound << "\n";
        } else if (e.op == "speak") {
            if (!e.text.empty()) out << at(e.t) << "say \"" << e.text << "\"\n";
        } else if (e.op == "key") {
            out << at(e.t) << "key " << e.text << "\n";
        } else if (e.op == "rnd") {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.6f", e.real);
            out << at(e.t) << "draw " << buf << "\n";
        } else if (e.op == "rate" || e.op == "volume" || e.op == "voice") {
            out << at(e.t) << "voice " << e.op << " " << e.value << "\n";
        } else if (e.op == "beep" || e.op == "message" || e.op == "launch" || e.op == "exit") {
            out << at(e.t) << e.op << (e.text.empty() ? "" : " \"" + e.text + "\"")
                << (e.op == "exit" ? " " + std::to_string(e.value) : "") << "\n";
        }
    }
    out << "ended " << (r.status == 0 ? "by the game" : "with the keys run out") << "\n";
    std::ifstream settings(r.dir + "/dravlen.cfg");
    std::string line;
    while (std::getline(settings, line)) out << "settings " << line << "\n";
    return out.str();
}

std::vector<std::string> splitLines(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string line;
    while (std::getline(in, line)) out.push_back(line);
    return out;
}

TEST(Stories, EveryStoryIsHeardAsWritten) {
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(kStories))
        if (entry.path().extension() == ".keys") cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    ASSERT_FALSE(cases.empty()) << "no stories in " << kStories;
    const bool retell = std::getenv("DRAVLEN_RETELL") != nullptr;
    for (const auto& keys : cases) {
        const Case c = readCase(keys);
        SCOPED_TRACE(keys.filename().string() + ":" + c.about);
        const std::string heard = tell(runScript(c.options));
        fs::path storyFile = keys;
        storyFile.replace_extension(".story");
        if (retell) {
            std::ofstream(storyFile) << heard;
            continue;
        }
        std::ifstream in(storyFile);
        ASSERT_TRUE(in) << "no " << storyFile << ": run with DRAVLEN_RETELL=1 and read what it wrote";
        std::ostringstream written;
        written << in.rdbuf();
        const auto want = splitLines(written.str()), got = splitLines(heard);
        size_t i = 0;
        while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
        if (i < want.size() || i < got.size()) {
            std::ostringstream context;
            for (size_t k = i >= 3 ? i - 3 : 0; k < i; ++k) context << "  " << want[k] << "\n";
            ADD_FAILURE() << storyFile.filename().string() << " line " << i + 1 << " differs\n"
                          << context.str() << "written: " << (i < want.size() ? want[i] : "(end)") << "\n"
                          << "heard:   " << (i < got.size() ? got[i] : "(end)");
        }
    }
}

}  // namespace
}  // namespace dravlen::testing
