// The list of the game's sounds, opened by F6 at any key wait.
#include "frontend/soundlist.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "frontend/keys.h"
#include "frontend/settings.h"
#include "frontend/sound.h"
#include "frontend/speech.h"

namespace dravlen {

// In the order of the sound files; the names say what is heard and, where that is not plain,
// when the road plays it.
const std::array<SoundName, 45> kSoundNames = {{
    {1, "opening theme", false},
    {2, "tires screeching", false},
    {3, "car passing", false},
    {4, "semi passing", false},
    {5, "car honking as it passes", false},
    {6, "motorcycle passing", false},
    {7, "police siren, wail", false},
    {8, "helicopter overhead", false},
    {9, "bus passing", false},
    {10, "pickup with a loose load", false},
    {11, "birds by the road", false},
    {12, "police siren, yelp", false},
    {13, "train in the distance", false},
    {14, "police siren, high low", false},
    {15, "sports car passing", false},
    {16, "semi braking on its engine", false},
    {17, "semi sounding its horn", false},
    {18, "car with its radio booming", false},
    {19, "crash", false},
    {20, "rain on the road", true},
    {21, "blizzard", true},
    {22, "shifting gears", false},
    {23, "alarm clock", false},
    {24, "snoring", false},
    {25, "sleep broken by a horn", false},
    {26, "fuel spilling over", false},
    {27, "fuel pump", false},
    {28, "the judge's gavel", false},
    {29, "footsteps and the shop door", false},
    {30, "air horn", false},
    {31, "diesel barrel set down", false},
    {32, "forklift loading", false},
    {33, "impact", false},
    {34, "car horn", false},
    {35, "long air horn", false},
    {36, "diesel poured into the tank", false},
    {37, "tire mounted", false},
    {38, "tow truck arriving", false},
    {39, "radio call for help", false},
    {40, "cash register, money paid", false},
    {41, "refrigeration unit failing", false},
    {43, "stopping at a truck stop", false},
    {44, "engine starting", false},
    {45, "engine stopping, air brakes", false},
    {46, "engine running", true},
}};

namespace {

constexpr double kLoopSeconds = 4;  // a loop plays this long, or until the next key

// About how long the voice takes over a short text: at the normal rate, 0.3 seconds and 0.06 a
// character; each step of the rate scale speeds it up by the tenth root of 3.
double speakingSeconds(const Form& f, const std::string& text) {
    const double rate = std::clamp(static_cast<double>(engineInt(f.vr)), -10.0, 10.0);
    return (0.3 + 0.06 * static_cast<double>(text.size())) * std::pow(3.0, -rate / 10);
}

void clearKey(Form& f) {
    f.g.clear();
    f.g2.clear();
}

void stopEntry(Form& f) {
    f.p.sound.stop(f.listBuf);
    f.p.sound.release(f.listBuf);
    f.listBuf = 0;
}

// The entry's sound from its start, as a one-shot is played: the sound volume, its own frequency
// + 1 (so the engine runs at its 55 MPH cruise).
void startEntry(Form& f, const SoundName& e) {
    stopEntry(f);
    f.listBuf = f.p.sound.load(soundPath(f, e.number));
    f.p.sound.setPosition(f.listBuf, 0);
    f.p.sound.setVolume(f.listBuf, engineInt(f.wavol));
    const int own = f.p.sound.frequency(f.listBuf);
    if (own > 0 && own < 32767) f.p.sound.setFrequency(f.listBuf, own + 1);
    f.p.sound.play(f.listBuf, e.loop);
}

// Pauses, yielding, for `seconds` or until a key comes.
void pauseForKey(Form& f, double seconds) {
    const double end = f.p.clock.now() + seconds;
    while (f.g.empty() && f.p.clock.now() < end) yieldOnce(f, WaitKind::other, end);
}

// The name, then its sound once the name (and `before`, spoken ahead of it) has been said; a
// key meanwhile goes before both.
void announce(Form& f, const SoundName& e, const std::string& before = "") {
    stopEntry(f);
    say2(f, e.name);
    pauseForKey(f, (before.empty() ? 0 : speakingSeconds(f, before)) + speakingSeconds(f, e.name));
    if (f.g.empty()) startEntry(f, e);
}

// Waits for the next key; a loop is stopped once it has played a few seconds.
void nextKey(Form& f, const SoundName& e) {
    if (e.loop && f.p.sound.playing(f.listBuf)) {
        pauseForKey(f, kLoopSeconds);
        if (f.g.empty()) f.p.sound.stop(f.listBuf);
    }
    while (f.g.empty()) yieldOnce(f, WaitKind::key, noDeadline);
    stopspeech(f);
}

}  // namespace

void soundList(Form& f) {
    // The loops (and a one-shot, if one was playing) pause while the list plays, each keeping its
    // place, pitch and volume.
    struct Paused { SoundId id; bool looped; };
    std::vector<Paused> paused;
    for (auto [id, looped] : {Paused{f.engineBuf, true}, Paused{f.wetBuf, true}, Paused{f.blizzardBuf, true},
                              Paused{f.shotBuf, false}}) {
        if (id == 0 || !f.p.sound.playing(id)) continue;
        f.p.sound.stop(id);
        paused.push_back({id, looped});
    }

    clk(f);
    const std::string intro = " Sounds. Up and down arrows move, enter plays again, escape goes back. ";
    say2(f, intro);
    const int n = static_cast<int>(kSoundNames.size());
    int item = 0;
    announce(f, kSoundNames[item], intro);
    for (;;) {
        nextKey(f, kSoundNames[item]);
        const std::string key = f.g;
        if (key == "27") break;
        if (key != "13" && key != "38" && key != "40" && key != "117") {
            // Ctrl, F4, F5 and F12 work here as at any key wait; then a fresh key.
            stopEntry(f);
            if (serviceSpecialKey(f)) {
                clearKey(f);
                continue;
            }
        }
        clearKey(f);
        if (key == "13") {
            startEntry(f, kSoundNames[item]);
            continue;
        }
        if (key == "38") item = (item + n - 1) % n;
        if (key == "40") item = (item + 1) % n;
        announce(f, kSoundNames[item]);  // moved, or any other key: the entry again
    }
    stopEntry(f);
    for (const Paused& p : paused) f.p.sound.play(p.id, p.looped);
    Form_KeyDown(f, 112);
}

}  // namespace dravlen
