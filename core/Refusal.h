#pragma once

#include <string>
#include <variant>

#include "NumberText.h"

namespace pathsum {

// Why a run cannot go ahead with the values the user gave. The text is written for the user:
// it names the field, the value and what would be accepted, and the window shows it as it is.
struct Refusal {
    std::string reason;
};

// A value as a refusal quotes it: the text the window would show, between double quotes.
inline std::string QuotedValue(double value) {
    std::string text(1, '"');
    text += TextFromNumber(value);
    text += '"';
    return text;
}

// Either a usable value or the reason it could not be made.
template <class T>
using Checked = std::variant<T, Refusal>;

template <class T>
bool IsRefused(const Checked<T>& checked) {
    return std::holds_alternative<Refusal>(checked);
}

}  // namespace pathsum
