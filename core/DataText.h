#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ExperimentSettings.h"
#include "Field.h"

namespace pathsum {

// The line that says how every table of numbers gives a point: as the window's labels do.
inline constexpr std::string_view kCoordinatesCommentLine =
    "# coordinates: X across from the centre of the row, Y the distance below the row, as the "
    "window's labels give them (x, across the plot from its left edge, is X + 50)\n";

// The lines, each starting with '#', that open every table of numbers the program writes: the
// program and its version, then the settings of the run the numbers come from (each box's
// text as it stood, the pattern), how the table gives a point (kCoordinatesCommentLine), and
// the marker and the source the run used; a run in light of several wavelengths says so in a line
// of its own after them. A spreadsheet skips them as comments; a person reads what was computed.
std::string SettingsCommentLines(const ExperimentSettings& settings, std::string_view version);

// The line that names a field's grid and its view, in X and Y.
std::string FieldGridCommentLine(const FieldGrid& grid);

// One line of comma-separated numbers, each with every digit it has (FullNumber) and a decimal
// point whatever the locale, ended by a line feed.
std::string CsvNumbers(std::initializer_list<double> numbers);
std::string CsvNumbers(std::span<const double> numbers);
// The same, an empty cell where a number is not there.
std::string CsvCells(std::initializer_list<std::optional<double>> cells);
std::string CsvCells(std::span<const std::optional<double>> cells);

}  // namespace pathsum
