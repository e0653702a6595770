// Printing through a real CUPS scheduler. print-test.sh starts the scheduler, sets up its
// queues and runs this program with CUPS_SERVER pointing at it; see that script for the three
// situations. PrintToQueue inspects the jobs that the capture backend copied into
// PRINT_TEST_CAPTURE_DIR; NoPrinter expects the scheduler to offer no printer at all.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include "MainForm.h"
#include "PlotFrame.h"
#include "WindowSupport.h"

namespace pathsum {
namespace {

constexpr int kJobWaitMs = 30000;
constexpr int kToolWaitMs = 30000;
// The side of the squares, in window pixels, over which page and window are compared.
constexpr int kCell = 10;

// Runs a command-line tool to its end (bounded) and returns its standard output.
QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kToolWaitMs)) {
        process.kill();
        process.waitForFinished(1000);
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return {};
    }
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Keeps the event loop going until `done` holds or the time is up; returns `done`.
bool WaitUntil(const std::function<bool()>& done, int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    return true;
}

QImage Grey(const QImage& image) {
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// Mean grey level of the pixels whose centres lie in `area`; -1 when there are none.
double MeanIn(const QImage& grey, const QRectF& area) {
    const int x0 = std::max(0, static_cast<int>(std::ceil(area.left() - 0.5)));
    const int y0 = std::max(0, static_cast<int>(std::ceil(area.top() - 0.5)));
    const int x1 = std::min(grey.width(), static_cast<int>(std::ceil(area.right() - 0.5)));
    const int y1 = std::min(grey.height(), static_cast<int>(std::ceil(area.bottom() - 0.5)));
    double sum = 0.0;
    int count = 0;
    for (int y = y0; y < y1; ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = x0; x < x1; ++x) {
            sum += row[x];
            ++count;
        }
    }
    return count > 0 ? sum / count : -1.0;
}

// The darkest grey level of an image.
int Darkest(const QImage& grey) {
    int darkest = 255;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        darkest = std::min(darkest, static_cast<int>(*std::min_element(row, row + grey.width())));
    }
    return darkest;
}

// Where the window landed on a rasterised page: its top left corner in page pixels and the
// page pixels per window pixel.
struct Placement {
    QPointF origin;
    double scale = 0.0;

    QRectF ToPage(const QRectF& window) const {
        return {origin + window.topLeft() * scale, window.size() * scale};
    }
};

