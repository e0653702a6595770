#include "SaveWhole.h"

#include <QSaveFile>

namespace pathsum {

std::optional<QString> SaveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A file not committed is thrown away when `file` goes, and the old one stays.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return std::nullopt;
    }
    return QStringLiteral(
               "The file \u201c%1\u201d could not be written: %2. A file of that name "
               "that was there before is as it was.")
        .arg(path, file.errorString());
}

}  // namespace pathsum
