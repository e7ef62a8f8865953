// The house's shape: every include under src/ runs down the order of rooms the README states.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

struct Include { std::string file, target; bool angled; };  // file relative to src/

// Every fault in the includes of one tree, one line each, naming the file. `order`: the rooms, top to bottom.
Lines layoutFaults(const Lines& order, const std::vector<Include>& includes, const Lines& files) {
    auto roomOf = [](const std::string& path) { return path.substr(0, path.find('/')); };
    auto rank = [&](const std::string& p) { return std::find(order.begin(), order.end(), roomOf(p)) - order.begin(); };
    const auto none = std::ssize(order);
    const std::regex library(
        "(SDL|AL/|al\\.h|alc\\.h|alext\\.h|efx\\.h|sndfile|espeak|libspeechd|speech-dispatcher/|X11/|emscripten).*");
    Lines faults;
    for (const std::string& file : files)
        if (rank(file) == none) faults.push_back(file + ": room '" + roomOf(file) + "' is not in the order");
    for (const Include& inc : includes) {
        const std::string& to = inc.target;
        const bool wiring = inc.file == "app/main_desktop.cpp" || inc.file == "app/main_script.cpp" ||
                            inc.file == "app/main_web.cpp";
        // Only the real platforms may use the libraries behind them; Emscripten's own header
        // also the scripted platform, which asks node where its script lies when built for it.
        const bool realPlatform = inc.file.rfind("platform/desktop/", 0) == 0 || inc.file.rfind("platform/web/", 0) == 0 ||
                                  (inc.file.rfind("platform/", 0) == 0 && to.rfind("emscripten", 0) == 0);
        if (inc.angled) {
            if (std::regex_match(to, library) && !realPlatform)
                faults.push_back(inc.file + ": includes the library header <" + to + ">");
        } else if (wiring && to.rfind("soundgen/", 0) == 0) {
            // the browser's main also wires in the sound generator (tools/soundgen)
        } else if (rank(to) == none) {
            faults.push_back(inc.file + ": includes \"" + to + "\" from a room not in the order");
        } else if (rank(to) < rank(inc.file)) {
            faults.push_back(inc.file + ": includes \"" + to + "\", which runs up from '" + roomOf(inc.file) +
                             "' to '" + roomOf(to) + "'");
        }
        const bool concrete = to.rfind("platform/desktop/", 0) == 0 || to.rfind("platform/scripted/", 0) == 0 ||
                              to.rfind("platform/web/", 0) == 0;
        if (concrete && roomOf(inc.file) != "platform" && !wiring)
            faults.push_back(inc.file + ": includes the concrete platform \"" + to + "\"");
    }
    return faults;
}

TEST(Layout, EveryIncludeRunsDownTheOrderOfRooms) {
    const fs::path source = DRAVLEN_SOURCE_DIR;
    // The order of rooms as the README's layout section states it on one line: `app` → `road` → ... → `platform`.
    Lines order;
    std::ifstream readme(source / "README.md");
    const std::regex room("`([a-z]+)`"), directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    for (std::string line; order.size() < 3 && std::getline(readme, line);) {
        order.clear();
        if (line.find("→") != std::string::npos)
            for (std::sregex_iterator it(line.begin(), line.end(), room), end; it != end; ++it)
                order.push_back((*it)[1]);
    }
    ASSERT_EQ(order, (Lines{"app", "road", "stops", "dialogue", "frontend", "world", "platform"}))
        << "the README's layout section must state the order of rooms on one line";
    Lines files;
    std::vector<Include> includes;
    for (const auto& entry : fs::recursive_directory_iterator(source / "src")) {
        if (!entry.is_regular_file()) continue;
        files.push_back(fs::relative(entry.path(), source / "src").generic_string());
        std::ifstream in(entry.path());
        std::smatch m;
        for (std::string line; std::getline(in, line);)
            if (std::regex_search(line, m, directive)) includes.push_back({files.back(), m[2], m[1] == "<"});
    }
    EXPECT_EQ(layoutFaults(order, includes, files), Lines{});
}

TEST(Layout, TheCheckNamesEachKindOfFault) {
    const std::vector<Include> includes{
        {"world/clock.cpp", "road/trip.h", false},               // runs up
        {"road/hour.cpp", "world/trip.h", false},                // runs down: fine
        {"road/hour.cpp", "SDL2/SDL.h", true},                   // a library in the game
        {"platform/desktop/audio.cpp", "AL/al.h", true},         // a library where it belongs
        {"road/hour.cpp", "platform/desktop/desktop.h", false},  // a concrete platform outside main
        {"app/main_desktop.cpp", "platform/desktop/desktop.h", false},
        {"dialogue/screen.cpp", "emscripten.h", true},            // the browser's library in the game
        {"platform/web/web.cpp", "emscripten/html5.h", true},     // where it belongs
        {"frontend/sound.cpp", "soundgen/sounds.h", false},       // the generator outside a main
        {"road/hour.cpp", "attic/old.h", false},                 // a room nobody named
    };
    EXPECT_EQ(layoutFaults({"app", "road", "world", "platform"}, includes, {"road/hour.cpp", "attic/old.h"}),
              (Lines{"attic/old.h: room 'attic' is not in the order",
                     "world/clock.cpp: includes \"road/trip.h\", which runs up from 'world' to 'road'",
                     "road/hour.cpp: includes the library header <SDL2/SDL.h>",
                     "road/hour.cpp: includes the concrete platform \"platform/desktop/desktop.h\"",
                     "dialogue/screen.cpp: includes the library header <emscripten.h>",
                     "frontend/sound.cpp: includes \"soundgen/sounds.h\" from a room not in the order",
                     "road/hour.cpp: includes \"attic/old.h\" from a room not in the order"}));
}

}  // namespace
