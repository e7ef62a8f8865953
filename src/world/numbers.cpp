// The number conventions every spoken line is built with.
#include "world/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace dravlen {

double Int(double x) { return std::floor(x); }

double rounded(double x) { return std::nearbyint(x); }  // the default rounding mode is to-nearest-even

std::string number(double x) {
    if (x == 0) x = 0;  // no "-0"
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", std::fabs(x));
    std::string digits = buf;
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
    return (x < 0 ? "-" : " ") + digits;
}

double asWritten(double x) {
    char text[40];
    std::snprintf(text, sizeof text, "%.12g", x);
    return std::strtod(text, nullptr);
}

double cutDecimals(double x, int places) {
    const double scale = std::pow(10.0, places);
    return Int(asWritten(x * scale)) / scale;
}

bool add16(int16_t& field, long amount) {
    const long sum = static_cast<long>(field) + amount;
    if (sum < INT16_MIN || sum > INT16_MAX) return false;
    field = static_cast<int16_t>(sum);
    return true;
}

}  // namespace dravlen
