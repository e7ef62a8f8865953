#include "random_games.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>

#include "app/game.h"
#include "platform/scripted/scripted.h"

namespace fs = std::filesystem;

namespace dravlen::randomgames {

namespace {

// The keys the game uses, weighted toward the answers it asks for, then the special keys and a
// few it never asks for.
struct Weighted {
    const char* token;
    int weight;
};
constexpr Weighted kKeys[] = {
    {"enter", 30}, {"y", 10}, {"n", 10}, {"up", 8}, {"down", 8}, {"esc", 3}, {"ctrl", 2}, {"f1", 2},
    {"f2", 2}, {"f3", 2}, {"f4", 1}, {"f5", 2}, {"f12", 1}, {"0", 3}, {"1", 4}, {"2", 4}, {"3", 3},
    {"4", 4}, {"5", 3}, {"6", 2}, {"7", 2}, {"8", 3}, {"9", 3}, {"kp5", 1}, {"bksp", 2}, {"shift", 1},
    {"comma", 1}, {"period", 1}, {"m", 1}, {"s", 1}, {"r", 1}, {"f", 1}, {"p", 1}, {"x", 1},
    {"space", 1}, {"left", 1}, {"tab", 1}, {"!enter", 1}, {"!esc", 1},
};

std::string randomKey(std::mt19937& gen) {
    static const int total = [] {
        int n = 0;
        for (auto& k : kKeys) n += k.weight;
        return n;
    }();
    int pick = static_cast<int>(gen() % static_cast<unsigned>(total));
    for (auto& k : kKeys) {
        if (pick < k.weight) return k.token;
        pick -= k.weight;
    }
    return "enter";
}

bool has(const std::string& line, const char* part) { return line.find(part) != std::string::npos; }
bool starts(const std::string& line, const char* part) { return line.rfind(part, 0) == 0; }

std::string trim(const std::string& s) {
    const size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

bool menuItem(const std::string& line) {
    static const char* kItems[] = {"yes", "no", "new", "retread", "1 oranges", "2 freight", "3 U S mail",
                                   "freight liner", "international", "kenworth", "mac", "peter built",
                                   "northern", "middle", "southern"};
    const std::string t = trim(line);
    return std::find(std::begin(kItems), std::end(kItems), t) != std::end(kItems);
}

std::string digitsOf(long n) {
    std::string out;
    for (char c : std::to_string(n)) out += std::string(1, c) + " ";
    return out;
}

// A driver who listens: a cargo, a load, a route and a speed drawn at the start, stops at night or
// when tired to sleep and fill the tank, and otherwise answers what is asked.
struct Driver {
    std::mt19937& gen;
    int cargo, speed, limit = 55;
    std::string route;
    double fuel = 190;
    bool night = false, tired = false, resting = false;

    explicit Driver(std::mt19937& g) : gen(g) {
        cargo = 1 + static_cast<int>(gen() % 3);
        route = std::string(1, "nms"[gen() % 3]);
        speed = 40 + static_cast<int>(gen() % 45);
    }

    void hear(const std::string& l) {
        if (starts(l, " Time: ")) {
            const int hour = std::atoi(l.c_str() + 7);
            night = (has(l, "P.M.") && hour >= 8) || has(l, "Midnight") || (has(l, "A.M.") && hour < 6);
        } else if (starts(l, " Approximate fuel ")) {
            fuel = std::atof(l.c_str() + 18);
        } else if (starts(l, " You are feeling ")) {
            tired = !(has(l, "rested") || has(l, "fine"));
        } else if (starts(l, " You have just past ")) {
            limit = 55;
        } else if (has(l, "speed limit 35 MPH")) {
            limit = 35;
        } else if (has(l, "with 45 MPH limit")) {
            limit = 45;
        }
    }

    std::string answer(const std::string& q) {
        if (has(q, "reed the")) return "n";
        if (has(q, "Which type of cargo")) return std::to_string(cargo) + " enter";
        if (has(q, "How many pounds")) return digitsOf(25000 + static_cast<long>(gen() % 30000)) + "enter";
        if (has(q, "Is this correct?")) return "y";
        if (has(q, "Which truck")) return "enter";
        if (has(q, "Do you want replacements?")) return gen() % 2 ? "y" : "n";
        if (has(q, "Which route")) return route + " enter";
        if (has(q, "How fast do you wish to go?")) return digitsOf(limit < 55 && gen() % 2 ? limit : speed);
        if (has(q, "Truck stop ahead.")) {
            resting = night || tired || fuel < 60;
            return resting ? "y" : "n";
        }
        if (has(q, "How many gallons")) return digitsOf(std::max(0L, std::lround(200 - fuel))) + "enter";
        if (has(q, "Do you want to buy a tire?")) return "y";
        if (has(q, "Do you want to get some sleep?")) return resting ? "y" : "n";
        if (has(q, "How many hours of rest")) return digitsOf(1 + static_cast<long>(gen() % 10)) + "enter";
        if (has(q, "Do you want to buy more?")) return gen() % 2 ? "y" : "n";
        if (has(q, "exit game?")) return "n";
        if (has(q, "press any key")) return "x";
        return "enter";
    }
};

std::optional<std::string> readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// CRLF lines only, no NUL, and the game's first line first.
void checkTranscript(const fs::path& path, GameReport& report) {
    auto text = readAll(path);
    if (!text) return report.faults.push_back("no transcript");
    if (text->find('\0') != std::string::npos) report.faults.push_back("NUL in the transcript");
    if (text->rfind("Dravlen. version 3\r\n", 0) != 0) report.faults.push_back("transcript does not begin with the title");
    for (size_t at = text->find('\n'); at != std::string::npos; at = text->find('\n', at + 1))
        if (at == 0 || (*text)[at - 1] != '\r') return report.faults.push_back("a transcript line without CRLF");
    if (!text->empty() && text->back() != '\n') report.faults.push_back("the transcript ends inside a line");
}

// Untouched (as it was before the game), or four lines each holding a number.
void checkSettings(const fs::path& path, const std::optional<std::string>& before, GameReport& report) {
    auto after = readAll(path);
    if (after == before) return;
    if (!after) return report.faults.push_back("the settings file vanished");
    int lines = 0;
    std::istringstream in(*after);
    for (std::string line; std::getline(in, line); ++lines) {
        char* end = nullptr;
        std::strtod(line.c_str(), &end);
        if (line.empty() || end == line.c_str() || line.back() != '\r') return report.faults.push_back("a settings line is not a number");
    }
    if (lines != 4) report.faults.push_back("the settings file has " + std::to_string(lines) + " lines");
}

}  // namespace

GameReport playGame(const GameSetup& game) {
    GameReport report;
    std::mt19937 gen(game.seed * 2654435761u + (game.steered ? 1 : 0));
    const fs::path dir = game.folder;
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir, ec);
    // One game in four starts from a settings file of its own.
    std::optional<std::string> settingsBefore;
    if (gen() % 4 == 0) {
        settingsBefore = std::to_string(gen() % 3) + " \r\n" + std::to_string(static_cast<int>(gen() % 11) - 5) +
                         " \r\n 80 \r\n-" + std::to_string(gen() % 3000) + " \r\n";
        std::ofstream(dir / "dravlen.cfg", std::ios::binary) << *settingsBefore;
    }

