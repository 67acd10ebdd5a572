#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "model/NumberText.h"

namespace fw {

TEST(NumberText, ReadsTheLeadingNumberLikeTheTextBoxesWhateverTheLocale) {
    // A desktop session may run under a locale whose decimal separator is ",".
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // where the system has it
    // A bare exponent letter ends the number; "," is not a decimal point.
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        {"2.5", 2.5}, {"  -0.125abc", -0.125}, {"+3", 3}, {".5", 0.5}, {"1e3x", 1000}, {"7e", 7},
        {"1,5", 1}, {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"1e-400", 0}, {"1e400", 0}};
    // clang-format on
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(ReadNumber(text), value) << text;
    std::setlocale(LC_NUMERIC, saved.c_str());
}

// Too small for a double reads as 0 however it is written; too large cannot be read.
TEST(NumberText, UnderflowReadsAsZeroAndOverflowIsRefused) {
    const std::string zeros(400, '0');
    for (const std::string& tiny :
         std::vector<std::string>{"0." + zeros + "1", "-0." + zeros + "25", "0.001e-400",
                                  "." + zeros + "9", "1" + zeros + "e-800"}) {
        double value = 1;
        EXPECT_TRUE(TryReadNumber(tiny, value)) << tiny.size();
        EXPECT_EQ(value, 0);
    }
    for (const std::string& huge :
         std::vector<std::string>{"1" + zeros, "0.1e400", "0." + zeros + "1e800"}) {
        double value = 1;
        EXPECT_FALSE(TryReadNumber(huge, value)) << huge.size();
        EXPECT_EQ(value, 0);
    }
}

}  // namespace fw
