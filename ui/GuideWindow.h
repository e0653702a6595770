#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace pathsum {

// The guide in `language` (a name ChooseLanguage gives) where it has been written in it, the
// English one otherwise (and for English, the empty name).
QUrl GuideSource(const QString& language);

// Help > Guide: the program's handbook, shipped inside the program (no network, no installed
// files), in a window of its own beside the main one. It explains what the Help message does
// not: reading the bands, the arrows of a point, Live, set-ups, exports, the command line, the
// shortcuts and the lessons.
class GuideWindow : public QWidget {
    Q_OBJECT

  public:
    explicit GuideWindow(QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace pathsum
