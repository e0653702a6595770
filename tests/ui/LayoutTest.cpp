#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <cmath>
#include <vector>

#include "FormFixture.h"
#include "Screens.h"

namespace pathsum::testing {
namespace {

// The left column from top to bottom, each control with the caption or text it starts with.
struct ColumnEntry {
    const char* name;
    const char* caption;
};

const ColumnEntry kLeftColumn[] = {
    {"WavelengthLabel", "Wave- Length"},
    {"WavelengthText", "1"},
    {"ResolutionLabel", " Resolution Radians"},
    {"ResolutionText", ".001"},
    {"ResolutionXLabel", " Resolution X"},
    {"ResolutionXText", "1"},
    {"GainLabel", "Gain"},
    {"GainText", "10"},
    {"GratingWidthLabel", "Width"},
    {"GratingWidthText", "10"},
    {"GratingSpacingLabel", "Spacing"},
    {"GratingSpacingText", "10"},
    {"Calculate", "CALC AND PLOT"},
    {"Pattern", "Mirror Number Single"},
    {"Printit", "Print"},
    {"Stop", "Stop"},
    {"Help", "Help"},
    {"Exit", "Exit"},
};

// The six values: each label over its box, the pairs in the column's order.
constexpr std::size_t kValuePairs = 6;
// The command buttons follow the pairs.
constexpr std::size_t kFirstButton = 2 * kValuePairs;

QString CaptionOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        return box->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return button->text();
    }
    return {};
}

// Edges in pixels of the client area, the right and bottom ones just past the control.
int Right(const QRect& r) {
    return r.x() + r.width();
}
int Bottom(const QRect& r) {
    return r.y() + r.height();
}

TEST_F(FormTest, TheLeftColumnRunsDownTheLeftEdgeInItsOrder) {
    int below = 0;  // the bottom of the control above
    for (const ColumnEntry& entry : kLeftColumn) {
        SCOPED_TRACE(entry.name);
        auto* control = form->findChild<QWidget*>(QString::fromLatin1(entry.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(CaptionOf(control).toStdString(), entry.caption);
        const QRect r = control->geometry();
        // From the frame's left edge, x = -10, to about x = 0.
        EXPECT_EQ(r.x(), 0);
        EXPECT_NEAR(Right(r), PlotFrame::PixelX(0), 1.0);
        EXPECT_GE(r.y(), below);
        below = Bottom(r);
    }
}

TEST_F(FormTest, EachLabelSitsDirectlyAboveItsBoxAndTheButtonsCloseTheColumn) {
    std::vector<QRect> column;
    for (const ColumnEntry& entry : kLeftColumn) {
        auto* control = form->findChild<QWidget*>(QString::fromLatin1(entry.name));
        ASSERT_NE(control, nullptr) << entry.name;
        column.push_back(control->geometry());
    }
    // After every box, the first button's included, the same gap before the next control.
    const int pitch = column[2].y() - column[0].y();
    const int gap = column[2].y() - Bottom(column[1]);
    EXPECT_GT(gap, 0);
    for (std::size_t pair = 0; pair < kValuePairs; ++pair) {
        const QRect& label = column[2 * pair];
        const QRect& box = column[2 * pair + 1];
        SCOPED_TRACE(kLeftColumn[2 * pair].name);
        EXPECT_NEAR(box.y(), Bottom(label), 1) << "the box right under its label";
        EXPECT_NEAR(column[2 * pair + 2].y() - Bottom(box), gap, 1) << "the gap after the box";
        if (pair > 0) {
            EXPECT_NEAR(label.y() - column[2 * pair - 2].y(), pitch, 1) << "the pairs evenly";
        }
    }
    // The buttons one under the other, the last one down to the window's bottom edge.
    for (std::size_t i = kFirstButton + 1; i < column.size(); ++i) {
        SCOPED_TRACE(kLeftColumn[i].name);
        EXPECT_NEAR(column[i].y(), Bottom(column[i - 1]), 1);
    }
    EXPECT_NEAR(Bottom(column.back()), form->height(), 1);
}

// Each screen's pair of labels beside it, right of the plot: the number of paths above the
// distance, the screen's line between them.
TEST_F(FormTest, TheRightColumnLabelsEachScreenBesideIt) {
    const int column = form->ScreenLabel[0]->x();
    EXPECT_GT(column, PlotFrame::PixelX(100)) << "right of the plot";
    for (const double y : kScreenYs) {
        SCOPED_TRACE(y);
        const auto i = static_cast<std::size_t>(ScreenLabelIndex(y));
        const QRect distance = form->ScreenLabel[i]->geometry();
        const QRect paths = form->PathsLabel[i]->geometry();
        EXPECT_EQ(distance.x(), column);
        EXPECT_EQ(paths.x(), column);
        EXPECT_LE(Bottom(paths), distance.y());
        EXPECT_LT(distance.y() - Bottom(paths), PlotFrame::PixelHeight(1)) << "directly above";
        EXPECT_LE(paths.y(), PlotFrame::PixelY(y));
        EXPECT_GE(Bottom(distance), PlotFrame::PixelY(y));
    }
    // The source's labels at the bottom right, below the plot: Y above X.
    const QRect sourceY = form->SourceYLabel->geometry();
    const QRect sourceX = form->SourceXLabel->geometry();
    EXPECT_EQ(sourceY.x(), column);
    EXPECT_EQ(sourceX.x(), column);
    EXPECT_GT(sourceY.y(), PlotFrame::PixelY(0));
    EXPECT_LE(Bottom(sourceY), sourceX.y());
}

// Every control the window shows, the plot's canvas under them all aside.
TEST_F(FormTest, EveryControlLiesInsideTheWindowAndOverlapsNoOther) {
    std::vector<QWidget*> controls;
    for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child != form->Canvas()) {
            controls.push_back(child);
        }
    }
    ASSERT_EQ(controls.size(), std::size(kLeftColumn) + 2 * 10 + 2 + 2)
        << "the column, the screens' labels, the source's labels and the marker";
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect r = controls[i]->geometry();
        EXPECT_TRUE(form->rect().contains(r)) << controls[i]->objectName().toStdString();
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(r.intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " and "
                << controls[j]->objectName().toStdString();
        }
    }
}

