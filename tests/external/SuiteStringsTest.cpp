#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

#include "external/SuiteStrings.h"

namespace fw {
namespace {

TEST(SuiteStrings, AddSlashHasContentTrimAndDrop) {
    EXPECT_EQ(AddSlash("C:"), "C:");  // drives and short paths stay
    EXPECT_EQ(AddSlash("C:\\Games"), "C:\\Games\\");
    EXPECT_EQ(AddSlash("C:\\Games\\"), "C:\\Games\\");
    EXPECT_EQ(AddSlash("http://example.org/x"), "http://example.org/x/");
    for (const char* empty : {"  n/a ", "   ", ""}) EXPECT_FALSE(HasContent(empty)) << empty;
    EXPECT_TRUE(HasContent("0"));
    EXPECT_TRUE(HasContent("N/A"));  // the suite compares exactly
    EXPECT_EQ(TrimBlanks(" \t a b \t"), "a b");
    EXPECT_EQ(DropLeft("abcdef", 2), "cdef");
    EXPECT_EQ(DropLeft("ab", 5), "");
    EXPECT_EQ(DropRight("abcdef", 2), "abcd");
    EXPECT_EQ(DropRight("", 1), "");
    EXPECT_EQ(UpperCase("abz AZ 09 _-\xE4"), "ABZ AZ 09 _-\xE4");  // only ASCII letters
}

TEST(SuiteStrings, SplitFieldsTrimsAndClearsTheRest) {
    EXPECT_EQ(SplitFields("one, two,,four "),
              (std::array<std::string, MAX_FIELDS>{"one", "two", "", "four"}));

    std::string many;
    for (int i = 0; i < 20; ++i) many += std::to_string(i) + ",";
    auto capped = SplitFields(many);
    EXPECT_EQ(capped[14], "14");
    EXPECT_EQ(capped[15], "15,16,17,18,19,");  // the last field keeps the rest
}

// A C++ locale with "," as the decimal point, whatever the system has installed.
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(SuiteStrings, FormatNumbersUseAFixedPatternWhateverTheLocale) {
    std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    // Also the C locale when a comma locale is installed (de_DE and similar).
    std::string previousC = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"})
        if (std::setlocale(LC_NUMERIC, name)) break;
    std::string three = FormatNumber3(2.5), two = FormatNumber2(-7.125);
    std::setlocale(LC_NUMERIC, previousC.c_str());
    std::locale::global(previous);
    EXPECT_EQ(three, "2.500");
    EXPECT_EQ(two, "-7.12");

    EXPECT_EQ(FormatNumber3(0.0005 + 1e-9), "0.001");
    EXPECT_EQ(FormatNumber3(-0.0001), "0.000");  // no "-0.000" in a box
    EXPECT_EQ(FormatNumber2(1e12), "1000000000000.00");
}

}  // namespace
}  // namespace fw
