// The window around the client area: the menu bar with its shortcuts, the keyboard, the
// explanations every control carries, and the scaled client area of a small screen.

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <tuple>
#include <utility>

#include "ArrowsWindow.h"
#include "ControlTexts.h"
#include "Exports.h"
#include "FieldWaves.h"
#include "FieldWindow.h"
#include "FormFixture.h"
#include "GuideWindow.h"
#include "MainWindow.h"
#include "NumberText.h"
#include "RecordingCanvas.h"
#include "WindowPlacement.h"

namespace pathsum::testing {
namespace {

// Whether `window` becomes the application's active window. (A window of the program is
// "active" to QTest::qWaitForWindowActive while the main window is, being its transient.)
bool BecomesActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        form = window->Form();
    }
    void TearDown() override {
        ++DialogWatchGeneration();
        window.reset();
    }

    std::unique_ptr<MainWindow> window;
    MainForm* form = nullptr;
};

// What a command did, read from the window; empty when it did nothing to see.
struct CommandCase {
    const char* name;
    Command command;
    std::function<void(MainForm&)> expect;  // checked after the command ran
    const char* dialogTitle;                // the modal box it opens, answered at once
};

void PrintTo(const CommandCase& c, std::ostream* out) {
    *out << c.name;
}

class CommandTest : public WindowTest, public ::testing::WithParamInterface<CommandCase> {
  protected:
    // Runs the command, by its menu entry or by its shortcut; returns the title of the modal
    // box it opened, if any.
    QString Run(bool byShortcut) {
        QString title;
        OnNextModal([&title](QWidget* modal) {
            title = modal->windowTitle();
            modal->close();
        });
        QAction* action = window->Action(GetParam().command);
        EXPECT_NE(action, nullptr);
        if (byShortcut) {
            // Shortcuts reach the active window only; a dialog closed before may have left none.
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
            const QKeySequence keys = action->shortcut();
            EXPECT_FALSE(keys.isEmpty());
            // Typed in a value's box, as at start-up, where the box has the focus: the box keeps
            // none of the commands' keys for itself.
            form->WavelengthText->setFocus();
            QTest::keySequence(form->WavelengthText, keys);
        } else {
            action->trigger();
        }
        QApplication::processEvents();
        return title;
    }
};

TEST_P(CommandTest, TheMenuEntryAndItsShortcutReachTheProcedure) {
    for (bool byShortcut : {false, true}) {
        const QString title = Run(byShortcut);
        EXPECT_EQ(title.toStdString(), GetParam().dialogTitle)
            << (byShortcut ? "shortcut" : "menu entry");
        if (GetParam().expect) {
            GetParam().expect(*form);
        }
        form->Run().StopRequested = 0;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandTest,
    ::testing::Values(
        CommandCase{"Calculate", Command::Calculate,
                    [](MainForm& f) {
                        EXPECT_EQ(f.ScreenLabel[9]->text(), " 100");
                        EXPECT_TRUE(f.Calculate->isEnabled());
                    },
                    ""},
        CommandCase{"Stop", Command::Stop,
                    [](MainForm& f) {
                        EXPECT_EQ(f.Run().StopRequested, 1);
                        EXPECT_EQ(f.ScreenLabel[9]->text(), "10:") << "Stop only sets the flag";
                    },
                    ""},
        CommandCase{"Help",
                    Command::Help,
                    {},
                    "Light as a sum over paths, A. N. Arrowsmith, "
                    "Pathsum Teaching Workshop, 2016"},
        // The widget tests see no print server (QtTestMain.cpp): Print says so.
        CommandCase{"Print", Command::Print, {}, "Print"},
        CommandCase{"PrintOnWhite", Command::PrintOnWhite, {}, "Print"},
        CommandCase{"PlaceSource", Command::PlaceSource, {}, "Place Source"},
        CommandCase{"Open", Command::Open, {}, "Open Set-up"},
        // No set-up file yet: Save asks for a name, as Save As does.
        CommandCase{"Save", Command::Save, {}, "Save Set-up"},
        CommandCase{"SaveAs", Command::SaveAs, {}, "Save Set-up"},
        CommandCase{"ExportPicture", Command::ExportPicture, {}, "Export Picture"},
        // Before a run there are no numbers: Export Data says so.
        CommandCase{"ExportData", Command::ExportData, {}, "Export Data"},
        CommandCase{
            "CopyPicture", Command::CopyPicture,
            [](MainForm& f) { EXPECT_EQ(QGuiApplication::clipboard()->image().size(), f.size()); },
            ""},
        CommandCase{"ProbeWithKeys", Command::ProbeWithKeys,
                    [](MainForm& f) {
                        EXPECT_TRUE(f.Canvas()->hasFocus());
                        EXPECT_TRUE(f.Canvas()->accessibleDescription().startsWith(
                            "Nothing calculated yet"));
                    },
                    ""},
        // On, then off by its key. The tests have no sound device (QtTestMain.cpp):
        // turned on, Sound says so at once, and the window answers on.
        CommandCase{
            "Sound", Command::Sound,
            [](MainForm& f) {
                EXPECT_EQ(f.LiveNotice->isVisible(), f.SoundOn());
                EXPECT_EQ(f.LiveNotice->text().startsWith("There is no sound device"), f.SoundOn())
                    << f.LiveNotice->text().toStdString();
            },
            ""},
        CommandCase{"PlayScreen", Command::PlayScreen,
                    [](MainForm& f) {
                        EXPECT_TRUE(
                            f.LiveNotice->text().startsWith("Screen 10 is not computed yet"));
                    },
                    ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, AboutNamesTheProgramItsVersionAndLicence) {
    QString text;
    OnNextModal([&text](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
        }
        modal->close();
    });
    window->Action(Command::About)->trigger();
    EXPECT_TRUE(text.contains("pathsum")) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(PATHSUM_VERSION))) << text.toStdString();
    EXPECT_TRUE(text.contains("MIT")) << text.toStdString();
}

TEST_F(WindowTest, TheGuideOpensInAWindowOfItsOwnFromWithinTheProgram) {
    QTest::keySequence(window.get(), window->Action(Command::Guide)->shortcut());
    QApplication::processEvents();
    ASSERT_NE(window->Guide(), nullptr);
    EXPECT_TRUE(window->Guide()->isVisible());
    EXPECT_FALSE(window->Guide()->isModal());
    const QTextDocument* guide = window->Guide()->Browser()->document();
    EXPECT_TRUE(guide->toPlainText().contains("Lessons"));
    // Its pictures are inside the program too.
    const QVariant picture =
        guide->resource(QTextDocument::ImageResource, QUrl("qrc:/guide/05-far-source.png"));
    EXPECT_FALSE(picture.value<QImage>().isNull());
}

