#include "SetupFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>

#include "Geometry.h"
#include "MirrorPattern.h"

namespace pathsum {
namespace {

// The keys of the six box texts and the pattern caption, in the order a file lists them.
struct TextKey {
    const char* key;
    std::string SettingsTexts::*text;
};

constexpr TextKey kTextKeys[] = {
    {"wavelength", &SettingsTexts::wavelength},
    {"resolution", &SettingsTexts::resolution},
    {"resolutionX", &SettingsTexts::resolutionX},
    {"gain", &SettingsTexts::gain},
    {"width", &SettingsTexts::width},
    {"spacing", &SettingsTexts::spacing},
    {"pattern", &SettingsTexts::patternCaption},
};

constexpr char kDescriptionKey[] = "description";
constexpr char kSourceKey[] = "source";
// The light: left out for the one wavelength typed, kWhite for white light.
constexpr char kLightKey[] = "light";
constexpr char kWhite[] = "white";

QString Quoted(const QString& text) {
    return QStringLiteral("\u201c") + text + QStringLiteral("\u201d");
}

QString Key(const char* key) {
    return Quoted(QString::fromLatin1(key));
}

// "line 3, column 14": the line counted by line feeds, the column in characters.
QString Place(const QByteArray& bytes, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    const QByteArrayView before(bytes.constData(), offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    const auto line = before.count('\n') + 1;
    // UTF-8 continuation bytes do not start a character.
    const auto column = 1 + std::count_if(before.begin() + lineStart, before.end(), [](char c) {
                            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                        });
    return QCoreApplication::translate("SetupFile", "line %1, column %2").arg(line).arg(column);
}

// Where the brackets first nest deeper than kDeepestSetupNesting, if they do.
std::optional<qsizetype> TooDeep(const QByteArray& bytes) {
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > kDeepestSetupNesting) {
                return i;
            }
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return std::nullopt;
}

bool HoldsAControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

// A text a box, the pattern button or the menu can hold, into `text`; or what is wrong with it.
std::optional<QString> ReadText(const QJsonObject& object, const char* key, QString& text) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString()) {
        return QCoreApplication::translate(
                   "SetupFile",
                   "%1 must be a text in quotes, as its box holds it (for example \"%2\": \"1\")")
            .arg(Key(key), QLatin1String(key));
    }
    text = value.toString();
    if (text.size() > kLongestSetupText) {
        return QCoreApplication::translate("SetupFile", "%1 is longer than %2 characters")
            .arg(Key(key))
            .arg(kLongestSetupText);
    }
    if (HoldsAControlCharacter(text)) {
        return QCoreApplication::translate(
                   "SetupFile",
                   "%1 holds a line break or another control character, which a box "
                   "cannot hold")
            .arg(Key(key));
    }
    return std::nullopt;
}

std::optional<QString> ReadPattern(const std::string& caption) {
    if (PatternFromCaption(caption) != MirrorPattern::None) {
        return std::nullopt;
    }
    QStringList captions;
    for (const std::string_view known : kPatternCaptions) {
        captions << QString::fromUtf8(known.data(), static_cast<qsizetype>(known.size()));
    }
    return QCoreApplication::translate("SetupFile", "%1 is %2, which is none of the patterns (%3)")
        .arg(Key("pattern"), Quoted(QString::fromStdString(caption)),
             captions.join(QStringLiteral(", ")));
}

// One coordinate of the marker: a finite number within kFarthestMarker of the plot's centre.
std::optional<QString> ReadCoordinate(const QJsonObject& source, const char* axis, float& out) {
    const QJsonValue value = source.value(QLatin1String(axis));
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || !std::isfinite(number)) {
        return QCoreApplication::translate("SetupFile", "the source's %1 must be a number")
            .arg(Key(axis));
    }
    const double centre = axis[0] == 'x' ? kCentreX : kRowY / 2.0;
    if (std::abs(number - centre) > kFarthestMarker) {
        return QCoreApplication::translate(
                   "SetupFile",
                   "the source's %1, %2, lies more than %3 units from the centre of "
                   "the plot")
            .arg(Key(axis), QString::number(number), QString::number(kFarthestMarker));
    }
    // -0 stands where 0 does, and is kept as 0: a file cannot keep the sign of a zero. The
    // zero is made plain after the narrowing, since a tiny negative number narrows to -0.
    out = static_cast<float>(number) + 0.0f;
    return std::nullopt;
}

