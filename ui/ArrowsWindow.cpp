#include "ArrowsWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ControlTexts.h"
#include "Geometry.h"
#include "MainForm.h"
#include "NumberText.h"
#include "SideLayout.h"
#include "Translation.h"

namespace pathsum {
namespace {

// The numbers the textbook adds with Theory on.
constexpr int kTheoryNumbers = 2;

QColor ToQColor(Rgb c) {
    return {c.r, c.g, c.b};
}

QPointF ToQPoint(SurfacePoint p) {
    return {p.x, p.y};
}

// The arrow picture drawn with a Qt painter.
class QtArrowSurface : public ArrowSurface {
  public:
    explicit QtArrowSurface(QPainter& painter) : painter_(painter) {
        painter_.setRenderHint(QPainter::Antialiasing, true);
    }

    void Clear(Rgb background) override {
        painter_.fillRect(painter_.window(), ToQColor(background));
    }

    void Polyline(const std::vector<SurfacePoint>& points, Rgb colour, float width) override {
        QPen pen(ToQColor(colour), width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter_.setPen(pen);
        polygon_.resize(static_cast<qsizetype>(points.size()));
        for (std::size_t i = 0; i < points.size(); ++i) {
            polygon_[static_cast<qsizetype>(i)] = ToQPoint(points[i]);
        }
        painter_.drawPolyline(polygon_);
    }

    void Arrow(SurfacePoint from, SurfacePoint to, Rgb colour, float width) override {
        const QPointF a = ToQPoint(from);
        const QPointF b = ToQPoint(to);
        const QPointF along = b - a;
        const double length = std::hypot(along.x(), along.y());
        QPen pen(ToQColor(colour), width);
        pen.setCapStyle(Qt::FlatCap);
        painter_.setPen(pen);
        if (length < 1e-6) {
            return;
        }
        // The head takes at most a third of a short arrow.
        const double head = std::min(5.0 + 2.0 * width, length / 3.0);
        const QPointF unit = along / length;
        const QPointF across(-unit.y(), unit.x());
        const QPointF base = b - unit * head;
        painter_.drawLine(a, base);
        QPainterPath tip;
        tip.moveTo(b);
        tip.lineTo(base + across * (head * 0.45));
        tip.lineTo(base - across * (head * 0.45));
        tip.closeSubpath();
        painter_.fillPath(tip, ToQColor(colour));
    }

    void Text(SurfacePoint at, const std::string& text, Rgb colour) override {
        painter_.setPen(ToQColor(colour));
        painter_.drawText(ToQPoint(at), QString::fromStdString(text));
    }

  private:
    QPainter& painter_;
    QPolygonF polygon_;
};

}  // namespace

ArrowPictureView::ArrowPictureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ArrowPicture"));
    // Small enough to share a small screen's column beside the main window with the field.
    setMinimumSize(160, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Arrow chain"));
    Show(nullptr, false);
}

void ArrowPictureView::Show(const ArrowChain* chain, bool elementResultants) {
    chain_ = chain;
    elementResultants_ = elementResultants;
    // What the picture shows, for a screen reader.
    QString description =
        tr("The arrows of every path to the chosen point, head to tail, and their resultant.");
    if (chain_ != nullptr && chain_->count > 0) {
        description += tr(" Now %1 arrows; the resultant is %2 arrows long.")
                           .arg(chain_->count)
                           .arg(QString::fromStdString(ReadableNumber(std::sqrt(chain_->p), 4)));
    }
    setAccessibleDescription(description);
    update();
}

void ArrowPictureView::SetTurn(std::optional<WaveTurn> turn) {
    turn_ = turn;
    update();
}

void ArrowPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtArrowSurface surface(painter);
    if (chain_ == nullptr) {
        surface.Clear({255, 255, 255});
        placement_ = {};
        return;
    }
    placement_ = DrawArrowChain(surface, *chain_, {width(), height(), elementResultants_, turn_});
}

ArrowsWindow::ArrowsWindow(MainForm* form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form) {
    setObjectName(QStringLiteral("ArrowsWindow"));
    setWindowTitle(tr("Arrows at a Point"));
    picture_ = new ArrowPictureView(this);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("ArrowsMessage"));
    message_->setWordWrap(true);
    resultants_ = new QCheckBox(tr("Show each &element's resultant"), this);
    resultants_->setObjectName(QStringLiteral("ElementResultants"));
    const QString resultantsText =
        tr("Draws, over the chain, one large arrow for each mirror or slit: the sum of its own "
           "paths' arrows. Added head to tail they make the resultant.");
    // As rich text a tooltip wraps to a readable width; a screen reader gets the plain text.
    resultants_->setToolTip(QStringLiteral("<p>%1</p>").arg(resultantsText));
    resultants_->setAccessibleDescription(resultantsText);
    hold_ = new QCheckBox(tr("&Hold"), this);
    hold_->setObjectName(QStringLiteral("Hold"));
    const QString holdText = tr("Keeps the chosen point while the pointer moves on (Alt+H).");
    hold_->setToolTip(QStringLiteral("<p>%1</p>").arg(holdText));
    hold_->setAccessibleDescription(holdText);
    auto* panel = new QWidget(this);
    auto* numbers = new QWidget(panel);
    numbers_ = new QGridLayout(numbers);
    numbers_->setContentsMargins(0, 0, 0, 0);
    numbers_->setVerticalSpacing(2);
    // Room for every number from the start, so that the picture keeps its size when the first
    // point is probed.
    numbers->setMinimumHeight((kMostChainNumbers + kTheoryNumbers) *
                              (fontMetrics().height() + numbers_->verticalSpacing()));