TEST_F(WindowTest, CalculateIsDisabledInTheMenuWhileARunGoesOn) {
    form->ResolutionXText->setText(".01");
    QAction* calculate = window->Action(Command::Calculate);
    bool disabledDuringRun = false;
    QTimer::singleShot(0, form, [&] {
        disabledDuringRun = !calculate->isEnabled() && form->Running();
        calculate->trigger();  // must not start a second run
        form->Stop_Click();
    });
    calculate->trigger();
    EXPECT_TRUE(disabledDuringRun);
    EXPECT_TRUE(calculate->isEnabled());
}

TEST_F(WindowTest, ExitFromTheMenuClosesTheWindow) {
    // With no set-up file in play, Exit asks nothing, whatever was changed.
    form->GainText->setText("20");
    QTest::keySequence(window.get(), window->Action(Command::Exit)->shortcut());
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    // Closing asked the application to leave its event loop; settle that request.
    QTimer::singleShot(0, [] { QApplication::exit(0); });
    QApplication::exec();
}

// Esc during a drag of the source puts it back where the drag began and stops nothing; the rest
// of the drag moves nothing. (Without a drag Esc is Stop.)
TEST_F(WindowTest, EscDuringADragPutsTheSourceBackWhereTheDragBegan) {
    const auto send = [this](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), form->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(form, &event);
    };
    send(QEvent::MouseButtonPress, PixelAt(20, 30), Qt::LeftButton);
    const SourcePoint began = form->MarkerPosition();
    const QString xCaption = form->SourceXLabel->text();
    const QString yCaption = form->SourceYLabel->text();
    send(QEvent::MouseMove, PixelAt(40, -5), Qt::LeftButton);
    ASSERT_NE(form->MarkerPosition().y, began.y);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    send(QEvent::MouseMove, PixelAt(60, 60), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, PixelAt(60, 60), Qt::NoButton);
    EXPECT_EQ(form->MarkerPosition().x, began.x);
    EXPECT_EQ(form->MarkerPosition().y, began.y);
    EXPECT_EQ(form->Source0->Top(), began.y);
    EXPECT_EQ(form->SourceXLabel->text(), xCaption);
    EXPECT_EQ(form->SourceYLabel->text(), yCaption);
    EXPECT_EQ(form->Run().StopRequested, 0);
}

// View > Theory draws beside the run's picture, never into it: the lines a run hands the canvas
// are the same with it on or off, before or after the run, and turned off again the window
// looks exactly as it did.
TEST_F(WindowTest, TheoryDrawsBesideTheRunsPictureAndOffLeavesTheWindowAsItWas) {
    QAction* theory = window->Action(Command::Theory);
    ASSERT_FALSE(theory->isChecked()) << "off at every start";
    form->Pattern_Click();  // two slits
    form->ResolutionXText->setText("5");
    form->Calculate_Click();
    RecordingCanvas without;
    form->Canvas()->Redraw(without);
    ASSERT_GT(without.Ops().size(), 100U);
    const QImage before = PictureImage(*form, 1, MainForm::PrintLook::AsShown);

    QTest::keyClick(window.get(), Qt::Key_F9);
    ASSERT_TRUE(theory->isChecked());
    EXPECT_FALSE(form->Canvas()->OverlayEmpty());
    EXPECT_TRUE(form->FresnelLabel[9]->isVisible());
    EXPECT_TRUE(form->FresnelLabel[9]->text().startsWith("F="))
        << form->FresnelLabel[9]->text().toStdString();
    EXPECT_FALSE(form->FresnelLabel[9]->toolTip().isEmpty());
    EXPECT_TRUE(PictureImage(*form, 1, MainForm::PrintLook::AsShown) != before);
    for (int run = 0; run < 2; ++run) {
        RecordingCanvas with;
        form->Canvas()->Redraw(with);
        EXPECT_EQ(with.Ops(), without.Ops()) << (run == 0 ? "turned on" : "a run with it on");
        form->Calculate_Click();
    }

    QTest::keyClick(window.get(), Qt::Key_F9);
    EXPECT_TRUE(form->Canvas()->OverlayEmpty());
    EXPECT_FALSE(form->FresnelLabel[9]->isVisible());
    EXPECT_TRUE(PictureImage(*form, 1, MainForm::PrintLook::AsShown) == before);
}

// Shift and a drag measure a line of the plot, shown until Esc; the source stays and no run
// starts.
TEST_F(WindowTest, AShiftDragMeasuresWithoutMovingTheSourceOrStartingARun) {
    const SourcePoint source = form->MarkerPosition();
    const QString yCaption = form->SourceYLabel->text();
    const auto send = [this](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), form->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::ShiftModifier);
        QApplication::sendEvent(form, &event);
    };
    send(QEvent::MouseButtonPress, PixelAt(30, 80), Qt::LeftButton);
    send(QEvent::MouseMove, PixelAt(45, 60), Qt::LeftButton);
    send(QEvent::MouseMove, PixelAt(60, 40), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, PixelAt(60, 40), Qt::NoButton);
    QApplication::processEvents();
    EXPECT_EQ(form->MarkerPosition().x, source.x);
    EXPECT_EQ(form->MarkerPosition().y, source.y);
    EXPECT_EQ(form->SourceYLabel->text(), yCaption);
    EXPECT_FALSE(form->LastRun().plan) << "no run";
    EXPECT_EQ(form->ScreenLabel[9]->text(), "10:");
    // From X -20, Y 20 to X 10, Y 60, to the pixel.
    ASSERT_TRUE(form->RulerView->isVisible());
    const QStringList reading = form->RulerView->Reading();
    ASSERT_EQ(reading.size(), 2) << "no textbook line without Theory";
    const auto numbers = [](const QString& line) {
        QList<double> found;
        static const QRegularExpression number(QStringLiteral("-?[0-9.]+"));
        for (auto it = number.globalMatch(line); it.hasNext();) {
            found << it.next().captured().toDouble();
        }
        return found;
    };
    const QList<double> d = numbers(reading[0]);
    const QList<double> lengthAngle = numbers(reading[1]);
    ASSERT_EQ(d.size(), 2);
    ASSERT_EQ(lengthAngle.size(), 2);
    EXPECT_NEAR(d[0], 30, 0.5);
    EXPECT_NEAR(d[1], 40, 0.5);
    EXPECT_NEAR(lengthAngle[0], 50, 0.5);
    EXPECT_NEAR(lengthAngle[1], 36.87, 0.5);  // atan(30 / 40) from the vertical
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->RulerView->isVisible());
}

