#include "SaveWhole.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace pathsum {
namespace {

// As long a chain of symbolic links as the system follows before it takes it for a loop.
constexpr int kLongestLinkChain = 40;

QString Quoted(const QString& text) {
    return QStringLiteral("\u201c") + text + QStringLiteral("\u201d");
}

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file a path names: the path itself, or where its symbolic links lead (a link that leads
// nowhere yet names the file it would make).
struct Target {
    QString path;
    bool linked = false;
};

// Nothing for links that go round in a loop.
std::optional<Target> FollowLinks(const QString& path) {
    QFileInfo info(path);
    if (!info.isSymLink()) {
        return Target{path};
    }
    for (int step = 0; step < kLongestLinkChain && info.isSymLink(); ++step) {
        info.setFile(info.symLinkTarget());
    }
    if (info.isSymLink()) {
        return std::nullopt;
    }
    return Target{info.filePath(), true};
}

// What stands at `path` when it is something other than a plain file: a file is written by
// putting a new one in its place, which would take away a folder, a device or a pipe. Nothing
// for a plain file, or for no file at all.
std::optional<QString> NotAPlainFile(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    if (S_ISDIR(status.st_mode)) {
        return QCoreApplication::translate("SaveWhole", "a folder");
    }
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) {
        return QCoreApplication::translate("SaveWhole", "a device");
    }
    if (S_ISFIFO(status.st_mode)) {
        return QCoreApplication::translate("SaveWhole", "a named pipe (FIFO)");
    }
    if (S_ISSOCK(status.st_mode)) {
        return QCoreApplication::translate("SaveWhole", "a socket");
    }
    return QCoreApplication::translate("SaveWhole", "something other than a file");
}

// Why the file is not there to be written, or nothing when it may be.
std::optional<QString> Refused(const QString& path, const std::optional<Target>& target) {
    const QString refused =
        QCoreApplication::translate("SaveWhole", "The file %1 was not written: ").arg(Quoted(path));
    if (!target) {
        return refused + SystemReason(ELOOP) + QStringLiteral(".");
    }
    const auto kind = NotAPlainFile(target->path);
    if (!kind) {
        return std::nullopt;
    }
    if (!target->linked) {
        return refused +
               QCoreApplication::translate("SaveWhole", "it is %1, not a plain file.").arg(*kind);
    }
    return refused + QCoreApplication::translate("SaveWhole",
                                                 "it links to %1, which is %2, not a plain file.")
                         .arg(Quoted(target->path), *kind);
}

// Every byte written, else the system's reason. A write that fills the disk or reaches the
// largest file allowed can end short of the bytes without a reason; the rest is written again,
// and that attempt fails with it.
std::optional<QString> WriteAll(QSaveFile& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 more = file.write(bytes.constData() + written, bytes.size() - written);
        if (more <= 0) {
            const int error = errno;
            return file.error() != QFileDevice::NoError ? file.errorString()
                   : error != 0
                       ? SystemReason(error)
                       : QCoreApplication::translate("SaveWhole", "nothing more could be written");
        }
        written += more;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> SaveWhole(const QString& path, const QByteArray& bytes) {
    const std::optional<Target> target = FollowLinks(path);
    if (auto refusal = Refused(path, target)) {
        return refusal;
    }
    // The link's file is written in its place, and the link stays.
    QSaveFile file(target->path);
    // A file not committed is thrown away when `file` goes, and the old one stays.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return QCoreApplication::translate("SaveWhole", "The file %1 could not be written: %2.")
            .arg(Quoted(path), file.errorString());
    }
    auto why = WriteAll(file, bytes);
    if (!why && !file.commit()) {
        why = file.errorString();
    }
    if (!why) {
        return std::nullopt;
    }
    return QCoreApplication::translate(
               "SaveWhole",
               "The file %1 could not be written: %2. A file of that name that was there "
               "before is as it was.")
        .arg(Quoted(path), *why);
}

}  // namespace pathsum
