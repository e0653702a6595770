#pragma once

#include <string>

namespace pathsum {

// The help message: ten paragraphs joined by carriage returns (code 13 alone).
const std::string& HelpText();

// The title of the help box.
const std::string& HelpTitle();

}  // namespace pathsum
