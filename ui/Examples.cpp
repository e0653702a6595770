#include "Examples.h"

#include <QCoreApplication>
#include <QDir>

#include "SetupFile.h"

namespace pathsum {

QString ExamplesFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/pathsum/examples"));
}

std::vector<Example> ExamplesIn(const QString& folder) {
    std::vector<Example> examples;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QStringLiteral("*.pathsum")}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        const auto setup = ReadSetupFile(path);
        if (const auto* read = std::get_if<Setup>(&setup)) {
            examples.push_back({path, read->description.isEmpty() ? name : read->description});
        }
    }
    return examples;
}

}  // namespace pathsum
