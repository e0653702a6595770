#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pathsum {

// Writes `bytes` as the whole of the file at `path`. The bytes go to a file of their own
// beside it, which takes the old one's place only once all of them are written: a failure (a
// folder that cannot be written to, a full disk) leaves the old file as it was. Gives nothing
// when the file was written, else a message naming the file and the reason.
std::optional<QString> SaveWhole(const QString& path, const QByteArray& bytes);

}  // namespace pathsum
