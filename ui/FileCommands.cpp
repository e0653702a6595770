#include "FileCommands.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QToolTip>

#include "Controls.h"
#include "Examples.h"
#include "ExportPictureDialog.h"
#include "Exports.h"
#include "FileDialogs.h"
#include "Geometry.h"
#include "MainForm.h"
#include "PlotFrame.h"
#include "SaveWhole.h"
#include "SetupFile.h"

namespace pathsum {
namespace {

const QString kRecentKey = QStringLiteral("recentSetups");
const char* const kSetupFilter =
    QT_TRANSLATE_NOOP("pathsum::FileCommands", "pathsum set-ups (*.pathsum)");
// How long the notice of a written file stays: long enough to read a path twice.
constexpr int kNoticeMs = 6000;

bool SameTexts(const SettingsTexts& a, const SettingsTexts& b) {
    return a.wavelength == b.wavelength && a.width == b.width && a.spacing == b.spacing &&
           a.gain == b.gain && a.resolution == b.resolution && a.resolutionX == b.resolutionX &&
           a.patternCaption == b.patternCaption;
}

}  // namespace

FileCommands::FileCommands(MainForm* form, QWidget* window)
    : QObject(window), form_(form), window_(window) {
    connect(form_, &MainForm::setupChanged, this, &FileCommands::NoteChanges);
}

QStringList FileCommands::RecentFiles() {
    return QSettings().value(kRecentKey).toStringList();
}

void FileCommands::Open() {
    if (!SettleChanges()) {
        return;
    }
    const QString path =
        AskForFile(form_->DialogParent(), QFileDialog::AcceptOpen, tr("Open Set-up"),
                   SuggestedPath(QString()), tr(kSetupFilter), QStringLiteral("pathsum"));
    if (!path.isEmpty()) {
        OpenSetup(path, true);
    }
}

bool FileCommands::OpenFile(const QString& path) {
    return SettleChanges() && OpenSetup(path, true);
}

bool FileCommands::OpenLesson(const QString& path) {
    return SettleChanges() && OpenSetup(path, false);
}

bool FileCommands::OpenSetup(const QString& path, bool remembered) {
    const auto read = ReadSetupFile(path);
    if (const auto* why = std::get_if<QString>(&read)) {
        Tell(tr("Open Set-up"), *why);
        // A recent file that is gone, or spoilt, is no longer offered.
        Forget(path);
        return false;
    }
    const Setup& setup = std::get<Setup>(read);
    form_->ReplaceSetup(setup.texts, setup.marker, setup.whiteLight);
    opened_ = setup;
    file_ = remembered ? QFileInfo(path).absoluteFilePath() : QString();
    Keep(path);
    if (remembered) {
        Remember(file_);
    }
    return true;
}

void FileCommands::Save() {
    SaveOrAsk();
}

void FileCommands::SaveAs() {
    AskAndSave();
}

bool FileCommands::SaveOrAsk() {
    return file_.isEmpty() ? AskAndSave() : SaveTo(file_);
}

bool FileCommands::AskAndSave() {
    const QString path = AskForFile(form_->DialogParent(), QFileDialog::AcceptSave,
                                    tr("Save Set-up"), SuggestedPath(QStringLiteral(".pathsum")),
                                    tr(kSetupFilter), QStringLiteral("pathsum"));
    return !path.isEmpty() && SaveTo(path);
}

bool FileCommands::SaveTo(const QString& path) {
    // The window's values over what the set-up was opened with: its description and the keys
    // this version does not know stay.
    Setup setup = opened_;
    setup.texts = form_->TextsOfControls();
    setup.marker = form_->MarkerPosition();
    setup.whiteLight = form_->InWhiteLight();
    if (const auto why = SaveWhole(path, SetupBytes(setup))) {
        Tell(tr("Save Set-up"), *why);
        return false;
    }
    opened_ = setup;
    file_ = QFileInfo(path).absoluteFilePath();
    Keep(path);
    Remember(file_);
    return true;
}

void FileCommands::ExportPicture() {
    ExportPictureDialog dialog(SuggestedPath(QStringLiteral(".png")), form_->DialogParent());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (const auto why = ExportFile(*form_, dialog.Path(), dialog.Options())) {
        Tell(tr("Export Picture"), *why);
    } else {
        Confirm(tr("The picture is written: %1").arg(QDir::toNativeSeparators(dialog.Path())));
    }
}

void FileCommands::ExportData() {
    const auto table = ExportBytes(*form_, ExportKind::Csv, {});
    if (const auto* why = std::get_if<QString>(&table)) {
        Tell(tr("Export Data"), *why);
        return;
    }
    const QString path = AskForFile(form_->DialogParent(), QFileDialog::AcceptSave,
                                    tr("Export Data"), SuggestedPath(QStringLiteral(".csv")),
                                    tr("Comma-separated values (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty()) {
        return;
    }
    if (const auto why = SaveWhole(path, std::get<QByteArray>(table))) {
        Tell(tr("Export Data"), *why);
    } else {
        Confirm(tr("The numbers are written: %1")
                    .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
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
        menu->addAction(tr("No set-ups yet"))->setEnabled(false);
    }
}

void FileCommands::FillExamplesMenu(QMenu* menu) {
    menu->clear();
    const std::vector<Example> examples = ExamplesIn(ExamplesFolder());
    for (const Example& example : examples) {
        const QString path = example.path;
        QAction* entry = menu->addAction(example.shown, this, [this, path] { OpenLesson(path); });
        entry->setToolTip(QFileInfo(path).fileName());
    }
    if (examples.empty()) {
        menu->addAction(
                tr("No lessons found in %1").arg(QDir::toNativeSeparators(ExamplesFolder())))
            ->setEnabled(false);
    }
}

void FileCommands::Keep(const QString& path) {
    kept_ = KeptSetup{form_->TextsOfControls(), form_->MarkerPosition(), form_->InWhiteLight(),
                      QFileInfo(path).fileName()};
    // The file's name, and the mark of unsaved changes where "[*]" stands, go before the
    // window's long caption, which a title bar cuts short. A "[*]" in the file's own name is
    // doubled to stand for itself.
    QString name = kept_->name;
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    window_->setWindowTitle(name + QStringLiteral("[*] - ") + MainForm::Caption());
    NoteChanges();
}

bool FileCommands::Unsaved() const {
    if (!kept_) {
        return false;
    }
    const SourcePoint marker = form_->MarkerPosition();
    return !SameTexts(form_->TextsOfControls(), kept_->texts) || marker.x != kept_->marker.x ||
           marker.y != kept_->marker.y || form_->InWhiteLight() != kept_->whiteLight;
}

void FileCommands::NoteChanges() {
    window_->setWindowModified(Unsaved());
}

bool FileCommands::SettleChanges() {
    if (!Unsaved()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, tr("Unsaved Changes"),
                    tr("Save the changes to \u201c%1\u201d?").arg(kept_->name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    form_->DialogParent());
    box.setObjectName(QStringLiteral("UnsavedChangesBox"));
    box.setInformativeText(
        tr("The set-up has changed since it was opened or saved. Without saving, "
           "the changes are lost."));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveOrAsk();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
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

void FileCommands::Confirm(const QString& message) {
    if (notice_ == nullptr) {
        notice_ = new QLabel(window_);
        notice_->setObjectName(QStringLiteral("FileNotice"));
        notice_->setWordWrap(true);
        notice_->setMargin(6);
        notice_->setAutoFillBackground(true);
        notice_->setFrameShape(QFrame::Box);
        notice_->setPalette(QToolTip::palette());
        // A click there goes to the window beneath, as if the notice were not there.
        notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
        noticeTimer_ = new QTimer(notice_);
        noticeTimer_->setSingleShot(true);
        noticeTimer_->setInterval(kNoticeMs);
        connect(noticeTimer_, &QTimer::timeout, notice_, &QWidget::hide);
    }
    // Under the plot, across its width, above the live mode's notice, where nothing is drawn:
    // the controls, the bands and the source stay in sight. Placed in the client area as it
    // is shown, scaled down on a small screen.
    const auto* main = qobject_cast<QMainWindow*>(window_);
    const QWidget* shown = main != nullptr ? main->centralWidget() : nullptr;
    const QRect area = shown != nullptr ? shown->geometry() : window_->rect();
    const double scale = static_cast<double>(area.width()) / PlotFrame::kClientWidth;
    constexpr double kBottom = -11.5;  // the live notice's top is at -12
    const QRectF under = FrameRect(kPlotLeft, kBottom, kPlotRight - kPlotLeft, 1.0);
    const int width = static_cast<int>(under.width() * scale);
    notice_->setText(message);
    const int height = notice_->heightForWidth(width);
    notice_->setGeometry(area.left() + static_cast<int>(under.left() * scale),
                         area.top() + static_cast<int>(under.top() * scale) - height, width,
                         height);
    notice_->raise();
    notice_->show();
    noticeTimer_->start();
}

void FileCommands::Tell(const QString& title, const QString& message) const {
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::Ok, form_->DialogParent());
    box.setObjectName(QStringLiteral("FileMessageBox"));
    box.exec();
}

}  // namespace pathsum
