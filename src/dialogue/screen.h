// Screen memory, yes/no questions, the key and digit readers: what every screen speaks and asks with.
#pragma once

#include <string>

#include "frontend/form.h"
#include "world/trip.h"

namespace dravlen {

void clearScreen(Trip& t);
void sayLine(Form& f, Trip& t);      // speak t.prompt without waiting and remember it
void sayLineWait(Form& f, Trip& t);  // speak t.prompt, wait, remember it
// The same, with t.prompt set to `text` first.
void sayLine(Form& f, Trip& t, const std::string& text);
void sayLineWait(Form& f, Trip& t, const std::string& text);
void yesNo(Form& f, Trip& t);
void menuKey(Form& f, Trip& t);
void digitEntry(Form& f, Trip& t);
void repeatInfo(Form& f, Trip& t);
void repeatFuel(Form& f, Trip& t);

}  // namespace dravlen
