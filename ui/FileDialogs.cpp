#include "FileDialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace pathsum {
namespace {

// The suffix a filter's first pattern gives, "svg" for "SVG drawing (*.svg)"; empty for a
// filter of all files.
QString SuffixOfFilter(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral(R"(\(\*\.(\w+))"));
    return pattern.match(filter).captured(1);
}

}  // namespace

QString AskForFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                   const QString& start, const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, title, start,
                       filter + QStringLiteral(";;") +
                           QCoreApplication::translate("FileDialogs", "All files (*)"));
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    // Where there is a choice of kinds, a name typed without its suffix is given the suffix of
    // the kind chosen; the kind of the name offered is chosen at first.
    const auto follow = [&dialog, suffix](const QString& chosen) {
        const QString own = SuffixOfFilter(chosen);
        dialog.setDefaultSuffix(own.isEmpty() ? suffix : own);
    };
    const QString startSuffix = QFileInfo(start).suffix();
    for (const QString& kind : dialog.nameFilters()) {
        if (!startSuffix.isEmpty() &&
            SuffixOfFilter(kind).compare(startSuffix, Qt::CaseInsensitive) == 0) {
            dialog.selectNameFilter(kind);
        }
    }
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

}  // namespace pathsum
