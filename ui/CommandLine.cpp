#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <string_view>

#include "Exports.h"
#include "MainForm.h"
#include "SetupFile.h"

namespace pathsum {
namespace {

// The options QGuiApplication and QApplication take from the arguments themselves, with one
// dash or two.
constexpr std::string_view kQtOptions[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",  "qmljsdebugger",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "reverse", "session",
    "display",         "geometry",           "title",         "icon",    "style",
    "stylesheet",      "widgetcount",        "nograb",        "dograb",  "sync",
};

bool IsQtOption(std::string_view argument) {
    argument.remove_prefix(std::min(argument.find_first_not_of('-'), argument.size()));
    argument = argument.substr(0, argument.find('='));
    return std::find(std::begin(kQtOptions), std::end(kQtOptions), argument) !=
           std::end(kQtOptions);
}

void Say(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

int Refuse(const QString& message) {
    Say(stderr, QStringLiteral("pathsum: ") + message);
    return kExitRefused;
}

int Misused(const QString& message) {
    Say(stderr, QCoreApplication::translate("CommandLine", "pathsum: %1\nTry \"pathsum --help\".")
                    .arg(message));
    return kExitUsage;
}

// The run of the set-up (the start-up one when none is named) without a window, and each file
// written from it.
int Export(const QString& setupPath, const QStringList& files, const PictureOptions& options) {
    Setup setup;
    if (!setupPath.isEmpty()) {
        auto read = ReadSetupFile(setupPath);
        if (const auto* why = std::get_if<QString>(&read)) {
            return Refuse(*why);
        }
        setup = std::get<Setup>(read);
    }
    MainForm form;
    // Set as a shown window's controls stand: the spacing disabled for a single mirror too.
    form.ApplySetup(setup.texts, setup.marker, setup.whiteLight);
    QString refusal;
    form.SetRefusalReporter([&refusal](const QString& reason) { refusal = reason; });
    // What the window's notice would say (a text read as a number, no path): said, and the
    // files still written, since they show the run as it is.
    form.SetNoticeReporter([&setupPath](const QString& notice) {
        Say(stderr, QStringLiteral("pathsum: ") +
                        (setupPath.isEmpty() ? QString() : setupPath + QStringLiteral(": ")) +
                        notice);
    });
    form.Calculate_Click();
    if (!refusal.isEmpty()) {
        // Named as the script named it: a script that exports many lessons says which failed.
        const QString named = setupPath.isEmpty() ? QString() : setupPath + QStringLiteral(": ");
        return Refuse(named +
                      QCoreApplication::translate("CommandLine", "the run cannot be calculated: ") +
                      refusal);
    }
    int status = 0;
    for (const QString& file : files) {
        if (const auto why = ExportFile(form, file, options)) {
            status = Refuse(*why);
        }
    }
    return status;
}

}  // namespace

bool RunsWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") {
            return false;
        }
        if (argument.size() > 1 && argument.front() == '-' && !IsQtOption(argument)) {
            return true;
        }
    }
    return false;
}

