// Set-up files, the lessons and the table of a run: what is saved opens again bit for bit, a
// hostile file changes nothing, every writer writes through a link and refuses what is not a
// file, and the table holds the engine's own numbers.

#include <sys/resource.h>
#include <sys/stat.h>

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "Examples.h"
#include "ExportPictureDialog.h"
#include "Exports.h"
#include "FarField.h"
#include "FieldWindow.h"
#include "FileCommands.h"
#include "FormFixture.h"
#include "GraphPlotter.h"
#include "LightColour.h"
#include "MainWindow.h"
#include "PlotFrame.h"
#include "QtPlotCanvas.h"
#include "SetupFile.h"

namespace pathsum::testing {
namespace {

std::uint32_t Bits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// What opening a file may change: the texts, the marker, the spacing's state, the title and the
// light (the form's and its command's tick).
struct WindowState {
    SettingsTexts texts;
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    bool spacingEnabled = false;
    QString title;
    bool white = false;
};

// The title as the window system shows it, the mark of unsaved changes in place.
QString ShownTitle(const QWidget& window) {
    return window.windowHandle() != nullptr ? window.windowHandle()->title() : window.windowTitle();
}

WindowState StateOf(MainWindow& window) {
    MainForm& form = *window.Form();
    const bool white = form.InWhiteLight();
    EXPECT_EQ(window.Action(Command::WhiteLight)->isChecked(), white);
    return {form.TextsOfControls(),
            Bits(form.MarkerPosition().x),
            Bits(form.MarkerPosition().y),
            form.GratingSpacingText->isEnabled(),
            ShownTitle(window),
            white};
}

void ExpectSame(const WindowState& a, const WindowState& b) {
    EXPECT_EQ(a.texts.wavelength, b.texts.wavelength);
    EXPECT_EQ(a.texts.resolution, b.texts.resolution);
    EXPECT_EQ(a.texts.resolutionX, b.texts.resolutionX);
    EXPECT_EQ(a.texts.gain, b.texts.gain);
    EXPECT_EQ(a.texts.width, b.texts.width);
    EXPECT_EQ(a.texts.spacing, b.texts.spacing);
    EXPECT_EQ(a.texts.patternCaption, b.texts.patternCaption);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.spacingEnabled, b.spacingEnabled);
    EXPECT_EQ(a.title, b.title);
    EXPECT_EQ(a.white, b.white);
}

class FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        window = std::make_unique<MainWindow>();
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        ++DialogWatchGeneration();
        window.reset();
    }
    QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    static void Put(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Opens a file as the menu does; gives the text of the box that refused it, if one did.
    QString Open(MainWindow& into, const QString& path) {
        QString refusal;
        OnNextModal([&refusal](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                refusal = box->text();
            }
            modal->close();
        });
        const bool opened = into.Files()->OpenFile(path);
        // The watcher, unused when the file opened, must not answer a later dialog.
        ++DialogWatchGeneration();
        EXPECT_EQ(opened, refusal.isEmpty()) << refusal.toStdString();
        return refusal;
    }

    QTemporaryDir folder;
    std::unique_ptr<MainWindow> window;
};

struct RoundTripCase {
    const char* name;
    SettingsTexts texts;
    SourcePoint marker;
    bool white = false;
};

void PrintTo(const RoundTripCase& c, std::ostream* out) {
    *out << c.name;
}

