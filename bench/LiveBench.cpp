// Drives the window in the live mode with a drag of the source across the plot, as a pointer
// moving at 60 positions a second would, and times for each position the move to the
// repainted picture of that position's finished run; positions whose run a newer position
// ended first are counted as skipped.
//   pathsum-live-bench [--positions N] [--case default|five-slit|two-slit|heavy] [--white]
//                      [--grid [--where TEXT]] [--field [--waves]]
// --white drags in white light. Prints, one line a case:
//   live CASE median_ms M p95_ms P max_ms X skipped K
// With --field the Field of Light window is open beside the plot (with --waves, showing its
// waves as they move), and each position is timed from its move to the field's first picture
// of that position's run:
//   livefield CASE median_ms M p95_ms P max_ms X skipped K
// With --grid it drags the source of each setting of a wide grid instead (patterns,
// wavelengths down to .001, resolutions down to 1E-06, detector steps 1 and .1, a source near
// the row, one in the plot and a far one) and prints the longest the window left a click
// waiting, over the grid:
//   grid settings N longest_silence_ms median M p95 P max X over_50ms K
// --where TEXT keeps the settings whose line ("Mirror Number Single wavelength 1 resolution
// 1E-06 step 1 source 50,95") holds TEXT, and prints every one of them.
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
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FieldWindow.h"
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

// The default set-up, the five slits of the README's picture, the two-slit lesson, the heavy
// grating.
const Case kCases[] = {
    {"default", "Mirror Number Single", "10", "10", "10", ".001", "1"},
    {"five-slit", "Mirror Number Five", "1", "3", "6", ".0001", ".25"},
    {"two-slit", "Mirror Number Double", "1", "10", "5", ".0001", ".25"},
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

// The case's settings in the live mode, its first run done.
void SetUpCase(pathsum::MainForm& form, const Case& c) {
    form.SetLive(false);
    form.Pattern->setText(QString::fromLatin1(c.pattern));
    form.GratingWidthText->setText(QString::fromLatin1(c.width));
    form.GratingSpacingText->setText(QString::fromLatin1(c.spacing));
    form.GainText->setText(QString::fromLatin1(c.gain));
    form.ResolutionText->setText(QString::fromLatin1(c.resolution));
    form.ResolutionXText->setText(QString::fromLatin1(c.step));
    form.PlaceSource({10.0f, 20.0f});
    form.SetLive(true);
    Wait(300);  // the first run, which learns how long a full run takes
}

// The positions of the drag, left to right at y = 20, each as the frame point of its pixel,
// and which position a source's x is.
struct DragPositions {
    std::vector<QPoint> pixels;
    std::map<float, int> positionOfX;
};

DragPositions Positions(int positions) {
    DragPositions drag;
    for (int i = 0; i < positions; ++i) {
        const double x = 10.0 + 80.0 * i / std::max(1, positions - 1);
        const QPoint pixel(static_cast<int>(pathsum::PlotFrame::PixelX(x)),
                           static_cast<int>(pathsum::PlotFrame::PixelY(20.0)));
        drag.pixels.push_back(pixel);
        drag.positionOfX[static_cast<float>(pathsum::PlotFrame::FrameX(pixel.x()))] = i;
    }
    return drag;
}

void SendMouse(pathsum::MainForm& form, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), form.mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&form, &event);
}

