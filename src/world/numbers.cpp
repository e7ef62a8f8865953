// The number conventions every spoken line is built with.
#include "world/numbers.h"

#include <cmath>
#include <cstdio>

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

}  // namespace dravlen
