// Turning an SDL key-down (its key code, scan code and modifier bits) into a Windows virtual-key code.
#pragma once

namespace dravlen::desktop {

// SDL's numbers are passed as plain ints so that this header needs no SDL header.
// Returns 0 for a key the game never sees (the NumLock key itself, keys without a code).
int virtualKeyCode(int sdlKeycode, int sdlScancode, int sdlModifiers);

}  // namespace dravlen::desktop
