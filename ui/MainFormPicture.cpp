// The window as a picture: the client area drawn afresh on any painter, the plot from the
// canvas's display list and the controls rendered over it, either as the window looks or with
// the plot on white paper. Print draws with it, and so does every exported picture.

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QSignalBlocker>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "MainForm.h"

namespace pathsum {
namespace {

// The width of the plot's lines on paper. A screen pixel stretched over the page is about a
// hundredth of an inch, which merges the close curves of a fine run; a third of that keeps
// them apart and still prints on any printer.
constexpr double kPrintedLineInches = 1.0 / 300.0;

// On white paper a black background becomes white; lighter backgrounds stay as they are.
QColor PaperOnWhite(const QColor& paper) {
    return paper.value() < 64 ? QColor(Qt::white) : paper;
}

// On white paper the light ink that reads on black would vanish: white and light greys turn
// black, a bright colour keeps its hue at a darker value, and mid greys and dark colours
// stay as they are.
QColor InkOnWhite(const QColor& ink) {
    constexpr int kLightGrey = 192;
    constexpr int kDarkValue = 100;
    if (ink.hsvSaturation() == 0) {
        return ink.value() > kLightGrey ? QColor(Qt::black) : ink;
    }
    return QColor::fromHsv(ink.hsvHue(), ink.hsvSaturation(), std::min(ink.value(), kDarkValue));
}

// The overlay's colours on white paper: darkened less than the labels' ink, so that a thin
// curve still reads where it crosses the bands, which print black.
QColor OverlayInkOnWhite(const QColor& ink) {
    constexpr int kOverlayValue = 200;
    if (ink.hsvSaturation() == 0) {
        return InkOnWhite(ink);
    }
    return QColor::fromHsv(ink.hsvHue(), 255, std::min(ink.value(), kOverlayValue));
}

// Gives labels their colours on white paper for as long as it lives, then puts their own
// back. The screen never shows the swap: a label repaints only when the event loop runs,
// and by then its colours are its own again.
class LabelsOnWhite {
  public:
    explicit LabelsOnWhite(const std::vector<QLabel*>& labels) {
        for (QLabel* label : labels) {
            QPalette onWhite = label->palette();
            for (const QPalette::ColorGroup group :
                 {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                onWhite.setColor(group, QPalette::WindowText,
                                 InkOnWhite(onWhite.color(group, QPalette::WindowText)));
                onWhite.setColor(group, QPalette::Window,
                                 PaperOnWhite(onWhite.color(group, QPalette::Window)));
            }
            saved_.emplace_back(label, label->palette());
            label->setPalette(onWhite);
        }
    }
    ~LabelsOnWhite() {
        for (auto& [label, palette] : saved_) {
            label->setPalette(palette);
        }
    }
    LabelsOnWhite(const LabelsOnWhite&) = delete;
    LabelsOnWhite& operator=(const LabelsOnWhite&) = delete;

  private:
    std::vector<std::pair<QLabel*, QPalette>> saved_;
};

// Takes the keyboard's focus from the control of `area` that holds it for as long as it lives,
// so that the control draws neither its focus frame nor its caret nor its selection: they
// belong to the moment, not to a picture of the window. Then gives it back, with a box's
// selection and cursor as they were; the control's signals are held back meanwhile, so nothing
// takes the passing loss of focus for the user's.
class FocusSetAside {
  public:
    // `keep` draws its focus frame on the screen alone, never into a picture: it keeps the
    // focus, and nothing it does when it loses the focus happens.
    FocusSetAside(QWidget* area, const QWidget* keep) {
        QWidget* focus = area->focusWidget();
        if (focus == nullptr || !focus->hasFocus() || focus == keep) {
            return;
        }
        focus_ = focus;
        blocker_.emplace(focus);
        if (const auto* box = qobject_cast<QLineEdit*>(focus)) {
            cursor_ = box->cursorPosition();
            selectionStart_ = box->selectionStart();
            selectionLength_ = box->selectionLength();
        }
        focus->clearFocus();
    }
    ~FocusSetAside() {
        if (focus_ == nullptr) {
            return;
        }
        focus_->setFocus(Qt::OtherFocusReason);
        if (auto* box = qobject_cast<QLineEdit*>(focus_.data())) {
            if (selectionLength_ <= 0) {
                box->setCursorPosition(cursor_);
            } else if (cursor_ == selectionStart_) {
                // Selected leftwards: the cursor at the selection's start.
                box->setSelection(selectionStart_ + selectionLength_, -selectionLength_);
            } else {
                box->setSelection(selectionStart_, selectionLength_);
            }
        }
    }
    FocusSetAside(const FocusSetAside&) = delete;
    FocusSetAside& operator=(const FocusSetAside&) = delete;

