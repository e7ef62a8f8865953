// The exit question and the ending of a game: farewell sounds, then saving and leaving.
#pragma once

#include "frontend/form.h"
#include "frontend/leave.h"
#include "world/trip.h"

namespace dravlen {

void exitQuestion(Form& f, Trip& t);  // returns with answer 3 and the key emptied, or leaves
[[noreturn]] void gameEnding(Form& f, Trip& t);

}  // namespace dravlen
