#include "SaveWhole.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace pathsum {

std::optional<QString> SaveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A file not committed is thrown away when `file` goes, and the old one stays.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return QStringLiteral("The file \u201c%1\u201d could not be written: %2.")
            .arg(path, file.errorString());
    }
    errno = 0;
    QString why;
    if (file.write(bytes) != bytes.size()) {
        // Qt leaves the reason of a short write unsaid; the system's is the one to give (a full
        // disk, a file too large).
        why = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
    } else if (file.commit()) {
        return std::nullopt;
    } else {
        why = file.errorString();
    }
    return QStringLiteral(
               "The file \u201c%1\u201d could not be written: %2. A file of that name "
               "that was there before is as it was.")
        .arg(path, why);
}

}  // namespace pathsum
