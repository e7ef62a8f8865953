// Sound effects: one-shot sounds, the three background loops and the engine sequences.
#pragma once

#include <cstdint>
#include <string>

#include "frontend/form.h"

namespace dravlen {

std::string soundPath(Form& f, int n);  // program folder + "/dravlen" + n + ".wav"

void play(Form& f, int n);             // once, to its end
void play2(Form& f, int n);            // once, cut short by a key (left pending)
void play3(Form& f, int n, int side);  // once, 0 centre, 1 left, 2 right, other centre

// The weather loops. Each leaves a loop that is already as wanted alone; the wet-road loop
// starts only in wet weather.
void startWetLoop(Form& f, int16_t wetWeather);
void stopWetLoop(Form& f);
void startBlizzardLoop(Form& f);
void stopBlizzardLoop(Form& f);

// The engine sequences also stop the wet-road loop, and start it again in wet weather.
void engineStartSound(Form& f, int16_t wetWeather);
void engineStopSound(Form& f, int n = 45);  // 43 when arriving at a truck stop
void crashSound(Form& f);

// A one-shot sound that the caller moves while it plays: startPanned loads sound n as play
// does (the sound volume, its own frequency + 1), sets its pan and starts it once, returning at
// once; glideShotPan sets the pan to every value from `from` to `to`, 1 unit apart, spread over a
// fixed time at `unitsPerSecond`; waitShotEnd waits, yielding, until it has finished and
// releases it.
void startPanned(Form& f, int n, int pan);
void glideShotPan(Form& f, long from, long to, double unitsPerSecond);
void waitShotEnd(Form& f);

// Sets the engine loop's frequency to every value from `from` to `to`, 1 Hz apart, spread
// over a fixed time at `hertzPerSecond`, yielding throughout.
void glideEngine(Form& f, long from, long to, double hertzPerSecond);

}  // namespace dravlen
