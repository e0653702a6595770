#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWheelEvent>

#include "CaseName.h"
#include "FormFixture.h"
#include "HelpText.h"

namespace pathsum::testing {
namespace {

// ---- Fine steps ----

TEST_F(FormTest, TheWheelAndTheArrowKeysStepAValueFinely) {
    const QPoint centre = form->GainLabel->rect().center();
    QWheelEvent wheel(centre, form->GainLabel->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form->GainLabel, &wheel);
    EXPECT_EQ(form->GainText->text(), " 8.9");
    QTest::keyClick(form->WavelengthText, Qt::Key_Down);
    EXPECT_EQ(form->WavelengthText->text(), " .89");
    QTest::keyClick(form->WavelengthText, Qt::Key_Up);
    QTest::keyClick(form->WavelengthText, Qt::Key_Up);
    EXPECT_EQ(form->WavelengthText->text(), " 1") << "no further than the top of its range";
}

// ---- Source placement ----

struct ClickCase {
    double x;
    double y;
    const char* xCaption;
    const char* yCaption;
};

void PrintTo(const ClickCase& c, std::ostream* out) {
    *out << c.x << ", " << c.y;
}

class SourceClickTest : public FormTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(SourceClickTest, MovesTheMarkerToTheClickAndCaptionsTheSource) {
    const ClickCase& c = GetParam();
    const QPoint at = PixelAt(c.x, c.y);
    QTest::mouseClick(form.get(), Qt::LeftButton, Qt::NoModifier, at);
    // The marker stands at the frame point of the clicked pixel.
    EXPECT_EQ(form->Source->Left(), static_cast<float>(PlotFrame::FrameX(at.x())));
    EXPECT_EQ(form->Source->Top(), static_cast<float>(PlotFrame::FrameY(at.y())));
    EXPECT_EQ(form->Source0->Left(), form->Source->Left() - 2.0f);
    EXPECT_EQ(form->Source0->Top(), form->Source->Top());
    EXPECT_EQ(form->SourceXLabel->text().toStdString(), c.xCaption);
    EXPECT_EQ(form->SourceYLabel->text().toStdString(), c.yCaption);
}

INSTANTIATE_TEST_SUITE_P(Table, SourceClickTest,
                         ::testing::Values(ClickCase{30, 20, "X=-20", "Y= 80"},
                                           ClickCase{50, 22, "X= 0", "Y= 78"},
                                           ClickCase{105, 45, "X= 55", "Y= 55"},
                                           ClickCase{95, 5, "X= 45", "Y= 95"}),
                         [](const auto& info) { return PointName(info.param.x, info.param.y); });

TEST_F(FormTest, AClickBelowThePlotSelectsAFarSource) {
    QTest::mouseClick(form.get(), Qt::LeftButton, Qt::NoModifier, PixelAt(50, -10));
    EXPECT_LT(form->Source->Top(), -9.5f);
    EXPECT_EQ(form->SourceXLabel->text(), "X= 0");
    // About a hundred times the click's distance below the row.
    const double y = form->SourceYLabel->text().mid(2).toDouble();
    EXPECT_GT(y, 1050);
    EXPECT_LT(y, 1110);
}

TEST_F(FormTest, TheMouseDownProcedureUsesTheClickPointExactly) {
    form->Form_MouseDown(1, 0, 60.0f, -10.0f);
    EXPECT_EQ(form->Source->Left(), 60.0f);
    EXPECT_EQ(form->Source->Top(), -10.0f);
    EXPECT_EQ(form->Source0->Left(), 58.0f);
    EXPECT_EQ(form->SourceXLabel->text(), "X= 100");
    EXPECT_EQ(form->SourceYLabel->text(), "Y= 1100");
}

TEST_F(FormTest, OnlyTheLeftButtonOnTheClientAreaPlacesTheSource) {
    QTest::mouseClick(form.get(), Qt::RightButton, Qt::NoModifier, PixelAt(30, 20));
    QTest::mouseClick(form.get(), Qt::MiddleButton, Qt::NoModifier, PixelAt(30, 20));
    // Presses on controls, the disabled spacing box among them, are not placements.
    QTest::mouseClick(form->GratingSpacingText, Qt::LeftButton);
    QTest::mouseClick(form->ScreenLabel[3], Qt::LeftButton);
    QTest::mouseClick(form->GainLabel, Qt::LeftButton);
    EXPECT_EQ(form->Source->Left(), 50.0f);
    EXPECT_EQ(form->Source->Top(), 0.0f);
    EXPECT_EQ(form->SourceXLabel->text(), "X=0");
}

TEST_F(FormTest, SourceLabelsResetOneCoordinateEach) {
    form->PlaceSource({60.0f, -10.0f});
    QTest::mouseClick(form->SourceXLabel, Qt::LeftButton);
    EXPECT_EQ(form->Source->Left(), 50.0f);
    EXPECT_EQ(form->Source0->Left(), 48.0f);
    EXPECT_EQ(form->Source->Top(), -10.0f) << "still a far source";
    EXPECT_EQ(form->SourceXLabel->text(), "X= 0");
    QTest::mouseClick(form->SourceYLabel, Qt::LeftButton);
    EXPECT_EQ(form->Source->Top(), 0.0f);
    EXPECT_EQ(form->Source0->Top(), 0.0f);
    EXPECT_EQ(form->SourceYLabel->text(), "Y= 100");
}

TEST_F(FormTest, ResolutionXLabelCyclesTheDetectorStep) {
    const char* expected[] = {" .5", " .25", " .1", " 1"};
    for (const char* text : expected) {
        QTest::mouseClick(form->ResolutionXLabel, Qt::LeftButton);
        EXPECT_EQ(form->ResolutionXText->text(), text);
    }
    for (const char* text : expected) {
        QTest::keyClick(form->ResolutionXText, Qt::Key_PageDown);
        EXPECT_EQ(form->ResolutionXText->text(), text) << "from the keyboard";
    }
    form->ResolutionXText->setText("letters");
    QTest::mouseClick(form->ResolutionXLabel, Qt::LeftButton);
    EXPECT_EQ(form->ResolutionXText->text(), " 1");
}

// ---- Parameter entry ----

struct LabelStepCase {
    const char* label;
    const char* box;
    Qt::MouseButton button;
    std::vector<const char*> texts;  // after each release, from the default text
};

void PrintTo(const LabelStepCase& c, std::ostream* out) {
    const char* button = c.button == Qt::LeftButton    ? "left"
                         : c.button == Qt::RightButton ? "right"
                                                       : "middle";
    *out << c.label << " " << button << " button";
}

class LabelStepTest : public FormTest, public ::testing::WithParamInterface<LabelStepCase> {};

TEST_P(LabelStepTest, EachReleaseStepsTheValueByTen) {
    const LabelStepCase& c = GetParam();
    auto* label = form->findChild<QLabel*>(c.label);
    auto* box = form->findChild<QLineEdit*>(c.box);
    ASSERT_TRUE(label && box);
    label->setEnabled(true);  // the spacing entry starts disabled
    box->setEnabled(true);
    const QString start = box->text();
    for (const char* text : c.texts) {
        QTest::mouseClick(label, c.button);
        EXPECT_EQ(box->text().toStdString(), text);
    }
    // In the box, Page Down and Page Up do what the left and right button do on the label.
    if (c.button == Qt::MiddleButton) {
        return;
    }
    box->setText(start);
    for (const char* text : c.texts) {
        QTest::keyClick(box, c.button == Qt::LeftButton ? Qt::Key_PageDown : Qt::Key_PageUp);
        EXPECT_EQ(box->text().toStdString(), text) << "from the keyboard";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LabelStepTest,
    ::testing::Values(
        LabelStepCase{
            "WavelengthLabel", "WavelengthText", Qt::LeftButton, {" .1", " .01", " .001", " 1"}},
        LabelStepCase{
            "WavelengthLabel", "WavelengthText", Qt::RightButton, {" .001", " .01", " .1", " 1"}},
        LabelStepCase{"ResolutionLabel",
                      "ResolutionText",
                      Qt::LeftButton,
                      {" .0001", " 1E-05", " .01", " .001"}},
        LabelStepCase{"ResolutionLabel",
                      "ResolutionText",
                      Qt::RightButton,
                      {" .01", " 1E-05", " .0001", " .001"}},
        LabelStepCase{
            "GainLabel", "GainText", Qt::LeftButton, {" 1", " .1", " .01", " .001", " 10"}},
        LabelStepCase{"GainLabel", "GainText", Qt::RightButton, {" .001", " .01"}},
        LabelStepCase{"GainLabel", "GainText", Qt::MiddleButton, {" 10", " 10"}},
        LabelStepCase{"GratingWidthLabel",
                      "GratingWidthText",
                      Qt::LeftButton,
                      {" 1", " .1", " .01", " .001", " 100", " 10"}},
        LabelStepCase{"GratingWidthLabel", "GratingWidthText", Qt::RightButton, {" 100", " .001"}},
        LabelStepCase{"GratingSpacingLabel",
                      "GratingSpacingText",
                      Qt::LeftButton,
                      {" 1", " .1", " .01", " .001", " 100"}},
        LabelStepCase{"GratingSpacingLabel",
                      "GratingSpacingText",
                      Qt::RightButton,
                      {" 100", " .001", " .01"}}),
    PrintedCaseName());

TEST_F(FormTest, ADoubleClickOnALabelStepsTwice) {
    // What the window system delivers for a double-click: press, release, double-click,
    // release.
    QWidget* label = form->WavelengthLabel;
    const QPoint at = label->rect().center();
    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, at);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(at),
                            QPointF(label->mapToGlobal(at)), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(label, &doubleClick);
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(form->WavelengthText->text(), " .01");
}

TEST_F(FormTest, TextBeyondTheDoubleRangeIsLeftAsItWas) {
    form->GainText->setText("1e999");
    QTest::mouseClick(form->GainLabel, Qt::LeftButton);
    EXPECT_EQ(form->GainText->text(), "1e999");
}

struct DialogCase {
    const char* box;
    const char* prompt;
};

void PrintTo(const DialogCase& c, std::ostream* out) {
    *out << c.box;
}

class EntryDialogTest : public FormTest, public ::testing::WithParamInterface<DialogCase> {
  protected:
    // Clicks into the box and answers the dialog; returns the prompt it showed.
    QString Answer(QLineEdit* box, const QString& typed, bool accept) {
        QString prompt;
        QString initial = "unset";
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            if (dialog != nullptr) {
                prompt = dialog->labelText();
                initial = dialog->textValue();
                dialog->setTextValue(typed);
                if (accept) {
                    dialog->accept();
                } else {
                    dialog->reject();
                }
            } else {
                modal->close();
            }
        });
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(initial, "") << "the entry field starts empty";
        return prompt;
    }
};

