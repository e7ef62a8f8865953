// Voice, rate and volume settings: the adjusters, the voice chooser and the settings file.
#include "frontend/settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "frontend/keys.h"
#include "frontend/sound.h"
#include "frontend/speech.h"
#include "platform/files.h"
#include "world/numbers.h"

namespace fs = std::filesystem;

namespace dravlen {

namespace {

constexpr const char* kSettingsName = "dravlen.cfg";

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string currentFolder() {
    std::error_code ec;
    fs::path p = fs::current_path(ec);
    return ec ? std::string(".") : p.string();
}

std::string cfgNumber(double x) { return number(x) + " \r\n"; }

// A settings file's numbers as read from its path (none when it is no regular file).
std::vector<double> readNumbers(const fs::path& path) {
    std::optional<std::string> content = readRegularFile(path.string(), 4096);
    return content ? settingsNumbers(std::move(*content)) : std::vector<double>{};
}

}  // namespace

std::vector<double> settingsNumbers(std::string text) {
    std::vector<double> out;
    for (char& c : text)
        if (c == ',' || c == '\r' || c == '\n' || c == '\t') c = ' ';
    std::istringstream words(text);
    std::string w;
    while (words >> w) {
        const char* s = w.c_str();
        char* end = nullptr;
        double v = std::strtod(s, &end);
        if (end == s || *end != '\0' || !std::isfinite(v)) break;
        out.push_back(v);
    }
    return out;
}

void applyNumbers(Form& f, const std::vector<double>& v, size_t count) {
    for (size_t i = 0; i < v.size() && i < count; ++i) {
        double x = v[i];
        switch (i) {
            case 0:
                if (rounded(x) >= -32768 && rounded(x) <= 32767) f.nv = static_cast<int16_t>(rounded(x));
                break;
            case 1:
                if (x >= -32768 && x <= 32767) f.vr = x;
                break;
            case 2:
                f.vv = std::clamp(x, 0.0, 100.0);
                break;
            case 3:
                f.wavol = std::clamp(x, -10000.0, 0.0);
                break;
        }
    }
}

std::string settingsText(const Form& f) {
    return cfgNumber(f.nv) + cfgNumber(f.vr) + cfgNumber(f.vv) + cfgNumber(f.wavol);
}

int engineInt(double x) {
    if (!std::isfinite(x)) return 0;
    return static_cast<int>(rounded(std::clamp(x, -1e9, 1e9)));
}

std::string findAnyCase(const std::string& folder, const std::string& lowerName) {
    std::error_code ec;
    fs::path exact = fs::path(folder) / lowerName;
    if (fs::exists(exact, ec)) return exact.string();
    std::vector<std::string> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (lower(it->path().filename().string()) == lowerName) found.push_back(it->path().string());
    if (found.empty()) return "";
    std::sort(found.begin(), found.end());
    return found.front();
}

void getkp(Form& f) {
    // The folder comes straight from the platform: no shell object to wait on, so no yield here,
    // and a key pressed at start-up first meets the opening sound.
    std::string p = f.p.system.settingsFolder();
    if (p.empty()) {
        f.kp = currentFolder();
        return;
    }
    f.kp = p;
    std::error_code ec;
    if (!fs::is_directory(f.kp, ec)) fs::create_directories(f.kp, ec);
}

void readSettings(Form& f) {
    std::string legacy = findAnyCase(currentFolder(), kSettingsName);
    if (!legacy.empty()) applyNumbers(f, readNumbers(legacy), 2);
    std::string own = findAnyCase(f.kp, kSettingsName);
    if (!own.empty()) applyNumbers(f, readNumbers(own), 4);
}

void applySettings(Form& f) {
    f.p.speech.selectVoice(f.nv);  // a voice that no longer exists leaves the current one
    f.p.speech.setRate(engineInt(f.vr));
    f.p.speech.setVolume(engineInt(f.vv));
}

void printCFG(Form& f) {
    // Written beside the old file and renamed over it, so an interrupted write never leaves a
    // broken settings file behind.
    std::string target = findAnyCase(f.kp, kSettingsName);
    if (target.empty()) target = (fs::path(f.kp) / kSettingsName).string();
    std::string temp = target + ".tmp";
    std::error_code ec;
    if (!writeRegularFile(temp, settingsText(f))) {
        // Only a file of our own making is cleared away; something else by that name stays.
        if (fs::is_regular_file(fs::symlink_status(temp, ec))) fs::remove(temp, ec);
        return;
    }
    fs::rename(temp, target, ec);
    if (ec) fs::remove(temp, ec);
}

namespace {

std::string rateText(double vr) {
    std::string s = number(vr);
    if (!s.empty() && s[0] == ' ') s.erase(0, 1);
    return s;
}

void keyWaitOnG(Form& f) {
    f.g.clear();
    while (f.g.empty()) yieldOnce(f, WaitKind::key, noDeadline);
}

}  // namespace

void adjrate(Form& f) {
    for (;;) {
        clk(f);
        f.p.speech.setRate(engineInt(f.vr));
        f.p.speech.speak("to adjust the speech rate, use the arrow keys and then press enter", SpeakFlag::async);
        f.p.speech.speak(rateText(f.vr), SpeakFlag::async);
        for (;;) {
            keyWaitOnG(f);
            if (f.g == "38" || f.g == "40") {
                f.vr += f.g == "38" ? 1 : -1;
                f.p.speech.setRate(engineInt(f.vr));
                f.p.speech.speak("", SpeakFlag::purge);
                f.p.speech.speak(rateText(f.vr), SpeakFlag::async);
                continue;
            }
            if (f.g == "13") {
                clk(f);
                dy(f, 0.4);
                f.p.speech.speak("", SpeakFlag::sync);
                return;
            }
            break;  // any other key: the instructions again
        }
    }
}

namespace {

const char* kVolumeEnd = "  Press enter when you have the volume set the way that you want it. ";

// The sound-volume half of the adjuster; the sample, sound 30, is in the one-shot buffer.
void adjustSoundVolume(Form& f) {
    clk(f);
    if (f.shotBuf) f.p.sound.release(f.shotBuf);
    f.shotBuf = f.p.sound.load(soundPath(f, 30));
    f.p.sound.setPosition(f.shotBuf, 0);
    int own = f.p.sound.frequency(f.shotBuf);
    if (own > 0 && own < 32767) {
        f.fq = static_cast<int16_t>(own + 1);
        f.p.sound.setFrequency(f.shotBuf, f.fq);
    }
    f.p.sound.setVolume(f.shotBuf, engineInt(f.wavol));
    f.p.sound.play(f.shotBuf, false);
    dy(f, 3);
    f.p.sound.stop(f.shotBuf);

    bool speak = true;    // step 8: the instructions
    bool waitKey = true;  // step 9: a fresh key through getkey
    for (;;) {
        if (speak) {
            say2(f, std::string(" use the up and down arrow keys to adjust the volume of the sounds. ") + kVolumeEnd);
            speak = false;
        }
        if (waitKey) getkey(f);
        waitKey = true;
        stopspeech(f);
        if (f.g == "13") break;
        if (f.g == "38" || f.g == "40") {
            if (f.g == "38") {
                f.wavol += 100;
                if (f.wavol >= 0) {
                    f.wavol = 0;
                    say2(f, " maximum ");
                } else {
                    say2(f, " louder ");
                }
            } else {
                f.wavol -= 100;
                if (f.wavol < -3500) {
                    f.wavol = -3500;
                    say2(f, " minimum ");
                } else {
                    say2(f, " quieter ");
                }
            }
            clk(f);
            dy(f, 0.2);
            f.p.sound.setPosition(f.shotBuf, 0);
            f.p.sound.play(f.shotBuf, false);
            f.p.sound.setVolume(f.shotBuf, engineInt(f.wavol));
            while (f.p.sound.playing(f.shotBuf) && f.g.empty())
                yieldOnce(f, WaitKind::other, f.p.clock.now() + 0.005);
            f.p.sound.stop(f.shotBuf);
            if (!f.g.empty()) waitKey = false;  // the key that cut the sample short is handled now
            continue;
        }
        if (f.g != "112") saykey(f);
        speak = true;
    }
    f.p.sound.stop(f.shotBuf);
    f.p.sound.release(f.shotBuf);
    f.shotBuf = 0;
    clk(f);
}

}  // namespace

void adjvol(Form& f) {
    bool speak = true;
    for (;;) {
        if (speak) {
            clk(f);
            say2(f, std::string(" use the up and down arrow keys to raise and lower the volume of the voice. ") +
                        kVolumeEnd);
            speak = false;
        }
        getkey(f);
        stopspeech(f);
        if (f.g == "13") break;
        if (f.g == "38" || f.g == "40") {
            // Five steps a press; the voice reaches its bounds exactly at 0 and 100.
            const bool up = f.g == "38";
            f.vv += up ? 5 : -5;
            const bool atBound = up ? f.vv >= 100 : f.vv <= 0;
            if (atBound) f.vv = up ? 100 : 0;
            f.p.speech.setVolume(engineInt(f.vv));
            say2(f, atBound ? (up ? " maximum " : " minimum ") : (up ? " louder " : " quieter "));
            continue;
        }
        if (f.g != "112") saykey(f);
        speak = true;
    }
    adjustSoundVolume(f);
}

void changevoice(Form& f) {
    clk(f);
    if (f.nov <= 0) return;
    bool yes = false;
    bool ask = true;
    for (;;) {
        if (ask) {
            clk(f);
            say2(f, "do you want to use this voice");
            yes = false;
            ask = false;
        }
        say2(f, yes ? " yes " : " no ");
        getkey(f);
        bool next = false;
        if (f.g2 == "y") break;
        if (f.g2 == "n") {
            next = true;
        } else if (f.g == "38" || f.g == "40") {
            yes = !yes;
            continue;
        } else if (f.g == "13") {
            if (yes) break;
            next = true;
        } else {
            ask = true;
            continue;
        }
        if (next) {
            // A stored index outside the list (a negative one included) starts again at the first voice.
            f.nv = static_cast<int16_t>(f.nv + 1);
            if (f.nv > f.nov || f.nv < 0) f.nv = 0;
            f.p.speech.selectVoice(f.nv);
            ask = true;
        }
    }
    clk(f);
}

}  // namespace dravlen
