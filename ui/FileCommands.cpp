#include "FileCommands.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

#include "Examples.h"
#include "ExportPictureDialog.h"
#include "Exports.h"
#include "FileDialogs.h"
#include "MainForm.h"
#include "SaveWhole.h"
#include "SetupFile.h"

namespace pathsum {
namespace {

const QString kRecentKey = QStringLiteral("recentSetups");
const QString kSetupFilter = QStringLiteral("pathsum set-ups (*.pathsum)");

}  // namespace

FileCommands::FileCommands(MainForm* form, QWidget* window)
    : QObject(window), form_(form), window_(window) {}

QStringList FileCommands::RecentFiles() {
    return QSettings().value(kRecentKey).toStringList();
}

void FileCommands::Open() {
    const QString path =
        AskForFile(form_->DialogParent(), QFileDialog::AcceptOpen, QStringLiteral("Open Set-up"),
                   SuggestedPath(QString()), kSetupFilter, QStringLiteral("pathsum"));
    if (!path.isEmpty()) {
        OpenFile(path);
    }
}

bool FileCommands::OpenFile(const QString& path) {
    return OpenSetup(path, true);
}

bool FileCommands::OpenSetup(const QString& path, bool remembered) {
    const auto read = ReadSetupFile(path);
    if (const auto* why = std::get_if<QString>(&read)) {
        Tell(QStringLiteral("Open Set-up"), *why);
        // A recent file that is gone, or spoilt, is no longer offered.
        Forget(path);
        return false;
    }
    const Setup& setup = std::get<Setup>(read);
    form_->ReplaceSetup(setup.texts, setup.marker);
    file_ = remembered ? QFileInfo(path).absoluteFilePath() : QString();
    ShowInTitle(path);
    if (remembered) {
        Remember(file_);
    }
    return true;
}

void FileCommands::Save() {
    if (file_.isEmpty()) {
        SaveAs();
    } else {
        SaveTo(file_);
    }
}

void FileCommands::SaveAs() {
    const QString path = AskForFile(
        form_->DialogParent(), QFileDialog::AcceptSave, QStringLiteral("Save Set-up"),
        SuggestedPath(QStringLiteral(".pathsum")), kSetupFilter, QStringLiteral("pathsum"));
    if (!path.isEmpty()) {
        SaveTo(path);
    }
}

bool FileCommands::SaveTo(const QString& path) {
    const Setup setup{form_->TextsOfControls(), form_->MarkerPosition(), {}};
    if (const auto why = SaveWhole(path, SetupBytes(setup))) {
        Tell(QStringLiteral("Save Set-up"), *why);
        return false;
    }
    file_ = QFileInfo(path).absoluteFilePath();
    ShowInTitle(path);
    Remember(file_);
    return true;
}

void FileCommands::ExportPicture() {
    ExportPictureDialog dialog(SuggestedPath(QStringLiteral(".png")), form_->DialogParent());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (const auto why = ExportFile(*form_, dialog.Path(), dialog.Options())) {
        Tell(QStringLiteral("Export Picture"), *why);
    }
}

void FileCommands::ExportData() {
    const auto table = ExportBytes(*form_, ExportKind::Csv, {});
    if (const auto* why = std::get_if<QString>(&table)) {
        Tell(QStringLiteral("Export Data"), *why);
        return;
    }
    const QString path =
        AskForFile(form_->DialogParent(), QFileDialog::AcceptSave, QStringLiteral("Export Data"),
                   SuggestedPath(QStringLiteral(".csv")),
                   QStringLiteral("Comma-separated values (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty()) {
        return;
    }
    if (const auto why = SaveWhole(path, std::get<QByteArray>(table))) {
        Tell(QStringLiteral("Export Data"), *why);
    }
}

void FileCommands::CopyPicture() {
    QGuiApplication::clipboard()->setImage(PictureImage(*form_, 1, MainForm::PrintLook::AsShown));
}

void FileCommands::FillRecentMenu(QMenu* menu) {
    menu->clear();
    const QStringList recent = RecentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        const QString& path = recent[i];
        QAction* entry = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(
                QFileInfo(path).fileName().replace(QChar('&'), QStringLiteral("&&"))),
            this, [this, path] { OpenFile(path); });
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(entry->toolTip());
    }
    if (recent.isEmpty()) {
        menu->addAction(QStringLiteral("No set-ups yet"))->setEnabled(false);
    }
}

void FileCommands::FillExamplesMenu(QMenu* menu) {
    menu->clear();
    const std::vector<Example> examples = ExamplesIn(ExamplesFolder());
    for (const Example& example : examples) {
        const QString path = example.path;
        QAction* entry =
            menu->addAction(example.description, this, [this, path] { OpenSetup(path, false); });
        entry->setToolTip(QFileInfo(path).fileName());
    }
    if (examples.empty()) {
        menu->addAction(QStringLiteral("No lessons found in %1")
                            .arg(QDir::toNativeSeparators(ExamplesFolder())))
            ->setEnabled(false);
    }
}

void FileCommands::ShowInTitle(const QString& path) {
    window_->setWindowTitle(MainForm::Caption() + QStringLiteral(" - ") +
                            QFileInfo(path).fileName());
}

void FileCommands::Remember(const QString& path) {
    QStringList recent = RecentFiles();
    recent.removeAll(path);
    recent.prepend(path);
    QSettings().setValue(kRecentKey, recent.mid(0, kRecentCount));
}

void FileCommands::Forget(const QString& path) {
    QStringList recent = RecentFiles();
    if (recent.removeAll(QFileInfo(path).absoluteFilePath()) > 0) {
        QSettings().setValue(kRecentKey, recent);
    }
}

QString FileCommands::SuggestedPath(const QString& suffix) const {
    if (file_.isEmpty()) {
        return suffix.isEmpty() ? QDir::homePath()
                                : QDir::home().filePath(QStringLiteral("pathsum") + suffix);
    }
    const QFileInfo info(file_);
    return suffix.isEmpty() ? info.absolutePath()
                            : info.dir().filePath(info.completeBaseName() + suffix);
}

void FileCommands::Tell(const QString& title, const QString& message) const {
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Ok, form_->DialogParent());
    box.setObjectName(QStringLiteral("FileMessageBox"));
    box.exec();
}

}  // namespace pathsum
