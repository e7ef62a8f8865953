// The stories told again by the game compiled for the browser: the headless runner, built with
// Emscripten into build-web/, plays every tests/stories/NAME.keys under node, and what it
// recorded must tell NAME.story exactly as the native game does.
#include <cstdlib>
#include <string>

#include "../story_tell.h"

namespace dravlen::testing {
namespace {

namespace fs = std::filesystem;

// One JSON line of the runner's events file: the fields an event has, numbers and strings.
struct JsonLine {
    std::map<std::string, std::string> text;
    std::map<std::string, double> number;
};

JsonLine parseLine(const std::string& s) {
    JsonLine out;
    size_t i = 0;
    auto skip = [&] { while (i < s.size() && (s[i] == ' ' || s[i] == ',' || s[i] == '{' || s[i] == '}')) ++i; };
    auto str = [&] {
        std::string v;
        ++i;  // the opening quote
        while (i < s.size() && s[i] != '"') {
            if (s[i] == '\\' && i + 1 < s.size()) {
                char c = s[++i];
                if (c == 'n') v += '\n';
                else if (c == 'r') v += '\r';
                else if (c == 't') v += '\t';
                else if (c == 'u') {
                    v += static_cast<char>(std::stoi(s.substr(i + 1, 4), nullptr, 16));
                    i += 4;
                } else v += c;
            } else {
                v += s[i];
            }
            ++i;
        }
        ++i;  // the closing quote
        return v;
    };
    for (skip(); i < s.size(); skip()) {
        std::string key = str();
        ++i;  // the colon
        if (s[i] == '"') {
            out.text[key] = str();
        } else {
            size_t end = s.find_first_of(",}", i);
            std::string v = s.substr(i, end - i);
            out.number[key] = v == "true" ? 1 : v == "false" ? 0 : std::strtod(v.c_str(), nullptr);
            i = end;
        }
    }
    return out;
}

// The events the runner wrote, as the in-process platform records them. A folded fade or glide
// stands for its last step, the only one a story tells; the runner's own exit record is dropped.
std::vector<scripted::Event> readEvents(const std::string& path) {
    std::vector<scripted::Event> events;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        JsonLine j = parseLine(line);
        scripted::Event e;
        e.t = j.number["t"];
        e.op = j.text["op"];
        e.id = static_cast<int>(j.number["id"]);
        e.sound = static_cast<int>(j.number["sound"]);
        for (const char* k : {"text", "file", "program", "token"})
            if (j.text.count(k)) e.text = j.text[k];
        for (const char* k : {"flags", "value", "looped", "status", "to"})
            if (j.number.count(k)) e.value = static_cast<long>(j.number[k]);
        if (e.op == "rnd") e.real = j.number["value"];
        events.push_back(e);
    }
    if (!events.empty() && events.back().op == "exit") events.pop_back();
    return events;
}

std::string shellQuoted(const std::string& s) { return "'" + s + "'"; }

TEST(WebStories, TheGameCompiledForTheBrowserTellsEveryStoryAsTheNativeOne) {
    const fs::path web = DRAVLEN_WEB_BUILD_DIR;
    ASSERT_TRUE(fs::exists(web / "dravlen-script.js"))
        << "no browser build in " << web << ": scripts/web.sh build makes it";
    // The runner finds the sound pack beside its script, as the native one beside its program.
    const std::string program = freshDir("-program");
    for (const auto& f : fs::directory_iterator(DRAVLEN_BUILD_DIR))
        if (f.path().extension() == ".wav") fs::create_symlink(f.path(), fs::path(program) / f.path().filename());
    for (const char* f : {"dravlen-script.js", "dravlen-script.wasm"}) fs::create_symlink(web / f, fs::path(program) / f);

    const fs::path stories = fs::path(DRAVLEN_SOURCE_DIR) / "tests" / "stories";
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(stories))
        if (entry.path().extension() == ".keys") cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    ASSERT_GE(cases.size(), 10u);
    for (const auto& keys : cases) {
        const auto [options, about] = readCase(keys);
        SCOPED_TRACE(keys.filename().string() + ":" + about);
        RunResult r;
        r.dir = options.dir.empty() ? freshDir("-" + keys.stem().string()) : options.dir;
        const std::string keysFile = r.dir + "/keys.txt", eventsFile = r.dir + "/events.jsonl";
        std::ofstream(keysFile) << options.keys;
        const std::string command = "cd " + shellQuoted(r.dir) + " && node --no-experimental-fetch " +
                                    shellQuoted(program + "/dravlen-script.js") + " --seed " +
                                    std::to_string(*options.seed) + " --voices " + std::to_string(options.voices) +
                                    " --keys-file keys.txt --dir . --events events.jsonl";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << command;
        r.status = WEXITSTATUS(status);
        ASSERT_TRUE(r.status == 0 || r.status == 3) << command << " ended with " << r.status;
        fs::remove(keysFile);
        r.events = readEvents(eventsFile);
        fs::remove(eventsFile);
        std::ostringstream written;
        written << std::ifstream(fs::path(keys).replace_extension(".story")).rdbuf();
        EXPECT_EQ(written.str(), tell(r)) << keys.stem().string() << " differs in the browser build";
    }
}

}  // namespace
}  // namespace dravlen::testing
