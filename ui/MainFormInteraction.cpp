// The event procedures that only edit controls: source placement, parameter entry, the
// pattern selector and start-up state, Help and Exit.

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>

#include "HelpText.h"
#include "MainForm.h"
#include "MirrorPattern.h"
#include "NumberText.h"
#include "PlaceSourceDialog.h"

namespace pathsum {

// ---- Source placement -----------------------------------------------------------------------

void MainForm::PutSource0BesideSource() {
    Source0->SetTop(Source->Top());
    Source0->SetLeft(Source->Left() - Source->Width());
}

void MainForm::Form_MouseDown(short button, short, float x, float y) {
    if (button != 1) {
        return;
    }
    PlaceSource({x, y});
}

void MainForm::PlaceSource(SourcePoint marker) {
    Source->SetTop(marker.y);
    Source->SetLeft(marker.x);
    PutSource0BesideSource();
    ShowSourceCaptions(ApplyFarSourceRule(marker));
    SettingsChanged();
}

void MainForm::SourceXLabel_Click() {
    Source->SetLeft(kStartSource.x);
    PutSource0BesideSource();
    // The marker back on the centre line; a marker at x = 50 stands for a source at x = 50, far or
    // not.
    SourceXLabel->setText(QString::fromStdString(SourceXCaption(MarkerPosition())));
    DescribeCaptions();
    SettingsChanged();
}

void MainForm::SourceYLabel_Click() {
    Source->SetTop(kStartSource.y);
    PutSource0BesideSource();
    // The marker back at the bottom of the plot; a marker at y = 0 is no far source: it is
    // captioned as it stands.
    SourceYLabel->setText(QString::fromStdString(SourceYCaption(MarkerPosition())));
    DescribeCaptions();
    SettingsChanged();
}

void MainForm::ResolutionXLabel_Click() {
    ResolutionXText->setText(
        QString::fromStdString(NextDetectorStepText(ResolutionXText->text().toStdString())));
}

void MainForm::PlaceSource_Click() {
    PlaceSourceDialog dialog(MarkerPosition(), DialogParent());
    dialog.setObjectName(QStringLiteral("PlaceSourceDialog"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    PlaceSource(dialog.Marker());
}

// ---- Parameter entry ------------------------------------------------------------------------

const MainForm::ParameterControls& MainForm::ControlsOf(Parameter parameter) {
    for (const ParameterControls& controls : kParameterControls) {
        if (controls.parameter == parameter) {
            return controls;
        }
    }
    return kParameterControls.front();
}

void MainForm::AskForParameter(Parameter parameter) {
    const ParameterControls& controls = ControlsOf(parameter);
    bool accepted = false;
    const QString answer = QInputDialog::getText(DialogParent(), QString(), tr(controls.prompt),
                                                 QLineEdit::Normal, QString(), &accepted);
    // Cancelling keeps what the box held; an answer confirmed with OK is stored as typed.
    if (accepted) {
        (this->*controls.box)->setText(answer);
    }
}

void MainForm::StepParameter(Parameter parameter, short button) {
    ClickLineEdit* box = this->*ControlsOf(parameter).box;
    const auto stepped = StepParameterText(box->text().toStdString(), button, RangeOf(parameter));
    if (stepped) {
        box->setText(QString::fromStdString(*stepped));
    }
}

void MainForm::WavelengthText_Click() {
    AskForParameter(Parameter::Wavelength);
}

void MainForm::ResolutionText_Click() {
    AskForParameter(Parameter::Resolution);
}

void MainForm::GainText_Click() {
    AskForParameter(Parameter::Gain);
}

void MainForm::GratingWidthText_Click() {
    AskForParameter(Parameter::Width);
}

void MainForm::GratingSpacingText_Click() {
    AskForParameter(Parameter::Spacing);
}

void MainForm::WavelengthLabel_MouseUp(short button, short, float, float) {
    StepParameter(Parameter::Wavelength, button);
}

void MainForm::ResolutionLabel_MouseUp(short button, short, float, float) {
    StepParameter(Parameter::Resolution, button);
}

void MainForm::GainLabel_MouseUp(short button, short, float, float) {
    StepParameter(Parameter::Gain, button);
}

void MainForm::GratingWidthLabel_MouseUp(short button, short, float, float) {
    StepParameter(Parameter::Width, button);
}

void MainForm::GratingSpacingLabel_MouseUp(short button, short, float, float) {
    StepParameter(Parameter::Spacing, button);
}

// ---- Pattern selector and start-up state ----------------------------------------------------

void MainForm::Pattern_Click() {
    GratingSpacingText->setEnabled(true);
    GratingSpacingLabel->setEnabled(true);
    const auto next = NextPatternCaption(PatternCaptionOf(Pattern->text()));
    if (!next) {
        return;
    }
    Pattern->setText(ShownPatternCaption(*next));
    DescribeCaptions();
    SettingsChanged();
    if (*next == kPatternCaptions.front()) {
        GratingSpacingText->setEnabled(false);
        GratingSpacingLabel->setEnabled(false);
    }
}

void MainForm::Form_Activate() {
    Pattern->setText(ShownPatternCaption(kPatternCaptions.front()));
    GratingSpacingText->setEnabled(false);
    GratingSpacingLabel->setEnabled(false);
    DescribeCaptions();
}

// ---- Help and Exit --------------------------------------------------------------------------

void MainForm::Help_Click() {
    // The text keeps its carriage returns; Qt breaks lines only at line feeds, so the box is
    // given the same text with each carriage return shown as a line break.
    QString shown = QString::fromStdString(HelpText());
    shown.replace(QChar('\r'), QChar('\n'));
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(HelpTitle()), shown,
                    QMessageBox::Ok, DialogParent());
    box.setObjectName(QStringLiteral("HelpBox"));
    box.exec();
}

void MainForm::ShowRefusal(const QString& reason) {
    if (reportRefusal_) {
        reportRefusal_(reason);
        return;
    }
    // In the live mode every change runs: a refusal is said on the window, not in a box to be
    // answered at every step of a drag.
    if (live_) {
        ShowLiveNotice(reason);
        return;
    }
    QMessageBox box(QMessageBox::Warning, tr("Cannot calculate"), reason, QMessageBox::Ok,
                    DialogParent());
    box.setObjectName(QStringLiteral("RefusalBox"));
    box.exec();
}

void MainForm::ShowRunNotices(const std::vector<std::string>& lines) {
    QStringList said;
    for (const std::string& line : lines) {
        said << QString::fromStdString(line);
        if (reportNotice_) {
            reportNotice_(said.back());
        }
    }
    runNotice_ = said.join(QLatin1Char('\n'));
    ShowNotice();
}

void MainForm::ShowNotice() {
    QStringList said;
    for (const QString& part : {runNotice_, liveNotice_, soundNotice_}) {
        if (!part.isEmpty()) {
            said << part;
        }
    }
    LiveNotice->setText(said.join(QLatin1Char('\n')));
    // As tall as its lines, standing on the bottom of the window: it covers as little as it can
    // of the space below the plot, where a far source's marker may stand.
    const QRect most = FrameRect(0.0, -5.0, 100.0, 12.0);
    const int height = std::min(LiveNotice->heightForWidth(most.width()), most.height());
    LiveNotice->setGeometry(most.x(), most.bottom() + 1 - height, most.width(), height);
    LiveNotice->setVisible(!said.isEmpty());
    LiveNotice->raise();
}

}  // namespace pathsum
