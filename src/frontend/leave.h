// The way out that every wait can reach: saving and leaving, and the hand-off to the launcher.
#pragma once

#include <exception>
#include <string>

#include "frontend/form.h"

namespace dravlen {

// Thrown when the game has ended; it unwinds to the top so that every owner releases what it holds.
struct GameOver : std::exception {
    const char* what() const noexcept override { return "the game is over"; }
};

[[noreturn]] void saveAndLeave(Form& f);
[[noreturn]] void launcherHandOff(Form& f);
// The launcher in the current folder: a regular, executable "lobbarin.exe" or "lobbarin", any case; empty if none.
std::string findLauncher();

}  // namespace dravlen