TEST_F(WindowTest, TheClientAreaKeepsItsSizeBelowTheMenuBar) {
    EXPECT_EQ(window->centralWidget(), form);
    EXPECT_EQ(form->size(), QSize(794, 771));
    EXPECT_EQ(form->mapTo(window.get(), QPoint(0, 0)), QPoint(0, window->menuBar()->height()));
    QStringList menus;
    for (QAction* menu : window->menuBar()->actions()) {
        menus << menu->text().remove('&');
    }
    EXPECT_EQ(menus, (QStringList{"File", "Edit", "Run", "View", "Help"}));
}

TEST_F(WindowTest, TabMovesDownTheLeftColumnThenToThePlot) {
    form->WavelengthText->setFocus();
    const char* order[] = {"ResolutionText", "ResolutionXText",
                           "GainText",       "GratingWidthText",
                           "Calculate",      "Pattern",
                           "Printit",        "Stop",
                           "Help",           "Exit",
                           "PlotCanvas",     "WavelengthText"};
    for (const char* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), next);
    }
}

TEST_F(WindowTest, PlaceSourceTakesTheCoordinatesTheLabelsShow) {
    struct Case {
        double x;
        double y;
        float left;
        float top;
        const char* xCaption;
        const char* yCaption;
    };
    for (const Case& c :
         {Case{-20, 80, 30, 20, "X=-20", "Y= 80"}, Case{10, 110, 60, -10, "X= 100", "Y= 1100"}}) {
        QString shown;
        OnNextModal([&](QWidget* modal) {
            modal->findChild<QDoubleSpinBox*>("SourceX")->setValue(c.x);
            modal->findChild<QDoubleSpinBox*>("SourceY")->setValue(c.y);
            shown = modal->findChild<QLabel*>("Captions")->text();
            qobject_cast<QDialog*>(modal)->accept();
        });
        form->PlaceSource_Click();
        EXPECT_EQ(form->Source->Left(), c.left);
        EXPECT_EQ(form->Source->Top(), c.top);
        EXPECT_EQ(form->SourceXLabel->text().toStdString(), c.xCaption);
        EXPECT_EQ(form->SourceYLabel->text().toStdString(), c.yCaption);
        EXPECT_TRUE(shown.contains(c.xCaption) && shown.contains(c.yCaption))
            << shown.toStdString();
    }
}

TEST(ControlTexts, EveryControlSaysWhatItIsAndHowToChangeIt) {
    MainForm form;
    QList<QWidget*> controls = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls << &form;
    for (QWidget* control : controls) {
        EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        EXPECT_FALSE(control->accessibleDescription().isEmpty())
            << control->objectName().toStdString();
    }
    EXPECT_TRUE(form.GainLabel->toolTip().contains(".001") &&
                form.GainLabel->toolTip().contains("10"));
    EXPECT_TRUE(form.ResolutionXLabel->toolTip().contains("step between detector points"));
    EXPECT_TRUE(form.toolTip().contains("below the plot"));
}

// On a small screen the client area is drawn scaled; a click lands where it is shown.
TEST(ScaledWindow, AClickPlacesTheSourceWhereItIsShown) {
    MainWindow window(0.8);
    window.show();
    QApplication::processEvents();
    MainForm* form = window.Form();
    EXPECT_EQ(form->size(), QSize(794, 771)) << "the client area itself keeps its size";
    auto* view = qobject_cast<QGraphicsView*>(window.centralWidget());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->size(), QSize(635, 617));
    const QPoint shown(static_cast<int>(PlotFrame::PixelX(30) * 0.8),
                       static_cast<int>(PlotFrame::PixelY(20) * 0.8));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, shown);
    EXPECT_NEAR(form->Source->Left(), 30.0f, 0.25f);
    EXPECT_NEAR(form->Source->Top(), 20.0f, 0.25f);
    EXPECT_EQ(form->SourceXLabel->text(), "X=-20");
}

TEST(ScaledWindow, FitsTheScreenOnlyWhenItMust) {
    MainWindow window;
    EXPECT_FALSE(window.ScaleToFit({1280, 1024}).has_value());
    const auto laptop = window.ScaleToFit({1366, 768});
    ASSERT_TRUE(laptop.has_value());
    EXPECT_LT(*laptop, 1.0);
    EXPECT_LE(771 * *laptop + window.menuBar()->sizeHint().height() + 48, 768);
}

// In the scaled window too, a dialog is a window of its own: modal, closed by Esc, in the
// colours of the unscaled window.
TEST(ScaledWindow, DialogsAreModalWindowsOfTheirOwn) {
    MainWindow window(0.68);
    window.show();
    QApplication::processEvents();
    MainForm* form = window.Form();
    for (void (MainForm::*procedure)() :
         {&MainForm::WavelengthText_Click, &MainForm::PlaceSource_Click, &MainForm::Help_Click}) {
        bool own = false;
        bool closedByEsc = false;
        QColor background;
        OnNextModal([&](QWidget* modal) {
            own = modal->isWindow() && modal->graphicsProxyWidget() == nullptr &&
                  modal->parentWidget() == &window;
            background = modal->palette().color(QPalette::Window);
            QTest::keyClick(modal, Qt::Key_Escape);
            closedByEsc = !modal->isVisible();
            modal->close();
        });
        (form->*procedure)();
        EXPECT_TRUE(own);
        EXPECT_TRUE(closedByEsc);
        EXPECT_EQ(background, QApplication::palette().color(QPalette::Window));
    }
    EXPECT_EQ(form->WavelengthText->text(), "1") << "Esc cancels";
}

