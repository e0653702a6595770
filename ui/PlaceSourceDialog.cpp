#include "PlaceSourceDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>

#include "PlotFrame.h"

namespace pathsum {
namespace {

// Label units from frame units and back: X = x - 50, Y = 100 - y.
double LabelX(double x) {
    return x - 50.0;
}
double LabelY(double y) {
    return 100.0 - y;
}

QDoubleSpinBox* CoordinateBox(double from, double to, double value, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    // Numbers read and written with a decimal point, as everywhere in the window.
    box->setLocale(QLocale::c());
    box->setDecimals(2);
    box->setRange(from, to);
    box->setSingleStep(1.0);
    box->setValue(value);
    return box;
}

}  // namespace

PlaceSourceDialog::PlaceSourceDialog(SourcePoint marker, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Place Source"));
    // The visible frame, where a click can land.
    constexpr double kRight = PlotFrame::kLeft + PlotFrame::kWidth;
    constexpr double kBottom = PlotFrame::kTop + PlotFrame::kHeight;
    x_ = CoordinateBox(LabelX(PlotFrame::kLeft), LabelX(kRight), LabelX(marker.x), this);
    y_ = CoordinateBox(LabelY(PlotFrame::kTop), LabelY(kBottom), LabelY(marker.y), this);
    x_->setObjectName(QStringLiteral("SourceX"));
    y_->setObjectName(QStringLiteral("SourceY"));
    x_->setAccessibleName(tr("Source X"));
    y_->setAccessibleName(tr("Source Y"));
    captions_ = new QLabel(this);
    captions_->setObjectName(QStringLiteral("Captions"));

    auto* form = new QFormLayout(this);
    auto* note =
        new QLabel(tr("X is measured right of the centre of the row, Y down from the row.\n"
                      "A Y above 100 puts the marker below the plot: a far source."),
                   this);
    form->addRow(note);
    form->addRow(tr("&X:"), x_);
    form->addRow(tr("&Y:"), y_);
    form->addRow(captions_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(x_, &QDoubleSpinBox::valueChanged, this, &PlaceSourceDialog::ShowCaptions);
    connect(y_, &QDoubleSpinBox::valueChanged, this, &PlaceSourceDialog::ShowCaptions);
    ShowCaptions();
}

SourcePoint PlaceSourceDialog::Marker() const {
    return {static_cast<float>(x_->value() + 50.0), static_cast<float>(100.0 - y_->value())};
}

void PlaceSourceDialog::ShowCaptions() {
    const SourcePoint source = ApplyFarSourceRule(Marker());
    captions_->setText(tr("The labels will read %1 and %2.")
                           .arg(QString::fromStdString(SourceXCaption(source)),
                                QString::fromStdString(SourceYCaption(source))));
}

}  // namespace pathsum
