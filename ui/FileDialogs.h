#pragma once

#include <QFileDialog>
#include <QString>

class QWidget;

namespace pathsum {

// The one way the program asks which file to open or where to save: its own file dialog,
// opening at `start` (a folder, or the path of the file it suggests), with `filter` and "All
// files" to choose from. For a save, a name typed without its suffix is given the suffix of the
// kind of file chosen in the dialog (`suffix` for "All files") before the dialog asks whether
// to replace a file of that name. Empty when the user cancels.
QString AskForFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                   const QString& start, const QString& filter, const QString& suffix);

}  // namespace pathsum