void Drive(pathsum::MainForm& form, const Case& c, int positions) {
    SetUpCase(form, c);

    QElapsedTimer clock;
    clock.start();
    PaintWatch paints(clock);
    form.Canvas()->installEventFilter(&paints);

    const DragPositions drag = Positions(positions);
    const std::vector<QPoint>& pixels = drag.pixels;
    const std::map<float, int>& positionOfX = drag.positionOfX;
    const auto send = [&form](QEvent::Type type, QPoint at, Qt::MouseButton button,
                              Qt::MouseButtons held) { SendMouse(form, type, at, button, held); };
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

// Notes, at each paint of the field's picture, the run whose field it shows.
class FieldPaintWatch : public QObject {
  public:
    FieldPaintWatch(QElapsedTimer& clock, const pathsum::FieldWindow& field,
                    const std::map<float, int>& positionOfX)
        : clock_(clock), field_(field), positionOfX_(positionOfX) {}
    // The position whose run's field a paint showed first, with the time of that paint.
    std::vector<std::pair<int, double>> firsts;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && field_.PictureRun() != nullptr) {
            const auto found = positionOfX_.find(field_.PictureRun()->settings.marker.x);
            if (found != positionOfX_.end() &&
                (firsts.empty() || found->second > firsts.back().first)) {
                firsts.emplace_back(found->second,
                                    static_cast<double>(clock_.nsecsElapsed()) * 1e-6);
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QElapsedTimer& clock_;
    const pathsum::FieldWindow& field_;
    const std::map<float, int>& positionOfX_;
};

// The drag of Drive with the field of light open: each position timed from its move to the
// first paint of the field of its run. Positions whose field never showed, a newer position's
// coming first, are counted as skipped.
void DriveField(pathsum::MainForm& form, pathsum::FieldWindow& field, const Case& c,
                int positions) {
    SetUpCase(form, c);
    // The field of the first run, complete, as before a drag.
    for (int i = 0; i < 2000 && !field.Complete(); ++i) {
        Wait(5);
    }
    QElapsedTimer clock;
    clock.start();
    const DragPositions drag = Positions(positions);
    FieldPaintWatch paints(clock, field, drag.positionOfX);
    field.Picture()->installEventFilter(&paints);
    SendMouse(form, QEvent::MouseButtonPress, drag.pixels.front(), Qt::LeftButton, Qt::LeftButton);
    Wait(300);
    paints.firsts.clear();

    std::vector<double> movedAt(static_cast<std::size_t>(positions), -1.0);
    int nextMove = 0;
    const double start = static_cast<double>(clock.nsecsElapsed()) * 1e-6;
    QTimer pointer;
    pointer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pointer, &QTimer::timeout, [&] {
        const double now = static_cast<double>(clock.nsecsElapsed()) * 1e-6;
        while (nextMove < positions && now >= start + nextMove * kMoveIntervalMs) {
            movedAt[static_cast<std::size_t>(nextMove)] = start + nextMove * kMoveIntervalMs;
            SendMouse(form, QEvent::MouseMove, drag.pixels[static_cast<std::size_t>(nextMove)],
                      Qt::NoButton, Qt::LeftButton);
            ++nextMove;
        }
    });
    QEventLoop loop;
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
        const bool finished = nextMove == positions && !paints.firsts.empty() &&
                              paints.firsts.back().first == positions - 1;
        if (finished || static_cast<double>(clock.nsecsElapsed()) * 1e-6 > start + 60000.0) {
            loop.quit();
        }
    });
    pointer.start(1);
    done.start(5);
    loop.exec();
    done.stop();
    pointer.stop();
    SendMouse(form, QEvent::MouseButtonRelease, drag.pixels.back(), Qt::LeftButton, Qt::NoButton);
    Wait(300);
    field.Picture()->removeEventFilter(&paints);
    std::vector<double> latency;
    int skipped = 0;
    int last = -1;
    for (const auto& [position, paintedAt] : paints.firsts) {
        if (movedAt[static_cast<std::size_t>(position)] < 0.0) {
            continue;
        }
        skipped += position - last - 1;
        last = position;
        latency.push_back(paintedAt - movedAt[static_cast<std::size_t>(position)]);
    }
    std::printf("livefield %s median_ms %.2f p95_ms %.2f max_ms %.2f skipped %d\n", c.name,
                Percentile(latency, 0.5), Percentile(latency, 0.95), Percentile(latency, 1.0),
                skipped);
    std::fflush(stdout);
}

// One setting of the responsiveness grid.
struct GridSetting {
    std::string pattern;
    std::string wavelength;
    std::string resolution;
    std::string step;
    float sourceX;
    float sourceY;
};

std::vector<GridSetting> Grid() {
    std::vector<GridSetting> grid;
    const char* const patterns[] = {"Mirror Number Single", "Mirror Number Double",
                                    "Mirror Number Five", "Mirror Number Grating"};
    const char* const wavelengths[] = {"1", ".01", ".001"};
    const char* const resolutions[] = {".001", "1E-05", "1E-06"};
    const char* const steps[] = {"1", ".1"};
    // Near the row, in the middle of the plot, and below it: a far source.
    const float sources[][2] = {{50.0f, 95.0f}, {30.0f, 20.0f}, {40.0f, -5.0f}};
    for (const char* pattern : patterns) {
        for (const char* wavelength : wavelengths) {
            for (const char* resolution : resolutions) {
                for (const char* step : steps) {
                    for (const auto& source : sources) {
                        grid.push_back(
                            {pattern, wavelength, resolution, step, source[0], source[1]});
                    }
                }
            }
        }
    }
    return grid;
}

