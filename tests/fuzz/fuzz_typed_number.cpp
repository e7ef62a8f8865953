// Fuzz target: a typed number, any bytes. The weight is heard as a plain number, the hours of
// rest accepted are a bounded count of hourly sounds, and nothing reads as infinity or NaN.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "dialogue/setup.h"
#include "fuzz_check.h"
#include "world/numbers.h"

namespace dravlen::fuzz {

namespace {

// Digits, one point, a leading blank or minus: how the game reads a number out.
bool plain(const std::string& spoken) {
    return !spoken.empty() && spoken.find_first_not_of(" -.0123456789") == std::string::npos;
}

}  // namespace

int typedNumber(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = typedValue(text);
    check(!std::isnan(value), "a typed value is NaN");

    // The weight: refused under half a load, otherwise confirmed aloud as a plain number.
    const double pounds = weightTyped(text);
    check(!std::isnan(pounds), "a weight is NaN");
    if (pounds >= 25000) check(plain(number(pounds)), "a weight is not heard as a plain number");

    // The hours of rest: up to 99 accepted, one sound an hour, half of it slept by day.
    if (value <= 99 && value >= 1) {
        check(rounded(value) <= 99, "more than 99 hourly sounds");
        check(plain(number(Int(value / 2 + 0.6))), "hours slept not heard as a plain number");
    }
    return 0;
}

}  // namespace dravlen::fuzz

#ifdef DRAVLEN_FUZZ_ENTRY
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return dravlen::fuzz::typedNumber(data, size); }
#endif
