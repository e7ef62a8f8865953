// Fuzz target: a sound file's bytes, as the desktop sound layer loads them. A file either loads
// as a sound of a real rate and channel count, with whole frames, or is refused as damaged.
#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"
#include "platform/desktop/wave_file.h"
#include "platform/files.h"

namespace dravlen::fuzz {

int waveFile(const uint8_t* data, size_t size) {
    const desktop::WaveData w = desktop::readWaveBytes(data, size);
    if (!w.ok) {
        check(w.samples.empty() && !w.error.empty(), "a refused file holds samples or gives no reason");
        return 0;
    }
    check(w.rate >= kLowestSoundRate && w.rate <= kHighestSoundRate, "a sound at a rate no file has");
    check(w.channels > 0 && !w.samples.empty(), "a sound without samples");
    check(w.samples.size() % static_cast<size_t>(w.channels) == 0, "a sound with a broken last frame");
    return 0;
}

}  // namespace dravlen::fuzz

#ifdef DRAVLEN_FUZZ_ENTRY
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return dravlen::fuzz::waveFile(data, size); }
#endif
