// The way out: the exit question, the ending, saving, and the hand-off to the launcher.
#pragma once

#include <exception>
#include <string>

#include "frontend/form.h"
#include "road/trip.h"

namespace dravlen {

// Thrown when the game has ended; it unwinds to the top so that every owner releases what it holds.
struct GameOver : std::exception {
    const char* what() const noexcept override { return "the game is over"; }
};

void exitQuestion(Form& f, Trip& t);          // returns with answer 3 and the key emptied, or leaves
[[noreturn]] void gameEnding(Form& f, Trip& t);
[[noreturn]] void saveAndLeave(Form& f);
[[noreturn]] void launcherHandOff(Form& f);
// The launcher in the current folder: a regular, executable "lobbarin.exe" or "lobbarin", any case; empty if none.
std::string findLauncher();

}  // namespace dravlen
