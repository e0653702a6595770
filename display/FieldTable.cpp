#include "FieldTable.h"

#include "DataText.h"
#include "Geometry.h"
#include "NumberText.h"

namespace pathsum {

std::string FieldTableCsv(const ExperimentSettings& settings, const FieldGrid& grid, int paths,
                          std::span<const double> p, std::string_view version) {
    const double countSquared = static_cast<double>(paths) * static_cast<double>(paths);
    std::string text = SettingsCommentLines(settings, version);
    text += FieldGridCommentLine(grid);
    text += kFieldTableHeader;
    for (int k = 0; k < grid.rows; ++k) {
        const double y = DistanceFromRow(grid.Y(k));
        for (int i = 0; i < grid.columns; ++i) {
            const double value = p[static_cast<std::size_t>(k) * grid.columns + i];
            text += CsvNumbers(
                {AcrossFromCentre(grid.X(i)), y, static_cast<double>(paths), value / countSquared});
        }
    }
    return text;
}

}  // namespace pathsum