// Finds the window on the page from the plot's black. Its top, right and bottom edges are
// black nearly all along (only the column of controls at its left is light), so the rows and
// columns with a fair share of dark pixels give the top, the bottom and the right edge; the
// height gives the scale, and the left edge follows from it.
Placement LocateWindow(const QImage& page, QSize window) {
    const QImage grey = Grey(page);
    constexpr int kDark = 64;
    std::vector<int> darkInRow(static_cast<std::size_t>(grey.height()));
    std::vector<int> darkInColumn(static_cast<std::size_t>(grey.width()));
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            if (row[x] < kDark) {
                ++darkInRow[static_cast<std::size_t>(y)];
                ++darkInColumn[static_cast<std::size_t>(x)];
            }
        }
    }
    auto first = [](const std::vector<int>& counts, int least) {
        for (std::size_t i = 0; i < counts.size(); ++i) {
            if (counts[i] >= least) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    auto last = [](const std::vector<int>& counts, int least) {
        for (std::size_t i = counts.size(); i-- > 0;) {
            if (counts[i] >= least) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    const int top = first(darkInRow, grey.width() / 10);
    const int bottom = last(darkInRow, grey.width() / 10);
    const int right = last(darkInColumn, grey.height() / 10);
    if (top < 0 || right < 0 || bottom <= top) {
        return {};
    }
    const double scale = static_cast<double>(bottom + 1 - top) / window.height();
    return {{right + 1 - window.width() * scale, static_cast<double>(top)}, scale};
}

// Grey levels of the window squares of `area` (window pixels), as seen in a window image and
// as seen on the page.
struct CellPair {
    double window;
    double page;
};
std::vector<CellPair> CompareCells(const QImage& windowImage, const QImage& page,
                                   const Placement& placement, const QRect& area) {
    const QImage windowGrey = Grey(windowImage);
    const QImage pageGrey = Grey(page);
    std::vector<CellPair> cells;
    for (int y = area.top(); y + kCell <= area.bottom() + 1; y += kCell) {
        for (int x = area.left(); x + kCell <= area.right() + 1; x += kCell) {
            const QRectF cell(x, y, kCell, kCell);
            cells.push_back({MeanIn(windowGrey, cell), MeanIn(pageGrey, placement.ToPage(cell))});
        }
    }
    return cells;
}

double Correlation(const std::vector<CellPair>& cells) {
    double mw = 0.0;
    double mp = 0.0;
    for (const CellPair& c : cells) {
        mw += c.window;
        mp += c.page;
    }
    mw /= static_cast<double>(cells.size());
    mp /= static_cast<double>(cells.size());
    double sww = 0.0;
    double spp = 0.0;
    double swp = 0.0;
    for (const CellPair& c : cells) {
        sww += (c.window - mw) * (c.window - mw);
        spp += (c.page - mp) * (c.page - mp);
        swp += (c.window - mw) * (c.page - mp);
    }
    return sww > 0.0 && spp > 0.0 ? swp / std::sqrt(sww * spp) : 0.0;
}

// The part of the window where nothing but the plot shows: between the column of inputs and
// commands at the left and the screen and path labels at the right.
QRect PlotArea(const MainForm& form) {
    const int left = form.Calculate->geometry().right() + 1;
    const int right = form.ScreenLabel[0]->geometry().left() - 1;
    return {QPoint(left, 0), QPoint(right, form.height() - 1)};
}

// Pixels of the plot that are lit (the black background has none).
int LitPixels(const QImage& image, const QRect& area) {
    const QImage grey = Grey(image);
    int lit = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            lit += grey.constScanLine(y)[x] > 128 ? 1 : 0;
        }
    }
    return lit;
}

// The captions of the screen labels; a screen's label takes its distance when the screen is
// finished.
QStringList ScreenCaptions(const MainForm& form) {
    QStringList captions;
    for (const QLabel* label : form.ScreenLabel) {
        captions.append(label->text());
    }
    return captions;
}

int Differences(const QStringList& a, const QStringList& b) {
    int differences = 0;
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        differences += a[i] != b[i] ? 1 : 0;
    }
    return differences;
}

// Answers every modal window that opens while it exists, so that no dialog can hold a test:
// notes what it was, then clicks the first button of a message box or closes anything else.
class ModalWatch {
  public:
    struct Seen {
        QString className;
        QString text;
        qsizetype buttons = 0;
        const QWidget* parent = nullptr;
    };

    const std::vector<Seen>& seen() const { return seen_; }

  private:
    void Answer(QWidget* modal) {
        Seen seen{
            QString::fromLatin1(modal->metaObject()->className()), {}, 0, modal->parentWidget()};
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box != nullptr) {
            seen.text = box->text();
            seen.buttons = box->buttons().size();
        }
        seen_.push_back(seen);
        if (box != nullptr && !box->buttons().isEmpty()) {
            QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        } else {
            modal->close();
        }
    }

    std::vector<Seen> seen_;
    testing::ModalAnswerer answerer_{[this](QWidget* modal) { Answer(modal); }};
};

std::string Describe(const std::vector<ModalWatch::Seen>& seen) {
    std::string text;
    for (const ModalWatch::Seen& s : seen) {
        text += s.className.toStdString() + " \"" + s.text.toStdString() + "\"; ";
    }
    return text;
}

// ---- A print that reaches a queue -----------------------------------------------------------

class PrintToQueue : public ::testing::Test {
  protected:
    void SetUp() override {
        capture_ = QDir(qEnvironmentVariable("PRINT_TEST_CAPTURE_DIR"));
        queue_ = qEnvironmentVariable("PRINT_TEST_QUEUE");
        ASSERT_FALSE(capture_.path().isEmpty() || queue_.isEmpty())
            << "run these tests through print-test.sh, which provides the print system";
        ASSERT_TRUE(capture_.exists());
        ASSERT_EQ(QPrinterInfo::defaultPrinterName(), queue_)
            << "the scheduler does not offer the expected default queue";
    }