TEST_P(EntryDialogTest, StoresWhatWasTypedAndKeepsTheTextWhenCancelled) {
    auto* box = form->findChild<QLineEdit*>(GetParam().box);
    ASSERT_NE(box, nullptr);
    box->setEnabled(true);
    const QString before = box->text();
    EXPECT_EQ(Answer(box, "2.5 metres", false), GetParam().prompt);
    EXPECT_EQ(box->text(), before) << "cancelling must not lose the value";
    EXPECT_EQ(Answer(box, "2.5 metres", true), GetParam().prompt);
    EXPECT_EQ(box->text(), "2.5 metres");
    Answer(box, "", true);
    EXPECT_EQ(box->text(), "") << "an empty answer confirmed with OK is stored";
}

INSTANTIATE_TEST_SUITE_P(Table, EntryDialogTest,
                         ::testing::Values(DialogCase{"WavelengthText", "Input Wavelength:"},
                                           DialogCase{"ResolutionText",
                                                      "Input Resolution in radians:"},
                                           DialogCase{"GainText", "Input Gain:"},
                                           DialogCase{"GratingWidthText", "Input Grating Width:"},
                                           DialogCase{"GratingSpacingText", "Input Spacing:"}),
                         PrintedCaseName());

// ---- Pattern selector ----

