#include "NumberText.h"

#include <locale.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace pathsum {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the longest prefix of `text` that forms a number, 0 when there is none.
std::size_t NumberPrefixLength(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < n && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    // An exponent counts only when at least one digit follows the E and its sign.
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < n && IsDigit(text[j])) {
            while (j < n && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

double NumberFromText(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) {
        ++start;
    }
    text.remove_prefix(start);
    const std::size_t length = NumberPrefixLength(text);
    if (length == 0) {
        return 0.0;
    }
    // strtod_l in the C locale gives correctly rounded results, infinity on overflow and
    // zero (or a subnormal) on underflow, whatever the process locale says.
    const std::string prefix(text.substr(0, length));
    return strtod_l(prefix.c_str(), nullptr, CLocale());
}

bool TextIsANumber(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return !text.empty() && NumberPrefixLength(text) == text.size();
}

std::string TextFromNumber(double value) {
    if (std::isnan(value)) {
        return " NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? " Infinity" : "-Infinity";
    }
    if (value == 0.0) {
        return " 0";  // negative zero too
    }
    // The general format with 15 significant digits chooses the form and the digits: plain
    // for decimal exponents from -5 up to 14, exponent form outside, trailing zeros dropped.
    // The largest doubles would round up past the double range and read back as infinity, so
    // they are written as the largest 15-digit number that stays in range.
    constexpr double kLargestWritten = 1.79769313486231E+308;
    constexpr int kSignificantDigits = 15;
    std::array<char, 32> buffer{};
    const double size = std::min(std::fabs(value), kLargestWritten);
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), size,
                                       std::chars_format::general, kSignificantDigits);
    std::string_view digits(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));

    // What is the window's own: a blank or the minus sign, no zero before the point, and a
    // capital E.
    std::string text(1, value < 0 ? '-' : ' ');
    if (digits.starts_with("0.")) {
        digits.remove_prefix(1);
    }
    for (char c : digits) {
        text += c == 'e' ? 'E' : c;
    }
    return text;
}

namespace {

// `value` in the general format with `digits` significant digits, exponents with a capital E.
std::string GeneralForm(double value, int digits) {
    std::array<char, 40> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, digits);
    std::string text(buffer.data(), written.ptr);
    for (char& c : text) {
        c = c == 'e' ? 'E' : c;
    }
    return text;
}

}  // namespace

std::string ReadableNumber(double value, int digits) {
    // Adding 0 turns a negative zero into zero.
    return GeneralForm(value + 0.0, std::clamp(digits, 1, 17));
}

std::string SignificantNumber(double value, int digits) {
    digits = std::clamp(digits, 1, 17);
    value += 0.0;
    if (!std::isfinite(value) || value == 0.0) {
        return ReadableNumber(value, digits);
    }
    // The scientific form rounds, and its exponent is that of the rounded number (9.96 to two
    // digits is 1.0e+01).
    std::array<char, 40> buffer{};
    const auto rounded = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, digits - 1);
    const std::string_view scientific(buffer.data(), rounded.ptr);
    const std::size_t e = scientific.find('e');
    const char* exponentStart = scientific.data() + e + 1;
    exponentStart += *exponentStart == '+' ? 1 : 0;  // from_chars reads a minus sign only
    int exponent = 0;
    std::from_chars(exponentStart, scientific.data() + scientific.size(), exponent);
    constexpr int kLowestPlain = -4;
    constexpr int kHighestPlain = 5;
    if (exponent < kLowestPlain || exponent > kHighestPlain) {
        std::string text(scientific);
        text[e] = 'E';
        return text;
    }
    double number = 0.0;
    std::from_chars(scientific.data(), scientific.data() + scientific.size(), number);
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), number,
                      std::chars_format::fixed, std::max(0, digits - 1 - exponent));
    return std::string(buffer.data(), written.ptr);
}

std::string FullNumber(double value) {
    constexpr int kEveryDigit = 17;
    return GeneralForm(value, kEveryDigit);
}

}  // namespace pathsum
