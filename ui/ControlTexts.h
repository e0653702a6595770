#pragma once

#include <QKeySequence>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "RunPicture.h"
#include "Screens.h"

class QWidget;

namespace pathsum {

// The commands of the menu bar. Each calls the event procedure of the button or label it
// stands for, so every rule of the control holds for the command too.
enum class Command {
    Open,
    OpenRecent,
    Examples,
    Save,
    SaveAs,
    ExportPicture,
    ExportData,
    CopyPicture,
    Guide,
    Print,
    PrintOnWhite,
    Exit,
    Calculate,
    Stop,
    PlaceSource,
    ArrowsAtAPoint,
    FieldOfLight,
    Live,
    Help,
    About,
    Theory,
    // Run > White Light: checkable, off at every start.
    WhiteLight,
    // Exploring by ear.
    ProbeWithKeys,
    Sound,
    PlayScreen,
};

// The command's text in its menu (with its & mnemonic) and its shortcut (none for some).
QString MenuText(Command command);
QKeySequence Shortcut(Command command);
// Whether the keys are one command's shortcut: a value's box lets them through to the command.
bool IsCommandShortcut(QKeyCombination keys);
// The key that closes a window beside the main one (the arrows, the field, the guide).
QKeySequence CloseWindowShortcut();

// What a control is and how to change it, as its tooltip shows it and a screen reader
// announces it. Every text of this kind is written in ControlTexts.cpp and nowhere else.
struct ControlDescription {
    QString name;         // the accessible name: what the control is, in a few words
    QString description;  // the tooltip and accessible description: one or two sentences
};

// The description of the control of that object name, the window itself ("MainForm", the plot
// area) and the plot surface ("PlotCanvas") included; nothing for a name the table lacks.
std::optional<ControlDescription> DescriptionOf(const QString& objectName);

// Gives the window and every described control of it its tooltip, accessible name and
// accessible description.
void DescribeControls(QWidget* form);

// The Pattern button shows a pattern's caption in the language spoken; what a run, a set-up
// file and a table read is always the caption itself. A text that is no pattern's caption
// stays as it is both ways.
QString ShownPatternCaption(std::string_view caption);
std::string PatternCaptionOf(const QString& shown);

// What a screen reader hears of the controls whose captions change: the name says what the
// control is and what it now shows. A screen label names its screen, the distance it shows and,
// once the last run finished it, the largest value on it and where it lies.
QString PatternName(const QString& caption);
QString SourceLabelName(const QString& caption);
QString ScreenLabelName(int index, const QString& caption, const std::optional<ScreenPeak>& peak);
QString PathsLabelName(int index, const QString& caption);
// The Fresnel number F of the screen of that label index, `distance` below the row, as its
// label's tooltip and a screen reader give it: what F says about the screen.
ControlDescription FresnelLabelDescription(int index, double distance, double fresnel);
// The numbers the textbook adds to those of a probed point, with their names: the far-field
// prediction in the units of p / N^2 and the Fresnel number at the point's distance.
QString TheoryPredictionName();
QString FresnelNumberName();
// The plot's description: what it shows and, after a run, where its brightest point lies.
QString PlotDescription(const std::array<std::optional<ScreenPeak>, kScreenYs.size()>& peaks);

// What the keyboard's probe reads at its point, for the plot's description while the plot has
// the keyboard's focus: the screen by its number, the point's X as the labels count it and how
// bright it is against the screen's brightest point.
struct ProbeReading {
    enum class State {
        NoRun,        // nothing calculated yet
        NotComputed,  // the run has not reached the screen (yet)
        NoPaths,      // no path reaches the screens: nothing is plotted
        Dark,         // every point of the screen is zero
        Lit,
    };
    State state = State::NoRun;
    int screenNumber = kFarthestScreenNumber;
    double x = 50.0;          // the detector's x across the plot
    double brightness = 0.0;  // 0 to 1 of the screen's brightest (Lit)
};
QString ProbeDescription(const ProbeReading& reading);

// Play Screen asked for a screen the last run has not computed.
QString NothingToPlayText(int screenNumber);

// The name of the field's readout: the point it gives and the value there, as it reads.
QString FieldPointName(const QString& readout);

}  // namespace pathsum
