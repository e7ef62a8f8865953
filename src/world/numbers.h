// The number conventions every spoken line is built with.
#pragma once

#include <string>

namespace dravlen {

// Int(x): the largest whole number not above x.
double Int(double x);
// rounded(x): the nearest whole number, halves to the even one.
double rounded(double x);
// number(x): the text form joined into spoken lines: a leading blank when x is not negative
// (a minus sign otherwise), no zero before the point of a value below 1 (" .5"), and at most
// 15 significant digits, so that binary fractions read as people write them (" 12.34", " 65").
std::string number(double x);

}  // namespace dravlen
