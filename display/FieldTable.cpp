#include "FieldTable.h"

#include "DataText.h"
#include "NumberText.h"

namespace pathsum {

std::string FieldTableCsv(const ExperimentSettings& settings, const FieldGrid& grid, int paths,
                          std::span<const double> p, std::string_view version) {
    const double countSquared = static_cast<double>(paths) * static_cast<double>(paths);
    std::string text = SettingsCommentLines(settings, version);
    text += "# field of light: " + std::to_string(grid.columns) + " x " +
            std::to_string(grid.rows) + " pixel centres of the view x " +
            FullNumber(grid.view.left) + " to " + FullNumber(grid.view.left + grid.view.width) +
            ", y " + FullNumber(grid.view.bottom) + " to " +
            FullNumber(grid.view.bottom + grid.view.height) + "\n";
    text += kFieldTableHeader;
    for (int k = 0; k < grid.rows; ++k) {
        for (int i = 0; i < grid.columns; ++i) {
            const double value = p[static_cast<std::size_t>(k) * grid.columns + i];
            text += CsvNumbers(
                {grid.X(i), grid.Y(k), static_cast<double>(paths), value / countSquared});
        }
    }
    return text;
}

}  // namespace pathsum
