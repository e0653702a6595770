// Drives the window in the live mode with a drag of the source across the plot, as a pointer
// moving at 60 positions a second would, and times for each position the move to the
// repainted picture of that position's finished run; positions whose run a newer position
// ended first are counted as skipped.
//   pathsum-live-bench [--positions N] [--case default|five-slit|heavy]
// Prints, one line a case:
//   live CASE median_ms M p95_ms P max_ms X skipped K
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "MainForm.h"
#include "PlotFrame.h"

namespace {

struct Case {
    const char* name;
    const char* pattern;
    const char* width;
    const char* spacing;
    const char* gain;
    const char* resolution;
    const char* step;
};

// The default set-up, the five slits of the README's picture, the heavy grating.
const Case kCases[] = {
    {"default", "Mirror Number Single", "10", "10", "10", ".001", "1"},
    {"five-slit", "Mirror Number Five", "1", "3", "6", ".0001", ".25"},
    {"heavy", "Mirror Number Grating", "10", "10", "10", "1E-05", ".1"},
};

// A pointer moving at 60 positions a second.
constexpr double kMoveIntervalMs = 1000.0 / 60.0;

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const double at = share * static_cast<double>(values.size() - 1);
    const auto low = static_cast<std::size_t>(std::floor(at));
    const auto high = static_cast<std::size_t>(std::ceil(at));
    return values[low] + (values[high] - values[low]) * (at - static_cast<double>(low));
}

// Notes the first paint of the canvas after it is armed.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QElapsedTimer& clock) : clock_(clock) {}
    void Arm() {
        painted_.reset();
        armed_ = true;
    }
    std::optional<double> Painted() const { return painted_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (armed_ && event->type() == QEvent::Paint) {
            painted_ = static_cast<double>(clock_.nsecsElapsed()) * 1e-6;
            armed_ = false;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QElapsedTimer& clock_;
    bool armed_ = false;
    std::optional<double> painted_;
};

// Lets the window work for `ms` milliseconds.
void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Drive(pathsum::MainForm& form, const Case& c, int positions) {
    form.SetLive(false);
    form.Pattern->setText(QString::fromLatin1(c.pattern));
    form.GratingWidthText->setText(QString::fromLatin1(c.width));
    form.GratingSpacingText->setText(QString::fromLatin1(c.spacing));
    form.GainText->setText(QString::fromLatin1(c.gain));
    form.ResolutionText->setText(QString::fromLatin1(c.resolution));
    form.ResolutionXText->setText(QString::fromLatin1(c.step));
    form.Form_MouseDown(1, 0, 10.0f, 20.0f);
    form.SetLive(true);
    Wait(300);  // the first run, which learns how long a full run takes

    QElapsedTimer clock;
    clock.start();
    PaintWatch paints(clock);
    form.Canvas()->installEventFilter(&paints);

    // The positions, left to right at y = 20, each as the frame point of its pixel.
    std::vector<QPoint> pixels;
    std::map<float, int> positionOfX;
    for (int i = 0; i < positions; ++i) {
        const double x = 10.0 + 80.0 * i / std::max(1, positions - 1);
        const QPoint pixel(static_cast<int>(pathsum::PlotFrame::PixelX(x)),
                           static_cast<int>(pathsum::PlotFrame::PixelY(20.0)));
        pixels.push_back(pixel);
        positionOfX[static_cast<float>(pathsum::PlotFrame::FrameX(pixel.x()))] = i;
    }
    const auto send = [&form](QEvent::Type type, QPoint at, Qt::MouseButton button,
                              Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), form.mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&form, &event);
    };
    send(QEvent::MouseButtonPress, pixels.front(), Qt::LeftButton, Qt::LeftButton);
    Wait(300);

    std::vector<double> movedAt(static_cast<std::size_t>(positions), -1.0);
    std::vector<double> latency;
    int nextMove = 0;
    int lastFinished = -1;
    int skipped = 0;
    std::optional<int> awaitingPaint;
    const double start = static_cast<double>(clock.nsecsElapsed()) * 1e-6;
    QObject::connect(&form, &pathsum::MainForm::runEnded, [&] {
        const pathsum::RunRecord& run = form.LastRun();
        if (!run.plan || run.p.back().empty()) {
            return;  // ended by a newer position
        }
        const auto found = positionOfX.find(run.plan->settings.marker.x);
        if (found == positionOfX.end() || found->second <= lastFinished) {
            return;
        }
        skipped += found->second - lastFinished - 1;
        lastFinished = found->second;
        awaitingPaint = found->second;
        paints.Arm();
    });
    QTimer pointer;
    pointer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pointer, &QTimer::timeout, [&] {
        const double now = static_cast<double>(clock.nsecsElapsed()) * 1e-6;
        while (nextMove < positions && now >= start + nextMove * kMoveIntervalMs) {
            // The move is timed from when the pointer made it, however late it is delivered.
            movedAt[static_cast<std::size_t>(nextMove)] = start + nextMove * kMoveIntervalMs;
            send(QEvent::MouseMove, pixels[static_cast<std::size_t>(nextMove)], Qt::NoButton,
                 Qt::LeftButton);
            ++nextMove;
        }
        if (awaitingPaint && paints.Painted()) {
            latency.push_back(*paints.Painted() -
                              movedAt[static_cast<std::size_t>(*awaitingPaint)]);
            awaitingPaint.reset();
        }
    });
    // The loop runs until the last position's picture is painted (or a minute has passed);
    // waiting in the event loop itself keeps the pointer's timer on time.
    QEventLoop loop;
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
        const bool finished =
            nextMove == positions && lastFinished == positions - 1 && !awaitingPaint;
        if (finished || static_cast<double>(clock.nsecsElapsed()) * 1e-6 > start + 60000.0) {
            loop.quit();
        }
    });
    pointer.start(1);
    done.start(5);
    loop.exec();
    done.stop();
    if (awaitingPaint && paints.Painted()) {
        latency.push_back(*paints.Painted() - movedAt[static_cast<std::size_t>(*awaitingPaint)]);
    }
    pointer.stop();
    send(QEvent::MouseButtonRelease, pixels.back(), Qt::LeftButton, Qt::NoButton);
    Wait(300);
    form.Canvas()->removeEventFilter(&paints);
    QObject::disconnect(&form, &pathsum::MainForm::runEnded, nullptr, nullptr);
    std::printf("live %s median_ms %.2f p95_ms %.2f max_ms %.2f skipped %d\n", c.name,
                Percentile(latency, 0.5), Percentile(latency, 0.95), Percentile(latency, 1.0),
                skipped);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int positions = 100;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--positions" && i + 1 < argc) {
            positions = std::max(2, std::atoi(argv[++i]));
        } else if (option == "--case" && i + 1 < argc) {
            only = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--positions N] [--case default|five-slit|heavy]\n",
                         argv[0]);
            return 2;
        }
    }
    QApplication app(argc, argv);
    pathsum::MainForm form;
    form.show();
    QApplication::processEvents();
    for (const Case& c : kCases) {
        if (only.empty() || only == c.name) {
            Drive(form, c, positions);
        }
    }
    return 0;
}
