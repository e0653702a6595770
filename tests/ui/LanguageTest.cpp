#include <gtest/gtest.h>

#include "Language.h"

namespace pathsum::testing {
namespace {

TEST(Language, IsChosenFromTheEnvironmentAsGettextChoosesIt) {
    struct Case {
        const char* language;  // LANGUAGE
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* chosen;  // empty: English, no translation
    };
    const Case cases[] = {
        {"", "", "", "", ""},
        {"de", "", "", "", ""},  // no locale is the C locale: LANGUAGE is not read
        {"de", "C", "", "de_DE.UTF-8", ""},
        {"fr", "", "", "C.UTF-8", ""},
        {"fr", "", "", "POSIX", ""},
        {"", "", "", "de_DE.UTF-8", "de"},
        {"", "", "", "de_AT@euro", "de"},
        {"", "fr_CA.UTF-8", "", "de_DE.UTF-8", "fr"},
        {"", "", "es_MX.UTF-8", "de_DE.UTF-8", "es"},
        {"", "", "", "pt_BR.UTF-8", "pt_BR"},
        {"", "", "", "pt_PT.UTF-8", "pt_BR"},
        {"sv:es:de", "", "", "de_DE.UTF-8", "es"},
        {"en_GB:de", "", "", "de_DE.UTF-8", ""},
        {"", "", "", "sv_SE.UTF-8", ""},
        {"fr", "", "", "sv_SE.UTF-8", "fr"},
        {"sv", "", "", "sv_SE.UTF-8", ""},
        {"", "", "", "dera_XX", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "LANGUAGE=" << c.language << " LC_ALL=" << c.lcAll
                                          << " LC_MESSAGES=" << c.lcMessages << " LANG=" << c.lang);
        EXPECT_EQ(ChooseLanguage(QString::fromLatin1(c.language), QString::fromLatin1(c.lcAll),
                                 QString::fromLatin1(c.lcMessages), QString::fromLatin1(c.lang)),
                  QString::fromLatin1(c.chosen));
    }
}

}  // namespace
}  // namespace pathsum::testing
