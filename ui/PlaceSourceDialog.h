#pragma once

#include <QDialog>

#include "ExperimentSettings.h"

class QDoubleSpinBox;
class QLabel;

namespace pathsum {

// Places the source marker from the keyboard: X and Y in the units the source labels use
// (X right of the centre of the row, Y down from the row), anywhere a click could put it. The
// dialog shows what the labels will read, far-source rule included.
class PlaceSourceDialog : public QDialog {
    Q_OBJECT

  public:
    PlaceSourceDialog(SourcePoint marker, QWidget* parent = nullptr);

    // The marker position chosen, in frame units, as a click there would give it.
    SourcePoint Marker() const;

  private:
    void ShowCaptions();

    QDoubleSpinBox* x_;
    QDoubleSpinBox* y_;
    QLabel* captions_;
};

}  // namespace pathsum
