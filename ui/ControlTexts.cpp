#include "ControlTexts.h"

#include <QCoreApplication>
#include <QHash>
#include <QWidget>
#include <array>
#include <string>

#include "ArrowDrawing.h"
#include "FarField.h"
#include "FieldPicture.h"
#include "Language.h"
#include "Limits.h"
#include "MirrorPattern.h"
#include "NumberText.h"
#include "ParameterStep.h"

namespace pathsum {
namespace {

QString Keys(Command command) {
    return Shortcut(command).toString(QKeySequence::NativeText);
}

// A number as the window writes it, without the blank a positive number starts with.
QString Number(double value) {
    return QString::fromStdString(TextFromNumber(value)).trimmed();
}

// What a label that steps its parameter by ten says about itself.
QString StepLabelText(const QString& what, Parameter parameter) {
    const ParameterRange& range = RangeOf(parameter);
    return QCoreApplication::translate("ControlTexts",
                                       "%1 Left button: divide by 10; right button: multiply by "
                                       "10. Below %2 it wraps to %3, above %3 to %2.")
        .arg(what, Number(range.low), Number(range.high));
}

// What a parameter box says about itself.
QString BoxText(const QString& what) {
    return QCoreApplication::translate("ControlTexts",
                                       "%1 Click (or press F2) to type a new value in a dialog; "
                                       "Page Up and Page Down multiply and divide it by 10, like "
                                       "the right and left button on its label.")
        .arg(what);
}

// The controls of the Field of Light window.
template <class Add>
void AddFieldTexts(const Add& add) {
    add("FieldPicture", QT_TRANSLATE_NOOP("ControlTexts", "Field of light"),
        QCoreApplication::translate(
            "ControlTexts",
            "How much light arrives at every point of the plot: p / N² of the last "
            "run's paths as a colour (every arrow has the same length, so compare "
            "points at one distance from the row, not at different distances). The "
            "wheel zooms about the pointer, a drag with the left button moves the "
            "view, + and - zoom, Home shows the whole square, Shift and a drag "
            "measure. With Arrows at a Point open, the pointer chooses the point "
            "whose arrows it shows."));
    add("FieldColourBar", QT_TRANSLATE_NOOP("ControlTexts", "Colour scale"),
        QCoreApplication::translate(
            "ControlTexts",
            "The value of p / N² each colour stands for. Full colour is where a "
            "curve's band in the main window would reach the next screen. With Waves, "
            "the value of Re S / N each colour stands for: the horizontal part of the "
            "pixel's sum of arrows at that instant, divided by N. A crest is full "
            "colour where p / N² is."));
    add("FieldCaption", QT_TRANSLATE_NOOP("ControlTexts", "Run of the field"),
        QCoreApplication::translate("ControlTexts", "The run whose paths the field sums."));
    add("FieldStatus", QT_TRANSLATE_NOOP("ControlTexts", "Progress"),
        QCoreApplication::translate(
            "ControlTexts",
            "How far the field is computed: a coarse picture first, then every "
            "pixel."));
    add("FieldPointer", QT_TRANSLATE_NOOP("ControlTexts", "Point under the pointer"),
        QCoreApplication::translate(
            "ControlTexts",
            "Where the pointer is, as the source labels give a point: X across from "
            "the centre of the row, Y the distance below the row; and the value "
            "there."));
    add("FieldNotice", QT_TRANSLATE_NOOP("ControlTexts", "Fringes finer than the pixels"),
        QCoreApplication::translate(
            "ControlTexts",
            "Where the fringes are finer than two pixels, a pixel's value is a "
            "sample: zoom in to see them."));
    add("FieldColours", QT_TRANSLATE_NOOP("ControlTexts", "Colours"),
        QCoreApplication::translate(
            "ControlTexts",
            "The colours of the field: from dark violet through red to pale yellow, "
            "or grey, which prints as it shows. In both, brighter is more light. "
            "Waves shows the light as it moves: every arrow turned as time passes, "
            "a crest in one colour, a trough in another, dark where the wave is zero."));
    add("FieldLogarithmic", QT_TRANSLATE_NOOP("ControlTexts", "Logarithmic scale"),
        QCoreApplication::translate(
            "ControlTexts", "Shows %1 decades below full colour evenly, for the faint fringes.")
            .arg(kLogDecades));
    add("FieldWholeSquare", QT_TRANSLATE_NOOP("ControlTexts", "Whole square"),
        QCoreApplication::translate("ControlTexts", "Shows the whole plot square again (Home)."));
    add("FieldSavePicture", QT_TRANSLATE_NOOP("ControlTexts", "Save picture"),
        QCoreApplication::translate("ControlTexts",
                                    "Saves the field and its colour scale as a PNG picture, at the "
                                    "window's resolution, once every pixel is computed."));
    add("FieldSaveNumbers", QT_TRANSLATE_NOOP("ControlTexts", "Save numbers"),
        QCoreApplication::translate(
            "ControlTexts",
            "Saves X (from the centre of the row), Y (below the row), the paths, "
            "p / N² and the sum of the arrows (its horizontal and vertical parts) of "
            "every pixel as comma-separated values with every digit, after "
            "lines starting with # that name the settings, once every pixel is "
            "computed."));
    // The waves.
    add("FieldWaveSpeed", QT_TRANSLATE_NOOP("ControlTexts", "Speed of the waves"),
        QCoreApplication::translate(
            "ControlTexts", "How fast the waves move: at 1\u00d7 a period lasts a second."));
    add("FieldWavesPause", QT_TRANSLATE_NOOP("ControlTexts", "Pause the waves"),
        QCoreApplication::translate(
            "ControlTexts",
            "Stops the waves at the instant shown, and starts them again (Space)."));
}

QHash<QString, ControlDescription> BuildTable() {
    const QString wavelength = QCoreApplication::translate(
        "ControlTexts",
        "The wavelength of the light, in plot units: the plot is 100 by 100 units.");
    const QString resolution = QCoreApplication::translate(
        "ControlTexts",
        "The angle between neighbouring rays from the source, in radians: a finer resolution "
        "sums more paths.");
    const QString gain = QCoreApplication::translate(
        "ControlTexts", "The factor the plotted curves are multiplied by.");
    const QString width = QCoreApplication::translate(
        "ControlTexts", "The width of every mirror or slit, in plot units.");
    const QString spacing = QCoreApplication::translate(
        "ControlTexts",
        "The gap between one mirror or slit and the next, in plot units (a single mirror has "
        "none). The period, from one element's centre to the next, is the width plus the "
        "spacing.");
    const QString detectorStep =
        QCoreApplication::translate(
            "ControlTexts",
            "Resolution X is the step between detector points along each screen, in "
            "plot units (at least %1).")
            .arg(Number(kMinDetectorStep));
    const QString sourcePlacing =
        QCoreApplication::translate(
            "ControlTexts",
            "Click with the left button anywhere in the window to move the light "
            "source there. A click in the strip below the plot makes a far source, a "
            "hundred times as far below the plot's bottom edge as the click: a few pixels "
            "below the plot it stands only 150 to 200 below the row, at the bottom of the "
            "strip 1900 below, where its light is almost parallel. %1 places it from the "
            "keyboard.")
            .arg(Keys(Command::PlaceSource));

    QHash<QString, ControlDescription> table;
    const auto add = [&table](const char* control, const char* name, const QString& text) {
        table.insert(QString::fromLatin1(control),
                     {QCoreApplication::translate("ControlTexts", name), text});
    };
    add("WavelengthLabel", QT_TRANSLATE_NOOP("ControlTexts", "Wavelength label"),
        StepLabelText(wavelength, Parameter::Wavelength));
    add("WavelengthText", QT_TRANSLATE_NOOP("ControlTexts", "Wavelength"), BoxText(wavelength));
    add("ResolutionLabel", QT_TRANSLATE_NOOP("ControlTexts", "Resolution label"),
        StepLabelText(resolution, Parameter::Resolution));
    add("ResolutionText", QT_TRANSLATE_NOOP("ControlTexts", "Resolution in radians"),
        BoxText(resolution));
    add("ResolutionXLabel", QT_TRANSLATE_NOOP("ControlTexts", "Resolution X label"),
        QCoreApplication::translate("ControlTexts",
                                    "%1 Click to step it: 1, .5, .25, .1, then 1 again.")
            .arg(detectorStep));
    add("ResolutionXText", QT_TRANSLATE_NOOP("ControlTexts", "Resolution X"),
        QCoreApplication::translate("ControlTexts",
                                    "%1 Type a new value; Page Up or Page Down steps it like a "
                                    "click on its label.")
            .arg(detectorStep));
    add("GainLabel", QT_TRANSLATE_NOOP("ControlTexts", "Gain label"),
        StepLabelText(gain, Parameter::Gain));
    add("GainText", QT_TRANSLATE_NOOP("ControlTexts", "Gain"), BoxText(gain));
    add("GratingWidthLabel", QT_TRANSLATE_NOOP("ControlTexts", "Width label"),
        StepLabelText(width, Parameter::Width));
    add("GratingWidthText", QT_TRANSLATE_NOOP("ControlTexts", "Width"), BoxText(width));
    add("GratingSpacingLabel", QT_TRANSLATE_NOOP("ControlTexts", "Spacing label"),
        StepLabelText(spacing, Parameter::Spacing));
    add("GratingSpacingText", QT_TRANSLATE_NOOP("ControlTexts", "Spacing"), BoxText(spacing));
    add("Calculate", QT_TRANSLATE_NOOP("ControlTexts", "Calculate and plot"),
        QCoreApplication::translate("ControlTexts",
                                    "Computes the ten screens and draws their curves (%1).")
            .arg(Keys(Command::Calculate)));
    add("Pattern", QT_TRANSLATE_NOOP("ControlTexts", "Pattern"),
        QCoreApplication::translate(
            "ControlTexts",
            "The mirrors or slits of the next run. Click to step through one to five "
            "mirrors and a grating that fills the row. The elements reflect: the "
            "screens show the pattern that slits would let through, mirrored "
            "across the row."));
    add("Printit", QT_TRANSLATE_NOOP("ControlTexts", "Print"),
        QCoreApplication::translate("ControlTexts",
                                    "Prints the window on the default printer (%1).")
            .arg(Keys(Command::Print)));
    add("Stop", QT_TRANSLATE_NOOP("ControlTexts", "Stop"),
        QCoreApplication::translate(
            "ControlTexts", "Stops a calculation in progress; the curves drawn so far stay (%1).")
            .arg(Keys(Command::Stop)));
    add("Help", QT_TRANSLATE_NOOP("ControlTexts", "Help"),
        QCoreApplication::translate("ControlTexts", "Explains the program and how to use it (%1).")
            .arg(Keys(Command::Help)));
    add("Exit", QT_TRANSLATE_NOOP("ControlTexts", "Exit"),
        QCoreApplication::translate("ControlTexts", "Ends the program at once (%1).")
            .arg(Keys(Command::Exit)));
    add("SourceYLabel", QT_TRANSLATE_NOOP("ControlTexts", "Source Y"),
        QCoreApplication::translate(
            "ControlTexts",
            "Y: how far the light source lies below the mirrors. Click to put the "
            "source back at Y= 100."));
    add("SourceXLabel", QT_TRANSLATE_NOOP("ControlTexts", "Source X"),
        QCoreApplication::translate(
            "ControlTexts",
            "X: how far the light source lies right of the centre of the mirrors. "
            "Click to put the source back at X= 0."));
    add("Source", QT_TRANSLATE_NOOP("ControlTexts", "Light source"),
        QCoreApplication::translate("ControlTexts", "The light source. %1").arg(sourcePlacing));
    // The companion shape is half of the same marker; screen readers are not told of it.
    add("Source0", QT_TRANSLATE_NOOP("ControlTexts", "Light source, left half"),
        QCoreApplication::translate("ControlTexts", "The light source. %1").arg(sourcePlacing));
    add("LiveNotice", QT_TRANSLATE_NOOP("ControlTexts", "Notice"),
        QCoreApplication::translate(
            "ControlTexts",
            "What the last run read from a box whose text is not a plain number, or "
            "that no path reached the mirrors; in the live mode also whether the "
            "picture is coarse while the source moves, or why the last change cannot "
            "be calculated."));
    add("ProbeMarker", QT_TRANSLATE_NOOP("ControlTexts", "Probed point"),
        QCoreApplication::translate("ControlTexts",
                                    "The point the Arrows at a Point window shows."));
    AddFieldTexts(add);
    add("MainForm", QT_TRANSLATE_NOOP("ControlTexts", "Experiment"),
        QCoreApplication::translate(
            "ControlTexts",
            "Ten screens (the horizontal lines) below a row of mirrors or slits at the "
            "top. %1 Hold Shift and drag to measure a line with the ruler; Esc takes it "
            "away.")
            .arg(sourcePlacing));
    add("PlotCanvas", QT_TRANSLATE_NOOP("ControlTexts", "Plot"), PlotDescription({}));
    for (int i = 0; i < 10; ++i) {
        table.insert(QStringLiteral("ScreenLabel(%1)").arg(i),
                     {QCoreApplication::translate("ControlTexts", "Screen %1 distance").arg(i + 1),
                      QCoreApplication::translate(
                          "ControlTexts",
                          "The distance of the screen below from the mirrors, in plot "
                          "units.")});
        table.insert(
            QStringLiteral("PathsLabel(%1)").arg(i),
            {QCoreApplication::translate("ControlTexts", "Screen %1 paths").arg(i + 1),
             QCoreApplication::translate("ControlTexts",
                                         "The number of paths summed at every point of the screen "
                                         "below.")});
        table.insert(
            QStringLiteral("FresnelLabel(%1)").arg(i),
            {QCoreApplication::translate("ControlTexts", "Screen %1 Fresnel number").arg(i + 1),
             QCoreApplication::translate(
                 "ControlTexts",
                 "With View > Theory on, after a run: the Fresnel number F of the screen above "
                 "and whether it is far (F below 0.3), where the textbook's far-field pattern "
                 "holds, near (F above 3) or between.")});
    }
    table.insert(QStringLiteral("RulerView"),
                 {QCoreApplication::translate("ControlTexts", "Ruler"),
                  QCoreApplication::translate(
                      "ControlTexts",
                      "The line Shift and a drag measure: its X and Y differences, its length "
                      "and its angle from the vertical, in plot units, and with View > Theory "
                      "on the textbook's fringe spacing. Esc takes it away.")});
    return table;
}

// "Screen 3": the screens are counted from the mirrors down, as their labels stand.
QString ScreenName(int index) {
    return QCoreApplication::translate("ControlTexts", "Screen %1").arg(index + 1);
}

// A caption still as the window started ("1:" and so on): its screen has not been computed.
bool NotComputed(const QString& caption) {
    return caption.endsWith(QChar(':'));
}

// Each command's menu text, with its & mnemonic, and its shortcut (none for About and the two
// menus of files).
struct CommandText {
    Command command{};
    const char* menuText = nullptr;
    QKeyCombination keys;
};

constexpr QKeyCombination kNoKeys{};

constexpr CommandText kCommands[] = {
    {Command::Open, QT_TRANSLATE_NOOP("Menu", "&Open..."), Qt::CTRL | Qt::Key_O},
    {Command::OpenRecent, QT_TRANSLATE_NOOP("Menu", "Open &Recent"), kNoKeys},
    {Command::Examples, QT_TRANSLATE_NOOP("Menu", "Exa&mples"), kNoKeys},
    {Command::Save, QT_TRANSLATE_NOOP("Menu", "&Save"), Qt::CTRL | Qt::Key_S},
    {Command::SaveAs, QT_TRANSLATE_NOOP("Menu", "Save &As..."), Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {Command::ExportPicture, QT_TRANSLATE_NOOP("Menu", "&Export Picture..."), Qt::CTRL | Qt::Key_E},
    {Command::ExportData, QT_TRANSLATE_NOOP("Menu", "Export &Data..."),
     Qt::CTRL | Qt::SHIFT | Qt::Key_E},
    {Command::CopyPicture, QT_TRANSLATE_NOOP("Menu", "&Copy Picture"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_C},
    {Command::Guide, QT_TRANSLATE_NOOP("Menu", "&Guide"), Qt::SHIFT | Qt::Key_F1},
    {Command::Print, QT_TRANSLATE_NOOP("Menu", "&Print"), Qt::CTRL | Qt::Key_P},
    {Command::PrintOnWhite, QT_TRANSLATE_NOOP("Menu", "Print on &White"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_P},
    {Command::Exit, QT_TRANSLATE_NOOP("Menu", "E&xit"), Qt::CTRL | Qt::Key_Q},
    {Command::Calculate, QT_TRANSLATE_NOOP("Menu", "&Calculate"), QKeyCombination(Qt::Key_F5)},
    {Command::Stop, QT_TRANSLATE_NOOP("Menu", "&Stop"), QKeyCombination(Qt::Key_Escape)},
    {Command::PlaceSource, QT_TRANSLATE_NOOP("Menu", "&Place Source..."), Qt::CTRL | Qt::Key_L},
    {Command::ArrowsAtAPoint, QT_TRANSLATE_NOOP("Menu", "&Arrows at a Point"),
     QKeyCombination(Qt::Key_F6)},
    {Command::FieldOfLight, QT_TRANSLATE_NOOP("Menu", "&Field of Light"),
     QKeyCombination(Qt::Key_F7)},
    {Command::Live, QT_TRANSLATE_NOOP("Menu", "&Live"), QKeyCombination(Qt::Key_F8)},
    {Command::Help, QT_TRANSLATE_NOOP("Menu", "&Help"), QKeyCombination(Qt::Key_F1)},
    {Command::About, QT_TRANSLATE_NOOP("Menu", "&About pathsum"), kNoKeys},
    {Command::Theory, QT_TRANSLATE_NOOP("Menu", "&Theory"), QKeyCombination(Qt::Key_F9)},
    // F12: desktops take F10 and F11 for themselves.
    {Command::WhiteLight, QT_TRANSLATE_NOOP("Menu", "&White Light"), QKeyCombination(Qt::Key_F12)},
    // Exploring by ear.
    {Command::ProbeWithKeys, QT_TRANSLATE_NOOP("Menu", "Probe with &Keys"), Qt::CTRL | Qt::Key_K},
    {Command::Sound, QT_TRANSLATE_NOOP("Menu", "&Sound"), QKeyCombination(Qt::Key_F4)},
    {Command::PlayScreen, QT_TRANSLATE_NOOP("Menu", "Pla&y Screen"), QKeyCombination(Qt::Key_F3)},
};

const CommandText& TextOf(Command command) {
    for (const CommandText& text : kCommands) {
        if (text.command == command) {
            return text;
        }
    }
    return kCommands[0];
}

}  // namespace

QString MenuText(Command command) {
    return QCoreApplication::translate("Menu", TextOf(command).menuText);
}

QKeySequence Shortcut(Command command) {
    const QKeyCombination keys = TextOf(command).keys;
    return keys == kNoKeys ? QKeySequence() : QKeySequence(keys);
}

bool IsCommandShortcut(QKeyCombination keys) {
    // A key of the keypad is the same key.
    const QKeyCombination plain(keys.keyboardModifiers() & ~Qt::KeypadModifier, keys.key());
    for (const CommandText& text : kCommands) {
        if (text.keys != kNoKeys && text.keys == plain) {
            return true;
        }
    }
    return false;
}

QKeySequence CloseWindowShortcut() {
    return QKeySequence(Qt::CTRL | Qt::Key_W);
}

std::optional<ControlDescription> DescriptionOf(const QString& objectName) {
    // One table for each language spoken, built when first asked for.
    static QHash<QString, QHash<QString, ControlDescription>> tables;
    auto language = tables.find(SpokenLanguage());
    if (language == tables.end()) {
        language = tables.insert(SpokenLanguage(), BuildTable());
    }
    const QHash<QString, ControlDescription>& table = *language;
    const auto found = table.constFind(objectName);
    if (found == table.constEnd()) {
        return std::nullopt;
    }
    return *found;
}

namespace {

// The captions of the patterns as the translators see them, in the order of kPatternCaptions.
constexpr std::array<const char*, 6> kShownPatternCaptions = {
    QT_TRANSLATE_NOOP("Pattern", "Mirror Number Single"),
    QT_TRANSLATE_NOOP("Pattern", "Mirror Number Double"),
    QT_TRANSLATE_NOOP("Pattern", "Mirror Number Triple"),
    QT_TRANSLATE_NOOP("Pattern", "Mirror Number Four"),
    QT_TRANSLATE_NOOP("Pattern", "Mirror Number Five"),
    QT_TRANSLATE_NOOP("Pattern", "Mirror Number Grating")};

constexpr bool SameCaptions() {
    for (std::size_t i = 0; i < kPatternCaptions.size(); ++i) {
        if (kPatternCaptions[i] != std::string_view(kShownPatternCaptions[i])) {
            return false;
        }
    }
    return true;
}
static_assert(SameCaptions(), "the translators' pattern captions are the patterns' own");

}  // namespace

QString ShownPatternCaption(std::string_view caption) {
    const std::string text(caption);
    for (const char* known : kShownPatternCaptions) {
        if (text == known) {
            return QCoreApplication::translate("Pattern", known);
        }
    }
    return QString::fromStdString(text);
}

std::string PatternCaptionOf(const QString& shown) {
    for (const char* known : kShownPatternCaptions) {
        if (shown == QCoreApplication::translate("Pattern", known)) {
            return known;
        }
    }
    return shown.toStdString();
}

QString PatternName(const QString& caption) {
    return QCoreApplication::translate("ControlTexts", "Pattern: %1").arg(caption);
}

QString SourceLabelName(const QString& caption) {
    return QCoreApplication::translate("ControlTexts", "Source %1").arg(caption);
}

QString ScreenLabelName(int index, const QString& caption, const std::optional<ScreenPeak>& peak) {
    if (NotComputed(caption)) {
        return QCoreApplication::translate("ControlTexts", "%1, not computed yet")
            .arg(ScreenName(index));
    }
    QString name = QCoreApplication::translate("ControlTexts", "%1, %2 below the mirrors")
                       .arg(ScreenName(index), caption.trimmed());
    if (peak) {
        name += QCoreApplication::translate("ControlTexts", ": largest value %1 at X = %2")
                    .arg(QString::fromStdString(ReadableNumber(peak->value, 3)),
                         QString::fromStdString(DetectorXText(peak->x)));
    }
    return name;
}

QString PathsLabelName(int index, const QString& caption) {
    if (NotComputed(caption)) {
        return QCoreApplication::translate("ControlTexts", "%1 paths, not computed yet")
            .arg(ScreenName(index));
    }
    return QCoreApplication::translate("ControlTexts", "%1: %2 paths")
        .arg(ScreenName(index), caption.trimmed());
}

ControlDescription FresnelLabelDescription(int index, double distance, double fresnel) {
    const QString number = QString::fromStdString(SignificantNumber(fresnel, 2));
    const QString where = QString::fromStdString(ReadableNumber(distance, 6));
    ControlDescription described;
    described.name = QCoreApplication::translate("ControlTexts", "Screen %1 Fresnel number %2")
                         .arg(index + 1)
                         .arg(number);
    switch (RegimeOf(fresnel)) {
        case Regime::Far:
            described.description =
                QCoreApplication::translate(
                    "ControlTexts",
                    "Screen %1, %2 below the mirrors: Fresnel number F = %3, below 0.3, so "
                    "the screen is far: the textbook's far-field pattern (the coloured curve) "
                    "should match the band here.")
                    .arg(index + 1)
                    .arg(where, number);
            break;
        case Regime::Near:
            described.description =
                QCoreApplication::translate(
                    "ControlTexts",
                    "Screen %1, %2 below the mirrors: Fresnel number F = %3, above 3, so the "
                    "screen is near: the band still has the shape of the mirrors and the "
                    "textbook's far-field pattern (the coloured curve) does not hold.")
                    .arg(index + 1)
                    .arg(where, number);
            break;
        case Regime::Between:
            described.description =
                QCoreApplication::translate(
                    "ControlTexts",
                    "Screen %1, %2 below the mirrors: Fresnel number F = %3, between 0.3 and "
                    "3, so the screen is neither near nor far: the band is on its way to the "
                    "textbook's far-field pattern (the coloured curve).")
                    .arg(index + 1)
                    .arg(where, number);
            break;
    }
    return described;
}

QString TheoryPredictionName() {
    return QCoreApplication::translate("ControlTexts", "Textbook p / N² (far field)");
}

QString FresnelNumberName() {
    return QCoreApplication::translate("ControlTexts", "Fresnel number");
}

QString PlotDescription(const std::array<std::optional<ScreenPeak>, kScreenYs.size()>& peaks) {
    QString text = QCoreApplication::translate(
        "ControlTexts",
        "The mirrors or slits along the top and, on each of the ten screens, a white band whose "
        "height shows how much light arrives at each point compared with the other points of "
        "that screen: every path's arrow has the same length however long the path, so the "
        "heights compare within a screen, not between screens.");
    std::optional<std::size_t> brightest;
    for (std::size_t screen = 0; screen < peaks.size(); ++screen) {
        if (peaks[screen] && (!brightest || peaks[screen]->value > peaks[*brightest]->value)) {
            brightest = screen;
        }
    }
    if (brightest) {
        const ScreenPeak& peak = *peaks[*brightest];
        text += QCoreApplication::translate("ControlTexts",
                                            " The largest value, %1, lies on %2 at X = %3.")
                    .arg(QString::fromStdString(ReadableNumber(peak.value, 3)),
                         ScreenName(ScreenLabelIndex(kScreenYs[*brightest])),
                         QString::fromStdString(DetectorXText(peak.x)));
    }
    text += QCoreApplication::translate(
                "ControlTexts",
                " Tab to the plot, or press %1, and the arrow keys move a probe along the "
                "screens; %2 turns on a tone that follows it.")
                .arg(Keys(Command::ProbeWithKeys), Keys(Command::Sound));
    return text;
}

QString ProbeDescription(const ProbeReading& reading) {
    if (reading.state == ProbeReading::State::NoRun) {
        return QCoreApplication::translate(
                   "ControlTexts",
                   "Nothing calculated yet: press %1 (CALC AND PLOT), then the arrow keys move "
                   "the probe along a screen.")
            .arg(Keys(Command::Calculate));
    }
    const QString screen = QString::number(reading.screenNumber);
    const QString x = QString::fromStdString(DetectorXText(reading.x));
    switch (reading.state) {
        case ProbeReading::State::NotComputed:
            return QCoreApplication::translate("ControlTexts", "Screen %1, X %2: not computed yet")
                .arg(screen, x);
        case ProbeReading::State::NoPaths:
            return QCoreApplication::translate("ControlTexts",
                                               "Screen %1, X %2: no path reaches the screens")
                .arg(screen, x);
        case ProbeReading::State::Dark:
            return QCoreApplication::translate("ControlTexts",
                                               "Screen %1, X %2: dark, as the whole screen is")
                .arg(screen, x);
        case ProbeReading::State::NoRun:
        case ProbeReading::State::Lit:
            break;
    }
    return QCoreApplication::translate("ControlTexts",
                                       "Screen %1, X %2: %3 of the screen's brightest")
        .arg(screen, x, QString::fromStdString(ReadableNumber(reading.brightness, 2)));
}

QString NothingToPlayText(int screenNumber) {
    return QCoreApplication::translate(
               "ControlTexts",
               "Screen %1 is not computed yet: press %2 (CALC AND PLOT), then play it.")
        .arg(screenNumber)
        .arg(Keys(Command::Calculate));
}

QString FieldPointName(const QString& readout) {
    return QCoreApplication::translate("ControlTexts", "Field at %1").arg(readout);
}

void DescribeControls(QWidget* form) {
    // The controls of a window's panels too.
    QList<QWidget*> widgets = form->findChildren<QWidget*>();
    widgets.prepend(form);
    for (QWidget* widget : widgets) {
        if (const auto described = DescriptionOf(widget->objectName())) {
            // As rich text, a tooltip is wrapped to a readable width.
            widget->setToolTip(QStringLiteral("<p>") + described->description.toHtmlEscaped() +
                               QStringLiteral("</p>"));
            widget->setAccessibleName(described->name);
            widget->setAccessibleDescription(described->description);
        }
    }
}

}  // namespace pathsum