  private:
    QPointer<QWidget> focus_;
    std::optional<QSignalBlocker> blocker_;
    int cursor_ = 0;
    int selectionStart_ = -1;
    int selectionLength_ = 0;
};

}  // namespace

void MainForm::PaintClientArea(QPainter& painter, const QRect& page, PrintLook look) {
    const bool onWhite = look == PrintLook::OnWhite;
    const QSizeF client(canvas_->size());
    const double scale = std::min(page.width() / client.width(), page.height() / client.height());
    const QPointF origin =
        QRectF(page).center() - QPointF(client.width(), client.height()) * (scale / 2);
    const double penWidth = kPrintedLineInches * painter.device()->logicalDpiX() / scale;

    painter.save();
    painter.translate(origin);
    painter.scale(scale, scale);
    painter.setClipRect(canvas_->rect());
    canvas_->Replay(
        painter, onWhite ? PaperOnWhite(QtPlotCanvas::Background()) : QtPlotCanvas::Background(),
        onWhite ? InkOnWhite : nullptr, onWhite ? OverlayInkOnWhite : nullptr, penWidth);

    // The controls over the plot, bottom to top as they are stacked.
    QWidget* area = canvas_->parentWidget();
    const FocusSetAside focusAside(area, canvas_);
    std::vector<QWidget*> controls;
    std::vector<QLabel*> labels;
    for (QObject* child : area->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        // The probe's marker, the live mode's notice and the ruler belong to the moment, not
        // to the picture.
        if (control == nullptr || control == canvas_ || control == ProbeMarker ||
            control == LiveNotice || control == RulerView || control->isWindow() ||
            !control->isVisibleTo(area)) {
            continue;
        }
        controls.push_back(control);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            labels.push_back(label);
        }
    }
    const LabelsOnWhite swapped(onWhite ? labels : std::vector<QLabel*>{});
    for (QWidget* control : controls) {
        const QPoint at = control->pos() - canvas_->pos();
        if (const auto* shape = qobject_cast<ShapeControl*>(control)) {
            // A shape is a filled rectangle in its colour, which changes with the look.
            painter.fillRect(QRect(at, shape->size()),
                             onWhite ? InkOnWhite(shape->Colour()) : shape->Colour());
        } else {
            // Rendered straight onto a printer, a widget goes through an image at the
            // printer's resolution; recorded as a picture first, it prints as lines, fills
            // and text, as sharp as the printer can make them.
            QPicture picture;
            QPainter recorder(&picture);
            control->render(&recorder, QPoint(), QRegion(),
                            QWidget::DrawWindowBackground | QWidget::DrawChildren);
            recorder.end();
            // A picture plays back scaled from its own resolution to the device's, which
            // the painter's transform onto the page already does.
            painter.save();
            painter.translate(at);
            painter.scale(
                static_cast<double>(picture.logicalDpiX()) / painter.device()->logicalDpiX(),
                static_cast<double>(picture.logicalDpiY()) / painter.device()->logicalDpiY());
            painter.drawPicture(0, 0, picture);
            painter.restore();
        }
    }
    painter.restore();
}

}  // namespace pathsum