    QStringList CapturedJobs() const {
        QStringList jobs = capture_.entryList(QDir::Files, QDir::Name);
        jobs.removeIf([](const QString& name) { return name.endsWith(QStringLiteral(".part")); });
        return jobs;
    }

    // Performs `act`, then waits until a job has arrived and the scheduler has none left to
    // send, and returns the files of the jobs that arrived.
    QStringList JobsFrom(const std::function<void()>& act) {
        const QStringList before = CapturedJobs();
        act();
        auto newJobs = [&] {
            QStringList fresh = CapturedJobs();
            fresh.removeIf([&](const QString& name) { return before.contains(name); });
            return fresh;
        };
        const bool arrived = WaitUntil([&] { return !newJobs().isEmpty(); }, kJobWaitMs);
        EXPECT_TRUE(arrived) << "no job reached a queue within " << kJobWaitMs / 1000 << " s";
        const bool drained = WaitUntil(
            [&] { return RunTool(QStringLiteral("lpstat"), {QStringLiteral("-o")}).isEmpty(); },
            kJobWaitMs);
        EXPECT_TRUE(drained) << "the scheduler still holds jobs";
        return newJobs();
    }

    // The one page of the job's document, rasterised at 100 dpi.
    QImage PageOf(const QString& job) {
        const QString path = capture_.filePath(job);
        const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"),
                                                     QRegularExpression::MultilineOption)))
            << "not a one-page PDF:\n"
            << info.toStdString();
        const QString stem = scratch_.filePath(job);
        RunTool(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                 QStringLiteral("-singlefile"), path, stem});
        const QImage page(stem + QStringLiteral(".png"));
        if (!qEnvironmentVariableIsEmpty("PRINT_TEST_KEEP_PAGES")) {
            page.save(QDir(qEnvironmentVariable("PRINT_TEST_KEEP_PAGES")).filePath(job + ".png"));
        }
        return page;
    }

    // The part `window` (window pixels) of the job's page, rasterised at `dpi`, where the
    // window lies at `placement` on the page rasterised at 100 dpi.
    QImage PageDetailOf(const QString& job, const Placement& placement, const QRectF& window,
                        int dpi) {
        const QRectF onPage = placement.ToPage(window);
        const double finer = dpi / 100.0;
        const QRect area = QRectF(onPage.topLeft() * finer, onPage.size() * finer).toAlignedRect();
        const QString stem = scratch_.filePath(job + QStringLiteral("-detail"));
        RunTool(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-x"),
                 QString::number(area.x()), QStringLiteral("-y"), QString::number(area.y()),
                 QStringLiteral("-W"), QString::number(area.width()), QStringLiteral("-H"),
                 QString::number(area.height()), QStringLiteral("-png"),
                 QStringLiteral("-singlefile"), capture_.filePath(job), stem});
        const QImage detail(stem + QStringLiteral(".png"));
        if (!qEnvironmentVariableIsEmpty("PRINT_TEST_KEEP_PAGES")) {
            detail.save(QDir(qEnvironmentVariable("PRINT_TEST_KEEP_PAGES"))
                            .filePath(job + QStringLiteral("-detail.png")));
        }
        return detail;
    }

    // The job went to the default queue and nowhere else.
    void ExpectOnlyOnDefaultQueue(const QStringList& jobs) {
        ASSERT_EQ(jobs.size(), 1) << "jobs: " << jobs.join(QStringLiteral(", ")).toStdString();
        EXPECT_TRUE(jobs[0].startsWith(queue_ + QLatin1Char('-'))) << jobs[0].toStdString();
    }

    QDir capture_;
    QString queue_;
    QTemporaryDir scratch_;
    ModalWatch dialogs_;
};

