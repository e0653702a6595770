#pragma once

#include <QString>
#include <vector>

namespace pathsum {

// A lesson shipped with the program: a set-up file and the line that says what it shows.
struct Example {
    QString path;
    QString description;
    // The description in the language spoken, where the translators have it.
    QString shown;
};

// Where the lessons are: share/pathsum/examples beside the program's bin/ folder, where the
// package installs them and where the build puts a copy of them beside app/.
QString ExamplesFolder();

// The set-ups of a folder that open, by file name; a file that does not open is left out.
std::vector<Example> ExamplesIn(const QString& folder);

}  // namespace pathsum
