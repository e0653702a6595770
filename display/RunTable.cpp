#include "RunTable.h"

#include "DataText.h"
#include "Geometry.h"
#include "GraphPlotter.h"

namespace pathsum {

std::string RunTableCsv(const RunPlan& plan,
                        const std::array<std::vector<double>, kScreenYs.size()>& p,
                        std::string_view version) {
    std::string table = SettingsCommentLines(plan.settings, version);
    table += kRunTableHeader;
    const int count = plan.paths.Count();
    if (count <= 0) {
        return table;
    }
    for (std::size_t screen = 0; screen < kScreenYs.size(); ++screen) {
        const std::vector<double>& values = p[screen];
        const double distance = DistanceFromRow(kScreenYs[screen]);
        for (std::size_t i = 0; i < values.size() && i < plan.detectorX.size(); ++i) {
            const double x = plan.detectorX[i];
            table += CsvNumbers({distance, x, static_cast<double>(count), values[i],
                                 PlottedValue(1.0, values[i], count),
                                 PlottedValue(plan.settings.gain, values[i], count),
                                 AcrossFromCentre(x)});
        }
    }
    return table;
}

}  // namespace pathsum
