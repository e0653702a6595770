#pragma once

#include <QString>
#include <QStringList>

namespace pathsum {

// The languages the program has a translation of, as translations/pathsum_NAME.ts names them.
const QStringList& AvailableTranslations();

// The language the program speaks, chosen from the system's settings as gettext chooses: the
// locale of messages is the first of LC_ALL, LC_MESSAGES and LANG that is set; where it is
// "C" or "POSIX" (with any codeset, C.UTF-8 too) or nothing is set, English, whatever LANGUAGE
// says; otherwise the first language of LANGUAGE's list (a:b:c) the program has, then the
// locale's own. English ("en") ends the search; any Portuguese is spoken as Brazil's. The
// answer is a translation's name ("de", "fr", "es", "pt_BR"), or empty for English: the texts
// as they are written, with no translation loaded.
QString ChooseLanguage(const QString& language, const QString& lcAll, const QString& lcMessages,
                       const QString& lang);

// The language of this process's environment, by ChooseLanguage.
QString SystemLanguage();

// The language spoken now: a name ChooseLanguage gives, empty for English.
QString SpokenLanguage();

// Speaks `language` (a name ChooseLanguage gives; empty for English): loads the program's
// translation and Qt's own (its standard dialogs), in place of any loaded before, and has
// core's texts translated too. Texts formed before stay as they were. False when the program
// has no such translation (nothing changes then).
bool UseLanguage(const QString& language);

}  // namespace pathsum