    auto* texts = new QVBoxLayout(panel);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->addWidget(message_);
    auto* boxes = new FlowLayout;
    boxes->addWidget(resultants_);
    boxes->addWidget(hold_);
    texts->addLayout(boxes);
    texts->addWidget(numbers);
    wave_ = new QLabel(panel);
    wave_->setObjectName(QStringLiteral("ArrowsWave"));
    wave_->setWordWrap(true);
    // Its line kept while the chain stands still too, so that the picture keeps its size.
    wave_->setMinimumHeight(fontMetrics().lineSpacing());
    texts->addWidget(wave_);
    texts->addStretch(1);
    // Beside the picture the panel is as wide as the widest name and number.
    new SideLayout(this, picture_, panel, [this](QSize) {
        return NumbersWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    });
    resize(460, 640);

    connect(resultants_, &QCheckBox::toggled, this, &ArrowsWindow::Refresh);
    connect(form_, &MainForm::pointerOverPlot, this, &ArrowsWindow::ProbeAt);
    connect(form_, &MainForm::runRecordChanged, this, &ArrowsWindow::Refresh);
    connect(form_, &MainForm::theoryChanged, this, &ArrowsWindow::Refresh);
    Refresh();
}

int ArrowsWindow::NumbersWidth() const {
    ArrowChain any;
    any.count = 1;
    int name = 0;
    for (const ChainNumber& number : ChainNumbers(any, 0.0, 0.0, 1.0)) {
        name = std::max(name, fontMetrics().horizontalAdvance(QString::fromStdString(number.name)));
    }
    int value = 0;
    for (const QString& widest : {QStringLiteral("-0.000123457"), QStringLiteral("-1.23457E-05")}) {
        value = std::max(value, fontMetrics().horizontalAdvance(widest));
    }
    return name + numbers_->horizontalSpacing() + value;
}

bool ArrowsWindow::Held() const {
    return hold_->isChecked();
}

void ArrowsWindow::SetHeld(bool held) {
    hold_->setChecked(held);
}

QString ArrowsWindow::Message() const {
    return message_->text();
}

QString ArrowsWindow::NumberText(const QString& name) const {
    for (const auto& [label, value] : numberLabels_) {
        if (label->text() == name && value->isVisible()) {
            return value->text();
        }
    }
    return {};
}

void ArrowsWindow::TurnWithWaves(double periods) {
    wavePeriods_ = periods;
    ShowTurn();
}

void ArrowsWindow::StandStill() {
    wavePeriods_.reset();
    ShowTurn();
}

void ArrowsWindow::ShowTurn() {
    if (!shown_ || !wavePeriods_) {
        picture_->SetTurn(std::nullopt);
        wave_->clear();
        return;
    }
    const WaveTurn turn = WaveTurnAt(*wavePeriods_);
    picture_->SetTurn(turn);
    const double value = WaveValue(chain_.cosSum, chain_.sinSum, chain_.count, turn);
    wave_->setText(tr("The wave now, the resultant's projection / N: %1")
                       .arg(QString::fromStdString(ReadableNumber(value))));
    wave_->setToolTip(tr("The value the point's pixel in the field shows at this instant, with "
                         "every digit: %1")
                          .arg(QString::fromStdString(FullNumber(value))));
}

void ArrowsWindow::ProbeAt(double x, double y) {
    Probe(x, y, false);
}

void ArrowsWindow::ProbePointOfThePlane(double x, double y) {
    Probe(x, y, true);
}

void ArrowsWindow::Probe(double x, double y, bool planePoint) {
    if (Held() || !isVisible()) {
        return;
    }
    pointerX_ = x;
    pointerY_ = y;
    pointed_ = true;
    planePoint_ = planePoint;
    Refresh();
}

void ArrowsWindow::MarkProbe(double x, double y) {
    form_->MarkProbe(x, y);
    emit pointProbed(x, y);
}

void ArrowsWindow::ClearProbe() {
    form_->HideProbe();
    emit probeCleared();
}

