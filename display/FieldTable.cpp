#include "FieldTable.h"

#include "DataText.h"
#include "Geometry.h"
#include "NumberText.h"

namespace pathsum {

std::string FieldTableCsv(const ExperimentSettings& settings, const FieldGrid& grid, int paths,
                          std::span<const double> p, std::span<const double> re,
                          std::span<const double> im, std::string_view version) {
    const double count = static_cast<double>(paths);
    const double countSquared = count * count;
    std::string text = SettingsCommentLines(settings, version);
    text += FieldGridCommentLine(grid);
    text += kFieldTableHeader;
    for (int k = 0; k < grid.rows; ++k) {
        const double y = DistanceFromRow(grid.Y(k));
        for (int i = 0; i < grid.columns; ++i) {
            const std::size_t at = static_cast<std::size_t>(k) * grid.columns + i;
            text += CsvNumbers(
                {AcrossFromCentre(grid.X(i)), y, count, p[at] / countSquared, re[at], im[at]});
        }
    }
    return text;
}

}  // namespace pathsum
