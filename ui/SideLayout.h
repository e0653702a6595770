#pragma once

#include <QLayout>
#include <QList>
#include <functional>

class QScrollArea;

namespace pathsum {

// The layout of a window beside the main one ("Arrows at a Point", "Field of Light"): a picture
// and a panel of texts and controls. A tall window shows the panel below the picture; a wide
// and short one (two such windows sharing the column beside the main window on a small screen)
// shows it beside the picture, as wide as `panelWidth` asks for the room the two share (the
// space between them taken off), the picture keeping its least width. The
// panel scrolls where the window has no room for all of it, so that the picture always keeps
// at least its least size and stays readable.
class SideLayout : public QLayout {
  public:
    SideLayout(QWidget* window, QWidget* picture, QWidget* panel,
               std::function<int(QSize room)> panelWidth);
    ~SideLayout() override;

    // Whether a window laid out in `room` shows the panel beside the picture.
    static bool PanelBesideIn(QSize room);
    QScrollArea* Panel() const { return scroll_; }
    // Called whenever the panel moves beside the picture or below it (true: beside), and once
    // at the first layout.
    void OnArranged(std::function<void(bool beside)> arranged) { arranged_ = std::move(arranged); }

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

  protected:
    // A panel whose texts need another size is laid out afresh, as the window's own layout
    // would be.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int Gap() const;
    // The panel's height below a picture `width` wide, all of it shown.
    int PanelHeight(int width) const;

    QScrollArea* scroll_;
    QList<QLayoutItem*> items_;  // the picture, then the panel's scroll area
    std::function<int(QSize)> panelWidth_;
    std::function<void(bool)> arranged_;
    int beside_ = -1;  // the last arrangement: 1 beside, 0 below, -1 none yet
};

// Controls side by side as long as the width allows, the rest on the next lines: a panel
// narrowed beside a picture keeps every button whole.
class FlowLayout : public QLayout {
  public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

  private:
    // Lays the items out in `rect` (only measures when `place` is false); the height used.
    int Flow(const QRect& rect, bool place) const;
    int Gap(Qt::Orientation orientation) const;

    QList<QLayoutItem*> items_;
};

}  // namespace pathsum