TEST_F(FormTest, PatternCyclesThroughSixCaptionsAndTheSpacingEntryFollows) {
    const char* captions[] = {"Mirror Number Double",  "Mirror Number Triple",
                              "Mirror Number Four",    "Mirror Number Five",
                              "Mirror Number Grating", "Mirror Number Single"};
    for (const char* caption : captions) {
        QTest::mouseClick(form->Pattern, Qt::LeftButton);
        EXPECT_EQ(form->Pattern->text(), caption);
        const bool single = std::string(caption) == "Mirror Number Single";
        EXPECT_EQ(form->GratingSpacingText->isEnabled(), !single) << caption;
        EXPECT_EQ(form->GratingSpacingLabel->isEnabled(), !single) << caption;
    }
}

TEST_F(FormTest, AnUnknownCaptionStaysAndEnablesTheSpacingEntry) {
    form->Pattern->setText("Mirror Number single");
    form->Pattern_Click();
    EXPECT_EQ(form->Pattern->text(), "Mirror Number single");
    EXPECT_TRUE(form->GratingSpacingText->isEnabled());
    EXPECT_TRUE(form->GratingSpacingLabel->isEnabled());
}

// ---- Help ----

TEST(HelpText, HasTenParagraphsWithBlankLinesWhereTheyBelong) {
    const std::string& text = HelpText();
    EXPECT_EQ(text.find('\n'), std::string::npos);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', start)) {
        lines.push_back(text.substr(start, cr - start));
        start = cr + 1;
    }
    EXPECT_EQ(start, text.size()) << "the text ends with a carriage return";
    // Paragraph, then an empty line after 1, 2, 3, 4, 6, 8 and 9.
    std::vector<std::string> paragraphs;
    std::vector<int> emptyAfter;
    for (const std::string& line : lines) {
        if (line.empty()) {
            emptyAfter.push_back(static_cast<int>(paragraphs.size()));
        } else {
            paragraphs.push_back(line);
        }
    }
    ASSERT_EQ(paragraphs.size(), 10u);
    EXPECT_EQ(emptyAfter, (std::vector<int>{1, 2, 3, 4, 6, 8, 9}));
    EXPECT_EQ(paragraphs[0],
              "Simulates various slit/mirror configurations for different wavelengths and point "
              "light-source locations. ");
    EXPECT_EQ(paragraphs[7],
              "If too few paths produce eroneous results, use finer angular resolution to get "
              "more paths as measured from point source. ");
    EXPECT_EQ(paragraphs[9],
              "Select Mirror Number, Mirror/Slit Width and Spacing, and Wavelength, Resolution, "
              "Gain, to conduct different experiments. ");
    EXPECT_EQ(std::count(paragraphs[2].begin(), paragraphs[2].end(), '"'), 2);
    EXPECT_NE(HelpTitle().find(", 2016"), std::string::npos);
}

TEST_F(FormTest, HelpShowsTheTextLineByLineWithOnlyAnOkButton) {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Warning;
    int buttons = 0;
    OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    form->Help_Click();
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(title.toStdString(), HelpTitle());
    EXPECT_EQ(text.split('\n').size(), 18) << "ten paragraphs and seven empty lines";
}

}  // namespace
}  // namespace pathsum::testing
