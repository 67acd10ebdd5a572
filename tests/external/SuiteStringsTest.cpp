#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

#include "external/SuiteStrings.h"

namespace fw {
namespace {

TEST(SuiteStrings, AddSlashKeepsDrivesAndPicksTheSeparator) {
    EXPECT_EQ(AddSlash("C:"), "C:");
    EXPECT_EQ(AddSlash(""), "");
    EXPECT_EQ(AddSlash("C:\\Games"), "C:\\Games\\");
    EXPECT_EQ(AddSlash("C:\\Games\\"), "C:\\Games\\");
    EXPECT_EQ(AddSlash("/home/user/"), "/home/user/");
    EXPECT_EQ(AddSlash("http://example.org/x"), "http://example.org/x/");
}

TEST(SuiteStrings, HasContentTreatsNotAvailableAsEmpty) {
    EXPECT_FALSE(HasContent("  n/a "));
    EXPECT_FALSE(HasContent("   "));
    EXPECT_FALSE(HasContent(""));
    EXPECT_TRUE(HasContent("0"));
    EXPECT_TRUE(HasContent("N/A"));  // the suite compares exactly
}

TEST(SuiteStrings, TrimAndDropStayInsideTheText) {
    EXPECT_EQ(TrimBlanks(" \t a b \t"), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(DropLeft("abcdef", 2), "cdef");
    EXPECT_EQ(DropLeft("ab", 2), "");
    EXPECT_EQ(DropLeft("ab", 5), "");
    EXPECT_EQ(DropRight("abcdef", 2), "abcd");
    EXPECT_EQ(DropRight("ab", 2), "");
    EXPECT_EQ(DropRight("", 1), "");
}

TEST(SuiteStrings, SplitFieldsTrimsAndClearsTheRest) {
    auto fields = SplitFields("one, two,,four ");
    EXPECT_EQ(fields[0], "one");
    EXPECT_EQ(fields[1], "two");
    EXPECT_EQ(fields[2], "");
    EXPECT_EQ(fields[3], "four");
    for (size_t i = 4; i < MAX_FIELDS; ++i) EXPECT_EQ(fields[i], "") << i;

    std::string many;
    for (int i = 0; i < 20; ++i) many += std::to_string(i) + ",";
    auto capped = SplitFields(many);
    EXPECT_EQ(capped[14], "14");
    EXPECT_EQ(capped[15], "15,16,17,18,19,");  // the last field keeps the rest

    EXPECT_EQ(SplitFields("")[0], "");
}

TEST(SuiteStrings, UpperCaseOnlyMapsAsciiLetters) {
    EXPECT_EQ(UpperCase("abz AZ 09 _-"), "ABZ AZ 09 _-");
    EXPECT_EQ(UpperCase("\xE4x"), "\xE4X");  // bytes above ASCII stay as they are
}

TEST(SuiteStrings, FormatNumbersUseAFixedPattern) {
    EXPECT_EQ(FormatNumber3(2.5), "2.500");
    EXPECT_EQ(FormatNumber2(2.5), "2.50");
    EXPECT_EQ(FormatNumber3(0.0), "0.000");
    EXPECT_EQ(FormatNumber3(0.25), "0.250");
    EXPECT_EQ(FormatNumber3(-1.5), "-1.500");
    EXPECT_EQ(FormatNumber3(0.0005 + 1e-9), "0.001");
    EXPECT_EQ(FormatNumber2(1234567.891), "1234567.89");
    EXPECT_EQ(FormatNumber3(-0.0001), "0.000");  // no "-0.000" in a box
    EXPECT_EQ(FormatNumber2(1e12), "1000000000000.00");
}

// A C++ locale with "," as the decimal point, whatever the system has installed.
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(SuiteStrings, FormatNumbersIgnoreTheLocale) {
    std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    // Also the C locale when a comma locale is installed (de_DE and similar).
    std::string previousC = std::setlocale(LC_NUMERIC, nullptr);
    bool commaC = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            commaC = true;
            break;
        }
    }
    std::string three = FormatNumber3(2.5);
    std::string two = FormatNumber2(-7.125);
    std::setlocale(LC_NUMERIC, previousC.c_str());
    std::locale::global(previous);

    EXPECT_EQ(three, "2.500");
    EXPECT_EQ(two, "-7.12");
    if (!commaC) GTEST_LOG_(INFO) << "no comma locale installed; checked the C++ locale only";
}

}  // namespace
}  // namespace fw
