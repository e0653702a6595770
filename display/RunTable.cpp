#include "RunTable.h"

#include <cstddef>
#include <span>

#include "DataText.h"
#include "Geometry.h"
#include "GraphPlotter.h"
#include "LightColour.h"

namespace pathsum {
namespace {

// One row of the table: a detector point as the run plotted it.
struct PointRow {
    double distance = 0.0;
    double x = 0.0;
    int count = 0;
    double p = 0.0;
    double gain = 0.0;
    LinearRgb colour;  // at its brightest; light of several wavelengths only
};

// A column: its name in the header and its value in a row.
struct Column {
    std::string_view name;
    double (*value)(const PointRow&);
};

constexpr Column kColumns[] = {
    {"screen_distance", [](const PointRow& r) { return r.distance; }},
    {"x", [](const PointRow& r) { return r.x; }},
    {"paths", [](const PointRow& r) { return static_cast<double>(r.count); }},
    {"p", [](const PointRow& r) { return r.p; }},
    {"p_over_n2", [](const PointRow& r) { return PlottedValue(1.0, r.p, r.count); }},
    {"plotted", [](const PointRow& r) { return PlottedValue(r.gain, r.p, r.count); }},
    {"X_from_centre", [](const PointRow& r) { return AcrossFromCentre(r.x); }},
};

constexpr Column kColourColumns[] = {
    {"r", [](const PointRow& r) { return r.colour.r; }},
    {"g", [](const PointRow& r) { return r.colour.g; }},
    {"b", [](const PointRow& r) { return r.colour.b; }},
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
    std::vector<double> numbers(columns.size());
    for (std::size_t screen = 0; screen < kScreenYs.size(); ++screen) {
        const std::vector<double>& values = p[screen];
        const double distance = DistanceFromRow(kScreenYs[screen]);
        for (std::size_t i = 0; i < values.size() && i < plan.detectorX.size(); ++i) {
            PointRow row{distance, plan.detectorX[i], count, values[i], plan.settings.gain, {}};
            if (colours != nullptr && i < (*colours)[screen].size()) {
                row.colour = Brightest((*colours)[screen][i]);
            }
            for (std::size_t c = 0; c < columns.size(); ++c) {
                numbers[c] = columns[c].value(row);
            }
            table += CsvNumbers(numbers);
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
