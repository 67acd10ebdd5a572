#include "model/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace fw {

TEST(NumberText, ReadsTheLeadingNumberLikeTheTextBoxes) {
    EXPECT_DOUBLE_EQ(ReadNumber("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(ReadNumber("  -0.125abc"), -0.125);
    EXPECT_DOUBLE_EQ(ReadNumber("+3"), 3);
    EXPECT_DOUBLE_EQ(ReadNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ReadNumber("1e3x"), 1000);
    EXPECT_DOUBLE_EQ(ReadNumber("7e"), 7);  // a bare exponent letter ends the number
    EXPECT_DOUBLE_EQ(ReadNumber("1,5"), 1);  // "," is not a decimal point
}

TEST(NumberText, UnreadableTextIsZero) {
    EXPECT_EQ(ReadNumber(""), 0);
    EXPECT_EQ(ReadNumber("abc"), 0);
    EXPECT_EQ(ReadNumber("-"), 0);
    EXPECT_EQ(ReadNumber("."), 0);
    EXPECT_EQ(ReadNumber("1e-400"), 0);
}

TEST(NumberText, NumbersTooLargeToHoldAreReported) {
    double value = 5;
    EXPECT_FALSE(TryReadNumber("1e400", value));
    EXPECT_FALSE(TryReadNumber(std::string(400, '9'), value));
    EXPECT_EQ(ReadNumber("1e400"), 0);
    EXPECT_TRUE(TryReadNumber("1e-400", value));
    EXPECT_EQ(value, 0);
}

TEST(NumberText, IgnoresTheProcessLocale) {
    // A desktop session may run under a locale whose decimal separator is ",".
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale here";
    EXPECT_DOUBLE_EQ(ReadNumber("2.5"), 2.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace fw
