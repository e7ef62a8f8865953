// The whole game, from start-up to the hand-off, on any platform.
#include "app/game.h"

#include <algorithm>
#include <filesystem>

#include "dialogue/ending.h"
#include "dialogue/screen.h"
#include "frontend/form.h"
#include "frontend/instructions.h"
#include "frontend/keys.h"
#include "frontend/settings.h"
#include "frontend/sound.h"
#include "frontend/speech.h"
#include "road/loop.h"
#include "world/trip.h"

namespace dravlen {

namespace {

void startUp(Form& f, Trip& t, const GameOptions& options) {
    f.p.window.setCaption(" Dravlen  By Brannock ");
    int count = f.p.speech.voiceCount();
    if (count <= 0) {
        f.p.system.messageBox("Sorry but I couldn't find any voices to use\nPlease contact Brannock");
        launcherHandOff(f);
    }
    f.nov = static_cast<int16_t>(std::min(count, 32768) - 1);
    getkp(f);

    f.nv = 0;
    f.vr = f.p.speech.defaultRate();
    f.vv = 90;
    f.wavol = 0;
    readSettings(f);
    applySettings(f);

    f.transcript.holdUpTo(options.transcriptHold);
    openTranscript(f, (std::filesystem::path(f.kp) / "dravlog.txt").string());
    f.transcriptEcho = options.onTranscriptLine;

    SoundId* loops[] = {&f.wetBuf, &f.blizzardBuf, &f.engineBuf};
    const int numbers[] = {20, 21, 46};
    for (int i = 0; i < 3; ++i) {
        SoundId id = f.p.sound.load(soundPath(f, numbers[i]));
        f.p.sound.setPosition(id, 0);
        f.p.sound.setVolume(id, engineInt(f.wavol));
        f.p.sound.setPan(id, 0);
        *loops[i] = id;
    }
    t.engineSpeed = 50;
    play2(f, 1);
}

// Asks the question until the answer is no; each yes reads the text and asks again.
void offer(Form& f, Trip& t, const char* question, void (*read)(Form&)) {
    for (;;) {
        clearScreen(t);
        clk(f);
        t.prompt = question;
        sayLine(f, t);
        yesNo(f, t);
        if (t.answer == 2) return;
        if (t.answer == 1) read(f);
    }
}

void title(Form& f, Trip& t, const GameOptions& options) {
    t.prompt = "Dravlen. version 3";
    sayLine(f, t);

    t.rng.observer = options.onRandom;
    if (options.seed) {
        t.rng.seed(*options.seed);
    } else {
        TimeOfDay now = f.p.clock.timeOfDay();
        t.rng.seed(static_cast<uint32_t>(now.hours * 120 + now.minutes * 60 + now.seconds));
    }

    t.ordinals = {"", "first", "second", "third", "fourth"};
    t.dayNames = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

    t.prompt = " By Brannock ";
    sayLine(f, t);

    offer(f, t, " Would you like to reed the instructions? ", readins);
    offer(f, t, "Would you like to reed the special key instructions?", spekey);
}

}  // namespace

void runGame(Platform& platform, const GameOptions& options) {
    Form f(platform);
    Trip t;
    try {
        startUp(f, t, options);
        title(f, t, options);
        playTrip(f, t);
    } catch (const GameOver&) {
    }
}

}  // namespace dravlen
