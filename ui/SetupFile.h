#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <variant>

#include "ExperimentSettings.h"

// Set-up files: what the next run reads, kept as JSON (docs/SETUP-FILES.md). Reading and
// writing only; this file needs Qt Core and nothing of the window, so the fuzzer links it alone.

namespace pathsum {

// What the next run reads: the six box texts as they stand (texts, not numbers: the boxes hold
// free text), the pattern caption and the source marker; and the line that says what the
// set-up shows (every lesson shipped with the program has one).
struct Setup {
    SettingsTexts texts;
    SourcePoint marker = kStartSource;
    // White light ("light": "white"); the one wavelength typed when the file says nothing.
    bool whiteLight = false;
    QString description;
    // The file as it was read, every key of it: the writer writes its own keys over these and
    // keeps the rest, so that a set-up saved again keeps what a later version or a hand added.
    QJsonObject read;
};

// The limits of the reader, each far beyond what a real set-up needs and each keeping a
// hostile file from costing more than a moment.

// A set-up is a few hundred bytes; a file over a megabyte is no set-up and is refused before
// it is read whole.
inline constexpr qint64 kLargestSetupFile = qint64{1024} * 1024;

// A box holds a number as typed and the pattern one of six captions: a thousand characters is
// far more than a box shows, and keeps the window from being handed megabytes to lay out.
inline constexpr qsizetype kLongestSetupText = 1000;

// The format nests two deep (the source inside the file); unknown keys may hold more, but a
// file nested deeper than this is no set-up, and the parser is never asked to recurse far.
inline constexpr int kDeepestSetupNesting = 16;

// How far from the centre of the plot, in plot units along either axis, a marker may stand.
// A drag carries the marker beyond the window (a drag across the widest screens is about 1,500
// units), and the far-source rule takes it a hundred times further; this bound leaves room for
// both and keeps every run's source finite in single precision.
inline constexpr double kFarthestMarker = 10000.0;

// The value of the file's "format" key, and the version this program writes and reads.
inline constexpr char kSetupFormat[] = "pathsum-setup";
inline constexpr int kSetupVersion = 1;

// The set-up the bytes hold, or what is wrong with them (where the parser says, with the line
// and column). All or nothing: a set-up is returned only when every key it knows is usable. A
// key left out keeps its start-up value; keys it does not know are passed over.
std::variant<Setup, QString> ReadSetup(const QByteArray& bytes);

// The set-up in the file at `path`, or a message that names the file and what is wrong: a
// folder, a file that cannot be read or is too large (refused before it is read whole), or
// what ReadSetup finds.
std::variant<Setup, QString> ReadSetupFile(const QString& path);

// The set-up as a file holds it: every key written, the marker in as few digits as read back
// to the same single-precision bits, and the keys of `setup.read` this version does not write
// kept as they were (the source's among them). The description is written only when there is
// one. Kept keys that would take the file past kLargestSetupFile are left out: a file is
// never written that the reader would refuse.
QByteArray SetupBytes(const Setup& setup);

}  // namespace pathsum
