#include "RunTable.h"

#include <optional>

#include "DataText.h"
#include "FarField.h"
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
    const std::optional<FarField> theory = FarField::Of(plan.settings, plan.row);
    const double gain = plan.settings.gain;
    for (std::size_t screen = 0; screen < kScreenYs.size(); ++screen) {
        const std::vector<double>& values = p[screen];
        const double screenY = kScreenYs[screen];
        const double distance = DistanceFromRow(screenY);
        const std::optional<double> fresnel =
            theory ? theory->FresnelNumber(distance) : std::nullopt;
        for (std::size_t i = 0; i < values.size() && i < plan.detectorX.size(); ++i) {
            const double x = plan.detectorX[i];
            const std::optional<double> predicted =
                theory ? theory->PredictionAt(x, screenY) : std::nullopt;
            table +=
                CsvCells({distance, x, static_cast<double>(count), values[i],
                          PlottedValue(1.0, values[i], count), PlottedValue(gain, values[i], count),
                          AcrossFromCentre(x),
                          predicted ? std::optional(gain * *predicted) : std::nullopt, fresnel});
        }
    }
    return table;
}

}  // namespace pathsum
