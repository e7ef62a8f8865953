// Fuzz target: a sound file's bytes, as the project's own wave reader (the browser's) takes them.
// A file either loads as a sound of a real rate and channel count, with whole frames that the
// file really holds, or is refused with a reason; its header alone gives the same length.
#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"
#include "platform/files.h"
#include "platform/wave_reader.h"

namespace dravlen::fuzz {

int waveReader(const uint8_t* data, size_t size) {
    const WaveSamples w = decodeWave(data, size);
    if (!w.ok) {
        check(w.samples.empty() && !w.error.empty(), "a refused file holds samples or gives no reason");
        return 0;
    }
    check(w.rate >= kLowestSoundRate && w.rate <= kHighestSoundRate, "a sound at a rate no file has");
    check(w.channels > 0 && !w.samples.empty(), "a sound without samples");
    check(w.samples.size() % static_cast<size_t>(w.channels) == 0, "a sound with a broken last frame");
    check(w.samples.size() <= size, "more samples than the file has bytes");
    const auto h = readWaveHeader(data, size, size);
    check(h && static_cast<size_t>(h->frames) * static_cast<size_t>(w.channels) == w.samples.size(),
          "the header's length differs from the samples read");
    return 0;
}

}  // namespace dravlen::fuzz

#ifdef DRAVLEN_FUZZ_ENTRY
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return dravlen::fuzz::waveReader(data, size); }
#endif
