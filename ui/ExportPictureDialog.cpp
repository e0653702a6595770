#include "ExportPictureDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "FileDialogs.h"
#include "PlotFrame.h"

namespace pathsum {
namespace {

const char* const kTitle = QT_TRANSLATE_NOOP("pathsum::ExportPictureDialog", "Export Picture");

QString KindName(ExportKind kind) {
    switch (kind) {
        case ExportKind::Png:
            return QCoreApplication::translate("pathsum::ExportPictureDialog", "a PNG picture");
        case ExportKind::Svg:
            return QCoreApplication::translate("pathsum::ExportPictureDialog", "an SVG drawing");
        case ExportKind::Pdf:
            return QCoreApplication::translate("pathsum::ExportPictureDialog", "a PDF document");
        case ExportKind::Wav:
            return QCoreApplication::translate("pathsum::ExportPictureDialog", "a sound");
        case ExportKind::Csv:
            break;
    }
    return QCoreApplication::translate("pathsum::ExportPictureDialog", "a table");
}

}  // namespace

ExportPictureDialog::ExportPictureDialog(const QString& suggestedPath, QWidget* parent)
    : QDialog(parent), folder_(QFileInfo(suggestedPath).absolutePath()) {
    setObjectName(QStringLiteral("ExportPictureDialog"));
    setWindowTitle(tr(kTitle));

    path_ = new QLineEdit(QDir::toNativeSeparators(suggestedPath), this);
    path_->setObjectName(QStringLiteral("File"));
    path_->setAccessibleName(tr("File"));
    path_->setMinimumWidth(360);
    path_->setToolTip(tr("Ends in .png, .svg or .pdf: the kind of picture."));
    auto* choose = new QPushButton(tr("&Choose..."), this);
    choose->setObjectName(QStringLiteral("Choose"));
    auto* file = new QHBoxLayout;
    file->addWidget(path_);
    file->addWidget(choose);
    where_ = new QLabel(this);
    where_->setObjectName(QStringLiteral("Where"));
    where_->setWordWrap(true);
    where_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    scale_ = new QComboBox(this);
    scale_->setObjectName(QStringLiteral("Scale"));
    scale_->setAccessibleName(tr("PNG size"));
    for (const int scale : kPictureScales) {
        const QString size = tr("%1 x %2 pixels")
                                 .arg(PlotFrame::kClientWidth * scale)
                                 .arg(PlotFrame::kClientHeight * scale);
        scale_->addItem(scale == 1 ? tr("%1 (as the window)").arg(size)
                                   : tr("%1 (%2 times the window)").arg(size).arg(scale),
                        scale);
    }
    onWhite_ = new QCheckBox(tr("On &white: the plot dark on white, as Print on White"), this);
    onWhite_->setObjectName(QStringLiteral("OnWhite"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    exportButton_ = buttons->addButton(tr("&Export"), QDialogButtonBox::AcceptRole);
    exportButton_->setObjectName(QStringLiteral("Export"));
    exportButton_->setDefault(true);

    auto* form = new QFormLayout(this);
    // The name's box is in a row with its button: its label is given the box to go to.
    auto* fileLabel = new QLabel(tr("&File:"), this);
    fileLabel->setBuddy(path_);
    form->addRow(fileLabel, file);
    form->addRow(QString(), where_);
    form->addRow(tr("PNG &size:"), scale_);
    form->addRow(onWhite_);
    form->addRow(buttons);

    connect(choose, &QPushButton::clicked, this, &ExportPictureDialog::Choose);
    connect(path_, &QLineEdit::textChanged, this, &ExportPictureDialog::FollowTheName);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FollowTheName();
}

QString ExportPictureDialog::Path() const {
    const QString typed = QDir::fromNativeSeparators(path_->text().trimmed());
    if (typed.isEmpty()) {
        return {};
    }
    // A name alone goes where the dialog says, not into whatever folder the program started in.
    return QDir::cleanPath(QDir(folder_).absoluteFilePath(typed));
}

PictureOptions ExportPictureDialog::Options() const {
    return {scale_->currentData().toInt(),
            onWhite_->isChecked() ? MainForm::PrintLook::OnWhite : MainForm::PrintLook::AsShown};
}

QString ExportPictureDialog::Where() const {
    return where_->text();
}

void ExportPictureDialog::accept() {
    const QString path = Path();
    if (QFileInfo::exists(path) && path != agreedToReplace_) {
        // As the file dialogs ask.
        const auto answer = QMessageBox::question(
            this, tr(kTitle),
            tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            return;
        }
    }
    QDialog::accept();
}

void ExportPictureDialog::Choose() {
    const auto kind = ExportKindOf(Path());
    const QString chosen =
        AskForFile(this, QFileDialog::AcceptSave, tr(kTitle), Path().isEmpty() ? folder_ : Path(),
                   tr("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"),
                   kind == ExportKind::Svg   ? QStringLiteral("svg")
                   : kind == ExportKind::Pdf ? QStringLiteral("pdf")
                                             : QStringLiteral("png"));
    if (!chosen.isEmpty()) {
        folder_ = QFileInfo(chosen).absolutePath();
        // The file dialog has asked whether to replace it.
        agreedToReplace_ = QDir::cleanPath(chosen);
        path_->setText(QDir::toNativeSeparators(chosen));
    }
}

// Export is offered for a picture's name only, and the dialog says why it waits; the size
// matters to a PNG only.
void ExportPictureDialog::FollowTheName() {
    const auto kind = ExportKindOf(Path());
    const bool picture = kind && *kind != ExportKind::Csv && *kind != ExportKind::Wav;
    exportButton_->setEnabled(picture);
    scale_->setEnabled(kind == ExportKind::Png);
    if (picture) {
        where_->setText(tr("Writes %1: %2").arg(KindName(*kind), QDir::toNativeSeparators(Path())));
    } else if (Path().isEmpty()) {
        where_->setText(tr("Export waits for the name of the file to write."));
    } else if (kind == ExportKind::Csv) {
        where_->setText(
            tr("Export waits: a name ending in .csv is for the numbers, which File > Export Data "
               "writes. A picture's name ends in .png, .svg or .pdf."));
    } else {
        where_->setText(
            tr("Export waits for a name that ends in .png, .svg or .pdf: the ending says which "
               "kind of picture to write."));
    }
}

}  // namespace pathsum
