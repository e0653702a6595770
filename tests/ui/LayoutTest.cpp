#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "FormFixture.h"

namespace pathsum::testing {
namespace {

struct ControlCase {
    const char* name;
    double left;  // frame units
    double top;
    double width;
    double height;
    const char* caption;
};

void PrintTo(const ControlCase& c, std::ostream* out) {
    *out << c.name;
}

// Twips to frame units across and down.
constexpr double kAcross = 120.0 / 11910.0;

const ControlCase kControls[] = {
    {"WavelengthLabel", -10, 100, 990 * kAcross, 5, "Wave- Length"},
    {"WavelengthText", -10, 95, 990 * kAcross, 4, "1"},
    {"ResolutionLabel", -10, 90, 990 * kAcross, 5, " Resolution Radians"},
    {"ResolutionText", -10, 85, 990 * kAcross, 4, ".001"},
    {"ResolutionXLabel", -10, 80, 990 * kAcross, 5, " Resolution X"},
    {"ResolutionXText", -10, 75, 990 * kAcross, 4, "1"},
    {"GainLabel", -10, 70, 990 * kAcross, 5, "Gain"},
    {"GainText", -10, 65, 990 * kAcross, 4, "10"},
    {"GratingWidthLabel", -10, 60, 990 * kAcross, 5, "Width"},
    {"GratingWidthText", -10, 55, 990 * kAcross, 4, "10"},
    {"GratingSpacingLabel", -10, 50, 990 * kAcross, 5, "Spacing"},
    {"GratingSpacingText", -10, 45, 990 * kAcross, 4, "10"},
    {"Calculate", -10, 40, 990 * kAcross, 10, "CALC AND PLOT"},
    {"Pattern", -10, 30, 990 * kAcross, 10, "Mirror Number Single"},
    {"Printit", -10, 20, 990 * kAcross, 10, "Print"},
    {"Stop", -10, 10, 990 * kAcross, 10, "Stop"},
    {"Help", -10, 0, 990 * kAcross, 8, "Help"},
    {"Exit", -10, -8, 990 * kAcross, 10, "Exit"},
    {"ScreenLabel(0)", 101, 90, 868 * kAcross, 2.65, "1:"},
    {"ScreenLabel(9)", 101, 0, 868 * kAcross, 2.65, "10:"},
    {"PathsLabel(0)", 101, 93.3, 868 * kAcross, 2.65, "1:"},
    {"PathsLabel(9)", 101, 3.3, 868 * kAcross, 2.65, "1:"},
    {"SourceYLabel", 101, -12, 868 * kAcross, 3, "Y=100"},
    {"SourceXLabel", 101, -15, 868 * kAcross, 3, "X=0"},
};

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

class ControlLayoutTest : public FormTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlLayoutTest, StandsWhereTheFramePutsItWithItsDesignCaption) {
    const ControlCase& c = GetParam();
    auto* control = form->findChild<QWidget*>(QString::fromLatin1(c.name));
    ASSERT_NE(control, nullptr);
    // 794 x 771 pixels for 120 x 120 units; corners rounded to whole pixels.
    const QRect r = control->geometry();
    EXPECT_EQ(r.left(), std::lround((c.left + 10) * 794 / 120));
    EXPECT_EQ(r.top(), std::lround((102 - c.top) * 771 / 120));
    EXPECT_NEAR(r.width(), c.width * 794 / 120, 1.0);
    EXPECT_NEAR(r.height(), c.height * 771 / 120, 1.0);
    EXPECT_EQ(CaptionOf(control).toStdString(), c.caption);
}

INSTANTIATE_TEST_SUITE_P(Table, ControlLayoutTest, ::testing::ValuesIn(kControls));

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
    canvas.Replay(painter, QtPlotCanvas::Background(), nullptr, 1.0);
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
