#pragma once

#include <string>
#include <string_view>

namespace pathsum {

// Reads the number a control's text begins with: leading blanks (spaces, tabs) are skipped,
// then the longest prefix of the form [sign] digits [. digits] [E|e [sign] digits] is taken.
// Text that does not begin with a number reads as 0. The C locale is always used, so a
// decimal point is a point whatever the desktop's language. A number beyond the double
// range reads as plus or minus infinity; callers treat non-finite values as unusable.
double NumberFromText(std::string_view text);

// True when the text is a number and nothing more (blanks around it aside): what
// NumberFromText reads is then all that the text says.
bool TextIsANumber(std::string_view text);

// Writes a number the way every control of the window shows numbers: one blank before a
// value that is not negative, the minus sign before a negative one, at most 15 significant
// digits without trailing zeros, no zero before the decimal point (" .5"), and exponent form
// (" 1E-05", "-1.5E+20") when the decimal exponent is below -4 or at least 15.
std::string TextFromNumber(double value);

// A number for people to read: at most `digits` significant digits, the usual zero before
// the point ("0.0227"), no blank before a positive number, and exponent form ("2.1497E+11",
// "1E-05") for decimal exponents below -4 or of `digits` and more. Negative zero reads "0".
std::string ReadableNumber(double value, int digits = 6);

// A number rounded to `digits` significant digits, which it then always shows, for a measure
// that is only that good: plain from 0.0001 up to below a million ("0.047", "3.0", "280",
// "0.00025"), exponent form outside ("2.5E+06", "3.1E-05"). Negative zero reads "0".
std::string SignificantNumber(double value, int digits);

// A number with every digit it has: 17 significant digits, which read back to the same
// double, and a decimal point whatever the locale ("0.022666440945820598").
std::string FullNumber(double value);

}  // namespace pathsum
