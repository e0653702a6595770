#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <string>

#include "Translation.h"

namespace pathsum {
namespace {

// A locale name without its codeset and modifier: "de_DE.UTF-8@euro" is "de_DE".
QString WithoutCodeset(const QString& name) {
    const qsizetype end = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    return end < 0 ? name : name.left(end);
}

bool IsCLocale(const QString& locale) {
    const QString name = WithoutCodeset(locale);
    return name.isEmpty() || name == QStringLiteral("C") || name == QStringLiteral("POSIX");
}

// What one name of a language or locale says: a translation's name, "en" for English, or
// nothing for a language the program does not speak.
QString LanguageOf(const QString& locale) {
    const QString name = WithoutCodeset(locale);
    QString language = name.section(QChar('_'), 0, 0);
    if (language == QStringLiteral("en")) {
        return language;
    }
    if (language == QStringLiteral("pt")) {
        return QStringLiteral("pt_BR");
    }
    return AvailableTranslations().contains(language) ? language : QString();
}

QString& Spoken() {
    static QString language;
    return language;
}

std::string TranslateCoreText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace

const QStringList& AvailableTranslations() {
    static const QStringList names = {QStringLiteral("de"), QStringLiteral("fr"),
                                      QStringLiteral("es"), QStringLiteral("pt_BR")};
    return names;
}

QString ChooseLanguage(const QString& language, const QString& lcAll, const QString& lcMessages,
                       const QString& lang) {
    const QString locale = !lcAll.isEmpty() ? lcAll : (!lcMessages.isEmpty() ? lcMessages : lang);
    if (IsCLocale(locale)) {
        return {};
    }
    QStringList candidates = language.split(QChar(':'), Qt::SkipEmptyParts);
    candidates.append(locale);
    for (const QString& candidate : candidates) {
        const QString chosen = LanguageOf(candidate);
        if (!chosen.isEmpty()) {
            return chosen == QStringLiteral("en") ? QString() : chosen;
        }
    }
    return {};
}

QString SystemLanguage() {
    return ChooseLanguage(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                          qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
}

QString SpokenLanguage() {
    return Spoken();
}

bool UseLanguage(const QString& language) {
    static std::unique_ptr<QTranslator> own;
    static std::unique_ptr<QTranslator> qts;
    auto ownNext = std::make_unique<QTranslator>();
    auto qtNext = std::make_unique<QTranslator>();
    if (!language.isEmpty()) {
        if (!ownNext->load(QStringLiteral(":/i18n/pathsum_") + language)) {
            return false;
        }
        // Without Qt's translations installed, its dialogs stay in English.
        if (!qtNext->load(QStringLiteral("qtbase_") + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            qtNext.reset();
        }
    }
    if (own) {
        QCoreApplication::removeTranslator(own.get());
    }
    if (qts) {
        QCoreApplication::removeTranslator(qts.get());
    }
    own.reset();
    qts.reset();
    Spoken() = language;
    if (language.isEmpty()) {
        SetTextTranslator(nullptr);
        return true;
    }
    own = std::move(ownNext);
    QCoreApplication::installTranslator(own.get());
    if (qtNext) {
        qts = std::move(qtNext);
        QCoreApplication::installTranslator(qts.get());
    }
    SetTextTranslator(&TranslateCoreText);
    return true;
}

}  // namespace pathsum
