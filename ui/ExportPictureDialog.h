#pragma once

#include <QDialog>

#include "Exports.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pathsum {

// File > Export Picture: where to write the picture (its kind from the name's extension, as on
// the command line), how many times the window's pixels a PNG has, and whether the plot is
// drawn dark on white paper, as Print on White prints it. A name without a folder goes into the
// folder of the name first offered (or last chosen), and the dialog says where, or why Export
// waits; Export asks before it replaces a file, as the file dialogs do.
class ExportPictureDialog : public QDialog {
    Q_OBJECT

  public:
    ExportPictureDialog(const QString& suggestedPath, QWidget* parent);

    // The file to write, with its folder.
    QString Path() const;
    PictureOptions Options() const;
    // What the dialog says under the name: the file it writes, or why Export waits.
    QString Where() const;

    // Export: asks first when a file of that name is there and the user has not agreed to
    // replace it in the file dialog already.
    void accept() override;

  private:
    void Choose();
    void FollowTheName();

    QString folder_;
    // The file the file dialog has already asked about, if any.
    QString agreedToReplace_;
    QLineEdit* path_;
    QLabel* where_;
    QComboBox* scale_;
    QCheckBox* onWhite_;
    QPushButton* exportButton_;
};

}  // namespace pathsum
