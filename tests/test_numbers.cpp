// The number conventions: Int, rounded (halves to even) and number (the spoken form).
#include <gtest/gtest.h>

#include "world/numbers.h"

namespace dravlen {
namespace {

TEST(Numbers, IntIsTheFloor) {
    EXPECT_EQ(Int(2.9), 2);
    EXPECT_EQ(Int(2), 2);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(-2), -2);
    EXPECT_EQ(Int(0.9999999) , 0);
}

TEST(Numbers, RoundedTakesHalvesToTheEvenWhole) {
    EXPECT_EQ(rounded(0.5), 0);
    EXPECT_EQ(rounded(1.5), 2);
    EXPECT_EQ(rounded(2.5), 2);
    EXPECT_EQ(rounded(3.5), 4);
    EXPECT_EQ(rounded(-1.5), -2);
    EXPECT_EQ(rounded(-2.5), -2);
    EXPECT_EQ(rounded(2.5000001), 3);
    EXPECT_EQ(rounded(4.49), 4);
}

TEST(Numbers, SpokenFormHasALeadingBlankOrMinus) {
    EXPECT_EQ(number(8), " 8");
    EXPECT_EQ(number(0), " 0");
    EXPECT_EQ(number(-0.0), " 0") << "no negative zero";
    EXPECT_EQ(number(-2), "-2");
    EXPECT_EQ(number(40000), " 40000");
    EXPECT_EQ(number(2710 - 60), " 2650");
    EXPECT_EQ(number(123456789012345.0), " 123456789012345");
}

TEST(Numbers, NoZeroBeforeThePoint) {
    EXPECT_EQ(number(0.5), " .5");
    EXPECT_EQ(number(-0.5), "-.5");
    EXPECT_EQ(number(0.37), " .37");
    EXPECT_EQ(number(57.3), " 57.3");
    EXPECT_EQ(number(-1.5), "-1.5");
}

TEST(Numbers, BinaryFractionsReadAsWritten) {
    EXPECT_EQ(number((2.65 - 2) * 100), " 65");  // 65.00000000000001 in binary
    EXPECT_EQ(number((2.95 - 2) * 100), " 95");
    EXPECT_EQ(number((2.2 - 2) * 100), " 20");
    EXPECT_EQ(number(12.339999999999998), " 12.34");
    EXPECT_EQ(number(0.1 + 0.2), " .3");
    EXPECT_EQ(number(1233.0 / 100), " 12.33");
    EXPECT_EQ(number(200 + 4733 * 3 / 100.0), " 341.99");
}

}  // namespace
}  // namespace dravlen
