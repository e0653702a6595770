#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ExperimentSettings.h"
#include "Field.h"

namespace pathsum {

// The columns of the field's table, as its first line after the comments names them: where the
// pixel's centre is, as the window's labels give a point, N, p / N^2, and the sum S itself, its
// real and imaginary parts (the cosine and sine sums), whose squares add up to p.
inline constexpr std::string_view kFieldTableHeader =
    "X_from_centre,Y_below_row,paths,p_over_n2,re,im\n";

// The numbers of every pixel of a field, for a spreadsheet: the comment lines of the run's
// settings (SettingsCommentLines), a line that names the grid and its view
// (FieldGridCommentLine), the header, then a row for each pixel centre, row 0 (the bottom of
// the view: the largest Y) first and each row from the left. `p` holds the field's p, `re` and
// `im` its sum's components (FieldRefinement's P, Re and Im), row by row as FieldGrid numbers
// them; `paths` is the run's path count N.
std::string FieldTableCsv(const ExperimentSettings& settings, const FieldGrid& grid, int paths,
                          std::span<const double> p, std::span<const double> re,
                          std::span<const double> im, std::string_view version);

}  // namespace pathsum