TEST_F(PrintToQueue, PrintsTheWindowOnceOnOnePageScaledToFit) {
    MainForm form;
    form.show();
    QTest::mouseClick(form.Calculate, Qt::LeftButton);
    ASSERT_FALSE(form.Running());
    const QRect plot = PlotArea(form);
    const QImage drawing = form.Canvas()->Image().copy();
    ASSERT_GT(LitPixels(drawing, plot), 5000) << "the run drew no curves";
    const QImage window = form.grab().toImage();

    const QStringList jobs = JobsFrom([&] { QTest::mouseClick(form.Printit, Qt::LeftButton); });
    EXPECT_TRUE(dialogs_.seen().empty()) << "Print opened " << Describe(dialogs_.seen());
    ExpectOnlyOnDefaultQueue(jobs);
    ASSERT_EQ(jobs.size(), 1);
    const QImage page = PageOf(jobs[0]);
    ASSERT_FALSE(page.isNull());

    // The whole window, as large as the page allows.
    const Placement at = LocateWindow(page, form.size());
    ASSERT_GT(at.scale, 0.0) << "no plot on the page";
    const QRectF onPage = at.ToPage(QRectF(QPointF(0, 0), QSizeF(form.size())));
    EXPECT_GE(onPage.left(), -1.0);
    EXPECT_GE(onPage.top(), -1.0);
    EXPECT_LE(onPage.right(), page.width() + 1.0);
    EXPECT_LE(onPage.bottom(), page.height() + 1.0);
    EXPECT_GT(std::max(onPage.width() / page.width(), onPage.height() / page.height()), 0.8)
        << "the window takes " << onPage.width() << " x " << onPage.height() << " of a "
        << page.width() << " x " << page.height() << " page";

    // Square by square, the page shows what the window shows, controls and all; with the
    // proportions lost the squares of the column at the left would not line up.
    const std::vector<CellPair> all = CompareCells(window, page, at, form.rect());
    EXPECT_GT(Correlation(all), 0.95);
    const std::vector<CellPair> controls = CompareCells(
        window, page, at, QRect(0, 0, form.Calculate->geometry().right() + 1, form.height()));
    EXPECT_GT(Correlation(controls), 0.9);

    // And independently of how the window's image is taken: the plot shows what the run drew,
    // its empty parts black and the curves white over it.
    const std::vector<CellPair> curves = CompareCells(drawing, page, at, plot);
    EXPECT_GT(Correlation(curves), 0.9);
    int blank = 0;
    int blankAndDark = 0;
    for (const CellPair& c : curves) {
        if (c.window == 0.0) {
            ++blank;
            blankAndDark += c.page < 40.0 ? 1 : 0;
        }
    }
    EXPECT_GT(blank, static_cast<int>(curves.size()) / 3);
    EXPECT_GE(blankAndDark, blank * 95 / 100) << blankAndDark << " of " << blank;

    // Drawn at the printer's resolution rather than stretched from the screen: at 600 dpi a
    // grid line (x = 10, where nothing else is drawn between the top of the grid and the
    // first screen) is a couple of device pixels wide, not the six or so of a stretched
    // screen pixel, and still as bright as its grey on the screen.
    const QRectF gridLine(QPointF(PlotFrame::PixelX(7), PlotFrame::PixelY(97)),
                          QPointF(PlotFrame::PixelX(13), PlotFrame::PixelY(94)));
    const QImage detail = Grey(PageDetailOf(jobs[0], at, gridLine, 600));
    ASSERT_GT(detail.height(), 10);
    int narrowest = detail.width();
    int widest = 0;
    int faintest = 255;
    for (int y = 0; y < detail.height(); ++y) {
        const uchar* row = detail.constScanLine(y);
        const int lit = static_cast<int>(
            std::count_if(row, row + detail.width(), [](uchar level) { return level > 32; }));
        narrowest = std::min(narrowest, lit);
        widest = std::max(widest, lit);
        faintest =
            std::min(faintest, static_cast<int>(*std::max_element(row, row + detail.width())));
    }
    EXPECT_GE(narrowest, 1);
    EXPECT_LE(widest, 4) << "device pixels at 600 dpi";
    EXPECT_GE(faintest, 100);
}

