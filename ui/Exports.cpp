#include "Exports.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "RunTable.h"
#include "SaveWhole.h"
#include "Screens.h"
#include "WavFile.h"

namespace pathsum {
namespace {

// The window's own size: its pixels are the units of the vector pictures.
QRect ClientRect(const MainForm& form) {
    return {QPoint(0, 0), form.size()};
}

QByteArray PngBytes(MainForm& form, const PictureOptions& options) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PictureImage(form, options.scale, options.look).save(&buffer, "PNG");
    return bytes;
}

QByteArray SvgBytes(MainForm& form, const PictureOptions& options) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(form.size());
    // The window's pixels at 96 to the inch: a picture about as wide as A4 paper.
    svg.setResolution(96);
    svg.setViewBox(ClientRect(form));
    svg.setTitle(MainForm::Caption().simplified());
    svg.setDescription(QStringLiteral("pathsum"));
    QPainter painter(&svg);
    form.PaintClientArea(painter, ClientRect(form), options.look);
    painter.end();
    return bytes;
}

QByteArray PdfBytes(MainForm& form, const PictureOptions& options) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    // One page the window's shape, a point for each of its pixels at 96 to the inch.
    constexpr double kPointsPerPixel = 72.0 / 96.0;
    pdf.setPageSize(QPageSize(QSizeF(form.size()) * kPointsPerPixel, QPageSize::Point,
                              QStringLiteral("pathsum"), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF());
    pdf.setTitle(MainForm::Caption().simplified());
    pdf.setCreator(QStringLiteral("pathsum"));
    QPainter painter(&pdf);
    form.PaintClientArea(painter, painter.viewport(), options.look);
    painter.end();
    return bytes;
}

std::variant<QByteArray, QString> CsvBytes(MainForm& form) {
    const RunRecord& run = form.LastRun();
    const bool finished = run.plan && std::any_of(run.p.begin(), run.p.end(),
                                                  [](const auto& p) { return !p.empty(); });
    if (!finished) {
        return QCoreApplication::translate(
            "Exports",
            "No screen has been calculated yet, so there are no numbers to export: calculate "
            "first.");
    }
    // In white light the table adds each point's colour.
    RunPictureRecord plotted;
    plotted.p = run.p;
    plotted.colours = run.colours;
    return QByteArray::fromStdString(RunTableCsv(*run.plan, plotted, PATHSUM_VERSION));
}

// The screen as Play Screen plays it: three seconds from x = 0 to x = 100.
std::variant<QByteArray, QString> WavBytes(const MainForm& form, int screenNumber) {
    const std::size_t screen = ScreenOfNumber(screenNumber);
    if (!form.LastRun().plan || form.LastRun().p[screen].empty()) {
        return QCoreApplication::translate(
                   "Exports",
                   "screen %1 has not been calculated, so there is no sound of it to export.")
            .arg(screenNumber);
    }
    const std::string bytes = ScreenWav(form.ScreenPoints(screen));
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

std::optional<ExportKind> ExportKindOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return ExportKind::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return ExportKind::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return ExportKind::Pdf;
    }
    if (suffix == QLatin1String("csv")) {
        return ExportKind::Csv;
    }
    if (suffix == QLatin1String("wav")) {
        return ExportKind::Wav;
    }
    return std::nullopt;
}

QImage PictureImage(MainForm& form, int scale, MainForm::PrintLook look) {
    QImage image(form.size() * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    form.PaintClientArea(painter, image.rect(), look);
    painter.end();
    return image;
}

std::variant<QByteArray, QString> ExportBytes(MainForm& form, ExportKind kind,
                                              const PictureOptions& options) {
    switch (kind) {
        case ExportKind::Png:
            return PngBytes(form, options);
        case ExportKind::Svg:
            return SvgBytes(form, options);
        case ExportKind::Pdf:
            return PdfBytes(form, options);
        case ExportKind::Wav:
            return WavBytes(form, options.screen);
        case ExportKind::Csv:
            break;
    }
    return CsvBytes(form);
}

std::optional<QString> ExportFile(MainForm& form, const QString& path,
                                  const PictureOptions& options) {
    const auto kind = ExportKindOf(path);
    if (!kind) {
        return QCoreApplication::translate(
                   "Exports",
                   "The file \u201c%1\u201d was not written: its name must end in .png, "
                   ".svg, .pdf, .csv or .wav, which says what kind of file to write.")
            .arg(path);
    }
    const auto bytes = ExportBytes(form, *kind, options);
    if (const auto* why = std::get_if<QString>(&bytes)) {
        return QCoreApplication::translate("Exports", "The file \u201c%1\u201d was not written: %2")
            .arg(path, *why);
    }
    return SaveWhole(path, std::get<QByteArray>(bytes));
}

}  // namespace pathsum
