#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "RunPicture.h"
#include "RunPlan.h"
#include "Screens.h"

namespace pathsum {

// The numbers behind a run's picture, for a spreadsheet: the comment lines that name the
// program and the run's settings (SettingsCommentLines), the header that names the columns
// (screen_distance,x,paths,p,p_over_n2,plotted,X_from_centre,theory,fresnel), then a row for
// every detector point that was plotted on a finished screen (`p` of a screen not finished is
// empty), screen by screen in the order of kScreenYs. `plotted` is the band's half height as
// drawn (PlottedValue); a run without paths plots nothing and has no rows. A point is given as
// the window's labels give it: the screen's distance below the row (its Y) and the detector's
// X_from_centre; the plot's own x of the detector (X + 50) stays in the second column, where
// tables read by name or by place have always found it. What the textbook says follows the
// engine's numbers: `theory`, the far-field prediction in the units of `plotted` (gain times
// it), and `fresnel`, the screen's Fresnel number; either is empty where it is not defined.
std::string RunTableCsv(const RunPlan& plan,
                        const std::array<std::vector<double>, kScreenYs.size()>& p,
                        std::string_view version);

// The same from what a run's picture recorded. In light of several wavelengths (the plan's
// settings.light) p, p_over_n2 and plotted are the white value's, and the columns r, g and b
// come last: the point's colour in linear sRGB at its brightest (Brightest), the largest of the
// three 1, all three 0 where no light arrives, a channel below 0 for a colour beyond what a
// screen shows.
std::string RunTableCsv(const RunPlan& plan, const RunPictureRecord& record,
                        std::string_view version);

}  // namespace pathsum
