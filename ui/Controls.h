#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pathsum {

// A label that reports clicks and the button released over it.
class ClickLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void clicked();
    // Button as the window numbers them: 1 left, 2 right, 4 middle, 8 and 16 the extra
    // buttons; shift holds 1 Shift, 2 Ctrl, 4 Alt; x and y in pixels within the label.
    void mouseUp(short button, short shift, float x, float y);
    // Whole notches of the mouse wheel over the label, up positive.
    void wheelNotches(int notches);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    int wheelRest_ = 0;  // eighths of a degree not yet making up a notch
};

// A text box that reports a click into it (it also accepts typing). From the keyboard, F2
// counts as a click, and Page Up and Page Down report the mouse button they stand for on the
// box's label: 2 (right, up) and 1 (left, down). The mouse wheel over the box and the Up and
// Down keys in it report fine steps, up positive. The commands' shortcuts are never the box's
// own: Ctrl+E, say, exports the picture, even where the desktop's keys make it "end of line".
class ClickLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    using QLineEdit::QLineEdit;

  signals:
    void clicked();
    void stepKey(short button);
    void wheelNotches(int notches);

  protected:
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    int wheelRest_ = 0;
};

// A command button whose caption wraps onto several lines when it is wider than the button.
class WrapButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A filled rectangle placed by its left and top in frame units (single precision).
class ShapeControl : public QWidget {
    Q_OBJECT

  public:
    ShapeControl(QWidget* parent, float left, float top, float width, float height,
                 const QColor& colour);

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    const QColor& Colour() const { return colour_; }
    void SetLeft(float left);
    void SetTop(float top);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Place();

    float left_;
    float top_;
    float width_;
    float height_;
    QColor colour_;
};

// Mouse button and modifier codes in the window's numbering.
short ButtonCode(Qt::MouseButton button);
short ShiftCode(Qt::KeyboardModifiers modifiers);

// The pixel rectangle of a control given in frame units.
QRect FrameRect(double left, double top, double width, double height);

}  // namespace pathsum
