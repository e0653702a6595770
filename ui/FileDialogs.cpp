#include "FileDialogs.h"

namespace pathsum {

QString AskForFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                   const QString& start, const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, title, start, filter + QStringLiteral(";;All files (*)"));
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

}  // namespace pathsum
