#include "SideLayout.h"

#include <QEvent>
#include <QFrame>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace pathsum {
namespace {

// Where a layout has no spacing of its own and no style to ask.
constexpr int kFallbackGap = 6;

int GapOf(const QLayout& layout, int own, QStyle::PixelMetric metric) {
    if (own >= 0) {
        return own;
    }
    const QWidget* parent = layout.parentWidget();
    const int styled = parent != nullptr ? parent->style()->pixelMetric(metric) : -1;
    return styled >= 0 ? styled : kFallbackGap;
}

}  // namespace

SideLayout::SideLayout(QWidget* window, QWidget* picture, QWidget* panel,
                       std::function<int(QSize room)> panelWidth)
    : QLayout(window), scroll_(new QScrollArea(window)), panelWidth_(std::move(panelWidth)) {
    scroll_->setObjectName(QStringLiteral("SidePanel"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(panel);
    addChildWidget(picture);
    addChildWidget(scroll_);
    items_ << new QWidgetItem(picture) << new QWidgetItem(scroll_);
    panel->installEventFilter(this);
}

bool SideLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->widget() && event->type() == QEvent::LayoutRequest) {
        invalidate();
    }
    return QLayout::eventFilter(watched, event);
}

SideLayout::~SideLayout() {
    qDeleteAll(items_);
}

bool SideLayout::PanelBesideIn(QSize room) {
    // A quarter wider than high: below the picture the panel would leave the picture too
    // little height.
    return 4 * room.width() >= 5 * room.height();
}

void SideLayout::addItem(QLayoutItem* item) {
    // The picture and the panel are given when the layout is made; nothing else goes in.
    delete item;
}

int SideLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* SideLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

QLayoutItem* SideLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int SideLayout::Gap() const {
    return GapOf(*this, spacing(), QStyle::PM_LayoutVerticalSpacing);
}

int SideLayout::PanelHeight(int width) const {
    const QWidget* panel = scroll_->widget();
    return panel->hasHeightForWidth() ? panel->heightForWidth(width) : panel->sizeHint().height();
}

QSize SideLayout::sizeHint() const {
    const QMargins m = contentsMargins();
    const QSize picture = items_.value(0) != nullptr ? items_[0]->sizeHint() : QSize();
    const QSize panel = scroll_->widget()->sizeHint();
    return QSize(std::max(picture.width(), panel.width()),
                 picture.height() + Gap() + PanelHeight(picture.width())) +
           QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize SideLayout::minimumSize() const {
    // The panel scrolls: only the picture needs its room.
    const QMargins m = contentsMargins();
    const QSize picture = items_.value(0) != nullptr ? items_[0]->minimumSize() : QSize();
    return picture + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void SideLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    if (items_.size() < 2) {
        return;
    }
    const QRect r = contentsRect();
    QLayoutItem* picture = items_[0];
    QLayoutItem* panel = items_[1];
    const QSize least = picture->minimumSize();
    const int gap = Gap();
    const bool beside = PanelBesideIn(r.size());
    if (static_cast<int>(beside) != beside_) {
        beside_ = static_cast<int>(beside);
        if (arranged_) {
            arranged_(beside);
        }
    }
    if (beside) {
        const QSize shared(r.width() - gap, r.height());
        const int wanted = panelWidth_ ? panelWidth_(shared) : panel->sizeHint().width();
        const int width = std::clamp(wanted, 0, std::max(0, r.width() - gap - least.width()));
        picture->setGeometry(QRect(r.left(), r.top(), r.width() - gap - width, r.height()));
        panel->setGeometry(QRect(r.right() + 1 - width, r.top(), width, r.height()));
    } else {
        const int height =
            std::clamp(PanelHeight(r.width()), 0, std::max(0, r.height() - gap - least.height()));
        picture->setGeometry(QRect(r.left(), r.top(), r.width(), r.height() - gap - height));
        panel->setGeometry(QRect(r.left(), r.bottom() + 1 - height, r.width(), height));
    }
}

// ---- FlowLayout ---------------------------------------------------------------------------

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    qDeleteAll(items_);
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

int FlowLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

Qt::Orientations FlowLayout::expandingDirections() const {
    return {};
}

bool FlowLayout::hasHeightForWidth() const {
    return true;
}

int FlowLayout::heightForWidth(int width) const {
    const QMargins m = contentsMargins();
    return Flow(QRect(0, 0, width - m.left() - m.right(), 0), false) + m.top() + m.bottom();
}

QSize FlowLayout::sizeHint() const {
    // All on one line.
    QSize size;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            const QSize hint = item->sizeHint();
            size.rwidth() += (size.width() > 0 ? Gap(Qt::Horizontal) : 0) + hint.width();
            size.setHeight(std::max(size.height(), hint.height()));
        }
    }
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::minimumSize() const {
    // The widest control whole.
    QSize size;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            size = size.expandedTo(item->sizeHint());
        }
    }
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    Flow(contentsRect(), true);
}

int FlowLayout::Gap(Qt::Orientation orientation) const {
    return GapOf(*this, spacing(),
                 orientation == Qt::Horizontal ? QStyle::PM_LayoutHorizontalSpacing
                                               : QStyle::PM_LayoutVerticalSpacing);
}

int FlowLayout::Flow(const QRect& rect, bool place) const {
    int x = rect.x();
    int y = rect.y();
    int lineHeight = 0;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) {
            continue;
        }
        const QSize size = item->sizeHint();
        if (x > rect.x() && x + size.width() > rect.x() + rect.width()) {
            x = rect.x();
            y += lineHeight + Gap(Qt::Vertical);
            lineHeight = 0;
        }
        if (place) {
            item->setGeometry(QRect(QPoint(x, y), size));
        }
        x += size.width() + Gap(Qt::Horizontal);
        lineHeight = std::max(lineHeight, size.height());
    }
    return y + lineHeight - rect.y();
}

}  // namespace pathsum