TEST_F(FormTest, ClientAreaIsFixedAtTheFrameSize) {
    EXPECT_EQ(form->size(), QSize(794, 771));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->Canvas()->geometry(), QRect(0, 0, 794, 771));
}

TEST_F(FormTest, TheSourceMarkerIsTwoGreenShapesSideBySide) {
    EXPECT_EQ(form->Source->Left(), 50.0f);
    EXPECT_EQ(form->Source->Top(), 0.0f);
    EXPECT_EQ(form->Source0->Left(), 48.0f);
    EXPECT_EQ(form->Source0->Top(), 0.0f);
    EXPECT_EQ(form->Source->geometry().topLeft(), QPoint(397, 655));
    EXPECT_NEAR(form->Source->width(), 198.0 / 15, 1.0);
    EXPECT_NEAR(form->Source->height(), 193.0 / 15, 1.0);
    const QImage marker = form->grab().toImage();
    const QPoint inside = form->Source->geometry().center();
    EXPECT_EQ(marker.pixelColor(inside), QColor(0, 255, 0));
    EXPECT_EQ(marker.pixelColor(form->Source0->geometry().center()), QColor(0, 255, 0));
}

TEST_F(FormTest, StartsInTheSingleMirrorStateWithTheSpacingEntryDisabled) {
    EXPECT_EQ(form->Pattern->text(), "Mirror Number Single");
    EXPECT_FALSE(form->GratingSpacingText->isEnabled());
    EXPECT_FALSE(form->GratingSpacingLabel->isEnabled());
    EXPECT_TRUE(form->Calculate->isEnabled());
    EXPECT_EQ(form->Run().StopRequested, 0);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(form->ScreenLabel[i]->text(), QString("%1:").arg(i + 1));
        EXPECT_EQ(form->PathsLabel[i]->text(), "1:");
    }
}

TEST_F(FormTest, CaptionNamesTheSubjectAndNoRealSite) {
    const QString caption = form->windowTitle();
    EXPECT_TRUE(caption.contains("sum-over-paths"));
    EXPECT_TRUE(caption.contains("multiple slit and mirror"));
    EXPECT_FALSE(caption.contains("http"));
}

TEST_F(FormTest, ThePlotIsBlackWhateverTheDesktopTheme) {
    QPalette light = QApplication::palette();
    light.setColor(QPalette::Window, Qt::white);
    light.setColor(QPalette::WindowText, Qt::black);
    form->setPalette(light);
    const QImage shot = form->grab().toImage();
    EXPECT_EQ(shot.pixelColor(PixelAt(50, 50)), QColor(Qt::black));
}