// The arrows window stands beside the main window wherever the two fit, and never off the
// screen.
TEST(Placement, TheArrowsWindowStandsBesideTheMainOneWhereBothFit) {
    struct Case {
        QSize screen;
        bool sideBySide;
    };
    for (const Case& c : {Case{{1366, 768}, true}, Case{{1024, 600}, true},
                          Case{{1920, 1080}, true}, Case{{640, 480}, false}}) {
        const QRect screen(QPoint(0, 0), c.screen);
        const double scale = MainWindow().ScaleToFit(c.screen).value_or(1.0);
        MainWindow window(scale);
        ArrowsWindow arrows(window.Form());
        // Centred at the top, as the program starts on a small screen.
        const QRect main(QPoint((c.screen.width() - window.sizeHint().width()) / 2, 0),
                         window.sizeHint());
        const QRect plot(main.topLeft() + QPoint(70, 40), QSize(500, 500) * scale);
        const SideBySide placed =
            PlaceBeside(screen, main, plot, arrows.size(), arrows.minimumSizeHint());
        SCOPED_TRACE(c.screen.width());
        EXPECT_TRUE(screen.contains(placed.main) && screen.contains(placed.side));
        EXPECT_EQ(placed.main.size(), main.size());
        EXPECT_GE(placed.side.width(), kLeastSide);
        EXPECT_EQ(placed.main.intersects(placed.side), !c.sideBySide);
        if (!c.sideBySide) {
            // At the right edge, over the labels' column and the plot's right side, the main
            // window at the left edge: the least of the plot is covered that way.
            EXPECT_EQ(placed.main.left(), 0);
            EXPECT_EQ(placed.side.right(), screen.right());
        }
    }
}

// With one window beside the main one, a second goes into a row with both where the screen has
// room for it, else into a column right of the main window with the first, one above the other,
// else over the first. On a laptop's screen, whichever opens first, the three share it: no
// window covers another by more than a twentieth of the smaller, none leaves the screen, each
// side window keeps kLeastSide on a side and, laid out at the size it was given, a picture that
// can be read.
TEST(Placement, TwoWindowsBesideTheMainOneShareTheScreen) {
    const auto area = [](const QRect& r) { return qint64{r.width()} * r.height(); };
    const auto covers = [&](const QRect& a, const QRect& b) {
        return 20 * area(a.intersected(b)) > std::min(area(a), area(b));
    };
    for (const auto& [a, b, much] :
         {std::tuple{QRect(0, 0, 100, 100), QRect(100, 0, 100, 100), false},
          std::tuple{QRect(0, 0, 100, 100), QRect(95, 0, 100, 100), false},
          std::tuple{QRect(0, 0, 100, 100), QRect(94, 0, 100, 100), true}}) {
        EXPECT_EQ(CoversMuch(a, b), much) << b.x();
    }
    enum class Arrangement { Row, Column, Over };
    struct Case {
        QSize screen;
        Arrangement arrangement;
    };
    for (const Case& c :
         {Case{{2560, 1440}, Arrangement::Row}, Case{{1920, 1080}, Arrangement::Row},
          Case{{1400, 1050}, Arrangement::Column}, Case{{1280, 1024}, Arrangement::Column},
          Case{{1366, 768}, Arrangement::Column}, Case{{1024, 600}, Arrangement::Column},
          Case{{640, 480}, Arrangement::Over}}) {
        for (const bool fieldFirst : {true, false}) {
            SCOPED_TRACE(std::to_string(c.screen.width()) + (fieldFirst ? " field" : " arrows") +
                         " first");
            const QRect screen(QPoint(0, 0), c.screen);
            const double scale = MainWindow().ScaleToFit(c.screen).value_or(1.0);
            MainWindow window(scale);
            ArrowsWindow arrows(window.Form());
            FieldWindow field(window.Form());
            QWidget& first = fieldFirst ? static_cast<QWidget&>(field) : arrows;
            QWidget& second = fieldFirst ? static_cast<QWidget&>(arrows) : field;
            const QRect main(QPoint((c.screen.width() - window.sizeHint().width()) / 2, 0),
                             window.sizeHint());
            const SideBySide alone =
                PlaceBeside(screen, main, QRect(), first.size(), first.minimumSizeHint());
            first.resize(alone.side.size());
            const ThreeBeside placed =
                PlaceSecondBeside(screen, alone.main, alone.side, first.minimumSizeHint(),
                                  second.size(), second.minimumSizeHint());
            for (const QRect& r : {placed.main, placed.first, placed.second}) {
                EXPECT_TRUE(screen.contains(r))
                    << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
            }
            EXPECT_EQ(covers(placed.second, placed.first), c.arrangement == Arrangement::Over);
            EXPECT_EQ(placed.second.top() > placed.first.bottom(),
                      c.arrangement == Arrangement::Column);
            if (c.arrangement == Arrangement::Over) {
                const int least = std::max(kLeastSide, second.minimumSizeHint().width());
                const int forced = std::max(0, least - (screen.right() - placed.main.right()));
                EXPECT_LE(placed.second.intersected(placed.main).width(), forced);
                continue;
            }
            EXPECT_FALSE(covers(placed.first, placed.main));
            EXPECT_FALSE(covers(placed.second, placed.main));
            for (const auto& [side, r] :
                 {std::pair{&first, placed.first}, {&second, placed.second}}) {
                EXPECT_GE(std::min(r.width(), r.height()), kLeastSide);
                side->resize(r.size());
                side->show();
                QApplication::processEvents();
                EXPECT_EQ(side->size(), r.size()) << "the window's least size is larger";
            }
            const QRect square = field.Picture()->Square();
            EXPECT_GE(square.width(), 200) << "field " << field.width() << "x" << field.height();
            EXPECT_TRUE(field.Picture()->visibleRegion().boundingRect().contains(square));
            const QSize chain = arrows.Picture()->size();
            EXPECT_GE(std::min(chain.width(), chain.height()), 160)
                << "arrows " << arrows.width() << "x" << arrows.height();
            arrows.hide();
            field.hide();
        }
    }
}

// ---- Arrows at a Point ----

class ArrowsTest : public WindowTest {
  protected:
    ArrowsWindow& Open() {
        window->Action(Command::ArrowsAtAPoint)->trigger();
        EXPECT_NE(window->Arrows(), nullptr);
        EXPECT_TRUE(window->Arrows()->isVisible());
        return *window->Arrows();
    }
};

