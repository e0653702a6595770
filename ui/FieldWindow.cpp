#include "FieldWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ControlTexts.h"
#include "DataText.h"
#include "MainForm.h"
#include "NumberText.h"

namespace pathsum {
namespace {

// The strip above the field where the element row is drawn, in pixels.
constexpr int kRowStrip = 6;

// One go of the refinement between two looks at the event queue: the window answers within
// this and the painting of a picture.
constexpr auto kSlice = std::chrono::milliseconds(12);

// A new picture of a refinement under way is shown at most this often; the finished one at
// once.
constexpr qint64 kPictureIntervalMs = 40;

// One notch of the wheel zooms by this factor; the keys too.
constexpr double kZoomStep = 1.25;

QColor ToQColor(Rgb c, int alpha = 255) {
    return {c.r, c.g, c.b, alpha};
}

QString Readable(double value, int digits = 4) {
    return QString::fromStdString(ReadableNumber(value, digits));
}

}  // namespace

// ---- The picture --------------------------------------------------------------------------

FieldPictureView::FieldPictureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FieldPicture"));
    setMinimumSize(240, 240 + kRowStrip);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
}

QRect FieldPictureView::Square() const {
    const int side = std::max(1, std::min(width(), height() - kRowStrip));
    return {(width() - side) / 2, kRowStrip, side, side};
}

QPointF FieldPictureView::PlotPoint(QPointF at) const {
    const QRectF square = Square();
    return {view_.left + (at.x() - square.left()) / square.width() * view_.width,
            view_.bottom + view_.height - (at.y() - square.top()) / square.height() * view_.height};
}

QPointF FieldPictureView::WidgetPoint(double x, double y) const {
    const QRectF square = Square();
    return {square.left() + (x - view_.left) / view_.width * square.width(),
            square.top() + (view_.bottom + view_.height - y) / view_.height * square.height()};
}

void FieldPictureView::SetView(const FieldView& view) {
    view_ = view;
    update();
}

void FieldPictureView::ShowPicture(QImage picture, const FieldView& view,
                                   std::vector<FieldMark> marks) {
    picture_ = std::move(picture);
    pictureView_ = view;
    marks_ = std::move(marks);
    update();
}

void FieldPictureView::ClearPicture() {
    picture_ = QImage();
    marks_.clear();
    update();
}

void FieldPictureView::MarkProbe(double x, double y) {
    probe_ = QPointF(x, y);
    update();
}

void FieldPictureView::HideProbe() {
    probe_.reset();
    update();
}

void FieldPictureView::SetProbeShown(bool shown) {
    probeShown_ = shown;
}

void FieldPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRect square = Square();
    painter.fillRect(square, Qt::black);
    painter.save();
    painter.setClipRect(square);
    if (!picture_.isNull()) {
        // The picture's own view where the view shown puts it: the same rectangle while they
        // agree, moved or scaled while a new view is being computed.
        const QPointF topLeft =
            WidgetPoint(pictureView_.left, pictureView_.bottom + pictureView_.height);
        const QPointF bottomRight =
            WidgetPoint(pictureView_.left + pictureView_.width, pictureView_.bottom);
        painter.drawImage(QRectF(topLeft, bottomRight), picture_);
    }
    DrawMarks(painter);
    painter.restore();
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
}

