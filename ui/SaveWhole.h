#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pathsum {

// Writes `bytes` as the whole of the file at `path`. The bytes go to a file of their own
// beside it, which takes the old one's place only once all of them are written: a failure (a
// folder that cannot be written to, a full disk) leaves the old file as it was and no part of
// the new one. A symbolic link is followed to the file it names, which is written, and stays a
// link. Only a plain file is replaced: a folder, a device, a named pipe or a socket at the path
// (or where its link leads) is refused and left alone. Gives nothing when the file was
// written, else a message naming the file and the reason (the system's own for a failed write,
// such as "No space left on device").
std::optional<QString> SaveWhole(const QString& path, const QByteArray& bytes);

}  // namespace pathsum