void ArrowsWindow::Refresh() {
    const RunRecord& run = form_->LastRun();
    // In the live mode the chain shown stays until the new run has computed its screen, as the
    // plot keeps its last picture.
    if (form_->Live() && shown_ && probed_ && !planePoint_ && run.plan &&
        run.p[static_cast<std::size_t>(probe_.screen)].empty()) {
        return;
    }
    shown_ = false;
    probed_ = false;
    if (!run.plan) {
        ClearProbe();
        ShowMessage(
            tr("Click CALC AND PLOT, then move the pointer over the plot: "
               "the arrows of the point under it appear here."));
        return;
    }
    if (!pointed_) {
        ClearProbe();
        ShowMessage(tr("Move the pointer over the plot to choose a point."));
        return;
    }
    const RunPlan& plan = *run.plan;
    double x = pointerX_;
    double screenY = pointerY_;
    if (planePoint_) {
        probed_ = true;
        MarkProbe(x, screenY);
    } else {
        probe_ = NearestDetectorPoint(pointerX_, pointerY_, plan.detectorX);
        probed_ = !plan.detectorX.empty();
        if (!probed_) {
            ClearProbe();
            ShowMessage(tr("The last run has no detector points."));
            return;
        }
        const auto screen = static_cast<std::size_t>(probe_.screen);
        screenY = kScreenYs[screen];
        x = plan.detectorX[static_cast<std::size_t>(probe_.point)];
        MarkProbe(x, screenY);
        if (run.p[screen].empty()) {
            ShowMessage(tr("This screen is not computed yet."));
            ShowNumbers({});
            return;
        }
    }
    ChainAtPoint(plan.paths, plan.settings.wavelength, screenY, x, chain_);
    ShowNumbers(WithTheory(ChainNumbers(chain_, screenY, x, plan.settings.gain), x, screenY));
    if (chain_.count == 0) {
        ShowMessage(tr("No paths reach this point."));
        return;
    }
    shown_ = true;
    if (plan.settings.light.Spectral()) {
        // A chain is one wavelength's: white light's arrows turn at 31 rates at once.
        message_->setText(
            (planePoint_ ? tr("The arrows of the %1 paths to this point of the field at the "
                              "wavelength typed, the 550 nm of the white light, head to tail, in "
                              "the colours of their elements; the resultant in red. The plot "
                              "shows the mean of all 31 wavelengths.")
                         : tr("The arrows of the %1 paths to this point at the wavelength typed, "
                              "the 550 nm of the white light, head to tail, in the colours of "
                              "their elements; the resultant in red. The plot shows the mean of "
                              "all 31 wavelengths."))
                .arg(chain_.count));
    } else {
        message_->setText((planePoint_
                               ? tr("The arrows of the %1 paths to this point of the field, "
                                    "head to tail, in the colours of their elements; the "
                                    "resultant in red.")
                               : tr("The arrows of the %1 paths to this point, head to tail, "
                                    "in the colours of their elements; the resultant in red."))
                              .arg(chain_.count));
    }
    picture_->Show(&chain_, resultants_->isChecked());
    ShowTurn();
}

void ArrowsWindow::ShowMessage(const QString& message) {
    message_->setText(message);
    picture_->Show(nullptr, false);
    ShowTurn();
    if (!probed_) {
        ShowNumbers({});
    }
}

void ArrowsWindow::ShowNumbers(const std::vector<ChainNumber>& numbers) {
    while (numberLabels_.size() < numbers.size()) {
        auto* name = new QLabel(this);
        auto* value = new QLabel(this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A screen reader names each value by its caption.
        name->setBuddy(value);
        const int row = static_cast<int>(numberLabels_.size());
        numbers_->addWidget(name, row, 0);
        numbers_->addWidget(value, row, 1);
        numberLabels_.emplace_back(name, value);
    }
    for (std::size_t i = 0; i < numberLabels_.size(); ++i) {
        auto [name, value] = numberLabels_[i];
        const bool used = i < numbers.size();
        name->setVisible(used);
        value->setVisible(used);
        if (used) {
            const QString caption = QString::fromStdString(numbers[i].name);
            name->setText(caption);
            value->setText(QString::fromStdString(numbers[i].text));
            value->setAccessibleName(caption + QStringLiteral(": ") + value->text());
            // Every digit, for whoever needs them.
            value->setToolTip(QString::fromStdString(numbers[i].full));
        }
    }
}

std::vector<ChainNumber> ArrowsWindow::WithTheory(std::vector<ChainNumber> numbers, double x,
                                                  double y) const {
    const std::optional<FarField>& theory = form_->TheoryOfLastRun();
    if (!form_->Theory() || !theory) {
        return numbers;
    }
    std::vector<ChainNumber> added;
    if (const auto predicted = theory->PredictionAt(x, y)) {
        added.push_back({TheoryPredictionName().toStdString(), ReadableNumber(*predicted),
                         FullNumber(*predicted)});
    }
    if (const auto fresnel = theory->FresnelNumber(DistanceFromRow(y))) {
        added.push_back(
            {FresnelNumberName().toStdString(), FresnelCaption(*fresnel), FullNumber(*fresnel)});
    }
    // Beside the computed value, where there is one.
    const std::string computed = Translated("ChainNumbers", "p / N\u00b2");
    auto at = std::find_if(numbers.begin(), numbers.end(),
                           [&computed](const ChainNumber& n) { return n.name == computed; });
    at = at == numbers.end() ? numbers.end() : at + 1;
    numbers.insert(at, added.begin(), added.end());
    return numbers;
}

void ArrowsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    form_->SetProbeTracking(true);
    Refresh();
}

void ArrowsWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    form_->SetProbeTracking(false);
    ClearProbe();
    emit closed();
}

}  // namespace pathsum
