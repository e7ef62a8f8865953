// The way out that every wait can reach: saving and leaving, and the hand-off to the launcher.
#include "frontend/leave.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

#include "frontend/keys.h"
#include "frontend/settings.h"
#include "frontend/speech.h"

namespace fs = std::filesystem;

namespace dravlen {

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool runnable(const fs::path& p) {
    std::error_code ec;
    fs::file_status st = fs::status(p, ec);
    if (ec || !fs::is_regular_file(st)) return false;
    auto exec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (st.permissions() & exec) != fs::perms::none;
}

}  // namespace

std::string findLauncher() {
    std::error_code ec;
    fs::path here = fs::current_path(ec);
    if (ec) return "";
    // "lobbarin.exe" as the menu is named, or "lobbarin" as a Linux build of it would be; any case.
    std::vector<fs::path> exe, plain;
    for (fs::directory_iterator it(here, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = lower(it->path().filename().string());
        if (name == "lobbarin.exe" && runnable(it->path())) exe.push_back(it->path());
        if (name == "lobbarin" && runnable(it->path())) plain.push_back(it->path());
    }
    std::sort(exe.begin(), exe.end());
    std::sort(plain.begin(), plain.end());
    if (!exe.empty()) return exe.front().string();
    if (!plain.empty()) return plain.front().string();
    return "";
}

void saveAndLeave(Form& f) {
    f.leaving = true;
    printCFG(f);
    closeTranscript(f);
    say(f, " Thank you for playing Dravlen By Brannock ");
    launcherHandOff(f);
}

void launcherHandOff(Form& f) {
    f.leaving = true;
    SoundId* buffers[] = {&f.shotBuf, &f.wetBuf, &f.blizzardBuf, &f.engineBuf, &f.listBuf};
    for (SoundId* b : buffers) {
        f.p.sound.release(*b);
        *b = 0;
    }
    std::string launcher = findLauncher();
    // A launcher that is there but will not start leaves the player as lost as a missing one.
    if (launcher.empty() || !f.p.system.launch(launcher)) {
        f.p.system.beep();
        dy(f, 0.1);
        f.p.system.beep();
        dy(f, 0.1);
        say(f, "Sorry, but I could not find the Quillonwerk game menu program.");
        dy(f, 0.2);
    }
    throw GameOver();
}

}  // namespace dravlen