void FieldPictureView::DrawMarks(QPainter& painter) const {
    const QRect square = Square();
    const double top = view_.bottom + view_.height;
    for (const FieldMark& mark : marks_) {
        const QPointF a = WidgetPoint(mark.x1, mark.y1);
        const QPointF b = WidgetPoint(mark.x2, mark.y2);
        switch (mark.kind) {
            case FieldMark::Kind::Element:
                // Above the field, in its own strip, while the view reaches the row.
                if (top >= kRowY) {
                    painter.setClipping(false);
                    painter.fillRect(QRectF(QPointF(std::max(a.x(), double(square.left())),
                                                    square.top() - kRowStrip + 1),
                                            QPointF(std::min(b.x(), double(square.right() + 1)),
                                                    square.top() - 1)),
                                     ToQColor(mark.colour));
                    painter.setClipRect(square);
                }
                break;
            case FieldMark::Kind::Screen: {
                QPen pen(ToQColor(mark.colour, 170), 1.0, Qt::DashLine);
                painter.setPen(pen);
                painter.drawLine(a, b);
                break;
            }
            case FieldMark::Kind::Source:
                painter.setPen(QPen(Qt::black, 1.0));
                painter.setBrush(ToQColor(mark.colour));
                painter.drawRect(QRectF(a - QPointF(3, 3), QSizeF(6, 6)));
                painter.setBrush(Qt::NoBrush);
                break;
        }
    }
    if (probe_ && probeShown_) {
        const QPointF at = WidgetPoint(probe_->x(), probe_->y());
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, 3.0));
        painter.drawEllipse(at, 5.0, 5.0);
        painter.setPen(QPen(QColor(255, 220, 0), 1.5));
        painter.drawEllipse(at, 5.0, 5.0);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
}

void FieldPictureView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0) {
        const QPointF at = PlotPoint(event->position());
        emit zoomed(at.x(), at.y(), std::pow(kZoomStep, notches));
    }
    event->accept();
}

void FieldPictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void FieldPictureView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (dragFrom_ && (event->buttons() & Qt::LeftButton)) {
        const QRectF square = Square();
        const QPointF moved = at - *dragFrom_;
        dragFrom_ = at;
        // The plot follows the pointer: the view moves the other way.
        emit panned(-moved.x() / square.width() * view_.width,
                    moved.y() / square.height() * view_.height);
        return;
    }
    if (QRectF(Square()).contains(at)) {
        const QPointF point = PlotPoint(at);
        emit pointerMoved(point.x(), point.y());
    }
}

void FieldPictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragFrom_.reset();
        setCursor(Qt::CrossCursor);
    }
}

void FieldPictureView::keyPressEvent(QKeyEvent* event) {
    const QPointF centre(view_.left + 0.5 * view_.width, view_.bottom + 0.5 * view_.height);
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            emit zoomed(centre.x(), centre.y(), kZoomStep);
            break;
        case Qt::Key_Minus:
            emit zoomed(centre.x(), centre.y(), 1.0 / kZoomStep);
            break;
        case Qt::Key_Home:
            emit wholeSquareAsked();
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void FieldPictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

// ---- The colour bar -----------------------------------------------------------------------

FieldColourBar::FieldColourBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FieldColourBar"));
    setMinimumWidth(96);
}

void FieldColourBar::Show(FieldColours map, const FieldScale& scale) {
    map_ = map;
    scale_ = scale;
    update();
}

void FieldColourBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const int titleHeight = fontMetrics().height() + 4;
    const QRect bar(8, kRowStrip + titleHeight, 16,
                    std::max(10, height() - kRowStrip - 2 * titleHeight));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(
        QRect(0, kRowStrip, width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
        scale_.logarithmic ? QStringLiteral("p / N\u00b2, log") : QStringLiteral("p / N\u00b2"));
    for (int row = 0; row < bar.height(); ++row) {
        const double t = 1.0 - (row + 0.5) / bar.height();
        painter.setPen(ToQColor(FieldColour(map_, t)));
        painter.drawLine(bar.left(), bar.top() + row, bar.right(), bar.top() + row);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    const int textHeight = fontMetrics().height();
    for (const ScaleMark& mark : ScaleMarks(scale_)) {
        const int y =
            bar.bottom() - static_cast<int>(std::lround(mark.position * (bar.height() - 1)));
        painter.drawLine(bar.right() + 1, y, bar.right() + 4, y);
        painter.drawText(QRect(bar.right() + 7, y - textHeight / 2, width(), textHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(mark.text));
    }
}

// ---- The window ---------------------------------------------------------------------------

FieldWindow::FieldWindow(MainForm* form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form) {
    setObjectName(QStringLiteral("FieldWindow"));
    setWindowTitle(QStringLiteral("Field of Light"));

    picture_ = new FieldPictureView(this);
    bar_ = new FieldColourBar(this);

    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("FieldCaption"));
    caption_->setWordWrap(true);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("FieldStatus"));
    status_->setWordWrap(true);
    pointer_ = new QLabel(this);
    pointer_->setObjectName(QStringLiteral("FieldPointer"));
    pointer_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("FieldNotice"));
    notice_->setWordWrap(true);
    QPalette warning = notice_->palette();
    warning.setColor(QPalette::WindowText, QColor(170, 70, 0));
    notice_->setPalette(warning);
    // The texts below the picture keep their room whatever they say, so that the picture keeps
    // its size (a new size is a new refinement).
    const int line = fontMetrics().lineSpacing();
    status_->setFixedHeight(2 * line);
    notice_->setFixedHeight(3 * line);
    notice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    colours_ = new QComboBox(this);
    colours_->setObjectName(QStringLiteral("FieldColours"));
    colours_->addItem(QStringLiteral("Colour"), static_cast<int>(FieldColours::Perceptual));
    colours_->addItem(QStringLiteral("Grey"), static_cast<int>(FieldColours::Grey));
    logarithmic_ = new QCheckBox(QStringLiteral("&Logarithmic"), this);
    logarithmic_->setObjectName(QStringLiteral("FieldLogarithmic"));
    whole_ = new QPushButton(QStringLiteral("&Whole Square"), this);
    whole_->setObjectName(QStringLiteral("FieldWholeSquare"));
    savePicture_ = new QPushButton(QStringLiteral("Save &Picture..."), this);
    savePicture_->setObjectName(QStringLiteral("FieldSavePicture"));
    saveNumbers_ = new QPushButton(QStringLiteral("Save &Numbers..."), this);
    saveNumbers_->setObjectName(QStringLiteral("FieldSaveNumbers"));
    for (QPushButton* button : {whole_, savePicture_, saveNumbers_}) {
        button->setAutoDefault(false);
    }

    auto* controls = new QHBoxLayout;
    controls->addWidget(colours_);
    controls->addWidget(logarithmic_);
    controls->addStretch(1);
    controls->addWidget(whole_);
    controls->addWidget(savePicture_);
    controls->addWidget(saveNumbers_);
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(picture_, 1);
    pictureRow->addWidget(bar_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addLayout(pictureRow, 1);
    layout->addLayout(controls);
    layout->addWidget(status_);
    layout->addWidget(pointer_);
    layout->addWidget(notice_);
    resize(680, 760);

    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &FieldWindow::Slice);
    connect(picture_, &FieldPictureView::zoomed, this, &FieldWindow::ZoomAt);
    connect(picture_, &FieldPictureView::panned, this, &FieldWindow::PanBy);
    connect(picture_, &FieldPictureView::wholeSquareAsked, this, &FieldWindow::ShowWholeSquare);
    connect(picture_, &FieldPictureView::pointerMoved, this, &FieldWindow::PointAt);
    connect(picture_, &FieldPictureView::resized, this, [this] {
        if (!refinement_ || refinement_->Grid().columns != GridOfTheView().columns) {
            Restart();
        }
    });
    connect(whole_, &QPushButton::clicked, this, &FieldWindow::ShowWholeSquare);
    connect(savePicture_, &QPushButton::clicked, this, &FieldWindow::SavePicture_Click);
    connect(saveNumbers_, &QPushButton::clicked, this, &FieldWindow::SaveNumbers_Click);
    connect(colours_, &QComboBox::currentIndexChanged, this, [this] {
        ShowScale();
        ShowPicture();
    });
    connect(logarithmic_, &QCheckBox::toggled, this, [this] {
        ShowScale();
        ShowPicture();
    });
    connect(form_, &MainForm::runRecordChanged, this, &FieldWindow::FollowRun);
    connect(form_, &MainForm::runEnded, this, &FieldWindow::ScheduleSlice);

    DescribeControls(this);
    picture_->SetView(view_);
    ShowScale();
    FollowRun();
}

FieldWindow::~FieldWindow() = default;

void FieldWindow::SetView(FieldView view) {
    view = WithinTheSquare(view);
    if (view == view_) {
        return;
    }
    view_ = view;
    picture_->SetView(view_);
    Restart();
}

void FieldWindow::ZoomAt(double x, double y, double factor) {
    SetView(Zoomed(view_, x, y, factor));
}

