// Sound effects: one-shot sounds, the three background loops and the engine sequences.
#pragma once

#include <string>

#include "frontend/form.h"
#include "road/trip.h"

namespace dravlen {

std::string soundPath(Form& f, int n);  // program folder + "/dravlen" + n + ".wav"

void play(Form& f, int n);             // once, to its end
void play2(Form& f, int n);            // once, cut short by a key (left pending)
void play3(Form& f, int n, int side);  // once, 0 centre, 1 left, 2 right, other centre

void startWetLoop(Form& f, Trip& t);
void stopWetLoop(Form& f, Trip& t);
void startBlizzardLoop(Form& f, Trip& t);
void stopBlizzardLoop(Form& f, Trip& t);

void engineStartSound(Form& f, Trip& t);
void engineStopSound(Form& f, Trip& t, int n = 45);  // 43 when arriving at a truck stop
void crashSound(Form& f);

// Sets the engine loop's frequency to every value from `from` to `to`, 1 Hz apart, spread
// over a fixed time at `hertzPerSecond`, yielding throughout.
void glideEngine(Form& f, long from, long to, double hertzPerSecond);

}  // namespace dravlen
