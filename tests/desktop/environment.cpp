// Points OpenAL and SDL at backends that need no sound card and no display, before any test runs.
#include <cstdlib>

namespace {

struct HeadlessBackends {
    HeadlessBackends() {
        // OpenAL reads this once, at its first call. The no-sound-device test starts this
        // program again with a backend name that does not exist.
        const char* missing = std::getenv("DRAVLEN_TEST_NO_SOUND");
        setenv("ALSOFT_DRIVERS", missing ? "no-such-backend" : "null", 1);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
} headlessBackends;

}  // namespace