TEST_F(ArrowsTest, ShowsThePointUnderThePointerWithTheNumbersOfItsPlottedValue) {
    form->Calculate_Click();
    ArrowsWindow& arrows = Open();
    // Near the centre of the nearest screen: the point x = 50 of the screen y = 90.
    QTest::mouseMove(form, PixelAt(50.2, 89.0));
    ASSERT_NE(arrows.Probed(), nullptr) << arrows.Message().toStdString();
    EXPECT_EQ(arrows.Probed()->screen, 9);
    EXPECT_EQ(arrows.Probed()->point, 50);
    ASSERT_NE(arrows.Chain(), nullptr);
    const RunRecord& run = form->LastRun();
    const double plotted = run.p[9][50];
    const double n = run.plan->paths.Count();
    EXPECT_NEAR(arrows.Chain()->p / (n * n), plotted / (n * n), 1e-12);
    EXPECT_EQ(arrows.NumberText(kChainYName), "10");
    EXPECT_EQ(arrows.NumberText(kChainXName), "0");
    EXPECT_EQ(arrows.NumberText("Paths N"), QString::number(n));
    EXPECT_NEAR(arrows.NumberText("p / N\u00b2").toDouble(), plotted / (n * n),
                1e-5 * plotted / (n * n));
    // The main window marks the point.
    EXPECT_TRUE(form->ProbeMarker->isVisible());
    EXPECT_NEAR(form->ProbeMarker->Left() + form->ProbeMarker->Width() / 2, 50.0f, 1e-4f);
    EXPECT_NEAR(form->ProbeMarker->Top() - form->ProbeMarker->Height() / 2, 90.0f, 1e-4f);

    // Held, the point stays while the pointer moves on.
    arrows.SetHeld(true);
    QTest::mouseMove(form, PixelAt(20, 31));
    EXPECT_EQ(arrows.Probed()->screen, 9);
    arrows.SetHeld(false);
    QTest::mouseMove(form, PixelAt(20.2, 31.5));
    EXPECT_EQ(arrows.Probed()->screen, 3);
    EXPECT_EQ(arrows.Probed()->point, 20);

    // Closing the window unticks its entry and takes the marker away, and nothing else.
    const auto children = form->children().size();
    arrows.close();
    EXPECT_EQ(form->children().size(), children);
    EXPECT_FALSE(window->Action(Command::ArrowsAtAPoint)->isChecked());
    EXPECT_FALSE(form->ProbeMarker->isVisible());
}

// The keyboard's probe from the middle of the farthest screen: each key's step, the arrows
// window following it as it follows the pointer, its mark and what a screen reader hears.
TEST_F(ArrowsTest, TheKeysMoveAProbeTheArrowsFollowAndAScreenReaderHears) {
    form->Calculate_Click();  // the detector step 1: point i at x = i
    ArrowsWindow& arrows = Open();
    window->activateWindow();
    ASSERT_TRUE(BecomesActive(window.get()));
    window->Action(Command::ProbeWithKeys)->trigger();
    QtPlotCanvas* plot = form->Canvas();
    ASSERT_TRUE(plot->hasFocus());
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int times;
        std::size_t screen;  // into kScreenYs: 0 is screen 10, the farthest
        int point;
    };
    const Step steps[] = {
        {Qt::Key_Right, Qt::NoModifier, 1, 0, 51},
        {Qt::Key_Right, Qt::ControlModifier, 1, 0, 61},
        {Qt::Key_Left, Qt::NoModifier, 1, 0, 60},
        {Qt::Key_End, Qt::NoModifier, 1, 0, 100},
        {Qt::Key_Right, Qt::ControlModifier, 1, 0, 100},
        {Qt::Key_PageUp, Qt::NoModifier, 1, 1, 100},
        {Qt::Key_Home, Qt::NoModifier, 1, 1, 0},
        {Qt::Key_Left, Qt::NoModifier, 1, 1, 0},
        {Qt::Key_PageDown, Qt::NoModifier, 2, 0, 0},
        {Qt::Key_PageUp, Qt::NoModifier, 12, 9, 0},
        {Qt::Key_Right, Qt::ControlModifier, 2, 9, 20},
    };
    const RunRecord& run = form->LastRun();
    for (const Step& step : steps) {
        for (int i = 0; i < step.times; ++i) {
            QTest::keyClick(plot, step.key, step.modifiers);
        }
        const std::string where =
            "screen " + std::to_string(step.screen) + " point " + std::to_string(step.point);
        ASSERT_TRUE(form->KeyboardProbe());
        EXPECT_EQ(form->KeyboardProbe()->screen, step.screen) << where;
        EXPECT_EQ(form->KeyboardProbe()->x, step.point) << where;
        ASSERT_NE(arrows.Probed(), nullptr) << where;
        EXPECT_EQ(arrows.Probed()->screen, static_cast<int>(step.screen)) << where;
        EXPECT_EQ(arrows.Probed()->point, step.point) << where;
        EXPECT_TRUE(form->ProbeMarker->isVisible());
        EXPECT_NEAR(form->ProbeMarker->Left() + form->ProbeMarker->Width() / 2, step.point, 1e-4);
        // "Screen 3, X -20: 0.41 of the screen's brightest": as the labels count the screens and
        // give a point's X, from the row's centre.
        const std::vector<double>& p = run.p[step.screen];
        const double brightness = p[step.point] / *std::max_element(p.begin(), p.end());
        const QString said = plot->accessibleDescription();
        const QString head = QStringLiteral("Screen %1, X %2: ")
                                 .arg(10 - static_cast<int>(step.screen))
                                 .arg(step.point - 50);
        EXPECT_TRUE(said.startsWith(head) && said.endsWith(" of the screen's brightest"))
            << said.toStdString() << " at " << where;
        EXPECT_NEAR(said.mid(head.size()).section(' ', 0, 0).toDouble(), brightness,
                    0.005 + 0.05 * brightness)
            << said.toStdString();
    }
    // The plot let go, it says what it shows again.
    form->WavelengthText->setFocus();
    EXPECT_TRUE(plot->accessibleDescription().startsWith("The mirrors or slits"));
}

