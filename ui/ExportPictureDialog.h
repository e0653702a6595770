#pragma once

#include <QDialog>

#include "Exports.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace pathsum {

// File > Export Picture: where to write the picture (its kind from the name's extension, as on
// the command line), how many times the window's pixels a PNG has, and whether the plot is
// drawn dark on white paper, as Print on White prints it.
class ExportPictureDialog : public QDialog {
    Q_OBJECT

  public:
    ExportPictureDialog(const QString& suggestedPath, QWidget* parent);

    QString Path() const;
    PictureOptions Options() const;

  private:
    void Choose();
    void FollowTheName();

    QLineEdit* path_;
    QComboBox* scale_;
    QCheckBox* onWhite_;
    QPushButton* exportButton_;
};

}  // namespace pathsum