class RoundTripTest : public FilesTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTripTest, WhatSaveAsWritesOpensAsItWasSaved) {
    const RoundTripCase& c = GetParam();
    window->Form()->ApplySetup(c.texts, c.marker, c.white);
    // Typed without its suffix, the name is given it.
    OnNextModal([this](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        // Typed into the name's box, as a user would; the whole path, to another folder.
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(Path("lesson"));
        static_cast<QDialog*>(dialog)->accept();
    });
    window->Files()->SaveAs();
    const WindowState saved = StateOf(*window);
    EXPECT_TRUE(saved.title.startsWith("lesson.pathsum - ")) << saved.title.toStdString();
    EXPECT_EQ(FileCommands::RecentFiles().value(0), Path("lesson.pathsum"));
    QFile file(Path("lesson.pathsum"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The light is written in white light only.
    EXPECT_EQ(QJsonDocument::fromJson(file.readAll()).object().value("light"),
              c.white ? QJsonValue("white") : QJsonValue(QJsonValue::Undefined));

    MainWindow other;
    other.show();
    QApplication::processEvents();
    EXPECT_EQ(Open(other, Path("lesson.pathsum")), QString());
    ExpectSame(StateOf(other), saved);
}

SettingsTexts Texts(const char* wavelength, const char* gain, const char* pattern) {
    SettingsTexts texts;
    texts.wavelength = wavelength;
    texts.gain = gain;
    texts.patternCaption = pattern;
    texts.resolutionX = " .25";
    return texts;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoundTripTest,
    ::testing::Values(
        // Free text stays text: a comma, letters, blanks and quotes are kept as typed.
        RoundTripCase{"TextsAsTyped",
                      Texts("2,5 \"nm\"", "abc\\", "Mirror Number Grating"),
                      {33.3f, 87.123456f}},
        // The spacing of a single mirror is disabled again; a far marker keeps its bits.
        RoundTripCase{"SingleMirrorFarMarker",
                      Texts(" 1E-05", "\xc3\xa9t\xc3\xa9", "Mirror Number Single"),
                      {-5.5f, -17.25f}},
        // Neighbours of short decimals keep their bits, and so do the smallest magnitudes.
        RoundTripCase{"AwkwardBits",
                      Texts("1", "10", "Mirror Number Double"),
                      {std::nextafter(0.1f, 1.0f), std::nextafter(-17.3f, 0.0f)}},
        RoundTripCase{"TinyAndLarge", Texts("1", "10", "Mirror Number Five"), {1e-38f, 9999.999f}},
        RoundTripCase{"WhiteLight", Texts("1", "5", "Mirror Number Double"), {50.0f, 0.0f}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A key left out keeps its start-up value (the light too: one wavelength); Save writes the
// window's values over what was read and keeps the rest: the description, and keys this version
// does not know.
TEST_F(FilesTest, AKeyLeftOutKeepsItsStartUpValueAndSaveKeepsWhatItDoesNotWrite) {
    window->Form()->ApplySetup(Texts("3", "4", "Mirror Number Four"), {20.0f, 30.0f}, true);
    QFile file(Path("partial.pathsum"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // A number too small for a float opens as a plain zero, which a file can keep.
    file.write(R"({"wavelength": ".5", "unknown": {"kept": [1, 2]}, "description": "A lesson",
                   "source": {"x": -1e-145, "y": 30, "z": "later"}})");
    file.close();
    EXPECT_EQ(Open(*window, file.fileName()), QString());
    SettingsTexts expected;
    expected.wavelength = ".5";
    const WindowState state = StateOf(*window);
    ExpectSame(state, {expected, Bits(0.0f), Bits(30.0f), false, state.title});

    window->Form()->WavelengthText->setText(" 2");
    window->Files()->Save();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject saved = QJsonDocument::fromJson(file.readAll()).object();
    const auto text = [&saved](const char* key) {
        const QJsonValue value = saved.value(QLatin1String(key));
        return (value.isObject() ? QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact)
                                 : value.toString().toUtf8())
            .toStdString();
    };
    EXPECT_EQ(text("wavelength"), " 2");
    EXPECT_EQ(text("description"), "A lesson");
    EXPECT_EQ(text("unknown"), R"({"kept":[1,2]})");
    EXPECT_EQ(text("source"), R"({"x":0,"y":30,"z":"later"})");
    EXPECT_FALSE(saved.contains("light"));
}

// A hostile file: its bytes (none for a path that is not a plain file) and what the refusal
// must say besides the file's name.
struct HostileCase {
    const char* name;
    std::string bytes;
    const char* says;
};

void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.name;
}

class HostileFileTest : public FilesTest, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostileFileTest, IsRefusedWithTheWindowUnchanged) {
    const HostileCase& c = GetParam();
    const QString path = Path(c.name);
    const std::string_view special = c.name;
    if (special == "folder") {
        ASSERT_TRUE(QDir().mkdir(path));
    } else if (special == "pipe") {
        ASSERT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    } else if (special != "missing") {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes.data(), static_cast<qint64>(c.bytes.size()));
    }
    // In white light, which a refused file leaves on.
    window->Form()->ApplySetup(Texts("3", "4", "Mirror Number Four"), {20.0f, 30.0f}, true);
    const WindowState before = StateOf(*window);
    const QString refusal = Open(*window, path);
    EXPECT_TRUE(refusal.contains(path)) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QString::fromUtf8(c.says))) << refusal.toStdString();
    ExpectSame(StateOf(*window), before);
}

