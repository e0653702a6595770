#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <optional>
#include <variant>

#include "MainForm.h"
#include "Screens.h"

// What the window writes for a worksheet or a spreadsheet: its picture (PNG, SVG, PDF) drawn
// as Print draws it, the numbers of the last run (CSV) and, from the command line, a screen of
// it as sound (WAV). The menu and the command line both export through these.

namespace pathsum {

enum class ExportKind { Png, Svg, Pdf, Csv, Wav };

// The kind of file a name asks for, by its extension (.png, .svg, .pdf, .csv, .wav, in any case);
// nothing for any other name.
std::optional<ExportKind> ExportKindOf(const QString& path);

// A PNG is the window's pixels times one of these.
inline constexpr std::array<int, 3> kPictureScales = {1, 2, 4};

struct PictureOptions {
    int scale = 1;  // one of kPictureScales; PNG only, the vector kinds are sharp at any size
    MainForm::PrintLook look = MainForm::PrintLook::AsShown;
    int screen = kFarthestScreenNumber;  // WAV only: the screen played, by its number (1 to 10)
};

// The client area as Print draws it, at `scale` times its pixels.
QImage PictureImage(MainForm& form, int scale, MainForm::PrintLook look);

// The bytes of a file of that kind, or why there are none: a table needs a screen of the
// last run to be finished, a sound the screen it plays.
std::variant<QByteArray, QString> ExportBytes(MainForm& form, ExportKind kind,
                                              const PictureOptions& options);

// Writes the file at `path`, of the kind its name asks for, whole or not at all (SaveWhole).
// Nothing when it was written, else a message that names the file and the reason.
std::optional<QString> ExportFile(MainForm& form, const QString& path,
                                  const PictureOptions& options);

}  // namespace pathsum
