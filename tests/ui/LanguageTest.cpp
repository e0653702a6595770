#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

#include "ArrowsWindow.h"
#include "CommandLine.h"
#include "ControlTexts.h"
#include "Controls.h"
#include "Examples.h"
#include "FieldWindow.h"
#include "GuideWindow.h"
#include "Language.h"
#include "MainForm.h"
#include "MainWindow.h"
#include "MirrorPattern.h"
#include "Refusal.h"
#include "SetupFile.h"

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

// Every language spoken is given back: the tests around these speak English.
class InLanguage : public ::testing::Test {
  protected:
    void TearDown() override { UseLanguage(QString()); }
};

TEST_F(InLanguage, GermanCaptionsMenusAndRefusalsAreGermanAndEnglishComesBackExact) {
    ASSERT_TRUE(UseLanguage(QStringLiteral("de")));
    {
        MainForm form;
        EXPECT_EQ(form.Calculate->text(), QStringLiteral("RECHNEN UND ZEICHNEN"));
        EXPECT_EQ(form.WavelengthLabel->text(), QStringLiteral("Wellen- länge"));
        EXPECT_EQ(MenuText(Command::FieldOfLight), QStringLiteral("&Lichtfeld"));
        // The button speaks German; the run and the set-up file read the pattern's own name.
        EXPECT_EQ(form.Pattern->text(), QStringLiteral("Spiegel: einer"));
        form.Pattern_Click();
        EXPECT_EQ(form.Pattern->text(), QStringLiteral("Spiegel: zwei"));
        EXPECT_EQ(form.TextsOfControls().patternCaption, "Mirror Number Double");
    }
    // A refusal formed in core, with the value as typed and what it read as; the number keeps
    // the program's own form.
    EXPECT_EQ(refusals::WavelengthNotUsable({0.0, "0,5x"}).reason,
              "Wellenlänge \"0,5x\" (gelesen als 0) ist nicht verwendbar: Die Wellenlänge muss "
              "eine endliche Zahl ungleich 0 sein.");
    // The command line's help, Qt's part of it too.
    ::testing::internal::CaptureStdout();
    HandleCommandLine({QStringLiteral("pathsum"), QStringLiteral("--help")}, false);
    const std::string help = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(help.find("Eine Aufbau-Datei (.pathsum) zum Öffnen oder Exportieren."),
              std::string::npos)
        << help;
    EXPECT_NE(help.find("Optionen:"), std::string::npos) << help;
    // A language the program lacks changes nothing.
    EXPECT_FALSE(UseLanguage(QStringLiteral("sv")));
    EXPECT_EQ(MenuText(Command::FieldOfLight), QStringLiteral("&Lichtfeld"));

    ASSERT_TRUE(UseLanguage(QString()));
    MainForm english;
    EXPECT_EQ(english.Calculate->text(), QStringLiteral("CALC AND PLOT"));
    EXPECT_EQ(refusals::WavelengthNotUsable({0.0, "0,5x"}).reason,
              "Wavelength \"0,5x\" (read as 0) cannot be used: the wavelength must be a finite "
              "number other than 0.");
}

// The area a control's caption is drawn in, and how: a button's contents, a label's contents
// (wrapped where the label wraps).
QRect TextArea(QWidget* widget, int* flags) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        // The main window's buttons wrap their captions; the others keep them on one line.
        *flags = Qt::AlignCenter | Qt::TextShowMnemonic |
                 (qobject_cast<WrapButton*>(button) != nullptr ? Qt::TextWordWrap : 0);
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    auto* label = qobject_cast<QLabel*>(widget);
    *flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                          -label->margin());
}

// Whether the caption of a button or a label fits the area it is drawn in.
::testing::AssertionResult CaptionFits(QWidget* widget, const QString& text) {
    int flags = 0;
    const QRect area = TextArea(widget, &flags);
    const QRect needed = QFontMetrics(widget->font()).boundingRect(area, flags, text);
    if (needed.width() <= area.width() && needed.height() <= area.height()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << widget->objectName().toStdString() << " \"" << text.toStdString() << "\" needs "
           << needed.width() << " x " << needed.height() << " pixels, has " << area.width() << " x "
           << area.height();
}

// The main window's captions, and those of the windows beside it (laid out by their layouts,
// at the size they open at).
TEST_F(InLanguage, EveryCaptionFitsItsControl) {
    for (const QString& language : QStringList{QString()} + AvailableTranslations()) {
        SCOPED_TRACE("language \"" + language.toStdString() + "\"");
        ASSERT_TRUE(UseLanguage(language));
        MainForm form;
        form.show();
        ArrowsWindow arrows(&form);
        FieldWindow field(&form);
        arrows.show();
        field.show();
        QApplication::processEvents();
        // Every caption of the Pattern button, the last one standing for them all below.
        for (std::size_t pattern = 1; pattern < kPatternCaptions.size(); ++pattern) {
            EXPECT_TRUE(CaptionFits(form.Pattern, form.Pattern->text()));
            form.Pattern_Click();
        }
        for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&arrows),
                                static_cast<QWidget*>(&field)}) {
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                auto* button = qobject_cast<QPushButton*>(widget);
                auto* label = qobject_cast<QLabel*>(widget);
                if ((button == nullptr && label == nullptr) || !widget->isVisible()) {
                    continue;
                }
                EXPECT_TRUE(
                    CaptionFits(widget, button != nullptr ? button->text() : label->text()));
            }
        }
    }
}

