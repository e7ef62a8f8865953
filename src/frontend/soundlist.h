// The list of the game's sounds, opened by F6 at any key wait: each sound heard with its name
// before the player meets it on the road.
#pragma once

#include <array>

#include "frontend/form.h"

namespace dravlen {

struct SoundName {
    int number;        // the sound file's number
    const char* name;  // what the list says before playing it
    bool loop;         // played looped, for a few seconds
};

extern const std::array<SoundName, 45> kSoundNames;

// Up and Down move through the list (it wraps), Enter plays the sound again, Esc leaves. What
// was playing before is silent meanwhile and goes on afterwards as it was. Leaves F1 pending,
// so that the caller asks its question again as F1 would have it do.
void soundList(Form& f);

}  // namespace dravlen