std::optional<QString> ReadSource(const QJsonObject& object, SourcePoint& marker) {
    const QJsonValue value = object.value(QLatin1String(kSourceKey));
    if (value.isUndefined()) {
        return std::nullopt;
    }
    if (!value.isObject()) {
        return QCoreApplication::translate("SetupFile",
                                           "%1 must be an object such as {\"x\": 50, \"y\": 0}")
            .arg(Key(kSourceKey));
    }
    const QJsonObject source = value.toObject();
    // One coordinate alone cannot say where the source is: the other's start-up value would
    // put it somewhere the file never said.
    if (!source.contains(QLatin1String("x")) || !source.contains(QLatin1String("y"))) {
        return QCoreApplication::translate(
                   "SetupFile", "%1 must give both %2 and %3, such as {\"x\": 50, \"y\": 0}")
            .arg(Key(kSourceKey), Key("x"), Key("y"));
    }
    if (auto wrong = ReadCoordinate(source, "x", marker.x)) {
        return wrong;
    }
    return ReadCoordinate(source, "y", marker.y);
}

// The "light" key, if there is one: "white" is white light, and nothing else is a light.
std::optional<QString> ReadLight(const QJsonObject& object, bool& white) {
    const QJsonValue value = object.value(QLatin1String(kLightKey));
    if (value.isUndefined()) {
        return std::nullopt;
    }
    if (!value.isString()) {
        return QCoreApplication::translate(
                   "SetupFile",
                   "%1 must be the text \"%2\" for white light, or be left out for light of "
                   "the one wavelength typed")
            .arg(Key(kLightKey), QLatin1String(kWhite));
    }
    if (value.toString() != QLatin1String(kWhite)) {
        // Quoted as far as a message can show it.
        constexpr qsizetype kShown = 40;
        QString shown = value.toString().simplified();
        if (shown.size() > kShown) {
            shown = shown.left(kShown) + QStringLiteral("\u2026");
        }
        return QCoreApplication::translate(
                   "SetupFile",
                   "%1 is %2, which is no light pathsum knows (\"%3\" is white light; without "
                   "the key the light is the one wavelength typed)")
            .arg(Key(kLightKey), Quoted(shown), QLatin1String(kWhite));
    }
    white = true;
    return std::nullopt;
}

// The "format" and "version" keys: a file of some other kind, or of a newer version of the
// format, is not read as a set-up.
std::optional<QString> ReadFormat(const QJsonObject& object) {
    const QJsonValue format = object.value(QLatin1String("format"));
    if (format.isUndefined()) {
        // A hand-written file may leave the format out, but it must hold some key of a set-up.
        const bool known =
            object.contains(QLatin1String(kSourceKey)) ||
            object.contains(QLatin1String(kLightKey)) ||
            std::any_of(std::begin(kTextKeys), std::end(kTextKeys),
                        [&](const TextKey& k) { return object.contains(QLatin1String(k.key)); });
        if (!known) {
            return QCoreApplication::translate("SetupFile",
                                               "it holds none of the keys of a pathsum set-up");
        }
    } else if (format.toString() != QLatin1String(kSetupFormat)) {
        return QCoreApplication::translate("SetupFile",
                                           "its %1 is not \"%2\": it is not a pathsum set-up")
            .arg(Key("format"), QLatin1String(kSetupFormat));
    }
    const QJsonValue version = object.value(QLatin1String("version"));
    if (version.isUndefined() || version.toDouble() == kSetupVersion) {
        return std::nullopt;
    }
    if (version.isDouble() && version.toDouble() > kSetupVersion) {
        return QCoreApplication::translate(
                   "SetupFile",
                   "it is a set-up of version %1, written by a newer pathsum; this "
                   "one reads version %2")
            .arg(QString::number(version.toDouble()))
            .arg(kSetupVersion);
    }
    return QCoreApplication::translate("SetupFile", "its %1 must be %2")
        .arg(Key("version"))
        .arg(kSetupVersion);
}

std::variant<Setup, QString> ReadObject(const QJsonObject& object) {
    if (auto wrong = ReadFormat(object)) {
        return *wrong;
    }
    Setup setup;
    for (const TextKey& key : kTextKeys) {
        if (!object.contains(QLatin1String(key.key))) {
            continue;
        }
        QString text;
        if (auto wrong = ReadText(object, key.key, text)) {
            return *wrong;
        }
        setup.texts.*key.text = text.toStdString();
    }
    if (auto wrong = ReadPattern(setup.texts.patternCaption)) {
        return *wrong;
    }
    if (auto wrong = ReadSource(object, setup.marker)) {
        return *wrong;
    }
    if (auto wrong = ReadLight(object, setup.whiteLight)) {
        return *wrong;
    }
    if (object.contains(QLatin1String(kDescriptionKey))) {
        if (auto wrong = ReadText(object, kDescriptionKey, setup.description)) {
            return *wrong;
        }
    }
    setup.read = object;
    return setup;
}