// The longest the window leaves a timer waiting while the source of `setting` is dragged a
// few units to and fro at 60 positions a second in the live mode: how long a click would wait.
double LongestSilenceMs(pathsum::MainForm& form, const GridSetting& setting) {
    form.SetLive(false);
    form.Pattern->setText(QString::fromStdString(setting.pattern));
    form.WavelengthText->setText(QString::fromStdString(setting.wavelength));
    form.ResolutionText->setText(QString::fromStdString(setting.resolution));
    form.ResolutionXText->setText(QString::fromStdString(setting.step));
    form.PlaceSource({setting.sourceX, setting.sourceY});
    Wait(20);
    QElapsedTimer clock;
    clock.start();
    double last = 0.0;
    double longest = 0.0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const double now = static_cast<double>(clock.nsecsElapsed()) * 1e-6;
        longest = std::max(longest, now - last);
        last = now;
    });
    probe.start(2);
    const auto send = [&form](QEvent::Type type, QPointF at, Qt::MouseButton button,
                              Qt::MouseButtons held) {
        const QPointF pixel(pathsum::PlotFrame::PixelX(at.x()), pathsum::PlotFrame::PixelY(at.y()));
        QMouseEvent event(type, pixel, form.mapToGlobal(pixel), button, held, Qt::NoModifier);
        QApplication::sendEvent(&form, &event);
    };
    form.SetLive(true);
    const QPointF start(setting.sourceX, setting.sourceY);
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    constexpr int kMoves = 12;
    for (int i = 1; i <= kMoves; ++i) {
        const double along = 4.0 * std::sin(i * 0.6);
        QTimer::singleShot(static_cast<int>(i * kMoveIntervalMs), &form, [&send, start, along] {
            send(QEvent::MouseMove, start + QPointF(along, 0.0), Qt::NoButton, Qt::LeftButton);
        });
    }
    Wait(static_cast<int>((kMoves + 1) * kMoveIntervalMs));
    send(QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    // Until the full run after the release is done.
    while (form.Running()) {
        Wait(5);
    }
    Wait(20);
    probe.stop();
    return longest;
}

std::string Describe(const GridSetting& setting) {
    char source[64];
    std::snprintf(source, sizeof source, "%g,%g", setting.sourceX, setting.sourceY);
    return setting.pattern + " wavelength " + setting.wavelength + " resolution " +
           setting.resolution + " step " + setting.step + " source " + source;
}

void RunGrid(pathsum::MainForm& form, const std::string& where) {
    std::vector<double> silences;
    int over = 0;
    for (const GridSetting& setting : Grid()) {
        const std::string line = Describe(setting);
        if (line.find(where) == std::string::npos) {
            continue;
        }
        const double silence = LongestSilenceMs(form, setting);
        silences.push_back(silence);
        if (silence > 50.0) {
            ++over;
        }
        if (silence > 50.0 || !where.empty()) {
            std::printf("%s: %.1f ms, %s\n", silence > 50.0 ? "over 50 ms" : "silence", silence,
                        line.c_str());
            std::fflush(stdout);
        }
    }
    std::printf("grid settings %zu longest_silence_ms median %.1f p95 %.1f max %.1f over_50ms %d\n",
                silences.size(), Percentile(silences, 0.5), Percentile(silences, 0.95),
                Percentile(silences, 1.0), over);
}

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int positions = 100;
    std::string only;
    bool grid = false;
    bool white = false;
    bool withField = false;
    bool waves = false;
    std::string where;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--positions" && i + 1 < argc) {
            positions = std::max(2, std::atoi(argv[++i]));
        } else if (option == "--case" && i + 1 < argc) {
            only = argv[++i];
        } else if (option == "--grid") {
            grid = true;
        } else if (option == "--white") {
            white = true;
        } else if (option == "--where" && i + 1 < argc) {
            where = argv[++i];
        } else if (option == "--field") {
            withField = true;
        } else if (option == "--waves") {
            waves = true;
        } else {
            std::fprintf(stderr,
                         "usage: %s [--positions N] [--case default|five-slit|two-slit|heavy] "
                         "[--white] [--grid [--where TEXT]] [--field [--waves]]\n",
                         argv[0]);
            return 2;
        }
    }
    QApplication app(argc, argv);
    pathsum::MainForm form;
    form.show();
    form.SetWhiteLight(white);
    QApplication::processEvents();
    if (grid) {
        RunGrid(form, where);
        return 0;
    }
    std::unique_ptr<pathsum::FieldWindow> field;
    if (withField) {
        field = std::make_unique<pathsum::FieldWindow>(&form);
        field->ShowWaves(waves);
        field->show();
        QApplication::processEvents();
    }
    for (const Case& c : kCases) {
        if (!only.empty() && only != c.name) {
            continue;
        }
        if (field) {
            DriveField(form, *field, c, positions);
        } else {
            Drive(form, c, positions);
        }
    }
    return 0;
}