TEST_F(PrintToQueue, OnWhiteSwapsThePlotsBlackAndWhiteAndLeavesTheWindowAsItWas) {
    MainForm form;
    form.show();
    QTest::mouseClick(form.Calculate, Qt::LeftButton);
    ASSERT_FALSE(form.Running());
    const QRect plot = PlotArea(form);
    const QImage drawing = form.Canvas()->Image().copy();
    const QImage window = form.grab().toImage();

    // Where the window lies on the page, found on the usual print (the same for both).
    const QStringList asShown = JobsFrom([&] { form.Printit_Click(); });
    ASSERT_EQ(asShown.size(), 1);
    const QImage usual = Grey(PageOf(asShown[0]));
    const Placement at = LocateWindow(usual, form.size());
    ASSERT_GT(at.scale, 0.0) << "no plot on the page";
    const QStringList onWhite = JobsFrom([&] { form.PrintOnWhite_Click(); });
    EXPECT_TRUE(dialogs_.seen().empty()) << "Print on White opened " << Describe(dialogs_.seen());
    ExpectOnlyOnDefaultQueue(onWhite);
    ASSERT_EQ(onWhite.size(), 1);
    const QImage page = Grey(PageOf(onWhite[0]));
    ASSERT_FALSE(page.isNull());

    // The window itself looks as before, its labels' colours included.
    QApplication::processEvents();
    EXPECT_EQ(form.grab().toImage(), window);

    // A page that is mostly white, the window on it included.
    const QRect onPage = at.ToPage(QRectF(form.rect())).toAlignedRect() & page.rect();
    EXPECT_GT(MeanIn(page, page.rect()), 220.0);
    EXPECT_GT(MeanIn(page, onPage), 200.0);

    // The plot is the usual print's with black and white swapped: square by square, the
    // brighter on the usual page the darker on this one, and the squares the run left empty
    // are white. The curves themselves are black, as a 600 dpi look at the central peak of
    // the last screen shows.
    const Placement samePlace{{0.0, 0.0}, 1.0};
    EXPECT_LT(Correlation(CompareCells(usual, page, samePlace,
                                       at.ToPage(QRectF(plot)).toAlignedRect() & page.rect())),
              -0.95);
    const std::vector<CellPair> curves = CompareCells(drawing, page, at, plot);
    int blank = 0;
    int blankAndWhite = 0;
    for (const CellPair& c : curves) {
        if (c.window == 0.0) {
            ++blank;
            blankAndWhite += c.page > 215.0 ? 1 : 0;
        }
    }
    EXPECT_GE(blankAndWhite, blank * 95 / 100) << blankAndWhite << " of " << blank;
    const QImage peak =
        Grey(PageDetailOf(onWhite[0], at,
                          QRectF(QPointF(PlotFrame::PixelX(40), PlotFrame::PixelY(6)),
                                 QPointF(PlotFrame::PixelX(46), PlotFrame::PixelY(-6))),
                          600));
    ASSERT_FALSE(peak.isNull());
    EXPECT_LT(Darkest(peak), 40);

    // The labels that are light on black in the window are dark on white, the source labels
    // and the marker a dark green.
    std::vector<const QWidget*> lightOnBlack(form.PathsLabel.begin(), form.PathsLabel.end());
    lightOnBlack.push_back(form.SourceXLabel);
    lightOnBlack.push_back(form.SourceYLabel);
    for (const QWidget* label : lightOnBlack) {
        const QRect area = at.ToPage(QRectF(label->geometry())).toAlignedRect();
        EXPECT_GT(MeanIn(page, area), 200.0) << label->objectName().toStdString();
        EXPECT_LT(Darkest(page.copy(area)), 110) << label->objectName().toStdString();
    }
    EXPECT_LT(MeanIn(page, at.ToPage(QRectF(form.Source->geometry()).adjusted(1, 1, -1, -1))), 90.0)
        << "the marker";
}