// Where the canvas puts frame points, checked on its backing image.
TEST_F(FormTest, CanvasMapsTheFrameOntoTheClientArea) {
    QtPlotCanvas& canvas = *form->Canvas();
    canvas.Clear();
    canvas.Line(0, 100, 100, 100, PaletteColour(8), LineKind::Segment);
    canvas.Line(10, 0, 10, 100, PaletteColour(8), LineKind::Segment);
    canvas.Line(45, 100, 55, 100.5f, PaletteColour(15), LineKind::Box);
    const QImage& image = canvas.Image();
    ASSERT_EQ(image.devicePixelRatio(), 1.0);
    const QColor grey(128, 128, 128);
    // The line y = 100 lies 2 units (12.85 pixels) below the top edge: in pixel row 12.
    const int row = 12;
    EXPECT_EQ(image.pixelColor(300, row), grey);
    EXPECT_EQ(image.pixelColor(300, row + 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(300, row - 5), QColor(Qt::black));
    // The line x = 10 is a sixth of the way across plus the left strip.
    const int column = static_cast<int>(std::lround(20.0 / 120 * 794));
    EXPECT_EQ(image.pixelColor(column, 400), grey);
    EXPECT_EQ(image.pixelColor(column + 2, 400), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(column - 2, 400), QColor(Qt::black));
    // The element bar is white from x = 45 to 55.
    EXPECT_EQ(image.pixelColor(static_cast<int>(PlotFrame::PixelX(50)), 11), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(static_cast<int>(PlotFrame::PixelX(44)), 11), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(static_cast<int>(PlotFrame::PixelX(56)), 11), QColor(Qt::black));
    canvas.Clear();
    EXPECT_EQ(canvas.Image().pixelColor(300, row), QColor(Qt::black));
}

// The display list paints again exactly what the screen image shows, lines still waiting to
// be painted into the image included, over more lines than one block of the list holds,
// overlapping in order, with colour and kind changing between them.
TEST_F(FormTest, CanvasReplaysItsDrawingToTheScreenImagesPixels) {
    QtPlotCanvas& canvas = *form->Canvas();
    canvas.Clear();
    const Rgb colours[] = {PaletteColour(8), PaletteColour(15), PaletteColour(12)};
    unsigned state = 12345;
    auto next = [&state](float range) {
        state = state * 1103515245u + 12345u;
        return static_cast<float>((state >> 8) % 100000u) / 100000.0f * range;
    };
    // Short lines and small boxes below y = 90, so that later ones hide little of the earlier
    // ones; then one line above them, the last of all.
    for (int i = 0; i < 70000; ++i) {
        const int group = (i / 5000) % 5;
        const bool box = group == 3;
        const float x = next(120.0f) - 10.0f;
        const float y = next(105.0f) - 18.0f;
        // Lines shorter than a pixel each way in the last group, as most of a fine curve's.
        const float reach = box ? 0.5f : group == 4 ? 0.15f : 1.0f;
        if (group == 1) {
            // Vertical bars, as the curves draw them, some of them short; and every fourth
            // one horizontal, as the grid's lines.
            const float half = next(i % 2 == 0 ? 12.0f : 0.2f);
            if (i % 4 == 3) {
                canvas.Line(x - half, y, x + half, y, colours[(i / 3000) % 3], LineKind::Segment);
                continue;
            }
            canvas.Line(x, y - half, x, y + half, colours[(i / 3000) % 3], LineKind::Segment);
            continue;
        }
        canvas.Line(x, y, x + next(2 * reach) - reach, y + next(2 * reach) - reach,
                    colours[(i / 3000) % 3], box ? LineKind::Box : LineKind::Segment);
    }
    canvas.Line(20, -1e20f, 20, 1e20f, PaletteColour(12), LineKind::Segment);
    canvas.Line(0, 96, 100, 96, PaletteColour(15), LineKind::Segment);

    QImage replayed(canvas.size(), QImage::Format_RGB32);
    replayed.fill(Qt::blue);
    QPainter painter(&replayed);
    canvas.Replay(painter, QtPlotCanvas::Background(), nullptr, nullptr, 1.0);
    painter.end();
    const QImage& shown = canvas.Image();
    ASSERT_EQ(shown.devicePixelRatio(), 1.0);
    EXPECT_TRUE(replayed == shown);
    EXPECT_EQ(shown.pixelColor(PixelAt(50, 96)), QColor(Qt::white));
}

TEST_F(FormTest, DrawingSurvivesBeingCoveredAndShown) {
    form->Canvas()->Line(0, 50, 100, 50, PaletteColour(15), LineKind::Segment);
    form->hide();
    QApplication::processEvents();
    form->show();
    QApplication::processEvents();
    const QImage shot = form->grab().toImage();
    EXPECT_EQ(shot.pixelColor(400, static_cast<int>(std::lround(PlotFrame::PixelY(50)))),
              QColor(Qt::white));
}

}  // namespace
}  // namespace pathsum::testing
