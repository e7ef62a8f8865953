// The number conventions: the spoken form, Int, rounded, miles cut to cents and typed weights.
#include <gtest/gtest.h>

#include <utility>

#include "dialogue/setup.h"
#include "road/hour.h"
#include "world/numbers.h"

namespace dravlen {
namespace {

TEST(Numbers, SpokenFormRoundingAndCuts) {
    const std::pair<double, const char*> spoken[] = {
        {8, " 8"}, {0, " 0"}, {-0.0, " 0"}, {-2, "-2"}, {40000, " 40000"}, {0.5, " .5"}, {-0.5, "-.5"},
        {57.3, " 57.3"}, {123456789012345.0, " 123456789012345"}, {(2.65 - 2) * 100, " 65"},
        {(2.2 - 2) * 100, " 20"}, {12.339999999999998, " 12.34"}, {0.1 + 0.2, " .3"}};
    for (auto [x, text] : spoken) EXPECT_EQ(number(x), text) << x;
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(2.9), 2);
    const std::pair<double, double> halvesToEven[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.5000001, 3}};
    for (auto [x, whole] : halvesToEven) EXPECT_EQ(rounded(x), whole) << x;
    // Cut to two decimals as written: 0.37 x 100 is 36.99999... in binary, 4.999999999999999 a hair below 5.
    const std::pair<double, double> cuts[] = {{0.379, 0.37}, {0.37, 0.37}, {4.999999999999999, 5}, {4.9999999999, 4.99}};
    for (auto [x, cut] : cuts) EXPECT_DOUBLE_EQ(cutDecimals(x, 2), cut) << x;
}

TEST(Numbers, TypedWeightIsReadFromItsStart) {
    const std::pair<const char*, double> typed[] = {{"40000", 40000}, {"25000.5", 25000.5}, {"30000x", 30000},
                                                    {"x30000", 0},    {".", 0},             {"-5", -5},
                                                    {"1e9", 1}};
    for (auto [text, value] : typed) EXPECT_EQ(typedValue(text), value) << text;
}

}  // namespace
}  // namespace dravlen
