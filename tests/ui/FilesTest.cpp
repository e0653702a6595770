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
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "Examples.h"
#include "ExportPictureDialog.h"
#include "Exports.h"
#include "FieldWindow.h"
#include "FileCommands.h"
#include "FormFixture.h"
#include "GraphPlotter.h"
#include "MainWindow.h"
#include "SetupFile.h"

namespace pathsum::testing {
namespace {

std::uint32_t Bits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// What opening a file may change: the texts, the marker, the spacing's state and the title.
struct WindowState {
    SettingsTexts texts;
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    bool spacingEnabled = false;
    QString title;
};

WindowState StateOf(MainWindow& window) {
    MainForm& form = *window.Form();
    return {form.TextsOfControls(), Bits(form.MarkerPosition().x), Bits(form.MarkerPosition().y),
            form.GratingSpacingText->isEnabled(), window.windowTitle()};
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
};

void PrintTo(const RoundTripCase& c, std::ostream* out) {
    *out << c.name;
}

class RoundTripTest : public FilesTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTripTest, WhatSaveAsWritesOpensAsItWasSaved) {
    const RoundTripCase& c = GetParam();
    window->Form()->ApplySetup(c.texts, c.marker);
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
    EXPECT_TRUE(saved.title.endsWith(" - lesson.pathsum")) << saved.title.toStdString();
    EXPECT_EQ(FileCommands::RecentFiles().value(0), Path("lesson.pathsum"));

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
        RoundTripCase{"TinyAndLarge", Texts("1", "10", "Mirror Number Five"), {1e-38f, 9999.999f}}),
    [](const auto& info) { return std::string(info.param.name); });

// A key left out keeps its start-up value; Save writes the window's values over what was read
// and keeps the rest: the description, and keys this version does not know.
TEST_F(FilesTest, AKeyLeftOutKeepsItsStartUpValueAndSaveKeepsWhatItDoesNotWrite) {
    window->Form()->ApplySetup(Texts("3", "4", "Mirror Number Four"), {20.0f, 30.0f});
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
    window->Form()->ApplySetup(Texts("3", "4", "Mirror Number Four"), {20.0f, 30.0f});
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

TEST_F(FilesTest, TheTableHoldsTheEnginesNumbersOfEveryPlottedPoint) {
    MainForm& form = *window->Form();
    form.ApplySetup(Texts("1", "7", "Mirror Number Double"), {30.0f, 20.0f});
    form.ResolutionXText->setText("5");
    form.Calculate_Click();
    const RunRecord& run = form.LastRun();
    ASSERT_TRUE(run.plan);
    const auto exported = ExportFile(form, Path("run.csv"), {});
    ASSERT_FALSE(exported) << exported->toStdString();
    QFile file(Path("run.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QStringList rows;
    for (const QString& line : lines) {
        if (!line.startsWith('#')) {
            rows << line;
        }
    }
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.takeFirst(), "screen_distance,x,paths,p,p_over_n2,plotted");
    const int count = run.plan->paths.Count();
    const std::size_t points = run.plan->detectorX.size();
    ASSERT_EQ(static_cast<std::size_t>(rows.size()), kScreenYs.size() * points);
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const std::size_t screen = static_cast<std::size_t>(row) / points;
        const std::size_t i = static_cast<std::size_t>(row) % points;
        const QStringList cells = rows[row].split(',');
        ASSERT_EQ(cells.size(), 6) << rows[row].toStdString();
        const double p = run.p[screen][i];
        const double expected[] = {100.0 - kScreenYs[screen],   run.plan->detectorX[i],
                                   static_cast<double>(count),  p,
                                   PlottedValue(1.0, p, count), PlottedValue(7.0, p, count)};
        for (int cell = 0; cell < 6; ++cell) {
            // Every digit: the text reads back to the very double.
            EXPECT_EQ(std::strtod(cells[cell].toLatin1().constData(), nullptr), expected[cell])
                << "row " << row << ", column " << cell;
        }
    }
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
    EXPECT_TRUE(window->windowTitle().endsWith(before)) << window->windowTitle().toStdString();
}

}  // namespace
}  // namespace pathsum::testing