void FieldWindow::PanBy(double dx, double dy) {
    FieldView view = view_;
    view.left += dx;
    view.bottom += dy;
    SetView(view);
}

void FieldWindow::ShowWholeSquare() {
    SetView(FieldView{});
}

void FieldWindow::SetColours(FieldColours colours) {
    colours_->setCurrentIndex(colours == FieldColours::Grey ? 1 : 0);
}

void FieldWindow::SetLogarithmic(bool logarithmic) {
    logarithmic_->setChecked(logarithmic);
}

bool FieldWindow::Complete() const {
    return refinement_ && refinement_->Done();
}

QString FieldWindow::Status() const {
    return status_->text();
}

QString FieldWindow::PointerText() const {
    return pointer_->text();
}

QString FieldWindow::Notice() const {
    return notice_->text();
}

FieldGrid FieldWindow::GridOfTheView() const {
    const int side =
        static_cast<int>(std::lround(picture_->Square().width() * picture_->devicePixelRatioF()));
    return {view_, side, side};
}

void FieldWindow::FollowRun() {
    const RunRecord& run = form_->LastRun();
    if (run.plan == plan_) {
        return;
    }
    // The new run's field starts afresh; the old picture stays until the new one has come.
    refinement_.reset();
    engine_.reset();
    plan_ = run.plan;
    if (plan_) {
        const ExperimentSettings& s = plan_->settings;
        caption_->setText(QStringLiteral("The last run: %1, wavelength %2, %3 paths, gain %4.")
                              .arg(QString::fromStdString(s.patternCaption),
                                   Readable(s.wavelength, 6), QString::number(plan_->paths.Count()),
                                   Readable(s.gain, 6)));
        if (plan_->paths.Count() == 0) {
            picture_->ClearPicture();
        }
    } else {
        caption_->setText(QString());
        picture_->ClearPicture();
    }
    ShowScale();
    Restart();
}

void FieldWindow::Restart() {
    refinement_.reset();
    pictureOfThisRefinement_ = false;
    // Made once the window shows, when the size of its views is known: the engine plans its
    // sums for a view of that many pixels.
    if (isVisible() && plan_ && plan_->paths.Count() > 0) {
        const FieldGrid grid = GridOfTheView();
        if (!engine_) {
            engine_ = std::make_unique<FieldEngine>(plan_->paths, plan_->settings.wavelength,
                                                    plan_->detectorX.size(),
                                                    static_cast<double>(grid.Pixels()));
        }
        refinement_ = std::make_unique<FieldRefinement>(*engine_, grid);
    }
    ShowNotice();
    ShowStatus();
    ScheduleSlice();
}

void FieldWindow::ScheduleSlice() {
    if (refinement_ && !refinement_->Done() && isVisible()) {
        timer_->start(0);
    }
}

void FieldWindow::Slice() {
    // The main window's run computes on this thread: the field waits for its end (runEnded).
    if (!refinement_ || form_->Running()) {
        ShowStatus();
        return;
    }
    const bool done = refinement_->Refine(FieldRefinement::Clock::now() + kSlice);
    const bool firstPicture = !pictureOfThisRefinement_ && refinement_->FinishedStride() > 0;
    if (done || firstPicture || sincePicture_.elapsed() >= kPictureIntervalMs) {
        if (refinement_->FinishedStride() > 0) {
            ShowPicture();
        }
    }
    ShowStatus();
    ScheduleSlice();
}

void FieldWindow::ShowPicture() {
    if (!refinement_ || refinement_->FinishedStride() == 0 || !plan_) {
        return;
    }
    const FieldGrid& grid = refinement_->Grid();
    std::vector<std::uint32_t> pixels;
    const auto colours = static_cast<FieldColours>(colours_->currentData().toInt());
    PaintField(refinement_->P(), grid.columns, grid.rows, plan_->paths.Count(),
               ScaleFor(plan_->settings.gain, logarithmic_->isChecked()), colours, pixels);
    QImage image(grid.columns, grid.rows, QImage::Format_RGB32);
    for (int k = 0; k < grid.rows; ++k) {
        std::copy_n(pixels.data() + static_cast<std::size_t>(k) * grid.columns, grid.columns,
                    reinterpret_cast<std::uint32_t*>(image.scanLine(k)));
    }
    image.setDevicePixelRatio(picture_->devicePixelRatioF());
    picture_->ShowPicture(std::move(image), grid.view,
                          FieldMarks(plan_->row, plan_->settings.source));
    pictureOfThisRefinement_ = true;
    sincePicture_.start();
}

