#include <QElapsedTimer>
#include <QMessageBox>
#include <QMouseEvent>

#include "CaseName.h"
#include "FormFixture.h"
#include "NumberText.h"
#include "RunPlan.h"

namespace pathsum::testing {
namespace {

struct MarkerCase {
    float x;
    float y;
    const char* xCaption;
    const char* yCaption;
};

void PrintTo(const MarkerCase& c, std::ostream* out) {
    *out << c.x << ", " << c.y;
}

class CalculateCaptionTest : public FormTest, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(CalculateCaptionTest, PutsSource0BesideTheMarkerAndCaptionsTheSourceOfTheRun) {
    const MarkerCase& c = GetParam();
    form->Source->SetLeft(c.x);
    form->Source->SetTop(c.y);
    form->Calculate_Click();
    EXPECT_EQ(form->SourceXLabel->text().toStdString(), c.xCaption);
    EXPECT_EQ(form->SourceYLabel->text().toStdString(), c.yCaption);
    EXPECT_EQ(form->Source0->Left(), c.x - 2.0f);
    EXPECT_EQ(form->Source0->Top(), c.y);
    // The marker itself stays where it was put.
    EXPECT_EQ(form->Source->Left(), c.x);
    EXPECT_EQ(form->Source->Top(), c.y);
    EXPECT_TRUE(form->Calculate->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Table, CalculateCaptionTest,
                         ::testing::Values(MarkerCase{50, 0, "X= 0", "Y= 100"},
                                           MarkerCase{30, 20, "X=-20", "Y= 80"},
                                           MarkerCase{40, -5, "X=-57", "Y= 600"},
                                           MarkerCase{60, -0.5f, "X= 15", "Y= 150"}),
                         [](const auto& info) { return PointName(info.param.x, info.param.y); });

TEST_F(FormTest, ARunWritesEveryScreenLabelAndDrawsTheCurves) {
    form->Calculate_Click();
    const auto plan = PlanRun(ReadExperimentSettings(SettingsTexts{}, kStartSource));
    const QString count =
        QString::fromStdString(TextFromNumber(std::get<RunPlan>(plan).paths.Count()));
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(form->ScreenLabel[i]->text(),
                  QString::fromStdString(TextFromNumber(10.0 * static_cast<double>(i + 1))));
        EXPECT_EQ(form->PathsLabel[i]->text(), count);
    }
    // The centre of the nearest screen carries the brightest part of its band.
    const QImage& image = form->Canvas()->Image();
    EXPECT_EQ(image.pixelColor(static_cast<int>(PlotFrame::PixelX(50)),
                               static_cast<int>(PlotFrame::PixelY(91))),
              QColor(Qt::white));
    EXPECT_FALSE(form->Running());
}

TEST_F(FormTest, AStopPressedWhileIdleDoesNotCutTheNextRunShort) {
    form->Stop->click();
    EXPECT_EQ(form->Run().StopRequested, 1);
    form->Calculate_Click();
    EXPECT_EQ(form->ScreenLabel[0]->text(), " 10");
    EXPECT_EQ(form->ScreenLabel[9]->text(), " 100");
    EXPECT_EQ(form->Run().StopRequested, 0);
}

TEST_F(FormTest, StopEndsALongRunWithinAFractionOfASecond) {
    // Several seconds of computing at these settings: far less than a path a wavelength, so
    // every path is summed at every point.
    form->WavelengthText->setText(".001");
    form->ResolutionText->setText("1E-05");
    form->ResolutionXText->setText(".01");
    form->Pattern->setText("Mirror Number Grating");
    QElapsedTimer clock;
    QTimer::singleShot(300, form->Stop, [this, &clock] {
        clock.start();
        form->Stop->click();
    });
    form->Calculate->click();
    const qint64 afterStop = clock.elapsed();
    EXPECT_LT(afterStop, 500) << "the run went on for " << afterStop << " ms after Stop";
    EXPECT_TRUE(form->Calculate->isEnabled());
    EXPECT_EQ(form->Run().StopRequested, 0);
    EXPECT_EQ(form->ScreenLabel[9]->text(), "10:") << "the last screen was never reached";
}

TEST_F(FormTest, CalculateIsDisabledWhileARunGoesOn) {
    form->ResolutionXText->setText(".01");
    bool disabledDuringRun = false;
    QTimer::singleShot(0, form.get(), [this, &disabledDuringRun] {
        disabledDuringRun = !form->Calculate->isEnabled() && form->Running();
        form->Stop_Click();
    });
    form->Calculate_Click();
    EXPECT_TRUE(disabledDuringRun);
    EXPECT_TRUE(form->Calculate->isEnabled());
}

TEST_F(FormTest, ClosingTheWindowDuringARunEndsTheRun) {
    form->WavelengthText->setText(".001");
    form->ResolutionText->setText("1E-05");
    form->ResolutionXText->setText(".01");
    QTimer::singleShot(200, form.get(), [this] { form->Exit->click(); });
    QElapsedTimer clock;
    clock.start();
    form->Calculate_Click();
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Running());
    // Closing asked the application to leave its event loop; entering and leaving it once
    // settles that request, so later tests can open dialogs again.
    QTimer::singleShot(0, [] { QApplication::exit(0); });
    QApplication::exec();
}

struct RefusedCase {
    const char* name;
    ClickLineEdit* MainForm::*box;
    const char* text;
    const char* pattern;
    const char* inMessage;
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.name;
}

class RefusedRunTest : public FormTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedRunTest, ShowsWhyAndLeavesThePreviousDrawingAlone) {
    const RefusedCase& c = GetParam();
    form->Calculate_Click();  // a finished run to leave a drawing behind
    const QImage before = form->Canvas()->Image().copy();
    const QString labelBefore = form->PathsLabel[0]->text();

