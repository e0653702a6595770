#include "RunTable.h"

#include <cstddef>
#include <optional>
#include <span>

#include "DataText.h"
#include "FarField.h"
#include "Geometry.h"
#include "GraphPlotter.h"
#include "LightColour.h"

namespace pathsum {
namespace {

// One row of the table: a detector point as the run plotted it, and what the textbook says of it.
struct PointRow {
    double distance = 0.0;
    double x = 0.0;
    int count = 0;
    double p = 0.0;
    double gain = 0.0;
    std::optional<double> prediction;  // the far-field prediction, where it is defined
    std::optional<double> fresnel;     // the screen's Fresnel number, where it is defined
    LinearRgb colour;                  // at its brightest; light of several wavelengths only
};

// A column: its name in the header and its cell in a row (empty where there is no number).
struct Column {
    std::string_view name;
    std::optional<double> (*value)(const PointRow&);
};

// The engine's numbers, then the textbook's: `theory` in the units of `plotted` (gain times the
// prediction) and `fresnel`. Later columns go after these, so that a column keeps its place.
constexpr Column kColumns[] = {
    {"screen_distance", [](const PointRow& r) { return std::optional(r.distance); }},
    {"x", [](const PointRow& r) { return std::optional(r.x); }},
    {"paths", [](const PointRow& r) { return std::optional(static_cast<double>(r.count)); }},
    {"p", [](const PointRow& r) { return std::optional(r.p); }},
    {"p_over_n2", [](const PointRow& r) { return std::optional(PlottedValue(1.0, r.p, r.count)); }},
    {"plotted",
     [](const PointRow& r) { return std::optional(PlottedValue(r.gain, r.p, r.count)); }},
    {"X_from_centre", [](const PointRow& r) { return std::optional(AcrossFromCentre(r.x)); }},
    {"theory",
     [](const PointRow& r) {
         return r.prediction ? std::optional(r.gain * *r.prediction) : std::nullopt;
     }},
    {"fresnel", [](const PointRow& r) { return r.fresnel; }},
};

constexpr Column kColourColumns[] = {
    {"r", [](const PointRow& r) { return std::optional(r.colour.r); }},
    {"g", [](const PointRow& r) { return std::optional(r.colour.g); }},
    {"b", [](const PointRow& r) { return std::optional(r.colour.b); }},
};

std::string Header(std::span<const Column> columns) {
    std::string header;
    for (const Column& column : columns) {
        header += header.empty() ? "" : ",";
        header += column.name;
    }
    return header + "\n";
}

std::string Table(const RunPlan& plan, const std::array<std::vector<double>, kScreenYs.size()>& p,
                  const std::array<std::vector<LinearRgb>, kScreenYs.size()>* colours,
                  std::string_view version) {
    std::vector<Column> columns(std::begin(kColumns), std::end(kColumns));
    if (colours != nullptr) {
        columns.insert(columns.end(), std::begin(kColourColumns), std::end(kColourColumns));
    }
    std::string table = SettingsCommentLines(plan.settings, version);
    table += Header(columns);
    const int count = plan.paths.Count();
    if (count <= 0) {
        return table;
    }
    const std::optional<FarField> theory = FarField::Of(plan.settings, plan.row);
    std::vector<std::optional<double>> cells(columns.size());
    for (std::size_t screen = 0; screen < kScreenYs.size(); ++screen) {
        const std::vector<double>& values = p[screen];
        const double screenY = kScreenYs[screen];
        const double distance = DistanceFromRow(screenY);
        const std::optional<double> fresnel =
            theory ? theory->FresnelNumber(distance) : std::nullopt;
        for (std::size_t i = 0; i < values.size() && i < plan.detectorX.size(); ++i) {
            const double x = plan.detectorX[i];
            PointRow row{distance,
                         x,
                         count,
                         values[i],
                         plan.settings.gain,
                         theory ? theory->PredictionAt(x, screenY) : std::nullopt,
                         fresnel,
                         {}};
            if (colours != nullptr && i < (*colours)[screen].size()) {
                row.colour = Brightest((*colours)[screen][i]);
            }
            for (std::size_t c = 0; c < columns.size(); ++c) {
                cells[c] = columns[c].value(row);
            }
            table += CsvCells(cells);
        }
    }
    return table;
}

}  // namespace

std::string RunTableCsv(const RunPlan& plan,
                        const std::array<std::vector<double>, kScreenYs.size()>& p,
                        std::string_view version) {
    return Table(plan, p, nullptr, version);
}

std::string RunTableCsv(const RunPlan& plan, const RunPictureRecord& record,
                        std::string_view version) {
    return Table(plan, record.p, plan.settings.light.Spectral() ? &record.colours : nullptr,
                 version);
}

}  // namespace pathsum
