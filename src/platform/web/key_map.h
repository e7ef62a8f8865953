// Turning a browser key-down (its KeyboardEvent key and code) into the Windows virtual-key code
// the game works in. Pure string work, so it is tested natively.
#pragma once

#include <string_view>

namespace dravlen::web {

// 0 for a key the game is not given (NumLock, an unknown key).
int virtualKeyCode(std::string_view key, std::string_view code);

}  // namespace dravlen::web
