#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "ExperimentSettings.h"
#include "SetupFile.h"

class QLabel;
class QMenu;
class QTimer;
class QWidget;

namespace pathsum {

class MainForm;

// The File and Edit commands that keep and hand out a lesson: set-ups opened and saved (with
// the last few kept from one start of the program to the next, and the lessons shipped with
// it), the picture exported or copied, the numbers exported. Every file is written whole or
// not at all, and every failure is said in a message box that names the file and the reason.
// Once a set-up is opened or saved, the window's title names its file and marks changes not
// saved since, and nothing replaces or ends them without asking.
class FileCommands : public QObject {
    Q_OBJECT

  public:
    // `window` carries the title that names the set-up's file; `form` is its client area.
    FileCommands(MainForm* form, QWidget* window);

    void Open();
    void Save();
    void SaveAs();
    void ExportPicture();
    void ExportData();
    void CopyPicture();

    // Opens the set-up at `path` into the window, as Open does with a chosen file (Open Recent,
    // a file given to the program), after asking about unsaved changes (SettleChanges); a file
    // that is refused is said in a box and leaves the window as it was. True when it opened.
    bool OpenFile(const QString& path);
    // Opens a lesson shipped with the program, as File > Examples does: the same, except that
    // the lesson is not remembered as the file Save writes (Save asks for a name).
    bool OpenLesson(const QString& path);

    // Whether the six box texts, the pattern, the marker or the light differ from the set-up as
    // it was last opened or saved; never while no set-up has been opened or saved.
    bool Unsaved() const;
    // Asks whether to save unsaved changes, when there are any: Save, Discard or Cancel. True
    // when the caller may go on (nothing to ask, saved, or discarded); false when the question
    // was cancelled, or the save was cancelled or failed.
    bool SettleChanges();

    // The menus' entries, made afresh each time the menu opens.
    void FillRecentMenu(QMenu* menu);
    void FillExamplesMenu(QMenu* menu);

    // The file the set-up was last opened from or saved to; empty for none or for a lesson
    // (Save then asks for a name, and the lesson shipped with the program stays as it is).
    const QString& File() const { return file_; }

    // The set-ups last opened or saved, the newest first, kept in the user's settings.
    static QStringList RecentFiles();
    static constexpr int kRecentCount = 8;

  private:
    // Applies a set-up file; `remembered` adds it to the recent ones and makes it the file
    // Save writes.
    bool OpenSetup(const QString& path, bool remembered);
    // Save and Save As; true when the set-up was saved.
    bool SaveOrAsk();
    bool AskAndSave();
    bool SaveTo(const QString& path);
    // The set-up as the window shows it now is the one opened or saved: its file's name goes
    // into the title, and changes are measured from it.
    void Keep(const QString& path);
    // The title's mark of unsaved changes set afresh.
    void NoteChanges();
    void Remember(const QString& path);
    void Forget(const QString& path);
    // Where a new file of that suffix is offered: beside the set-up's file, named after it.
    QString SuggestedPath(const QString& suffix) const;
    void Tell(const QString& title, const QString& message) const;
    // Says that a file is written, and where, in a notice across the top of the window that
    // goes by itself after a few seconds: a success needs no answer, and a message box would
    // want one after every export. (The window has no status bar: one would make it taller
    // than the small screens it is laid out for.)
    void Confirm(const QString& message);

    // What the window showed when the set-up was last opened or saved.
    struct KeptSetup {
        SettingsTexts texts;
        SourcePoint marker;
        bool whiteLight;
        QString name;  // its file's name
    };

    MainForm* form_;
    QWidget* window_;
    QString file_;
    // The set-up last opened or saved, whose description and unknown keys a save keeps.
    Setup opened_;
    QLabel* notice_ = nullptr;
    QTimer* noticeTimer_ = nullptr;
    std::optional<KeptSetup> kept_;
};

}  // namespace pathsum
