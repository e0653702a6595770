#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <string_view>

namespace pathsum::testing {

// The name of a parameterised case from the text that says what it is. A case's name may hold
// only letters, digits and underscores, so signs, points and the like are spelled out and a
// blank becomes an underscore: " .5" is "_Point5", "\t 10" is "Tab_10".
inline std::string CaseName(std::string_view text) {
    std::string name;
    for (const char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            name += c;
            continue;
        }
        switch (c) {
            case '-':
                name += "Minus";
                break;
            case '+':
                name += "Plus";
                break;
            case '.':
                name += "Point";
                break;
            case ',':
                name += "Comma";
                break;
            case '\t':
                name += "Tab";
                break;
            case '\n':
                name += "Newline";
                break;
            default:
                name += '_';
                break;
        }
    }
    return name.empty() ? "Empty" : name;
}

// A number as the shortest text that reads back as it, in its own type ("-0" keeps its sign),
// after a prefix that says what the number is: NumberName(90, "y") is "y90".
template <class Number>
std::string NumberName(Number value, const char* prefix = "") {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    std::string name = prefix;
    name += CaseName(std::string_view(text, static_cast<std::size_t>(end - text)));
    return name;
}

// A point of the plot frame: (30, -0.5) is "x30_yMinus0Point5".
template <class Number>
std::string PointName(Number x, Number y) {
    return NumberName(x, "x") + NumberName(y, "_y");
}

// A name generator for INSTANTIATE_TEST_SUITE_P: the case as its PrintTo writes it.
struct PrintedCaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return CaseName(::testing::PrintToString(info.param));
    }
};

}  // namespace pathsum::testing