    (form.get()->*c.box)->setText(QString::fromLatin1(c.text));
    form->Pattern->setText(QString::fromLatin1(c.pattern));
    QString shown;
    OnNextModal([&shown](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shown = box->text();
        }
        modal->close();
    });
    form->Calculate_Click();
    EXPECT_TRUE(shown.contains(QString::fromLatin1(c.inMessage))) << shown.toStdString();
    EXPECT_TRUE(form->Calculate->isEnabled());
    EXPECT_EQ(form->Canvas()->Image(), before);
    EXPECT_EQ(form->PathsLabel[0]->text(), labelBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedRunTest,
    ::testing::Values(RefusedCase{"WavelengthZero", &MainForm::WavelengthText, "0",
                                  "Mirror Number Single", "Wavelength \"0\""},
                      RefusedCase{"ResolutionNegative", &MainForm::ResolutionText, "-1",
                                  "Mirror Number Single", "Resolution Radians \"-1\""},
                      RefusedCase{"ResolutionTooFine", &MainForm::ResolutionText, "1e-9",
                                  "Mirror Number Single", "Resolution Radians"},
                      RefusedCase{"DetectorStepZero", &MainForm::ResolutionXText, "0",
                                  "Mirror Number Single", "Resolution X \"0\""},
                      RefusedCase{"GainInfinite", &MainForm::GainText, "9e999",
                                  "Mirror Number Single", "Gain"},
                      RefusedCase{"EndlessGrating", &MainForm::GratingWidthText, "-10",
                                  "Mirror Number Grating", "Width \"-10\" and Spacing \"10\""}),
    [](const auto& info) { return std::string(info.param.name); });

struct NoticeCase {
    const char* name;
    const char* pattern;
    const char* gain;
    SourcePoint marker;
    const char* says;  // empty: no notice
};

void PrintTo(const NoticeCase& c, std::ostream* out) {
    *out << c.name;
}

class RunNoticeTest : public FormTest, public ::testing::WithParamInterface<NoticeCase> {};

