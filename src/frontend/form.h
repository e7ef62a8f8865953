// The form state: what lives from start-up to the end of the game (voice, sounds, settings, pending key).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/platform.h"
#include "platform/files.h"

namespace dravlen {

struct Form {
    explicit Form(Platform& platform) : p(platform) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Platform& p;

    // Pending key: the decimal text of the last key's virtual-key code, and the lower-case
    // character with that code. Empty text means no key is pending.
    std::string g;
    std::string g2;

    std::string r;  // typed entry: the text typed so far / the result

    // Settings (persisted by printCFG).
    int16_t nv = 0;      // voice index
    double vr = 0;       // speech rate
    double vv = 90;      // voice volume 0..100
    double wavol = 0;    // sound volume, hundredths of a decibel, -3500..0
    int16_t nov = 0;     // highest voice index
    std::string kp;      // settings folder (also holds the transcript)

    // Sounds.
    int16_t fq = 0;      // playback frequency of the current one-shot sound
    SoundId shotBuf = 0;
    SoundId wetBuf = 0;
    SoundId blizzardBuf = 0;
    SoundId engineBuf = 0;
    SoundId listBuf = 0;  // the sound the sound list is playing
    // Whether the wet-road loop / the blizzard loop is playing.
    int16_t wetLoopOn = 0;
    int16_t windLoopOn = 0;

    // Transcript of every spoken line (dravlog.txt). Every line reaches the file as it is spoken.
    LineFile transcript;
    // Called with every transcript line as it is written (the interactive runner echoes them).
    std::function<void(const std::string&)> transcriptEcho;

    // Set once the game has begun to leave (settings saved, transcript closed), so that a second
    // close request during the farewell does not start the leaving again.
    bool leaving = false;
};

}  // namespace dravlen