void FieldWindow::ShowScale() {
    const auto colours = static_cast<FieldColours>(colours_->currentData().toInt());
    bar_->Show(colours, ScaleFor(plan_ ? plan_->settings.gain : 0.0, logarithmic_->isChecked()));
}

void FieldWindow::ShowNotice() {
    QString text;
    if (engine_ && refinement_) {
        const FieldAliasing aliasing = AliasingOf(refinement_->Grid(), engine_->HitLow(),
                                                  engine_->HitHigh(), engine_->Wavelength());
        if (aliasing.rows == refinement_->Grid().rows) {
            text = QStringLiteral(
                       "The fringes here are as fine as %1 apart, finer than two pixels (a pixel "
                       "is %2 across): each pixel is a sample, and the picture may show patterns "
                       "that are not there. Zoom in (the wheel) to see the fringes themselves.")
                       .arg(Readable(aliasing.nearestSpacing, 3), Readable(aliasing.pixel, 3));
        } else if (aliasing.rows > 0) {
            text = QStringLiteral(
                       "Within %1 of the row the fringes are finer than two pixels (down to %2 "
                       "apart; a pixel is %3 across): there each pixel is a sample, and the "
                       "picture may show patterns that are not there. Zoom in (the wheel) to see "
                       "them.")
                       .arg(Readable(aliasing.withinDistance, 3),
                            Readable(aliasing.nearestSpacing, 3), Readable(aliasing.pixel, 3));
        }
    }
    notice_->setText(text);
}

void FieldWindow::ShowStatus() {
    QString text;
    if (!plan_) {
        text = QStringLiteral(
            "Click CALC AND PLOT in the main window: the field of the run's paths appears here.");
    } else if (plan_->paths.Count() == 0) {
        text = QStringLiteral("The last run has no paths: no light reaches the plot.");
    } else if (form_->Running()) {
        text = QStringLiteral("The field follows once the run in the main window has ended.");
    } else if (refinement_ && !refinement_->Done()) {
        text = QStringLiteral("Refining: %1% of %2 pixels.")
                   .arg(static_cast<int>(refinement_->Progress() * 100.0))
                   .arg(refinement_->Grid().Pixels());
    } else if (refinement_) {
        text = refinement_->Interpolated()
                   ? QStringLiteral(
                         "Every one of %1 pixels computed, by the interpolated sum: "
                         "within %2 of the sum over every path in p / N\u00b2.")
                         .arg(refinement_->Grid().Pixels())
                         .arg(Readable(refinement_->ErrorBound(), 2))
                   : QStringLiteral("Every one of %1 pixels computed, summed over every path.")
                         .arg(refinement_->Grid().Pixels());
    }
    status_->setText(text);
    const bool complete = Complete();
    savePicture_->setEnabled(complete);
    saveNumbers_->setEnabled(complete);
}

void FieldWindow::PointAt(double x, double y) {
    // The centre of the pixel under the pointer: the point whose value the pixel shows, and
    // whose arrows the arrows window then adds up to it.
    QString value;
    if (refinement_ && refinement_->Grid().view == view_ && plan_) {
        const FieldGrid& grid = refinement_->Grid();
        const int i = grid.ColumnOf(x);
        const int k = grid.RowOf(y);
        x = grid.X(i);
        y = grid.Y(k);
        if (refinement_->FinishedStride() > 0) {
            const double n = plan_->paths.Count();
            const double p =
                refinement_->P()[static_cast<std::size_t>(k) * grid.columns + i] / (n * n);
            value =
                QStringLiteral(": p / N\u00b2 %1%2")
                    .arg(refinement_->Done() ? QString() : QStringLiteral("about "), Readable(p));
        }
    }
    pointer_->setText(QStringLiteral("x %1, y %2").arg(Readable(x - kCentreX, 6), Readable(y, 6)) +
                      value);
    emit pointerOverField(x, y);
}

