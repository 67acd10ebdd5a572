#pragma once

#include <string_view>

namespace fw {

// Reads a number the way the editor's text boxes are read: blanks, then the longest leading
// decimal number ("." as the decimal point, optional sign and exponent). Text without a
// leading number reads as 0. Returns false only when the number does not fit a double.
bool TryReadNumber(std::string_view text, double& value);

// As TryReadNumber; a number too large to hold also reads as 0.
double ReadNumber(std::string_view text);

}  // namespace fw
