#include "DataText.h"

#include <string>
#include <vector>

#include "Geometry.h"
#include "NumberText.h"

namespace pathsum {
namespace {

// A text as a comment line may hold it: a control character (a line break above all) would
// end the comment, so it becomes a blank.
std::string OnOneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            c = ' ';
        }
    }
    return line;
}

// A point of the plot as the window's labels give it, with every digit.
std::string PointText(SourcePoint point) {
    return "X " + FullNumber(AcrossFromCentre(point.x)) + ", Y " +
           FullNumber(DistanceFromRow(point.y));
}

}  // namespace

std::string SettingsCommentLines(const ExperimentSettings& settings, std::string_view version) {
    const SettingsTexts& t = settings.texts;
    const auto field = [](const char* name, std::string_view text) {
        return "# " + std::string(name) + ": \"" + OnOneLine(text) + "\"\n";
    };
    std::string lines = "# pathsum " + std::string(version) + "\n";
    lines += field("pattern", settings.patternCaption);
    lines += field("wavelength", t.wavelength);
    lines += field("resolution (radians)", t.resolution);
    lines += field("resolution x (detector step)", t.resolutionX);
    lines += field("gain", t.gain);
    lines += field("width", t.width);
    lines += field("spacing", t.spacing);
    lines += kCoordinatesCommentLine;
    lines += "# source marker: " + PointText(settings.marker) + "\n";
    lines += "# source of the run (far-source rule applied): " + PointText(settings.source) + "\n";
    if (settings.light.Spectral()) {
        lines += settings.light == WhiteLight() ? "# light: white, " : "# light: ";
        const std::vector<double>& nanometres = settings.light.nanometres;
        lines += std::to_string(nanometres.size()) + " wavelengths of equal power from " +
                 FullNumber(nanometres.front()) + " to " + FullNumber(nanometres.back()) +
                 " nm, the typed wavelength standing for " + FullNumber(kTypedNanometres) + " nm\n";
    }
    return lines;
}

std::string FieldGridCommentLine(const FieldGrid& grid) {
    const FieldView& view = grid.view;
    return "# field of light: " + std::to_string(grid.columns) + " x " + std::to_string(grid.rows) +
           " pixel centres of the view X " + FullNumber(AcrossFromCentre(view.left)) + " to " +
           FullNumber(AcrossFromCentre(view.left + view.width)) + ", Y " +
           FullNumber(DistanceFromRow(view.bottom + view.height)) + " to " +
           FullNumber(DistanceFromRow(view.bottom)) + "\n";
}

std::string CsvNumbers(std::initializer_list<double> numbers) {
    return CsvNumbers(std::span(numbers.begin(), numbers.size()));
}

std::string CsvNumbers(std::span<const double> numbers) {
    std::string line;
    for (const double number : numbers) {
        if (!line.empty()) {
            line += ',';
        }
        line += FullNumber(number);
    }
    line += '\n';
    return line;
}

std::string CsvCells(std::initializer_list<std::optional<double>> cells) {
    return CsvCells(std::span(cells.begin(), cells.size()));
}

std::string CsvCells(std::span<const std::optional<double>> cells) {
    std::string line;
    bool first = true;
    for (const std::optional<double>& cell : cells) {
        if (!first) {
            line += ',';
        }
        first = false;
        if (cell) {
            line += FullNumber(*cell);
        }
    }
    line += '\n';
    return line;
}

}  // namespace pathsum
