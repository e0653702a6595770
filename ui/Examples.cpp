#include "Examples.h"

#include <QCoreApplication>
#include <QDir>

#include "SetupFile.h"

namespace pathsum {
namespace {

// The lessons' descriptions, for the translators: a lesson is a set-up file, the same in every
// language, and keeps its description in English; the Examples menu shows it in the language
// spoken. A lesson added to examples/ has its description added here (a test sees to it).
[[maybe_unused]] constexpr const char* kLessonDescriptions[] = {
    QT_TRANSLATE_NOOP("Lessons", "A mirror: the light comes back where the paths are shortest"),
    QT_TRANSLATE_NOOP(
        "Lessons", "A mirror with strips removed: beside the reflection, beams go off to the side"),
    QT_TRANSLATE_NOOP("Lessons",
                      "Two slits: bright and dark fringes where their arrows agree or cancel"),
    QT_TRANSLATE_NOOP("Lessons",
                      "Five slits in parallel light: sharp bright lines, with three faint ones "
                      "between each pair"),
    QT_TRANSLATE_NOOP(
        "Lessons",
        "Parallel light from a far source: the mirror returns a beam about as wide as itself"),
    QT_TRANSLATE_NOOP("Lessons",
                      "Two slits at half the wavelength: the fringes stand twice as close"),
    QT_TRANSLATE_NOOP("Lessons",
                      "One slit, 10 wide, in parallel light: on the nearest screen (F=2.5, "
                      "between) a low rippled top about as wide as the slit, nothing like the "
                      "textbook's narrow hump; on the two farthest (F below 0.3, far) one hump "
                      "with faint side lobes, within 8% of the textbook's curve"),
    QT_TRANSLATE_NOOP("Lessons",
                      "A small grating in parallel light: five strips one unit apart send beams "
                      "along the orders, sine = m times wavelength / (width + spacing)"),
    QT_TRANSLATE_NOOP("Lessons",
                      "White light through the two slits: a white fringe in the middle, and beside "
                      "it fringes blue on their inner edge and red on their outer one"),
    QT_TRANSLATE_NOOP("Lessons",
                      "A grating in white light: a white beam straight on and, on either side, a "
                      "spectrum from violet nearest the middle to red farthest out"),
};

}  // namespace

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
            const QString description = read->description.isEmpty() ? name : read->description;
            examples.push_back(
                {path, description, QCoreApplication::translate("Lessons", description.toUtf8())});
        }
    }
    return examples;
}

}  // namespace pathsum