// A window beside the main one, opened by its key from a value's box, takes the focus; the
// commands' keys work from it as from the main window; Ctrl+W closes it, and so does the key of
// its View entry.
TEST_F(WindowTest, TheWindowsBesideTheMainOneTakeTheFocusAndTheCommandsKeys) {
    struct Case {
        Command opens;
        std::function<QWidget*()> side;
        bool toggles;  // its key closes it again
    };
    const Case cases[] = {
        {Command::ArrowsAtAPoint, [this] { return window->Arrows(); }, true},
        {Command::FieldOfLight, [this] { return window->Field(); }, true},
        {Command::Guide, [this] { return window->Guide(); }, false},
    };
    for (const Case& c : cases) {
        const QKeySequence opens = window->Action(c.opens)->shortcut();
        SCOPED_TRACE(opens.toString().toStdString());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        form->WavelengthText->setFocus();
        QTest::keySequence(form->WavelengthText, opens);
        QWidget* side = c.side();
        ASSERT_NE(side, nullptr);
        ASSERT_TRUE(side->isVisible());
        EXPECT_TRUE(BecomesActive(side)) << "it took the focus";
        EXPECT_EQ(form->WavelengthText->text(), "1");

        form->ScreenLabel[9]->setText("10:");
        side->activateWindow();
        ASSERT_TRUE(BecomesActive(side));
        QTest::keyClick(side, Qt::Key_F5);
        EXPECT_EQ(form->ScreenLabel[9]->text(), " 100") << "F5 ran";
        QTest::keyClick(side, Qt::Key_Escape);
        EXPECT_EQ(form->Run().StopRequested, 1) << "Esc asked for a stop";
        EXPECT_TRUE(side->isVisible()) << "Esc closes nothing";
        form->Run().StopRequested = 0;
        if (c.toggles) {
            QTest::keySequence(side, opens);
            EXPECT_FALSE(side->isVisible()) << "its own key closed it";
            window->activateWindow();
            ASSERT_TRUE(BecomesActive(window.get()));
            QTest::keySequence(window.get(), opens);
            ASSERT_TRUE(BecomesActive(side));
        }
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_W));
        EXPECT_FALSE(side->isVisible()) << "Ctrl+W closed it";
    }
}

TEST_F(ArrowsTest, SaysWhenAPointHasNoPathsOrIsNotComputedYet) {
    ArrowsWindow& arrows = Open();
    form->Pattern->setText("Mirror Number single");  // no element: no paths anywhere
    form->Calculate_Click();
    arrows.ProbeAt(50, 50);
    EXPECT_TRUE(arrows.Message().contains("No paths reach this point"))
        << arrows.Message().toStdString();
    EXPECT_EQ(arrows.NumberText("Paths N"), "0");

    // A new run clears the probe until the probed screen exists.
    form->Pattern->setText("Mirror Number Single");
    form->ResolutionXText->setText(".01");
    QString during;
    QTimer::singleShot(0, form, [&] {
        arrows.ProbeAt(50, 1);  // the last screen a run computes
        during = arrows.Message();
        form->Stop_Click();
    });
    form->Calculate_Click();
    EXPECT_TRUE(during.contains("not computed yet")) << during.toStdString();
    EXPECT_EQ(arrows.Chain(), nullptr);
}

// ---- Field of Light ----

class FieldTest : public ArrowsTest {
  protected:
    FieldWindow& OpenField() {
        window->Action(Command::FieldOfLight)->trigger();
        EXPECT_NE(window->Field(), nullptr);
        EXPECT_TRUE(window->Field()->isVisible());
        return *window->Field();
    }
    static void Finish(FieldWindow& field) {
        for (int i = 0; i < 4000 && !field.Complete(); ++i) {
            QTest::qWait(5);
        }
        ASSERT_TRUE(field.Complete()) << field.Status().toStdString();
    }
};

