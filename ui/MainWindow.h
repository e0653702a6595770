#pragma once

#include <QMainWindow>
#include <map>
#include <optional>

#include "ControlTexts.h"

namespace pathsum {

class ArrowsWindow;
class FileCommands;
class GuideWindow;
class FieldWindow;
class MainForm;

// The program's window: the menu bar above, and MainForm below it as the client area, which
// keeps its size, frame and every control where it is. Each menu command calls the event
// procedure of the button it stands for.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // `scale` below 1 shows the whole client area scaled down (see ScaleToFit); its layout,
    // frame and controls stay as they are, only drawn smaller.
    explicit MainWindow(double scale = 1.0, QWidget* parent = nullptr);

    MainForm* Form() const { return form_; }
    double Scale() const { return scale_; }
    QAction* Action(Command command) const;
    // The arrows window, made the first time it is opened; null before.
    ArrowsWindow* Arrows() const { return arrows_; }
    // The set-up files, the exports and the clipboard (File and Edit).
    FileCommands* Files() const { return files_; }
    // The guide's window, made the first time it is opened; null before.
    GuideWindow* Guide() const { return guide_; }
    // The field window, made the first time it is opened; null before.
    FieldWindow* Field() const { return field_; }

    // The scale below 1 at which the window's client area must be shown for the window, with
    // its menu bar and room for the window manager's frame, to fit into `available`; nothing
    // when it fits as it is. The menu bar keeps its size.
    std::optional<double> ScaleToFit(QSize available) const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAction* NewCommand(QMenu* menu, Command command);
    QAction* AddCommand(QMenu* menu, Command command, void (MainForm::*procedure)());
    QAction* AddCommand(QMenu* menu, Command command, void (FileCommands::*procedure)());
    // A menu of files (Open Recent, Examples), filled afresh as it opens.
    void AddFileMenu(QMenu* menu, Command command, void (FileCommands::*fill)(QMenu*));
    void ShowGuide();
    void About_Click();
    void ShowArrows(bool shown);
    void ShowField(bool shown);
    // A side window made just now: beside this one and the other side window, if any.
    void PlaceSideWindow(QWidget* side, QWidget* other);
    // A side window shown again where it would cover the other one: placed afresh beside both.
    void PlaceAgainIfCovering(QWidget* side, QWidget* other);
    static void ShowSideWindow(QWidget* side, bool shown);
    // What a window's frame adds to its size, as the main window's frame does.
    QSize FrameSize() const;
    // The pointer over the field chooses the arrows window's point, which the field marks.
    void ConnectFieldToArrows();
    // A checkable entry of the View menu that shows or hides a window of its own.
    QAction* AddWindowCommand(QMenu* menu, Command command, void (MainWindow::*show)(bool));
    // Puts a window of the program's beside this one (see PlaceBeside), moving this one if
    // that lets the two stand side by side.
    void PlaceBesideMe(QWidget* side);
    // The plot square as the screen shows it.
    QRect PlotOnScreen() const;

    double scale_;
    MainForm* form_;
    std::map<Command, QAction*> actions_;
    ArrowsWindow* arrows_ = nullptr;
    FileCommands* files_;
    GuideWindow* guide_ = nullptr;
    FieldWindow* field_ = nullptr;
};

}  // namespace pathsum