// The notice under the plot says what a run read from a box whose text is not a plain number,
// and that no path reached the row, on either side; no box to answer, Calculate enabled again.
TEST_P(RunNoticeTest, SaysWhatTheRunReadAndWhetherAnyPathReachedTheRow) {
    const NoticeCase& c = GetParam();
    SettingsTexts texts;
    texts.patternCaption = c.pattern;
    texts.gain = c.gain;
    form->ApplySetup(texts, c.marker);
    bool boxShown = false;
    OnNextModal([&boxShown](QWidget* modal) {
        boxShown = true;
        modal->close();
    });
    form->Calculate_Click();
    EXPECT_FALSE(boxShown);
    EXPECT_TRUE(form->Calculate->isEnabled());
    const std::string says = c.says;
    EXPECT_EQ(form->LiveNotice->isVisible(), !says.empty());
    EXPECT_TRUE(form->LiveNotice->text().contains(QString::fromStdString(says)))
        << form->LiveNotice->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, RunNoticeTest,
    ::testing::Values(
        NoticeCase{"Defaults", "Mirror Number Single", "10", kStartSource, ""},
        NoticeCase{"Stepped", "Mirror Number Single", " 1E-05", kStartSource, ""},
        NoticeCase{"Comma", "Mirror Number Single", "1,5", kStartSource,
                   "Gain \"1,5\" (read as 1)"},
        NoticeCase{"Letters", "Mirror Number Single", "abc", kStartSource,
                   "Gain \"abc\" (read as 0)"},
        NoticeCase{"LeftCorner", "Mirror Number Double", "10", {0, 100}, "No path reaches"},
        NoticeCase{"RightCorner", "Mirror Number Double", "10", {100, 100}, "No path reaches"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Live ----

// Lets the live mode run what it has been asked for, then settle: until no run has ended for a
// while. Each run it asks for starts from the event loop, however late on a busy machine, and
// runs to its end inside the wait that started it.
void SettleLive(MainForm& form) {
    QElapsedTimer quiet;
    quiet.start();
    const auto connection =
        QObject::connect(&form, &MainForm::runEnded, [&quiet] { quiet.start(); });
    while (!quiet.hasExpired(200)) {
        QTest::qWait(5);
    }
    QObject::disconnect(connection);
}

TEST_F(FormTest, LiveAChangeDuringARunEndsItAndTheFinalSettingsAreWhatStays) {
    form->ResolutionXText->setText(".001");  // 100,001 points a screen: a run long enough to meet
    int ended = 0;
    bool moved = false;
    QObject::connect(form.get(), &MainForm::runEnded, [&ended] { ++ended; });
    QObject::connect(form.get(), &MainForm::runRecordChanged, [&] {
        if (!moved && form->Running()) {
            moved = true;
            // While the run lets the window answer.
            QTimer::singleShot(0, form.get(), [&] { form->PlaceSource({30.0f, 20.0f}); });
        }
    });
    form->SetLive(true);
    SettleLive(*form);
    ASSERT_TRUE(moved);
    EXPECT_EQ(ended, 2) << "the first run ended at the change, one run followed, none queued";
    EXPECT_TRUE(form->Calculate->isEnabled());
    const int lastCount = form->LastRun().plan->paths.Count();

    MainForm separate;
    separate.show();
    separate.ResolutionXText->setText(".001");
    separate.PlaceSource({30.0f, 20.0f});
    separate.Calculate_Click();
    EXPECT_EQ(separate.LastRun().plan->paths.Count(), lastCount);
    EXPECT_EQ(form->Canvas()->Image(), separate.Canvas()->Image());
    EXPECT_EQ(form->ScreenLabel[0]->text(), separate.ScreenLabel[0]->text());
}

TEST_F(FormTest, ADragPlacesTheSourceWhereAClickAtItsLastPointWouldAndRunsOnlyWhenLive) {
    const auto send = [this](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), form->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(form.get(), &event);
    };
    for (const bool live : {false, true}) {
        form->SetLive(live);
        SettleLive(*form);
        const int before = form->LastRun().plan ? 1 : 0;
        send(QEvent::MouseButtonPress, PixelAt(20, 30), Qt::LeftButton);
        send(QEvent::MouseMove, PixelAt(25, 35), Qt::LeftButton);
        send(QEvent::MouseMove, PixelAt(40, -5), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, PixelAt(70, 70), Qt::NoButton);
        SettleLive(*form);
        MainForm clicked;
        clicked.show();
        QTest::mouseClick(&clicked, Qt::LeftButton, Qt::NoModifier, PixelAt(40, -5));
        EXPECT_EQ(form->Source->Left(), clicked.Source->Left());
        EXPECT_EQ(form->Source->Top(), clicked.Source->Top());
        EXPECT_EQ(form->SourceXLabel->text(), clicked.SourceXLabel->text());
        EXPECT_EQ(form->SourceYLabel->text(), clicked.SourceYLabel->text());
        EXPECT_EQ(form->LastRun().plan != nullptr, live || before == 1) << "live " << live;
        if (live) {
            EXPECT_EQ(form->LastRun().plan->settings.marker.x, clicked.Source->Left());
        }
    }
}

}  // namespace
}  // namespace pathsum::testing
