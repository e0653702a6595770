// The command line: the exit statuses, and --export without a display writing pictures equal
// to the window's own drawing of the same run, an SVG and a PDF that open, and a file that
// cannot be written left as it was.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>

#include "Exports.h"
#include "GraphPlotter.h"
#include "MainForm.h"
#include "SetupFile.h"
#include "WavFile.h"

namespace pathsum {
namespace {

const QString kLesson = QStringLiteral(PATHSUM_EXAMPLES_DIR "/04-five-slits.pathsum");

struct Ran {
    int status = -1;
    QString out;
    QString err;
};

// The program as a script without a display runs it: no X server, no Wayland, no platform
// chosen. `largestFile` (bytes) stands for a full disk.
Ran RunProgram(const QString& folder, const QStringList& arguments, rlim_t largestFile = 0) {
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    process.setProcessEnvironment(environment);
    if (largestFile > 0) {
        process.setChildProcessModifier([largestFile] {
            // A write past the limit then fails as on a full disk, instead of ending the program.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{largestFile, largestFile};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(QStringLiteral(PATHSUM_PROGRAM), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "the program did not end";
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    void Write(const char* name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir folder;
};

struct StatusCase {
    const char* name;
    QStringList arguments;  // "@" stands for the test's folder
    int status;
    const char* says;     // on standard error, or standard output for status 0
    bool writes = false;  // x.png: the run went ahead
};

void PrintTo(const StatusCase& c, std::ostream* out) {
    *out << c.name;
}

class ExitStatusTest : public CommandLineTest, public ::testing::WithParamInterface<StatusCase> {};

bool IsPipe(const QString& path) {
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

TEST_P(ExitStatusTest, SaysWhatWentWrongAndEndsWithItsStatus) {
    const StatusCase& c = GetParam();
    Write("refused.pathsum", R"({"wavelength": "0"})");
    // What a file is written through, and what is no file to write: a link to x.png (not there
    // yet), a named pipe, a link to the pipe and a folder.
    ASSERT_TRUE(QFile::link("x.png", Path("link.png")));
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe.png")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("pipe.png", Path("piped.png")));
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.png"));
    QStringList arguments = c.arguments;
    arguments.replaceInStrings(QStringLiteral("@"), folder.path());
    const Ran ran = RunProgram(folder.path(), arguments);
    EXPECT_EQ(ran.status, c.status) << ran.err.toStdString();
    EXPECT_TRUE((c.status == 0 ? ran.out : ran.err).contains(QString::fromUtf8(c.says)))
        << ran.out.toStdString() << ran.err.toStdString();
    // A run that does not go ahead writes nothing; one that does writes what it can. What is
    // no file is left as it was, and a link stays a link.
    EXPECT_EQ(QFile::exists(Path("x.png")), c.writes);
    EXPECT_EQ(QFileInfo(Path("link.png")).symLinkTarget(), Path("x.png"));
    EXPECT_TRUE(IsPipe(Path("pipe.png")));
    EXPECT_TRUE(QFileInfo(Path("piped.png")).isSymLink());
    EXPECT_TRUE(QFileInfo(Path("folder.png")).isDir());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExitStatusTest,
    ::testing::Values(
        StatusCase{"Version", {"--version"}, 0, "pathsum " PATHSUM_VERSION},
        StatusCase{"Help", {"--help"}, 0, "--export <FILE>"},
        // Chosen for no display like the others, it must not open an unseen window.
        StatusCase{"HelpAll", {"--help-all"}, 0, "--export <FILE>"},
        StatusCase{"UnknownOption", {"--bogus"}, 2, "bogus"},
        StatusCase{"UnknownKind", {"--export", "@/x.txt"}, 2, ".csv or .wav"},
        StatusCase{"TwoSetups", {"a.pathsum", "b.pathsum", "--export", "@/x.png"}, 2, "one set-up"},
        StatusCase{"ScaleNotOffered", {"--scale", "3", "--export", "@/x.png"}, 2, "--scale"},
        StatusCase{"ScaleTwice",
                   {"--scale", "2", "--scale", "4", "--export", "@/x.png"},
                   2,
                   "--scale may be given once"},
        StatusCase{"OnWhiteAlone", {"--on-white"}, 2, "go with --export"},
        StatusCase{"ScreenZero", {"--screen", "0", "--export", "@/x.wav"}, 2, "1 to 10, not"},
        StatusCase{"ScreenEleven", {"--screen", "11", "--export", "@/x.wav"}, 2, "\u201c11\u201d"},
        StatusCase{"ScreenNotANumber", {"--screen", "far", "--export", "@/x.wav"}, 2, "far"},
        StatusCase{"ScreenWithoutASound",
                   {"--screen", "3", "--export", "@/x.png"},
                   2,
                   "--screen says which screen a .wav plays"},
        StatusCase{"MissingSetup", {"@/gone.pathsum", "--export", "@/x.png"}, 1, "gone.pathsum"},
        // The window's own refusal, as its box would show it.
        StatusCase{"RefusedRun",
                   {"@/refused.pathsum", "--export", "@/x.png"},
                   1,
                   "refused.pathsum: the run cannot be calculated: Wavelength"},
        StatusCase{"NoSuchFolder",
                   {"--export", "@/x.png", "--export", "@/none/y.png"},
                   1,
                   "none/y.png",
                   true},
        StatusCase{"SoundToNoSuchFolder", {"--export", "@/none/y.wav"}, 1, "none/y.wav"},
        StatusCase{"ThroughALink", {"--export", "@/link.png"}, 0, "", true},
        StatusCase{"APipe",
                   {"--export", "@/x.png", "--export", "@/pipe.png"},
                   1,
                   "pipe.png\u201d was not written: it is a named pipe (FIFO)",
                   true},
        StatusCase{"ALinkToAPipe",
                   {"--export", "@/piped.png"},
                   1,
                   "pipe.png\u201d, which is a named pipe (FIFO)"},
        StatusCase{"AFolder", {"--export", "@/folder.png"}, 1, "it is a folder"}),
    [](const auto& info) { return std::string(info.param.name); });

// The picture a shown window draws of the lesson, as Print draws it: without the frame and the
// caret of the box that holds the keyboard's focus, which belong to the moment.
QImage WindowPicture(const QString& setupPath, int scale, MainForm::PrintLook look) {
    MainForm form;
    form.show();
    form.activateWindow();
    QApplication::processEvents();
    form.WavelengthText->setFocus();
    form.WavelengthText->selectAll();
    EXPECT_TRUE(form.WavelengthText->hasFocus());
    const Setup setup = std::get<Setup>(ReadSetupFile(setupPath));
    form.ApplySetup(setup.texts, setup.marker);
    form.Calculate_Click();
    return PictureImage(form, scale, look).convertToFormat(QImage::Format_RGB32);
}

TEST_F(CommandLineTest, ExportsWithoutADisplayWhatTheWindowDraws) {
    const Ran ran = RunProgram(folder.path(), {kLesson, "--export", "a.png", "--export", "a.svg",
                                               "--export", "a.pdf", "--export", "a.csv"});
    ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
    const QImage png(Path("a.png"));
    ASSERT_FALSE(png.isNull());
    EXPECT_TRUE(png.convertToFormat(QImage::Format_RGB32) ==
                WindowPicture(kLesson, 1, MainForm::PrintLook::AsShown));

    QSvgRenderer svg(Path("a.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 794, 771));

    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {"-png", "-r", "48", "-singlefile", Path("a.pdf"), Path("page")});
    ASSERT_TRUE(pdftoppm.waitForFinished(30000));
    ASSERT_EQ(pdftoppm.exitCode(), 0) << pdftoppm.readAllStandardError().toStdString();
    const QImage page(Path("page.png"));
    // A page the window's shape, at 48 to the inch half its pixels, with the plot's white bands
    // on black.
    EXPECT_NEAR(page.width(), 397, 1);
    EXPECT_NEAR(page.height(), 386, 1);
    int white = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 40; x < 360 && x < page.width(); ++x) {
            white += page.pixelColor(x, y).lightness() > 200 ? 1 : 0;
        }
    }
    EXPECT_GT(white, 500);
    EXPECT_LT(white, page.width() * page.height() / 4);

    QFile csv(Path("a.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().contains(
        "\nscreen_distance,x,paths,p,p_over_n2,plotted,X_from_centre,theory,fresnel\n100,"));
}

// The sound file holds what Play Screen plays of the window's own run: the farthest screen
// unless told, or the screen of the number given (1 is the nearest the row, at y = 90).
TEST_F(CommandLineTest, ASoundFileIsTheScreenAsTheWindowPlaysIt) {
    MainForm form;
    const pathsum::Setup setup = std::get<pathsum::Setup>(ReadSetupFile(kLesson));
    form.ApplySetup(setup.texts, setup.marker);
    form.Calculate_Click();
    const RunRecord& run = form.LastRun();
    ASSERT_TRUE(run.plan);
    for (const auto& [options, screen] :
         {std::pair{QStringList{}, std::size_t{0}}, {QStringList{"--screen", "1"}, 9}}) {
        const Ran ran =
            RunProgram(folder.path(), QStringList{kLesson, "--export", "s.wav"} + options);
        ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
        QFile file(Path("s.wav"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string expected = ScreenWav(PlottedPoints(
            run.plan->detectorX, run.p[screen], run.plan->paths.Count(), run.plan->settings.gain));
        EXPECT_EQ(file.readAll().toStdString(), expected) << "screen index " << screen;
        EXPECT_EQ(file.size(), kWavHeaderBytes + std::size_t{kScreenPlayFrames} * 4);
    }
}

TEST_F(CommandLineTest, APngTwiceAsLargeOnWhiteIsTheWindowsDrawingOnWhite) {
    const Ran ran =
        RunProgram(folder.path(), {kLesson, "--on-white", "--scale", "2", "--export", "w.png"});
    ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
    EXPECT_TRUE(QImage(Path("w.png")).convertToFormat(QImage::Format_RGB32) ==
                WindowPicture(kLesson, 2, MainForm::PrintLook::OnWhite));
}

TEST_F(CommandLineTest, AFileThatCannotBeWrittenIsLeftAsItWas) {
    const QByteArray old(100, 'o');
    Write("old.png", old);
    const Ran ran = RunProgram(folder.path(), {kLesson, "--export", "old.png"}, 4096);
    EXPECT_EQ(ran.status, 1);
    EXPECT_TRUE(ran.err.contains("old.png") && ran.err.contains("as it was"))
        << ran.err.toStdString();
    QFile file(Path("old.png"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

// What the window's notice says goes to standard error, after the set-up's name; the run is
// what it is, so its files are written and the status is 0.
TEST_F(CommandLineTest, SaysWhatTheWindowsNoticeSaysAndStillWritesTheFiles) {
    Write("corner.pathsum", R"({"pattern": "Mirror Number Double", "source": {"x": 0, "y": 100}})");
    Write("comma.pathsum", R"({"gain": "1,5"})");
    // Rays too sparse for the wavelength: said, with the resolution that is fine enough.
    Write("sparse.pathsum", R"({"wavelength": ".03"})");
    for (const auto& [setup, says] :
         {std::pair{"corner.pathsum", "corner.pathsum: No path reaches the screens"},
          std::pair{"comma.pathsum",
                    "comma.pathsum: Not a plain number: Gain \"1,5\" (read as 1)."},
          std::pair{"sparse.pathsum",
                    "sparse.pathsum: Too few paths for this wavelength: neighbouring rays meet "
                    "the mirrors up to 0.1 apart, more than half a wavelength (0.015), so the "
                    "screens may show beams that the light does not have. A resolution of "
                    "0.0001 radians or finer is fine enough."}}) {
        QFile::remove(Path("x.csv"));
        const Ran ran = RunProgram(folder.path(), {setup, "--export", "x.csv"});
        EXPECT_EQ(ran.status, 0) << setup;
        EXPECT_TRUE(ran.err.contains(QString::fromUtf8(says))) << ran.err.toStdString();
        EXPECT_TRUE(QFile::exists(Path("x.csv"))) << setup;
    }
}

}  // namespace
}  // namespace pathsum

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