// The number of a marker coordinate as the file writes it: the fewest decimal digits that
// read back to the same float, where the double they make converts to it as well (it
// nearly always does); else the float's own value, which is a double exactly.
double MarkerNumber(float value) {
    char text[32];
    const auto written = std::to_chars(std::begin(text), std::end(text), value);
    double shortest = 0.0;
    std::from_chars(std::begin(text), written.ptr, shortest);
    return static_cast<float>(shortest) == value ? shortest : static_cast<double>(value);
}

// The set-up's own keys written over `kept`.
QByteArray SetupBytesKeeping(const Setup& setup, QJsonObject kept) {
    kept.insert(QStringLiteral("format"), QLatin1String(kSetupFormat));
    kept.insert(QStringLiteral("version"), kSetupVersion);
    for (const TextKey& key : kTextKeys) {
        kept.insert(QLatin1String(key.key), QString::fromStdString(setup.texts.*key.text));
    }
    QJsonObject source = kept.value(QLatin1String(kSourceKey)).toObject();
    source.insert(QStringLiteral("x"), MarkerNumber(setup.marker.x));
    source.insert(QStringLiteral("y"), MarkerNumber(setup.marker.y));
    kept.insert(QLatin1String(kSourceKey), source);
    // Written in white light only: a set-up of one wavelength reads as every older file does.
    if (setup.whiteLight) {
        kept.insert(QLatin1String(kLightKey), QLatin1String(kWhite));
    } else {
        kept.remove(QLatin1String(kLightKey));
    }
    if (setup.description.isEmpty()) {
        kept.remove(QLatin1String(kDescriptionKey));
    } else {
        kept.insert(QLatin1String(kDescriptionKey), setup.description);
    }
    return QJsonDocument(kept).toJson(QJsonDocument::Indented);
}

}  // namespace

std::variant<Setup, QString> ReadSetup(const QByteArray& bytes) {
    if (const auto deep = TooDeep(bytes)) {
        return QCoreApplication::translate(
                   "SetupFile", "it nests deeper than %1 levels (%2); a set-up nests two deep")
            .arg(kDeepestSetupNesting)
            .arg(Place(bytes, *deep));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);
    if (utf8.hasError()) {
        return QCoreApplication::translate("SetupFile", "it is not text in UTF-8");
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return QCoreApplication::translate("SetupFile", "it is not JSON (%1): %2")
            .arg(Place(bytes, error.offset), error.errorString());
    }
    if (!document.isObject()) {
        return QCoreApplication::translate(
            "SetupFile", "it holds no JSON object: a set-up is one object, {...}");
    }
    return ReadObject(document.object());
}

std::variant<Setup, QString> ReadSetupFile(const QString& path) {
    const auto refused = [&path](const QString& why) {
        return QCoreApplication::translate("SetupFile",
                                           "The file %1 cannot be opened as a set-up: %2.")
            .arg(Quoted(path), why);
    };
    const QFileInfo info(path);
    if (info.isDir()) {
        return refused(QCoreApplication::translate("SetupFile", "it is a folder"));
    }
    if (!info.exists()) {
        return refused(QCoreApplication::translate("SetupFile", "there is no such file"));
    }
    // A device or a pipe could be endless, or wait for ever for a writer.
    if (!info.isFile()) {
        return refused(QCoreApplication::translate("SetupFile", "it is not a plain file"));
    }
    if (info.size() > kLargestSetupFile) {
        return refused(QCoreApplication::translate(
                           "SetupFile", "it is %1 bytes long, and a set-up is at most %2")
                           .arg(info.size())
                           .arg(kLargestSetupFile));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refused(file.errorString());
    }
    // The file may have grown since it was measured: no more than the limit is ever read.
    const QByteArray bytes = file.read(kLargestSetupFile + 1);
    if (file.error() != QFileDevice::NoError) {
        return refused(file.errorString());
    }
    if (bytes.size() > kLargestSetupFile) {
        return refused(QCoreApplication::translate("SetupFile", "it is over %1 bytes long")
                           .arg(kLargestSetupFile));
    }
    auto setup = ReadSetup(bytes);
    if (const auto* why = std::get_if<QString>(&setup)) {
        return refused(*why);
    }
    return setup;
}

QByteArray SetupBytes(const Setup& setup) {
    QByteArray bytes = SetupBytesKeeping(setup, setup.read);
    if (bytes.size() > kLargestSetupFile) {
        bytes = SetupBytesKeeping(setup, QJsonObject());
    }
    return bytes;
}

}  // namespace pathsum
