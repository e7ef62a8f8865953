// The number conventions every spoken line is built with.
#pragma once

#include <cstdint>
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

// x to 12 significant digits: the value as people write it, without the noise that binary
// fractions gather (3.4999999999999964 from 1.4 gallons at 2.5 miles a gallon is 3.5; a tank
// worked down hour by hour to 0.0999999999999964 gallons still holds a tenth).
double asWritten(double x);
// Cuts x to the given number of decimals, as written (0.37 stays 0.37 though its binary
// value is a hair below).
double cutDecimals(double x, int places);

// Adds `amount` to a 16-bit field when the sum fits; a sum that would overflow is not made and
// the field keeps its value, as the game skips any statement that fails. Returns whether it added.
bool add16(int16_t& field, long amount);

}  // namespace dravlen