TEST_F(PrintToQueue, DuringARunPrintsWhatIsDrawnSoFar) {
    MainForm form;
    form.show();
    const QRect plot = PlotArea(form);
    const QStringList before = ScreenCaptions(form);
    QImage drawnSoFar;
    bool printedWhileRunning = false;
    // The run lets events through at the start of every screen: print once half the screens
    // are done.
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (!drawnSoFar.isNull() || Differences(before, ScreenCaptions(form)) < 5) {
            return;
        }
        watcher.stop();
        printedWhileRunning = form.Running();
        drawnSoFar = form.Canvas()->Image().copy();
        QTest::mouseClick(form.Printit, Qt::LeftButton);
    });
    watcher.start();

    const QStringList jobs = JobsFrom([&] { QTest::mouseClick(form.Calculate, Qt::LeftButton); });
    watcher.stop();
    ASSERT_TRUE(printedWhileRunning) << "the test did not get to print during the run";
    EXPECT_TRUE(dialogs_.seen().empty()) << "Print opened " << Describe(dialogs_.seen());
    const QImage finished = form.Canvas()->Image().copy();
    ExpectOnlyOnDefaultQueue(jobs);
    ASSERT_EQ(jobs.size(), 1);
    const QImage page = PageOf(jobs[0]);
    ASSERT_FALSE(page.isNull());
    const Placement at = LocateWindow(page, form.size());
    ASSERT_GT(at.scale, 0.0) << "no plot on the page";

    // Where the finished drawing differs from the drawing at the time of printing (the later
    // screens), the page shows the earlier state; and the part drawn by then is there.
    const std::vector<CellPair> soFar = CompareCells(drawnSoFar, page, at, plot);
    const std::vector<CellPair> atEnd = CompareCells(finished, page, at, plot);
    int changed = 0;
    int showsEarlier = 0;
    for (std::size_t i = 0; i < soFar.size(); ++i) {
        if (std::abs(atEnd[i].window - soFar[i].window) > 25.0) {
            ++changed;
            showsEarlier += std::abs(soFar[i].page - soFar[i].window) <
                                    std::abs(atEnd[i].page - atEnd[i].window)
                                ? 1
                                : 0;
        }
    }
    ASSERT_GT(changed, 50) << "the run drew too little after the print to tell";
    EXPECT_GE(showsEarlier, changed * 9 / 10) << showsEarlier << " of " << changed;
    EXPECT_GT(Correlation(soFar), 0.9);
    EXPECT_GT(LitPixels(drawnSoFar, plot), 2000) << "nothing was drawn at the time of printing";
}

// ---- No printer -----------------------------------------------------------------------------

TEST(NoPrinter, PrintSaysSoAndTheProgramGoesOn) {
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().isEmpty())
        << "the test expects a print system without printers";
    bool quitting = false;
    QObject alive;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &alive, [&] { quitting = true; });
    MainForm form;
    form.show();

    {
        const ModalWatch dialogs;
        QTest::mouseClick(form.Printit, Qt::LeftButton);
        // Print waits for the message to be answered, so it has come and gone by now.
        ASSERT_EQ(dialogs.seen().size(), 1u) << Describe(dialogs.seen());
        const ModalWatch::Seen& message = dialogs.seen()[0];
        EXPECT_EQ(message.className.toStdString(), "QMessageBox");
        EXPECT_TRUE(message.text.contains(QStringLiteral("printer"), Qt::CaseInsensitive))
            << message.text.toStdString();
        EXPECT_EQ(message.buttons, 1);
        EXPECT_EQ(message.parent, &form) << "the message belongs to the window";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    // The program carries on: the window is there and a run still works.
    QApplication::processEvents();
    EXPECT_FALSE(quitting);
    EXPECT_TRUE(form.isVisible());
    QTest::mouseClick(form.Calculate, Qt::LeftButton);
    EXPECT_TRUE(form.Calculate->isEnabled());
    EXPECT_GT(LitPixels(form.Canvas()->Image(), PlotArea(form)), 5000);
}

}  // namespace
}  // namespace pathsum

int main(int argc, char* argv[]) {
    // Never a real display: the window is only ever printed.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