// Alt and a letter reach one entry of the menu bar, and one entry of an open menu, in every
// language.
TEST_F(InLanguage, EveryMenuKeepsItsAccessKeysApart) {
    const auto letter = [](const QString& text) {
        const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        return at < 0 ? QString() : text.mid(at + 1, 1).toLower();
    };
    for (const QString& language : QStringList{QString()} + AvailableTranslations()) {
        ASSERT_TRUE(UseLanguage(language));
        MainWindow window;
        QList<QList<QAction*>> menus = {window.menuBar()->actions()};
        for (QAction* title : window.menuBar()->actions()) {
            menus.append(title->menu()->actions());
        }
        for (const QList<QAction*>& entries : menus) {
            QMap<QString, QString> taken;
            for (const QAction* entry : entries) {
                const QString key = letter(entry->text());
                if (key.isEmpty()) {
                    continue;
                }
                EXPECT_FALSE(taken.contains(key))
                    << "language \"" << language.toStdString() << "\": \""
                    << entry->text().toStdString() << "\" and \"" << taken[key].toStdString()
                    << "\"";
                taken[key] = entry->text();
            }
        }
    }
}

// A lesson is a set-up file, the same in every language; the menu shows its description, and
// the guide, in the language spoken.
TEST_F(InLanguage, EveryLessonAndTheGuideSpeakEveryLanguage) {
    const std::vector<Example> lessons = ExamplesIn(QStringLiteral(PATHSUM_EXAMPLES_DIR));
    ASSERT_FALSE(lessons.empty());
    const QUrl english = GuideSource(QString());
    for (const QString& language : AvailableTranslations()) {
        ASSERT_TRUE(UseLanguage(language));
        for (const Example& lesson : ExamplesIn(QStringLiteral(PATHSUM_EXAMPLES_DIR))) {
            EXPECT_NE(lesson.shown, lesson.description)
                << language.toStdString() << ": " << lesson.path.toStdString();
        }
        EXPECT_NE(GuideSource(language), english) << language.toStdString();
    }
    EXPECT_EQ(GuideSource(QStringLiteral("sv")), english);
}

TEST_F(InLanguage, ASetUpSavedInOneLanguageOpensInAnotherWithTheSameValues) {
    SettingsTexts typed;
    typed.wavelength = "12,5";  // as a comma-decimal class types it
    typed.gain = ".5";
    typed.patternCaption = "Mirror Number Grating";
    const SourcePoint marker{30.5F, 80.25F};
    const auto saved = [&](const char* language) {
        EXPECT_TRUE(UseLanguage(QString::fromLatin1(language)));
        MainForm form;
        form.ApplySetup(typed, marker);
        pathsum::Setup setup;
        setup.texts = form.TextsOfControls();
        setup.marker = form.MarkerPosition();
        return SetupBytes(setup);
    };
    const QByteArray german = saved("de");
    EXPECT_EQ(german, saved(""));

    ASSERT_TRUE(UseLanguage(QStringLiteral("fr")));
    const auto read = ReadSetup(german);
    ASSERT_TRUE(std::holds_alternative<pathsum::Setup>(read));
    MainForm form;
    form.ApplySetup(std::get<pathsum::Setup>(read).texts, std::get<pathsum::Setup>(read).marker);
    EXPECT_EQ(form.TextsOfControls().wavelength, typed.wavelength);
    EXPECT_EQ(form.TextsOfControls().gain, typed.gain);
    EXPECT_EQ(form.TextsOfControls().patternCaption, typed.patternCaption);
    EXPECT_EQ(form.Pattern->text(), QStringLiteral("Miroirs : réseau"));
    EXPECT_EQ(form.MarkerPosition().x, marker.x);
    EXPECT_EQ(form.MarkerPosition().y, marker.y);
}

}  // namespace
}  // namespace pathsum::testing
