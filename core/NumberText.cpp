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
    std::string text(1, value < 0 ? '-' : ' ');

    // Round to 15 significant digits once; everything after works on those digits. The
    // largest doubles would round up past the double range and read back as infinity, so
    // they are written as the largest 15-digit number that stays in range.
    constexpr double kLargestWritten = 1.79769313486231E+308;
    std::array<char, 64> buffer{};
    const double size = std::min(std::fabs(value), kLargestWritten);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), size,
                                      std::chars_format::scientific, 14);
    const std::string_view formatted(buffer.data(),
                                     static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t ePos = formatted.find('e');
    std::string digits;
    for (char c : formatted.substr(0, ePos)) {
        if (IsDigit(c)) {
            digits.push_back(c);
        }
    }
    int exponent = 0;
    const std::string_view exponentText = formatted.substr(ePos + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    if (exponent < -4 || exponent >= 15) {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += 'E';
        text += exponent < 0 ? '-' : '+';
        const std::string magnitude = std::to_string(std::abs(exponent));
        if (magnitude.size() < 2) {
            text += '0';
        }
        text += magnitude;
        return text;
    }
    if (exponent < 0) {
        text += '.';
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        text += digits;
        text.append(integerDigits - digits.size(), '0');
    } else {
        text.append(digits, 0, integerDigits);
        text += '.';
        text.append(digits, integerDigits);
    }
    return text;
}

}  // namespace pathsum
