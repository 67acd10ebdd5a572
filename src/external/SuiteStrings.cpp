#include "external/SuiteStrings.h"

#include <charconv>
#include <cmath>

namespace fw {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// std::to_chars never consults the locale, so the decimal point is always ".".
std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return value != value ? "nan" : (value < 0 ? "-inf" : "inf");
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    // A value that rounds to zero shows without a sign, as the suite's format does.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

}  // namespace

std::string AddSlash(std::string_view path) {
    std::string result(path);
    if (result.size() < 3) return result;
    char last = result.back();
    if (last == '\\' || last == '/') return result;
    bool slashes =
        result.find("//") != std::string::npos ||
        (result.find('/') != std::string::npos && result.find('\\') == std::string::npos);
    result += slashes ? '/' : '\\';
    return result;
}

bool HasContent(std::string_view text) {
    std::string trimmed = TrimBlanks(text);
    return !trimmed.empty() && trimmed != "n/a";
}

std::string TrimBlanks(std::string_view text) {
    size_t first = 0;
    size_t end = text.size();
    while (first < end && IsBlank(text[first])) ++first;
    while (end > first && IsBlank(text[end - 1])) --end;
    return std::string(text.substr(first, end - first));
}

std::string DropLeft(std::string_view text, size_t n) {
    if (text.size() <= n) return "";
    return std::string(text.substr(n));
}

std::string DropRight(std::string_view text, size_t n) {
    if (text.size() <= n) return "";
    return std::string(text.substr(0, text.size() - n));
}

std::array<std::string, MAX_FIELDS> SplitFields(std::string_view text) {
    std::array<std::string, MAX_FIELDS> fields;
    size_t start = 0;
    for (size_t i = 0; i < MAX_FIELDS; ++i) {
        size_t comma = text.find(',', start);
        if (i == MAX_FIELDS - 1 || comma == std::string_view::npos) {
            fields[i] = TrimBlanks(text.substr(start));
            break;
        }
        fields[i] = TrimBlanks(text.substr(start, comma - start));
        start = comma + 1;
    }
    return fields;
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::string FormatNumber2(double value) {
    return FormatFixed(value, 2);
}

std::string FormatNumber3(double value) {
    return FormatFixed(value, 3);
}

}  // namespace fw