CommandLineOutcome HandleCommandLine(const QStringList& arguments, bool windowAvailable) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Light at mirrors and slits as a sum over paths. With a set-up file, the window opens "
        "with it; with --export, the run is performed without a window and written to files."));
    parser.addPositionalArgument(
        QStringLiteral("setup"),
        QCoreApplication::translate("CommandLine", "A set-up file (.pathsum) to open or export."),
        QStringLiteral("[SETUP]"));
    const QCommandLineOption exportOption(
        QStringLiteral("export"),
        QCoreApplication::translate(
            "CommandLine",
            "Performs the run without a window and writes FILE, a picture, the "
            "numbers or a sound by its name's end: .png, .svg, .pdf, .csv or .wav. May "
            "be given more than once."),
        QStringLiteral("FILE"));
    const QCommandLineOption onWhiteOption(
        QStringLiteral("on-white"),
        QCoreApplication::translate(
            "CommandLine", "Draws the pictures with the plot dark on white, as Print on White."));
    const QCommandLineOption scaleOption(
        QStringLiteral("scale"),
        QCoreApplication::translate(
            "CommandLine", "A PNG at N times the window's pixels: 1, 2 or 4 (1 unless told)."),
        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption screenOption(
        QStringLiteral("screen"),
        QCoreApplication::translate(
            "CommandLine",
            "The screen a .wav plays from left to right in three seconds, by its "
            "number: 1, the nearest the mirrors, to 10, the farthest (10 unless "
            "told)."),
        QStringLiteral("N"), QString::number(kFarthestScreenNumber));
    parser.addOptions({exportOption, onWhiteOption, scaleOption, screenOption});
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    if (!parser.parse(arguments)) {
        return {Misused(parser.errorText()), {}};
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        Say(stdout, parser.helpText());
        return {0, {}};
    }
    if (parser.isSet(version)) {
        Say(stdout, QStringLiteral("pathsum %1").arg(QStringLiteral(PATHSUM_VERSION)));
        return {0, {}};
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        return {
            Misused(QCoreApplication::translate("CommandLine", "one set-up file at most, not %1")
                        .arg(positional.size())),
            {}};
    }
    const QString setup = positional.value(0);
    const QStringList files = parser.values(exportOption);
    if (files.isEmpty()) {
        if (parser.isSet(onWhiteOption) || parser.isSet(scaleOption)) {
            return {Misused(QCoreApplication::translate("CommandLine",
                                                        "--on-white and --scale go with --export")),
                    {}};
        }
        if (parser.isSet(screenOption)) {
            return {
                Misused(QCoreApplication::translate("CommandLine", "--screen goes with --export")),
                {}};
        }
        if (!windowAvailable) {
            // Chosen for a display that may not be there: nothing could be shown.
            return {Misused(QCoreApplication::translate(
                        "CommandLine", "nothing to do without a window: give --export")),
                    {}};
        }
        return {std::nullopt, setup};
    }
    for (const QString& file : files) {
        if (!ExportKindOf(file)) {
            return {Misused(QCoreApplication::translate(
                                "CommandLine",
                                "cannot tell what to write to \u201c%1\u201d: its "
                                "name must end in .png, .svg, .pdf, .csv or .wav")
                                .arg(file)),
                    {}};
        }
    }
    // A second --scale would silently win over the first: which one the script meant is not
    // for the program to guess.
    if (parser.values(scaleOption).size() > 1) {
        return {Misused(QCoreApplication::translate("CommandLine",
                                                    "--scale may be given once, not %1 times")
                            .arg(parser.values(scaleOption).size())),
                {}};
    }
    if (parser.values(screenOption).size() > 1) {
        return {Misused(QCoreApplication::translate("CommandLine",
                                                    "--screen may be given once, not %1 times")
                            .arg(parser.values(screenOption).size())),
                {}};
    }
    PictureOptions options;
    const QString scale = parser.value(scaleOption);
    const auto scales = std::find_if(kPictureScales.begin(), kPictureScales.end(),
                                     [&scale](int s) { return QString::number(s) == scale; });
    if (scales == kPictureScales.end()) {
        return {Misused(QCoreApplication::translate("CommandLine",
                                                    "--scale takes 1, 2 or 4, not \u201c%1\u201d")
                            .arg(scale)),
                {}};
    }
    options.scale = *scales;
    bool isNumber = false;
    const QString screen = parser.value(screenOption);
    options.screen = screen.toInt(&isNumber);
    if (!isNumber || options.screen < 1 || options.screen > kFarthestScreenNumber) {
        return {
            Misused(QCoreApplication::translate("CommandLine",
                                                "--screen takes a screen's number, 1 to %1, not "
                                                "\u201c%2\u201d")
                        .arg(kFarthestScreenNumber)
                        .arg(screen)),
            {}};
    }
    if (parser.isSet(screenOption) &&
        std::none_of(files.begin(), files.end(),
                     [](const QString& file) { return ExportKindOf(file) == ExportKind::Wav; })) {
        return {Misused(QCoreApplication::translate("CommandLine",
                                                    "--screen says which screen a .wav plays: give "
                                                    "--export with a name ending in .wav")),
                {}};
    }
    if (parser.isSet(onWhiteOption)) {
        options.look = MainForm::PrintLook::OnWhite;
    }
    return {Export(setup, files, options), {}};
}

}  // namespace pathsum