// The pointer over the field chooses its point of the plane, any point below the row: the
// arrows window shows that point's chain, its distance from the row as the screen's, and both
// windows mark it; Hold keeps it. Every control of the field says what it is.
TEST_F(FieldTest, ThePointerOverTheFieldShowsThatPointsChain) {
    form->Calculate_Click();
    ArrowsWindow& arrows = Open();
    FieldWindow& field = OpenField();
    Finish(field);
    const QList<QWidget*> controls =
        field.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^Field")));
    EXPECT_GE(controls.size(), 11);
    for (QWidget* control : controls) {
        EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
    }
    const QPointF over = field.Picture()->WidgetPoint(30.5, 97.25).toPoint();
    QMouseEvent move(QEvent::MouseMove, over, field.Picture()->mapToGlobal(over), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(field.Picture(), &move);
    ASSERT_TRUE(field.Picture()->Probe().has_value());
    const QPointF probed = *field.Picture()->Probe();
    const double pixel = 100.0 / field.Picture()->Square().width();
    EXPECT_NEAR(probed.x(), 30.5, pixel);
    EXPECT_NEAR(probed.y(), 97.25, pixel);
    ASSERT_NE(arrows.Chain(), nullptr) << arrows.Message().toStdString();
    EXPECT_EQ(arrows.Probed(), nullptr) << "not a detector point";
    const RunPlan& plan = *form->LastRun().plan;
    ArrowChain chain;
    ChainAtPoint(plan.paths, plan.settings.wavelength, probed.y(), probed.x(), chain);
    EXPECT_EQ(arrows.Chain()->p, chain.p);
    EXPECT_EQ(arrows.NumberText(kChainYName),
              QString::fromStdString(ReadableNumber(100.0 - probed.y())));
    // The field gives the point as the main window's labels do: X from the centre, Y below the
    // row.
    const QString where = QStringLiteral("X %1, Y %2")
                              .arg(QString::fromStdString(ReadableNumber(probed.x() - 50.0)),
                                   QString::fromStdString(ReadableNumber(100.0 - probed.y())));
    EXPECT_TRUE(field.PointerText().startsWith(where)) << field.PointerText().toStdString();
    EXPECT_TRUE(form->ProbeMarker->isVisible());
    EXPECT_NEAR(form->ProbeMarker->Top() - form->ProbeMarker->Height() / 2, probed.y(), 1e-4);

    // The point is the centre of the pixel under the pointer, whose value the field shows.
    const FieldGrid& grid = field.Refinement()->Grid();
    const QPointF pointer = field.Picture()->PlotPoint(over);
    const int i = grid.ColumnOf(pointer.x());
    const int k = grid.RowOf(pointer.y());
    EXPECT_EQ(probed, QPointF(grid.X(i), grid.Y(k)));
    const double n = plan.paths.Count();
    EXPECT_NEAR(field.Refinement()->P()[static_cast<std::size_t>(k) * grid.columns + i] / (n * n),
                chain.p / (n * n), 1e-12);
    arrows.SetHeld(true);
    field.PointAt(60, 20);
    EXPECT_EQ(*field.Picture()->Probe(), probed);
    arrows.SetHeld(false);
    // The arrows window shown again where the field now stands is placed anew: the field still
    // reaches it once a point, not once a placing.
    window->Action(Command::ArrowsAtAPoint)->trigger();
    arrows.move(field.pos());
    arrows.resize(field.size());
    window->Action(Command::ArrowsAtAPoint)->trigger();
    ASSERT_TRUE(arrows.isVisible());
    QSignalSpy probes(&arrows, &ArrowsWindow::pointProbed);
    field.PointAt(60, 20);
    EXPECT_EQ(probes.count(), 1);
    EXPECT_EQ(*field.Picture()->Probe(),
              QPointF(grid.X(grid.ColumnOf(60)), grid.Y(grid.RowOf(20))));
    // The keys move the point on from there as the pointer would, pixel by pixel (Page Down: a
    // screen's spacing, ten units, down), and the readout's name says where and how bright.
    QTest::keyClick(field.Picture(), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(field.Picture(), Qt::Key_Up);
    QTest::keyClick(field.Picture(), Qt::Key_PageDown);
    const QPointF stepped(grid.X(grid.ColumnOf(60) + 10),
                          grid.Y(grid.RowOf(grid.Y(grid.RowOf(20) + 1) - 10.0)));
    EXPECT_EQ(*field.Picture()->Probe(), stepped);
    EXPECT_EQ(arrows.NumberText(kChainYName),
              QString::fromStdString(ReadableNumber(100.0 - stepped.y())));
    const QString name = field.findChild<QLabel*>("FieldPointer")->accessibleName();
    EXPECT_TRUE(name.endsWith(field.PointerText()) && field.PointerText().contains("p / N"))
        << name.toStdString();
    // The windows beside the main one reach a screen reader as windows, by their titles.
    for (QWidget* side : {static_cast<QWidget*>(&field), static_cast<QWidget*>(&arrows)}) {
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(side);
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(seen->role(), QAccessible::Window);
        EXPECT_EQ(seen->text(QAccessible::Name), side->windowTitle());
    }
    // A pointer over the main plot goes back to its detector points, and the field marks them.
    const QPointF overPlot = PixelAt(20.2, 31.5);
    QMouseEvent plotMove(QEvent::MouseMove, overPlot, form->mapToGlobal(overPlot), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form, &plotMove);
    ASSERT_NE(arrows.Probed(), nullptr);
    EXPECT_EQ(*field.Picture()->Probe(), QPointF(20, 30));
    arrows.close();
    EXPECT_FALSE(field.Picture()->Probe().has_value());
}

// The field of a run at every pixel, saved with every digit after the settings: each value the
// sum over every path at its pixel's centre. A new run starts it afresh; a file that cannot be
// written is said so and nothing is written.
TEST_F(FieldTest, SavesTheNumbersOfEveryPixelOfTheLastRun) {
    form->Calculate_Click();
    FieldWindow& field = OpenField();
    QTemporaryDir folder;
    for (const char* pattern : {"Mirror Number Single", "Mirror Number Double"}) {
        form->Pattern->setText(pattern);
        form->Calculate_Click();
        EXPECT_FALSE(field.Complete()) << "a new run, a new field";
        Finish(field);
        const QString path = folder.filePath("field.csv");
        ASSERT_TRUE(field.SaveNumbers(path));
        std::ifstream in(path.toStdString());
        std::string line;
        std::getline(in, line);
        EXPECT_EQ(line.rfind("# pathsum ", 0), 0u) << line;
        while (std::getline(in, line) && line[0] == '#') {
        }
        EXPECT_EQ(line, "X_from_centre,Y_below_row,paths,p_over_n2,re,im");
        const RunPlan& plan = *form->LastRun().plan;
        const FieldGrid& grid = field.Refinement()->Grid();
        const double n = plan.paths.Count();
        std::size_t rows = 0;
        while (std::getline(in, line)) {
            const int i = static_cast<int>(rows % static_cast<std::size_t>(grid.columns));
            const int k = static_cast<int>(rows / static_cast<std::size_t>(grid.columns));
            ++rows;
            if (i != 7 || k % 97 != 3) {
                continue;
            }
            char* at = line.data();
            const double x = std::strtod(at, &at);
            const double y = std::strtod(at + 1, &at);
            const double paths = std::strtod(at + 1, &at);
            const double value = std::strtod(at + 1, &at);
            const double re = std::strtod(at + 1, &at);
            const double im = std::strtod(at + 1, &at);
            EXPECT_EQ(x, grid.X(i) - 50.0);
            EXPECT_EQ(y, 100.0 - grid.Y(k));
            EXPECT_EQ(paths, n);
            std::vector<double> p(1);
            ComputeScreen(plan.paths, plan.settings.wavelength, grid.Y(k),
                          std::vector<double>{grid.X(i)}, p);
            EXPECT_EQ(value, p[0] / (n * n)) << pattern << " x " << x << " y " << y;
            // The sum itself: its components are the path's arrows added up.
            std::vector<double> cosines(plan.paths.Count());
            std::vector<double> sines(plan.paths.Count());
            ArrowsAtPoint(plan.paths, plan.settings.wavelength, grid.Y(k), grid.X(i), cosines,
                          sines);
            const double direct[2] = {std::accumulate(cosines.begin(), cosines.end(), 0.0),
                                      std::accumulate(sines.begin(), sines.end(), 0.0)};
            EXPECT_NEAR(re, direct[0], 1e-9 * n) << pattern << " x " << x << " y " << y;
            EXPECT_NEAR(im, direct[1], 1e-9 * n) << pattern << " x " << x << " y " << y;
            EXPECT_EQ(at, line.data() + line.size());
        }
        EXPECT_EQ(rows, grid.Pixels());
    }
    const QString picture = folder.filePath("field.png");
    ASSERT_TRUE(field.SavePicture(picture));
    EXPECT_GE(QImage(picture).width(), field.Picture()->Square().width());

    QString title;
    QWidget* parent = nullptr;
    OnNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        parent = modal->parentWidget();
        modal->close();
    });
    const QString nowhere = folder.filePath("no such folder/field.csv");
    EXPECT_FALSE(field.SaveNumbers(nowhere));
    EXPECT_EQ(title, "Field of Light");
    EXPECT_EQ(parent, &field);
    EXPECT_FALSE(QFile::exists(nowhere));
}

