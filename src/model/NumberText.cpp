#include "model/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace fw {

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Length of the leading number in text (0 when there is none).
size_t LeadingNumberLength(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

// True when a number that does not fit a double is below 1 in size rather than above:
// its first significant digit stands after the decimal point, counting the exponent.
// "0.000...01" and "1e-400" are tiny, "1e400" and a 400-digit integer are not.
bool IsTinyNumber(std::string_view number) {
    size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    // Decimal position of the first significant digit: 0 for the units, -1 for tenths.
    long position = 0;
    bool significant = false;
    for (; i < number.size() && IsDigit(number[i]); ++i)
        if (significant || number[i] != '0') significant = true, ++position;
    position = significant ? position - 1 : 0;
    if (!significant && i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && number[i] == '0'; ++i) --position;
        --position;
    }
    while (i < number.size() && number[i] != 'e' && number[i] != 'E') ++i;
    if (i == number.size()) return position < 0;
    ++i;
    bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    long exponent = 0;
    for (; i < number.size() && IsDigit(number[i]); ++i)
        exponent = std::min(exponent * 10 + (number[i] - '0'), 100'000'000L);
    return position + (negative ? -exponent : exponent) < 0;
}

}  // namespace

bool TryReadNumber(std::string_view text, double& value) {
    value = 0;
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    text.remove_prefix(start);
    size_t length = LeadingNumberLength(text);
    if (length == 0) return true;
    std::string_view number = text.substr(0, length);
    if (number.front() == '+') number.remove_prefix(1);
    // from_chars ignores the locale, so "." is the decimal point whatever the user's settings.
    double parsed = 0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), parsed);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large cannot be read.
        if (!IsTinyNumber(number)) return false;
        parsed = 0;
    }
    if (!std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

double ReadNumber(std::string_view text) {
    double value = 0;
    return TryReadNumber(text, value) ? value : 0;
}

}  // namespace fw