std::string Nested(int depth) {
    return "{\"source\": " + std::string(static_cast<std::size_t>(depth), '[') +
           std::string(static_cast<std::size_t>(depth), ']') + "}";
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostileFileTest,
    ::testing::Values(
        HostileCase{"truncated", "{\n  \"gain\": \"5\",\n  \"width\"", "line 3, column"},
        HostileCase{"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "UTF-8"},
        HostileCase{"not-utf8", "{\"gain\": \"\xff\xfe\"}", "UTF-8"},
        HostileCase{"huge", std::string(static_cast<std::size_t>(kLargestSetupFile) + 1, ' '),
                    "1048577 bytes"},
        HostileCase{"deep", Nested(kDeepestSetupNesting), "nests deeper than 16"},
        HostileCase{"number-for-text", R"({"gain": 5})", "\u201cgain\u201d must be a text"},
        HostileCase{"long-text", "{\"width\": \"" + std::string(1001, '1') + "\"}",
                    "longer than 1000"},
        HostileCase{"line-break", R"({"spacing": "1\n2"})", "line break"},
        HostileCase{"unknown-pattern", R"({"pattern": "Mirror Number Seven"})",
                    "none of the patterns"},
        HostileCase{"infinite-source", R"({"source": {"x": 1e999, "y": 0}})", "not JSON"},
        HostileCase{"text-source", R"({"source": {"x": "50", "y": 0}})", "must be a number"},
        HostileCase{"half-a-source", R"({"source": {"x": 1}})",
                    "\u201csource\u201d must give both \u201cx\u201d and \u201cy\u201d"},
        HostileCase{"far-source", R"({"source": {"x": 50, "y": 10051}})", "more than 10000"},
        HostileCase{"source-list", R"({"source": [50, 0]})", "must be an object"},
        HostileCase{"other-format", R"({"format": "svg", "gain": "1"})", "not a pathsum set-up"},
        HostileCase{"newer", R"({"format": "pathsum-setup", "version": 2})", "newer pathsum"},
        HostileCase{"no-keys", R"({"name": "lesson"})", "none of the keys"},
        HostileCase{"unknown-light", R"({"gain": "7", "light": "White"})",
                    "\u201clight\u201d is \u201cWhite\u201d, which is no light"},
        HostileCase{"light-not-text", R"({"gain": "7", "light": true})",
                    "\u201clight\u201d must be the text \"white\""},
        HostileCase{"array", "[1, 2]", "no JSON object"}, HostileCase{"folder", "", "folder"},
        HostileCase{"missing", "", "no such file"}, HostileCase{"pipe", "", "not a plain file"}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// Answers every dialog a writing command opens as a user who names `path` in it and agrees to
// replace what is there, and keeps the text of every other box, which it closes.
class WritingUser {
  public:
    explicit WritingUser(const QString& path)
        : answerer_([this, path](QWidget* modal) {
              // Done once the answerer is back in the event loop, where it can answer the box
              // that the answer may open.
              QTimer::singleShot(0, modal, [this, path, modal] { Answer(modal, path); });
          }) {}

    QString Said() const { return said_.join('\n'); }

  private:
    void Answer(QWidget* modal, const QString& path) {
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            // The name typed into the folder shown, with nothing else chosen in its list.
            files->setDirectory(QFileInfo(path).absolutePath());
            for (auto* list : files->findChildren<QAbstractItemView*>()) {
                list->clearSelection();
            }
            files->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(path).fileName());
            static_cast<QDialog*>(files)->accept();
        } else if (auto* picture = qobject_cast<ExportPictureDialog*>(modal)) {
            picture->findChild<QLineEdit*>("File")->setText(path);
            picture->findChild<QPushButton*>("Export")->click();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                yes->click();
            } else {
                said_ << box->text();
                box->close();
            }
        }
    }

    QStringList said_;
    ModalAnswerer answerer_;
};

// For as long as it lives no file may grow past `bytes`: a write beyond fails as on a full
// disk, with the system's reason, instead of ending the program.
class LargestFile {
  public:
    explicit LargestFile(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~LargestFile() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }
    LargestFile(const LargestFile&) = delete;
    LargestFile& operator=(const LargestFile&) = delete;

  private:
    rlimit old_{};
    void (*oldSignal_)(int) = nullptr;
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool IsPipe(const QString& path) {
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

// Every command that writes a file, as the user gives it: the name it writes and what it does.
struct WriterCase {
    const char* name;
    const char* file;
    void (*write)(MainWindow& window, const QString& path);
};

void PrintTo(const WriterCase& c, std::ostream* out) {
    *out << c.name;
}

class WriterTest : public FilesTest, public ::testing::WithParamInterface<WriterCase> {
  protected:
    // What the writer says when it writes `path`, whose folder then holds `left` and nothing
    // else: no part of a file written in vain is left behind.
    QString Write(const QString& path, const QStringList& left) {
        const WritingUser user(path);
        GetParam().write(*window, path);
        const QDir dir = QFileInfo(path).dir();
        EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).join(' '),
                  left.join(' '));
        return user.Said();
    }
};