void FieldWindow::MarkProbe(double x, double y) {
    // While the pointer probes the field, the picture's own tooltip would cover what it points
    // at.
    if (!picture_->Probe()) {
        pictureToolTip_ = picture_->toolTip();
        picture_->setToolTip(QString());
    }
    picture_->MarkProbe(x, y);
}

void FieldWindow::HideProbe() {
    if (picture_->Probe()) {
        picture_->setToolTip(pictureToolTip_);
    }
    picture_->HideProbe();
}

void FieldWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The keys of the view go to the picture, not to a control that has keys of its own.
    picture_->setFocus();
    FollowRun();
    if (!refinement_) {
        Restart();
    }
    ScheduleSlice();
}

void FieldWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer_->stop();
    emit closed();
}

// ---- Saving -------------------------------------------------------------------------------

void FieldWindow::ReportFailure(const QString& what, const QString& path, const QString& reason) {
    QMessageBox::warning(this, QStringLiteral("Field of Light"),
                         QStringLiteral("The %1 could not be saved as \"%2\": %3. Nothing was "
                                        "written there.")
                             .arg(what, path, reason));
}

bool FieldWindow::SavePicture(const QString& path) {
    if (!Complete()) {
        ReportFailure(QStringLiteral("picture"), path,
                      QStringLiteral("the field is not computed at every pixel yet"));
        return false;
    }
    picture_->SetProbeShown(false);
    const QImage image = grab(picture_->geometry().united(bar_->geometry())).toImage();
    picture_->SetProbeShown(true);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        ReportFailure(QStringLiteral("picture"), path, file.errorString());
        return false;
    }
    return true;
}

bool FieldWindow::SaveNumbers(const QString& path) {
    if (!Complete() || !plan_) {
        ReportFailure(QStringLiteral("numbers"), path,
                      QStringLiteral("the field is not computed at every pixel yet"));
        return false;
    }
    const FieldGrid& grid = refinement_->Grid();
    const int count = plan_->paths.Count();
    const double countSquared = static_cast<double>(count) * static_cast<double>(count);
    std::string text = SettingsCommentLines(plan_->settings, PATHSUM_VERSION);
    text += "# field of light: " + std::to_string(grid.columns) + " x " +
            std::to_string(grid.rows) + " pixel centres of the view x " +
            FullNumber(grid.view.left) + " to " + FullNumber(grid.view.left + grid.view.width) +
            ", y " + FullNumber(grid.view.bottom) + " to " +
            FullNumber(grid.view.bottom + grid.view.height) + "\n";
    text += "x,y,paths,p_over_n2\n";
    const std::span<const double> p = refinement_->P();
    for (int k = 0; k < grid.rows; ++k) {
        for (int i = 0; i < grid.columns; ++i) {
            const double value = p[static_cast<std::size_t>(k) * grid.columns + i];
            text += CsvNumbers(
                {grid.X(i), grid.Y(k), static_cast<double>(count), value / countSquared});
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        ReportFailure(QStringLiteral("numbers"), path, file.errorString());
        return false;
    }
    return true;
}

void FieldWindow::SavePicture_Click() {
    AskAndSave(QStringLiteral("Save the Picture of the Field"), QStringLiteral("field.png"),
               QStringLiteral("PNG pictures (*.png)"), &FieldWindow::SavePicture);
}

void FieldWindow::SaveNumbers_Click() {
    AskAndSave(QStringLiteral("Save the Numbers of the Field"), QStringLiteral("field.csv"),
               QStringLiteral("Comma-separated values (*.csv)"), &FieldWindow::SaveNumbers);
}

void FieldWindow::AskAndSave(const QString& title, const QString& name, const QString& filter,
                             bool (FieldWindow::*save)(const QString&)) {
    const QString path = QFileDialog::getSaveFileName(this, title, name, filter);
    if (!path.isEmpty()) {
        (this->*save)(path);
    }
}

}  // namespace pathsum
