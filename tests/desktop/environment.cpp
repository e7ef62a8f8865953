// Points OpenAL and SDL at backends that need no sound card and no display, before any test runs.
#include <cstdlib>

namespace {

// OpenAL reads its drivers once, at its first call. The no-sound-device test starts this
// program again with a backend name that does not exist.
const bool headless = [] {
    setenv("ALSOFT_DRIVERS", std::getenv("DRAVLEN_TEST_NO_SOUND") ? "no-such-backend" : "null", 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return true;
}();

}  // namespace