// The waves: frames only while someone can see them (not for a map of p, nor in a hidden,
// minimised or paused window); a frame colours the sums the field keeps, turned to its
// instant, and forms none; the probed point's chain turns with the frames, its resultant's
// projection the value its pixel shows; a live change brings a new field while the time runs on.
TEST_F(FieldTest, TheWavesMoveOnlyWhileSeenAndTheChainTurnsWithThem) {
    form->Calculate_Click();
    ArrowsWindow& arrows = Open();
    FieldWindow& field = OpenField();
    Finish(field);
    EXPECT_FALSE(field.WavesMoving()) << "a map of p stands still";
    field.ShowWaves(true);
    ASSERT_TRUE(field.WavesMoving());
    const FieldRefinement* refinement = field.Refinement();
    const std::vector<double> re(refinement->Re().begin(), refinement->Re().end());
    const std::vector<double> im(refinement->Im().begin(), refinement->Im().end());
    const long long frames = field.WaveFrames();
    const double before = field.WavePeriods();
    ASSERT_TRUE(QTest::qWaitFor([&] { return field.WaveFrames() >= frames + 3; }, 3000));
    EXPECT_NE(field.WavePeriods(), before) << "the time runs";
    field.SetWavesPaused(true);
    EXPECT_FALSE(field.WavesMoving());
    EXPECT_EQ(field.Refinement(), refinement);
    EXPECT_TRUE(std::ranges::equal(refinement->Re(), re) &&
                std::ranges::equal(refinement->Im(), im))
        << "a frame forms no sum";
    const RunPlan& plan = *form->LastRun().plan;
    const FieldGrid& grid = refinement->Grid();
    const int n = plan.paths.Count();
    std::vector<std::uint32_t> frame;
    PaintWaves(re, im, grid.columns, grid.rows, n, field.WavePeriods(),
               ScaleFor(plan.settings.gain, false), frame);
    const QImage& shown = field.Picture()->ShownPicture();
    ASSERT_EQ(shown.size(), QSize(grid.columns, grid.rows));
    for (int k = 0; k < grid.rows; ++k) {
        ASSERT_TRUE(std::equal(frame.begin() + static_cast<std::ptrdiff_t>(k) * grid.columns,
                               frame.begin() + static_cast<std::ptrdiff_t>(k + 1) * grid.columns,
                               reinterpret_cast<const std::uint32_t*>(shown.constScanLine(k))))
            << "row " << k;
    }

    // The chain of the point under the pointer, turned to the frame's instant.
    field.PointAt(37, 61);
    ASSERT_EQ(arrows.WavePeriods(), field.WavePeriods());
    arrows.Picture()->repaint();
    const ArrowPlacement& placed = arrows.Picture()->Placement();
    const std::size_t at =
        static_cast<std::size_t>(grid.RowOf(61)) * grid.columns + grid.ColumnOf(37);
    const double value = WaveValue(re[at], im[at], n, WaveTurnAt(field.WavePeriods()));
    EXPECT_NEAR(placed.projection.x, placed.origin.x + placed.scale * n * value, 0.5);
    EXPECT_EQ(placed.projection.y, placed.origin.y);

    // Space, with the focus on the picture, starts them again; hidden, minimised or another map:
    // no frames, and the chain stands still without the waves.
    field.activateWindow();
    ASSERT_TRUE(BecomesActive(&field));
    QTest::keyClick(field.Picture(), Qt::Key_Space);
    EXPECT_TRUE(field.WavesMoving());
    field.hide();
    EXPECT_FALSE(field.WavesMoving());
    EXPECT_FALSE(arrows.WavePeriods().has_value());
    field.show();
    EXPECT_TRUE(field.WavesMoving());
    field.showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !field.WavesMoving(); }, 2000));
    field.showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return field.WavesMoving(); }, 2000));
    field.ShowWaves(false);
    EXPECT_FALSE(field.WavesMoving());
    EXPECT_FALSE(arrows.WavePeriods().has_value());
    field.ShowWaves(true);

    // Live: a change brings the new run's field while the waves move on.
    form->SetLive(true);
    form->GainText->setText("20");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return field.PictureRun() != nullptr && field.PictureRun()->settings.gain == 20.0; },
        5000));
    EXPECT_TRUE(field.WavesMoving());
    const long long live = field.WaveFrames();
    EXPECT_TRUE(QTest::qWaitFor([&] { return field.WaveFrames() >= live + 3; }, 3000));
}

// The wheel zooms about the pointer, the view stays within the square, Home shows it whole; a
// short wavelength makes fringes finer than the pixels, which the window says until the view
// is narrow enough; F7 closes the window from itself.
TEST_F(FieldTest, ZoomsAboutThePointerAndSaysWherePixelsCannotShowTheFringes) {
    form->WavelengthText->setText(".01");
    form->Calculate_Click();
    FieldWindow& field = OpenField();
    EXPECT_TRUE(field.Notice().contains("Zoom in")) << field.Notice().toStdString();
    FieldPictureView& picture = *field.Picture();
    const QPointF at = picture.WidgetPoint(50, 90);
    QWheelEvent wheel(at, picture.mapToGlobal(at), QPoint(), QPoint(0, 4 * 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&picture, &wheel);
    const double side = 100.0 / std::pow(1.25, 4);
    EXPECT_NEAR(field.View().width, side, 1e-9);
    EXPECT_NEAR(picture.PlotPoint(at).x(), 50.0, 1e-9);
    EXPECT_NEAR(picture.PlotPoint(at).y(), 90.0, 1e-9);
    EXPECT_EQ(field.Refinement()->Grid().view, field.View()) << "each view computed afresh";
    field.PanBy(-500, 500);
    EXPECT_EQ(field.View().left, 0.0);
    EXPECT_EQ(field.View().bottom + field.View().height, 100.0);
    field.SetView({49.9, 49.9, 0.05, 0.05});
    EXPECT_EQ(field.Notice(), "");
    QTest::keyClick(&picture, Qt::Key_Plus);
    EXPECT_NEAR(field.View().width, 0.04, 1e-12);
    // Home wherever the focus is in the window.
    field.activateWindow();
    ASSERT_TRUE(BecomesActive(&field));
    auto* logarithmic = field.findChild<QWidget*>("FieldLogarithmic");
    logarithmic->setFocus();
    QTest::keyClick(logarithmic, Qt::Key_Home);
    EXPECT_EQ(field.View(), FieldView{});
    QTest::keyClick(&field, Qt::Key_F7);
    EXPECT_FALSE(field.isVisible());
    EXPECT_FALSE(window->Action(Command::FieldOfLight)->isChecked());
}

}  // namespace
}  // namespace pathsum::testing
