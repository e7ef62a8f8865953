// Fuzz target: the settings file and the legacy one, any bytes. Whatever a file holds, the
// settings stay within what the voice and sound device can play, and the file written from them
// reads back as four numbers that give the same settings again.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "frontend/form.h"
#include "frontend/settings.h"
#include "fuzz_check.h"
#include "platform/scripted/scripted.h"

namespace dravlen::fuzz {

int settings(const uint8_t* data, size_t size) {
    static scripted::ScriptedPlatform sp;
    static Platform p = sp.platform();
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<double> numbers = settingsNumbers(text);
    for (double x : numbers) check(std::isfinite(x), "a number read is not finite");

    for (size_t count : {size_t{2}, size_t{4}}) {  // the legacy file gives two settings, ours four
        Form f(p);
        f.vr = 3;
        applyNumbers(f, numbers, count);
        check(f.vr >= -32768 && f.vr <= 32767, "rate out of range");
        check(f.vv >= 0 && f.vv <= 100, "voice volume out of range");
        check(f.wavol >= -10000 && f.wavol <= 0, "sound volume out of range");
        check(engineInt(f.vr) >= -32768 && engineInt(f.vr) <= 32767, "engine rate out of range");

        const std::string written = settingsText(f);
        const std::vector<double> back = settingsNumbers(written);
        check(back.size() == 4, "the settings file written does not read back as four numbers");
        Form again(p);
        applyNumbers(again, back, 4);
        check(settingsText(again) == written, "the settings file written reads back differently");
        check(again.nv == f.nv, "the voice read back is not the one written");
    }
    return 0;
}

}  // namespace dravlen::fuzz

#ifdef DRAVLEN_FUZZ_ENTRY
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return dravlen::fuzz::settings(data, size); }
#endif
