#include <gtest/gtest.h>

#include <clocale>
#include <string>

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

}  // namespace fw