    scripted::ScriptedPlatform sp;
    sp.streamEvents(nullptr, false);
    // Now and then no voice at all: the game says so in a message and ends before its transcript.
    const int voices = gen() % 50 == 0 ? 0 : 1 + static_cast<int>(gen() % 2);
    sp.setVoices(voices);
    sp.setSettingsFolder(dir.string());
    sp.setProgramFolder(game.programFolder);
    sp.setTimeLimit(kMostSeconds);

    GameOptions options;
    options.seed = game.seed;
    std::vector<std::string> said;
    options.onTranscriptLine = [&](const std::string& l) {
        said.push_back(l);
        if (starts(l, " Truck stop ahead.")) ++report.truckStops;
        if (starts(l, " Smokey is behind you")) ++report.policeStops;
        if (starts(l, "     Trip expenses totaled")) ++report.settlements;
    };

    std::optional<Driver> driver;
    if (game.steered) driver.emplace(gen);
    size_t heard = 0;
    int turns = 0;
    const int mostTurns = game.steered ? 6000 : 0;
    if (game.steered) {
        sp.moreKeys = [&]() -> std::optional<std::vector<scripted::Key>> {
            for (; heard < said.size(); ++heard) driver->hear(said[heard]);
            if (++turns > mostTurns) return std::nullopt;
            std::string keys;
            if (gen() % 20 == 0) {
                for (int i = 1 + static_cast<int>(gen() % 3); i > 0; --i) keys += randomKey(gen) + " ";
            } else {
                auto q = std::find_if(said.rbegin(), said.rend(),
                                      [](const std::string& l) { return !trim(l).empty() && !menuItem(l); });
                keys = driver->answer(q == said.rend() ? "" : *q);
            }
            return scripted::parseTokens(keys);
        };
    } else {
        std::string keys;
        for (int i = 50 + static_cast<int>(gen() % 600); i > 0; --i) keys += randomKey(gen) + " ";
        sp.addKeys(keys);
    }

    const fs::path oldCwd = fs::current_path(ec);
    fs::current_path(dir, ec);
    try {
        Platform p = sp.platform();
        runGame(p, options);
        report.ended = true;
    } catch (const KeysExhausted&) {
    } catch (const std::exception& e) {
        report.faults.push_back(std::string("the game threw: ") + e.what());
    }
    fs::current_path(oldCwd, ec);

    report.seconds = sp.now();
    const scripted::YieldCounts y = sp.yields();
    report.yields = y.yields;
    report.longestLookRun = y.longestLookRun;
    if (report.seconds > kMostSeconds) report.faults.push_back("ran past the time bound");
    if (y.yields > kMostYields) report.faults.push_back("yielded past the bound");
    if (y.longestLookRun > kMostLooksInARow)
        report.faults.push_back("a wait spun: " + std::to_string(y.longestLookRun) + " looks in a row");
    if (voices > 0) checkTranscript(dir / "dravlog.txt", report);
    checkSettings(dir / "dravlen.cfg", settingsBefore, report);
    return report;
}

}  // namespace dravlen::randomgames
