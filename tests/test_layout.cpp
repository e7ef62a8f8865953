// The house's shape: every include under src/ runs down the order of rooms the README states.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = DRAVLEN_SOURCE_DIR;

// The order of rooms, top to bottom, as the README's layout section states it on one line:
// `app` → `road` → ... → `platform`.
std::vector<std::string> roomOrder() {
    std::ifstream readme(kSource / "README.md");
    std::string line;
    const std::regex room("`([a-z]+)`");
    while (std::getline(readme, line)) {
        if (line.find("→") == std::string::npos) continue;
        std::vector<std::string> order;
        for (std::sregex_iterator it(line.begin(), line.end(), room), end; it != end; ++it)
            order.push_back((*it)[1]);
        if (order.size() > 2) return order;
    }
    return {};
}

struct Include {
    std::string file;  // relative to src/
    std::string target;
    bool angled;
};

std::vector<Include> includesUnder(const fs::path& root) {
    std::vector<Include> out;
    const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            std::smatch m;
            if (std::regex_search(line, m, directive))
                out.push_back({fs::relative(entry.path(), root).generic_string(), m[2], m[1] == "<"});
        }
    }
    return out;
}

std::string roomOf(const std::string& path) { return path.substr(0, path.find('/')); }

// Headers of the libraries only the desktop platform may use.
bool libraryHeader(const std::string& target) {
    static const char* kPrefixes[] = {"SDL", "AL/", "al.h", "alc.h", "alext.h", "efx.h", "sndfile",
                                      "espeak", "libspeechd", "speech-dispatcher/", "X11/"};
    return std::any_of(std::begin(kPrefixes), std::end(kPrefixes),
                       [&](const char* p) { return target.rfind(p, 0) == 0; });
}

// Every fault in the includes of one tree, one line each, naming the file.
std::vector<std::string> layoutFaults(const std::vector<std::string>& order, const std::vector<Include>& includes,
                                      const std::vector<std::string>& files) {
    std::vector<std::string> faults;
    auto rank = [&](const std::string& room) {
        auto it = std::find(order.begin(), order.end(), room);
        return it == order.end() ? -1 : static_cast<int>(it - order.begin());
    };
    for (const std::string& file : files)
        if (rank(roomOf(file)) < 0) faults.push_back(file + ": room '" + roomOf(file) + "' is not in the order");
    for (const Include& inc : includes) {
        const std::string from = roomOf(inc.file);
        if (inc.angled) {
            if (libraryHeader(inc.target) && inc.file.rfind("platform/desktop/", 0) != 0)
                faults.push_back(inc.file + ": includes the library header <" + inc.target + ">");
            continue;
        }
        const std::string to = roomOf(inc.target);
        if (rank(to) < 0) {
            faults.push_back(inc.file + ": includes \"" + inc.target + "\" from a room not in the order");
        } else if (rank(to) < rank(from)) {
            faults.push_back(inc.file + ": includes \"" + inc.target + "\", which runs up from '" + from + "' to '" +
                             to + "'");
        }
        const bool concrete = inc.target.rfind("platform/desktop/", 0) == 0 || inc.target.rfind("platform/scripted/", 0) == 0;
        const bool wiring = inc.file == "app/main_desktop.cpp" || inc.file == "app/main_script.cpp";
        if (concrete && from != "platform" && !wiring)
            faults.push_back(inc.file + ": includes the concrete platform \"" + inc.target + "\"");
    }
    return faults;
}

std::vector<std::string> filesUnder(const fs::path& root) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root).generic_string());
    return files;
}

TEST(Layout, EveryIncludeRunsDownTheOrderOfRooms) {
    const auto order = roomOrder();
    ASSERT_EQ(order, (std::vector<std::string>{"app", "road", "stops", "dialogue", "frontend", "world", "platform"}))
        << "the README's layout section must state the order of rooms on one line";
    const auto faults = layoutFaults(order, includesUnder(kSource / "src"), filesUnder(kSource / "src"));
    std::ostringstream all;
    for (const auto& f : faults) all << "\n  " << f;
    EXPECT_TRUE(faults.empty()) << all.str();
}

TEST(Layout, TheCheckNamesEachKindOfFault) {
    const std::vector<std::string> order{"app", "road", "world", "platform"};
    const std::vector<Include> includes{
        {"world/clock.cpp", "road/trip.h", false},             // runs up
        {"road/hour.cpp", "world/trip.h", false},              // runs down: fine
        {"road/hour.cpp", "SDL2/SDL.h", true},                 // a library in the game
        {"platform/desktop/audio.cpp", "AL/al.h", true},       // a library where it belongs
        {"road/hour.cpp", "platform/desktop/desktop.h", false},  // a concrete platform outside main
        {"app/main_desktop.cpp", "platform/desktop/desktop.h", false},
        {"road/hour.cpp", "attic/old.h", false},               // a room nobody named
    };
    const auto faults = layoutFaults(order, includes, {"road/hour.cpp", "attic/old.h"});
    const std::vector<std::string> expected{
        "attic/old.h: room 'attic' is not in the order",
        "world/clock.cpp: includes \"road/trip.h\", which runs up from 'world' to 'road'",
        "road/hour.cpp: includes the library header <SDL2/SDL.h>",
        "road/hour.cpp: includes the concrete platform \"platform/desktop/desktop.h\"",
        "road/hour.cpp: includes \"attic/old.h\" from a room not in the order",
    };
    EXPECT_EQ(faults, expected);
}

}  // namespace
