#include "ExportPictureDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "PlotFrame.h"

namespace pathsum {

ExportPictureDialog::ExportPictureDialog(const QString& suggestedPath, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ExportPictureDialog"));
    setWindowTitle(QStringLiteral("Export Picture"));

    path_ = new QLineEdit(suggestedPath, this);
    path_->setObjectName(QStringLiteral("File"));
    path_->setAccessibleName(QStringLiteral("File"));
    path_->setMinimumWidth(360);
    path_->setToolTip(QStringLiteral("Ends in .png, .svg or .pdf: the kind of picture."));
    auto* choose = new QPushButton(QStringLiteral("&Choose..."), this);
    choose->setObjectName(QStringLiteral("Choose"));
    auto* file = new QHBoxLayout;
    file->addWidget(path_);
    file->addWidget(choose);

    scale_ = new QComboBox(this);
    scale_->setObjectName(QStringLiteral("Scale"));
    scale_->setAccessibleName(QStringLiteral("PNG size"));
    for (const int scale : kPictureScales) {
        const QString size = QStringLiteral("%1 x %2 pixels")
                                 .arg(PlotFrame::kClientWidth * scale)
                                 .arg(PlotFrame::kClientHeight * scale);
        scale_->addItem(scale == 1 ? size + QStringLiteral(" (as the window)")
                                   : size + QStringLiteral(" (%1 times the window)").arg(scale),
                        scale);
    }
    onWhite_ =
        new QCheckBox(QStringLiteral("On &white: the plot dark on white, as Print on White"), this);
    onWhite_->setObjectName(QStringLiteral("OnWhite"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    exportButton_ = buttons->addButton(QStringLiteral("&Export"), QDialogButtonBox::AcceptRole);
    exportButton_->setObjectName(QStringLiteral("Export"));
    exportButton_->setDefault(true);

    auto* form = new QFormLayout(this);
    // The name's box is in a row with its button: its label is given the box to go to.
    auto* fileLabel = new QLabel(QStringLiteral("&File:"), this);
    fileLabel->setBuddy(path_);
    form->addRow(fileLabel, file);
    form->addRow(QStringLiteral("PNG &size:"), scale_);
    form->addRow(onWhite_);
    form->addRow(buttons);

    connect(choose, &QPushButton::clicked, this, &ExportPictureDialog::Choose);
    connect(path_, &QLineEdit::textChanged, this, &ExportPictureDialog::FollowTheName);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FollowTheName();
}

QString ExportPictureDialog::Path() const {
    return path_->text().trimmed();
}

PictureOptions ExportPictureDialog::Options() const {
    return {scale_->currentData().toInt(),
            onWhite_->isChecked() ? MainForm::PrintLook::OnWhite : MainForm::PrintLook::AsShown};
}

void ExportPictureDialog::Choose() {
    const QString chosen = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export Picture"), Path(),
        QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
    if (!chosen.isEmpty()) {
        path_->setText(chosen);
    }
}

// Export is offered for a picture's name only; the size matters to a PNG only.
void ExportPictureDialog::FollowTheName() {
    const auto kind = ExportKindOf(Path());
    exportButton_->setEnabled(kind && *kind != ExportKind::Csv);
    scale_->setEnabled(kind == ExportKind::Png);
}

}  // namespace pathsum
