#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "ExperimentSettings.h"

namespace pathsum {

// The lines, each starting with '#', that open every table of numbers the program writes: the
// program and its version, then the settings of the run the numbers come from (each box's
// text as it stood, the pattern, the marker and the source the run used). A spreadsheet skips
// them as comments; a person reads what was computed.
std::string SettingsCommentLines(const ExperimentSettings& settings, std::string_view version);

// One line of comma-separated numbers, each with every digit it has (FullNumber) and a decimal
// point whatever the locale, ended by a line feed.
std::string CsvNumbers(std::initializer_list<double> numbers);

}  // namespace pathsum
