// dravlen-script: the whole game run headless on the scripted platform, from a seed and a list of keys.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "app/game.h"
#include "platform/scripted/scripted.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kKeysRanOut = 3;

const char* kUsage =
    "usage: dravlen-script [--seed N] [--keys \"TOKENS\" | --keys-file FILE | --keys -]\n"
    "                      [--dir DIR] [--voices N] [--events FILE] [--help]\n"
    "\n"
    "Runs the whole game headless on a virtual clock.\n"
    "  --seed N        seed the random generator with N instead of the time of day\n"
    "  --keys TOKENS   the keys, separated by blanks; --keys-file FILE reads them from a file;\n"
    "                  --keys - reads one token line at every key wait (after a line \"#key\")\n"
    "                  and echoes every transcript line to standard output\n"
    "  --dir DIR       the settings folder (settings file and dravlog.txt); default: here\n"
    "  --voices N      how many voices the speech engine reports (default 2; 0: none)\n"
    "  --events FILE   write every platform call as one JSON object per line\n"
    "Tokens: a-z 0-9 kp0-kp9 enter esc up down left right space bksp tab shift ctrl alt\n"
    "        comma period f1-f12; a leading ! delivers the key at the very next yield.\n"
    "Exit status: 0 the game came to its end; 3 the keys ran out; 2 usage error.\n";

int usageError(const std::string& message) {
    std::fprintf(stderr, "dravlen-script: %s\n%s", message.c_str(), kUsage);
    return kUsageError;
}

bool parseWhole(const std::string& s, long long lo, long long hi, long long* out) {
    if (s.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(s.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < lo || v > hi) return false;
    *out = v;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace dravlen;
    scripted::ScriptedPlatform sp;
    GameOptions options;
    std::string eventsPath;
    std::string keysText;
    int keySources = 0;
    bool interactive = false;

    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        auto value = [&](std::string* out) {
            if (i + 1 >= argc) return false;
            *out = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--seed") {
            long long n;
            if (!value(&v) || !parseWhole(v, -2147483648LL, 4294967295LL, &n))
                return usageError("--seed needs a whole number");
            options.seed = static_cast<uint32_t>(n);
        } else if (a == "--keys") {
            if (!value(&v)) return usageError("--keys needs the tokens, or - for standard input");
            ++keySources;
            if (v == "-")
                interactive = true;
            else
                keysText = v;
        } else if (a == "--keys-file") {
            if (!value(&v)) return usageError("--keys-file needs a file");
            ++keySources;
            std::ifstream in(v);
            if (!in) return usageError("cannot read the keys file " + v);
            std::ostringstream all;
            all << in.rdbuf();
            keysText = all.str();
        } else if (a == "--dir") {
            if (!value(&v)) return usageError("--dir needs a folder");
            sp.setSettingsFolder(v);
        } else if (a == "--voices") {
            long long n;
            if (!value(&v) || !parseWhole(v, 0, 1000, &n)) return usageError("--voices needs a count from 0");
            sp.setVoices(static_cast<int>(n));
        } else if (a == "--events") {
            if (!value(&v)) return usageError("--events needs a file");
            eventsPath = v;
        } else {
            return usageError("unknown argument " + a);
        }
    }
    if (keySources > 1) return usageError("give the keys only once");

    std::string bad;
    auto keys = scripted::parseTokens(keysText, &bad);
    if (!keys) return usageError("unknown key token " + bad);
    sp.addKeys(*keys);

    if (interactive) {
        sp.moreKeys = []() -> std::optional<std::vector<scripted::Key>> {
            for (;;) {
                std::fputs("#key\n", stdout);
                std::fflush(stdout);
                std::string line;
                if (!std::getline(std::cin, line)) return std::nullopt;
                std::string badToken;
                auto more = scripted::parseTokens(line, &badToken);
                if (!more) {
                    std::fprintf(stderr, "dravlen-script: unknown key token %s\n", badToken.c_str());
                    continue;
                }
                if (!more->empty()) return more;
            }
        };
        options.onTranscriptLine = [](const std::string& line) {
            std::fputs(line.c_str(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        };
    }
    options.onRandom = [&sp](double v) { sp.recordRandom(v); };
    // A batch run writes its transcript in blocks; an interactive one, whose reader may look at
    // the file between keys, line by line.
    if (!interactive) options.transcriptHold = 64 * 1024;

    // Events stream to their file as they happen; without --events nothing is kept at all.
    std::ofstream eventsFile;
    std::optional<scripted::EventWriter> writer;
    if (!eventsPath.empty()) {
        eventsFile.open(eventsPath, std::ios::binary | std::ios::trunc);
        if (!eventsFile) {
            std::fprintf(stderr, "dravlen-script: cannot write the events file %s\n", eventsPath.c_str());
            return 1;
        }
        writer.emplace(eventsFile);
        sp.streamEvents([&writer](const scripted::Event& e) { writer->add(e); }, false);
    } else {
        sp.streamEvents(nullptr, false);
    }

    int status = 0;
    try {
        Platform platform = sp.platform();
        runGame(platform, options);
    } catch (const KeysExhausted&) {
        status = kKeysRanOut;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dravlen-script: the game failed: %s\n", e.what());
        status = 1;
    }
    sp.record("exit", "", status);

    if (writer) {
        writer->finish();
        eventsFile.flush();
        if (!eventsFile) {
            std::fprintf(stderr, "dravlen-script: cannot write the events file %s\n", eventsPath.c_str());
            if (status == 0) status = 1;
        }
    }
    return status;
}