TEST_P(WriterTest, WritesThroughALinkRefusesAPipeAndKeepsTheOldFileOnAFailedWrite) {
    const WriterCase& c = GetParam();
    MainForm& form = *window->Form();
    form.ResolutionXText->setText("5");
    form.Calculate_Click();
    if (std::string_view(c.name).rfind("Field", 0) == 0) {
        window->Action(Command::FieldOfLight)->trigger();
        for (int i = 0; i < 4000 && !window->Field()->Complete(); ++i) {
            QTest::qWait(5);
        }
        ASSERT_TRUE(window->Field()->Complete());
    }
    const QString file = QString::fromLatin1(c.file);
    const QByteArray old = "the old file";
    for (const char* folderName : {"linked", "piped", "full"}) {
        ASSERT_TRUE(QDir(folder.path()).mkdir(folderName));
    }

    // A link: the file it names is written, and the link stays.
    const QString target = Path("linked/target-") + file;
    Put(target, old);
    ASSERT_TRUE(QFile::link("target-" + file, Path("linked/link-") + file));
    EXPECT_EQ(Write(Path("linked/link-") + file, {"link-" + file, "target-" + file}), "");
    EXPECT_EQ(QFileInfo(Path("linked/link-") + file).symLinkTarget(), target);
    EXPECT_GT(Contents(target).size(), 100);

    // A named pipe is no file: it is refused, named, and left as it is.
    const QString pipe = Path("piped/") + file;
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString refusal = Write(pipe, {file});
    EXPECT_TRUE(refusal.contains(pipe) && refusal.contains("named pipe")) << refusal.toStdString();
    EXPECT_TRUE(IsPipe(pipe));

    // A write that fails part way leaves the old file whole and says the system's reason.
    const QString full = Path("full/") + file;
    Put(full, old);
    QString failure;
    {
        const LargestFile limit(100);
        failure = Write(full, {file});
    }
    EXPECT_TRUE(failure.contains(full) &&
                failure.contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
        << failure.toStdString();
    EXPECT_EQ(Contents(full), old);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WriterTest,
    ::testing::Values(
        WriterCase{"SetupSaveAs", "lesson.pathsum",
                   [](MainWindow& window, const QString&) { window.Files()->SaveAs(); }},
        WriterCase{"ExportPicturePng", "picture.png",
                   [](MainWindow& window, const QString&) { window.Files()->ExportPicture(); }},
        WriterCase{"ExportPictureSvg", "picture.svg",
                   [](MainWindow& window, const QString&) { window.Files()->ExportPicture(); }},
        WriterCase{"ExportPicturePdf", "picture.pdf",
                   [](MainWindow& window, const QString&) { window.Files()->ExportPicture(); }},
        WriterCase{"ExportData", "numbers.csv",
                   [](MainWindow& window, const QString&) { window.Files()->ExportData(); }},
        WriterCase{
            "FieldPicture", "field.png",
            [](MainWindow& window, const QString& path) { window.Field()->SavePicture(path); }},
        WriterCase{
            "FieldNumbers", "field.csv",
            [](MainWindow& window, const QString& path) { window.Field()->SaveNumbers(path); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Export Picture: a name that is no picture's waits with the reason; a name alone goes into the
// folder of the set-up's file, which the dialog says; a file there is replaced only when the
// user agrees; the file dialog gives a name the ending of the kind chosen; and the window says
// where the picture went.
TEST_F(FilesTest, ExportPictureSaysWhereAndAsksBeforeItReplaces) {
    Put(Path("lesson.pathsum"), R"({"gain": "3"})");
    ASSERT_TRUE(window->Files()->OpenFile(Path("lesson.pathsum")));
    const QByteArray old = "the old picture";
    Put(Path("old.png"), old);
    QStringList asked;
    const auto answer = [&asked](QMessageBox::StandardButton button) {
        OnNextModal([&asked, button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            asked << box->text();
            box->button(button)->click();
        });
    };
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<ExportPictureDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* name = dialog->findChild<QLineEdit*>("File");
        auto* button = dialog->findChild<QPushButton*>("Export");
        EXPECT_EQ(dialog->Where().toStdString(),
                  ("Writes a PNG picture: " + Path("lesson.png")).toStdString());
        for (const char* notAPicture : {"worksheet", "worksheet.csv", "worksheet.jpg"}) {
            name->setText(notAPicture);
            EXPECT_FALSE(button->isEnabled()) << notAPicture;
            EXPECT_TRUE(dialog->Where().contains(".png, .svg or .pdf"))
                << dialog->Where().toStdString();
        }
        // The file dialog: SVG chosen, a name typed without its ending.
        OnNextModal([this](QWidget* files) {
            auto* kinds = files->findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(kinds, nullptr);
            // As the box does when the user picks its second entry.
            kinds->setCurrentIndex(1);
            emit kinds->activated(1);
            emit kinds->textActivated(kinds->currentText());
            files->findChild<QLineEdit*>("fileNameEdit")->setText("drawing");
            static_cast<QDialog*>(files)->accept();
        });
        dialog->findChild<QPushButton*>("Choose")->click();
        EXPECT_EQ(dialog->Path().toStdString(), Path("drawing.svg").toStdString());

        name->setText("old.png");
        EXPECT_EQ(dialog->Where().toStdString(),
                  ("Writes a PNG picture: " + Path("old.png")).toStdString());
        answer(QMessageBox::No);
        button->click();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(Contents(Path("old.png")), old);
        answer(QMessageBox::Yes);
        button->click();
    });
    window->Files()->ExportPicture();
    EXPECT_EQ(asked.join('|').toStdString(),
              "old.png already exists.\nDo you want to replace it?|"
              "old.png already exists.\nDo you want to replace it?");
    EXPECT_FALSE(QImage(Path("old.png")).isNull());
    const auto* notice = window->findChild<QLabel*>("FileNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text().toStdString(),
              ("The picture is written: " + Path("old.png")).toStdString());
}

// A picture of the window leaves out the focus frame, the caret and the selection of the box
// being typed in; the box keeps the focus, its selection and its cursor.
TEST_F(FilesTest, APictureLeavesOutTheFocusWhichStaysWhereItWas) {
    MainForm& form = *window->Form();
    window->activateWindow();
    form.WavelengthText->setFocus();
    form.WavelengthText->setText(" 1.5");
    form.WavelengthText->setSelection(3, -2);
    ASSERT_TRUE(form.WavelengthText->hasFocus());
    window->Files()->CopyPicture();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_TRUE(form.WavelengthText->hasFocus());
    EXPECT_EQ(form.WavelengthText->selectedText(), "1.");
    EXPECT_EQ(form.WavelengthText->cursorPosition(), 1);
    form.WavelengthText->clearFocus();
    EXPECT_TRUE(copied.convertToFormat(QImage::Format_RGB32) ==
                PictureImage(form, 1, MainForm::PrintLook::AsShown));
}

// The table holds the engine's own numbers of every plotted point; in white light (off when the
// window starts, F12 turns it on) p is the white value, each band is drawn in the colour of its
// point's light, and r, g and b give that colour at its brightest.
TEST_F(FilesTest, TheTableHoldsTheEnginesNumbersOfEveryPlottedPoint) {
    MainForm& form = *window->Form();
    EXPECT_FALSE(form.InWhiteLight());
    form.ApplySetup(Texts("1", "7", "Mirror Number Double"), {30.0f, 20.0f});
    form.ResolutionXText->setText("5");
    for (const bool white : {false, true}) {
        SCOPED_TRACE(white ? "white light" : "one wavelength");
        if (white) {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            QTest::keyClick(window.get(), Qt::Key_F12);
            ASSERT_TRUE(form.InWhiteLight());
            ASSERT_TRUE(window->Action(Command::WhiteLight)->isChecked());
        }
        form.Calculate_Click();
        const RunRecord& run = form.LastRun();
        ASSERT_TRUE(run.plan);
        const auto exported = ExportFile(form, Path("run.csv"), {});
        ASSERT_FALSE(exported) << exported->toStdString();
        QFile file(Path("run.csv"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        QStringList rows;
        QStringList comments;
        for (const QString& line : lines) {
            (line.startsWith('#') ? comments : rows) << line;
        }
        // The marker at (30, 20) of the plot, as the labels give it.
        EXPECT_TRUE(comments.contains("# source marker: X -20, Y 80"))
            << comments.join('\n').toStdString();
        ASSERT_FALSE(rows.isEmpty());
        EXPECT_EQ(rows.takeFirst(),
                  white ? "screen_distance,x,paths,p,p_over_n2,plotted,X_from_centre,theory,"
                          "fresnel,r,g,b"
                        : "screen_distance,x,paths,p,p_over_n2,plotted,X_from_centre,theory,"
                          "fresnel");
        const int count = run.plan->paths.Count();
        // What the textbook says follows, in the units of `plotted`, whether Theory is shown or
        // not; in white light the prediction is the spectrum's mean, as p is.
        const std::optional<FarField> theory = FarField::Of(run.plan->settings, run.plan->row);
        ASSERT_TRUE(theory.has_value());
        const std::size_t points = run.plan->detectorX.size();
        ASSERT_EQ(static_cast<std::size_t>(rows.size()), kScreenYs.size() * points);
        for (qsizetype row = 0; row < rows.size(); ++row) {
            const std::size_t screen = static_cast<std::size_t>(row) / points;
            const std::size_t i = static_cast<std::size_t>(row) % points;
            const QStringList cells = rows[row].split(',');
            const double p = run.p[screen][i];
            const double x = run.plan->detectorX[i];
            std::vector<double> expected = {
                100.0 - kScreenYs[screen],
                x,
                static_cast<double>(count),
                p,
                PlottedValue(1.0, p, count),
                PlottedValue(7.0, p, count),
                x - 50.0,
                7.0 * theory->PredictionAt(x, kScreenYs[screen]).value(),
                theory->FresnelNumber(100.0 - kScreenYs[screen]).value()};
            if (white) {
                const LinearRgb colour = Brightest(run.colours[screen][i]);
                expected.insert(expected.end(), {colour.r, colour.g, colour.b});
            }
            ASSERT_EQ(static_cast<std::size_t>(cells.size()), expected.size())
                << rows[row].toStdString();
            for (std::size_t cell = 0; cell < expected.size(); ++cell) {
                // Every digit: the text reads back to the very double.
                EXPECT_EQ(std::strtod(cells[static_cast<qsizetype>(cell)].toLatin1().constData(),
                                      nullptr),
                          expected[cell])
                    << "row " << row << ", column " << cell;
            }
        }
        // The nearest screen's brightest point: its bar crosses the screen's line in the colour
        // of its light; white in light of one wavelength.
        const std::size_t nearest = kScreenYs.size() - 1;
        const auto& nearP = run.p[nearest];
        const std::size_t brightest =
            static_cast<std::size_t>(std::max_element(nearP.begin(), nearP.end()) - nearP.begin());
        const QColor shown = form.Canvas()->Image().pixelColor(
            static_cast<int>(PlotFrame::PixelX(run.plan->detectorX[brightest])),
            static_cast<int>(PlotFrame::PixelY(kScreenYs[nearest])));
        const Rgb band = white ? BandColour(run.colours[nearest][brightest]) : Rgb{255, 255, 255};
        EXPECT_EQ(shown, QColor(band.r, band.g, band.b));
        EXPECT_EQ(white, shown != QColor(Qt::white)) << "the light's colour is not white there";
    }
}

// Besides Stop, two things end a long run under way: a set-up opened, after which nothing of the
// run before it is left to see, export or probe, and F5 runs the set-up opened; and Live turned
// off, after which the curves so far stay, as after a Stop.
TEST_F(FilesTest, OpeningASetupOrTurningLiveOffEndsTheRunUnderWay) {
    MainForm& form = *window->Form();
    QFile file(Path("lesson.pathsum"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"wavelength": ".5", "pattern": "Mirror Number Double"})");
    file.close();
    QAction* live = window->Action(Command::Live);
    struct Case {
        const char* name;
        bool live;
        std::function<void()> act;
        bool cleared;
    };
    const Case cases[] = {
        {"open", false, [&] { window->Files()->OpenFile(file.fileName()); }, true},
        {"live off", true, [&] { live->setChecked(false); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Seconds of computing: every path summed at ten thousand points a screen.
        SettingsTexts longRun = Texts(".001", "10", "Mirror Number Grating");
        longRun.resolution = "1E-05";
        longRun.resolutionX = ".01";
        form.ApplySetup(longRun, kStartSource);
        int ended = 0;
        bool acted = false;
        const auto onEnd = QObject::connect(&form, &MainForm::runEnded, [&ended] { ++ended; });
        const auto onStart = QObject::connect(&form, &MainForm::runRecordChanged, [&] {
            if (!acted && form.Running()) {
                acted = true;
                QTimer::singleShot(0, &form, c.act);
            }
        });
        if (c.live) {
            live->setChecked(true);
            EXPECT_TRUE(QTest::qWaitFor([&ended] { return ended > 0; }, 120000));
        } else {
            form.Calculate_Click();
        }
        QObject::disconnect(onEnd);
        QObject::disconnect(onStart);
        ASSERT_TRUE(acted);
        EXPECT_FALSE(form.Running());
        EXPECT_TRUE(form.Calculate->isEnabled());
        if (c.cleared) {
            EXPECT_EQ(form.ScreenLabel[9]->text(), "10:");
            EXPECT_EQ(form.LastRun().plan, nullptr);
            EXPECT_EQ(form.PathsLabel[0]->text(), "1:");
            QImage empty = form.Canvas()->Image();
            empty.fill(QtPlotCanvas::Background());
            EXPECT_EQ(form.Canvas()->Image(), empty) << "no curve of the run before is left";
            form.Calculate_Click();
            ASSERT_NE(form.LastRun().plan, nullptr);
            EXPECT_EQ(form.LastRun().plan->settings.wavelength, 0.5) << "F5 runs the set-up opened";
            EXPECT_EQ(form.ScreenLabel[9]->text(), " 100");
        } else {
            ASSERT_NE(form.LastRun().plan, nullptr);
            EXPECT_TRUE(form.LastRun().p.back().empty()) << "the last screen was never reached";
        }
    }
}

// Once a set-up is opened or saved, the title names its file and marks the changes made since,
// measured against what was opened or saved: a change undone is no change.
TEST_F(FilesTest, TheTitleMarksChangesNotSavedSinceTheSetupWasOpened) {
    MainForm& form = *window->Form();
    form.GainText->setText("7");
    EXPECT_FALSE(window->isWindowModified()) << "no set-up in play";
    QFile file(Path("lesson.pathsum"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"gain": "5", "pattern": "Mirror Number Double", "source": {"x": 30, "y": 20}})");
    file.close();
    EXPECT_EQ(Open(*window, file.fileName()), QString());
    const QString caption = " - " + MainForm::Caption();
    EXPECT_EQ(ShownTitle(*window), "lesson.pathsum" + caption);
    struct Change {
        const char* name;
        std::function<void()> change;
        std::function<void()> undo;
    };
    const auto pattern = [&form](int clicks) {
        return [&form, clicks] {
            for (int i = 0; i < clicks; ++i) {
                form.Pattern_Click();
            }
        };
    };
    const Change changes[] = {
        {"gain", [&] { form.GainText->setText("7"); }, [&] { form.GainText->setText("5"); }},
        {"pattern", pattern(1), pattern(5)},  // six patterns round
        {"marker",
         [&] {
             form.PlaceSource({31.0f, 20.0f});
         },
         [&] {
             form.PlaceSource({30.0f, 20.0f});
         }},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.name);
        c.change();
        EXPECT_TRUE(window->isWindowModified());
        EXPECT_EQ(ShownTitle(*window), "lesson.pathsum*" + caption);
        c.undo();
        EXPECT_FALSE(window->isWindowModified());
        EXPECT_EQ(ShownTitle(*window), "lesson.pathsum" + caption);
    }
}

// With changes not saved, Exit, Open, Open Recent and Examples ask Save, Discard or Cancel. Save
// writes the set-up's file, or asks for a name when it is a lesson, which has none.
enum class Leaving { Exit, Open, Recent, Lesson };

struct UnsavedCase {
    const char* name;
    bool lesson;  // the set-up in play is a lesson, else a file
    Leaving command;
    QMessageBox::StandardButton answer;
    const char* thenAsked;  // the title of the dialog that follows the answer, if one does
    bool goesOn;
};

void PrintTo(const UnsavedCase& c, std::ostream* out) {
    *out << c.name;
}

class UnsavedTest : public FilesTest, public ::testing::WithParamInterface<UnsavedCase> {
  protected:
    static QString Lesson() {
        return ExamplesIn(QStringLiteral(PATHSUM_EXAMPLES_DIR)).front().path;
    }

    void Write(const char* name, const char* json) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(json);
    }

    void Leave(Leaving command) {
        switch (command) {
            case Leaving::Exit:
                window->Action(Command::Exit)->trigger();
                break;
            case Leaving::Open:
                window->Action(Command::Open)->trigger();
                break;
            case Leaving::Recent:
                window->Files()->OpenFile(Path("other.pathsum"));
                break;
            case Leaving::Lesson:
                window->Files()->OpenLesson(Lesson());
                break;
        }
    }
};

TEST_P(UnsavedTest, CommandsThatLeaveTheSetupAskFirst) {
    const UnsavedCase& c = GetParam();
    MainForm& form = *window->Form();
    Write("lesson.pathsum", R"({"gain": "5"})");
    Write("other.pathsum", R"({"wavelength": ".25"})");
    ASSERT_TRUE(c.lesson ? window->Files()->OpenLesson(Lesson())
                         : window->Files()->OpenFile(Path("lesson.pathsum")));
    form.GainText->setText("7");

    QString question;
    QMessageBox::StandardButtons buttons;
    QStringList thenAsked;
    ModalAnswerer answerer([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box != nullptr && question.isEmpty()) {
            question = box->text();
            buttons = box->standardButtons();
            box->button(c.answer)->click();
        } else {
            thenAsked << modal->windowTitle();
            modal->close();
        }
    });
    Leave(c.command);
    EXPECT_TRUE(question.contains(c.lesson ? QFileInfo(Lesson()).fileName() : "lesson.pathsum"))
        << question.toStdString();
    EXPECT_EQ(buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    EXPECT_EQ(thenAsked.join(", ").toStdString(), c.thenAsked);
    const bool wentOn =
        !window->isVisible() || form.GainText->text() != "7" || thenAsked.contains("Open Set-up");
    EXPECT_EQ(wentOn, c.goesOn);
    const auto kept = ReadSetupFile(Path("lesson.pathsum"));
    ASSERT_TRUE(std::holds_alternative<pathsum::Setup>(kept));
    EXPECT_EQ(std::get<pathsum::Setup>(kept).texts.gain,
              c.answer == QMessageBox::Save && !c.lesson ? "7" : "5");
    if (!window->isVisible()) {
        // Closing asked the application to leave its event loop; settle that request.
        QTimer::singleShot(0, [] { QApplication::exit(0); });
        QApplication::exec();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnsavedTest,
    ::testing::Values(
        UnsavedCase{"ExitCancelled", false, Leaving::Exit, QMessageBox::Cancel, "", false},
        UnsavedCase{"ExitDiscarded", false, Leaving::Exit, QMessageBox::Discard, "", true},
        UnsavedCase{"ExitSaved", false, Leaving::Exit, QMessageBox::Save, "", true},
        // A lesson has no file to save to: Save asks for a name, and cancelled, nothing ends.
        UnsavedCase{"LessonExitSavedAsksForAName", true, Leaving::Exit, QMessageBox::Save,
                    "Save Set-up", false},
        UnsavedCase{"OpenCancelled", false, Leaving::Open, QMessageBox::Cancel, "", false},
        UnsavedCase{"OpenDiscarded", false, Leaving::Open, QMessageBox::Discard, "Open Set-up",
                    true},
        UnsavedCase{"RecentDiscarded", false, Leaving::Recent, QMessageBox::Discard, "", true},
        UnsavedCase{"ExampleCancelled", true, Leaving::Lesson, QMessageBox::Cancel, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

// Scaled down on a small screen, the form's Exit closes the window around it, which asks too.
TEST_F(FilesTest, TheExitButtonOfAScaledWindowAsksToo) {
    MainWindow scaled(0.8);
    scaled.show();
    QApplication::processEvents();
    QFile file(Path("lesson.pathsum"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"gain": "5"})");
    file.close();
    EXPECT_EQ(Open(scaled, file.fileName()), QString());
    scaled.Form()->GainText->setText("7");
    QString asked;
    OnNextModal([&asked](QWidget* modal) {
        asked = modal->objectName();
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Cancel)->click();
    });
    scaled.Form()->Exit_Click();
    EXPECT_EQ(asked, "UnsavedChangesBox");
    EXPECT_TRUE(scaled.Form()->isVisible());
    EXPECT_TRUE(scaled.isVisible());
}

TEST_F(FilesTest, EveryLessonOpensAndRuns) {
    const std::vector<Example> examples = ExamplesIn(QStringLiteral(PATHSUM_EXAMPLES_DIR));
    EXPECT_GE(examples.size(), 6U);
    for (const Example& example : examples) {
        SCOPED_TRACE(example.path.toStdString());
        EXPECT_FALSE(example.description.endsWith(".pathsum")) << "no description";
        EXPECT_EQ(Open(*window, example.path), QString());
        QString refusal;
        window->Form()->SetRefusalReporter([&refusal](const QString& why) { refusal = why; });
        window->Form()->Calculate_Click();
        EXPECT_EQ(refusal, QString());
        for (const auto& p : window->Form()->LastRun().p) {
            EXPECT_FALSE(p.empty());
        }
    }
    // The menu of recent set-ups lists them when shown, the last opened first, and opens them.
    ASSERT_GE(examples.size(), 2U);
    auto* recent = window->findChild<QMenu*>(QStringLiteral("File/Open Recent"));
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    ASSERT_GE(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions().at(0)->toolTip(), QDir::toNativeSeparators(examples.back().path));
    recent->actions().at(1)->trigger();
    const QString before = QFileInfo(examples[examples.size() - 2].path).fileName();
    EXPECT_TRUE(ShownTitle(*window).startsWith(before + " - "))
        << ShownTitle(*window).toStdString();
}

}  // namespace
}  // namespace pathsum::testing
