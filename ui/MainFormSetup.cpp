// A set-up applied to the window: the controls set as the user would set them, so that every
// rule of the controls holds for a set-up opened from a file too.

#include "ControlTexts.h"
#include "MainForm.h"
#include "MirrorPattern.h"

namespace pathsum {

void MainForm::ApplySetup(const SettingsTexts& texts, SourcePoint marker, bool whiteLight) {
    const auto show = [](const std::string& text) { return QString::fromStdString(text); };
    WavelengthText->setText(show(texts.wavelength));
    ResolutionText->setText(show(texts.resolution));
    ResolutionXText->setText(show(texts.resolutionX));
    GainText->setText(show(texts.gain));
    GratingWidthText->setText(show(texts.width));
    GratingSpacingText->setText(show(texts.spacing));
    // As Pattern_Click leaves them: a single mirror has no spacing.
    Pattern->setText(ShownPatternCaption(texts.patternCaption));
    const bool spaced = texts.patternCaption != kPatternCaptions.front();
    GratingSpacingText->setEnabled(spaced);
    GratingSpacingLabel->setEnabled(spaced);
    DescribeCaptions();
    SetWhiteLight(whiteLight);
    SettingsChanged();
    PlaceSource(marker);
}

void MainForm::SetWhiteLight(bool on) {
    if (on == white_) {
        return;
    }
    white_ = on;
    emit lightChanged(on);
    SettingsChanged();
}

void MainForm::ReplaceSetup(const SettingsTexts& texts, SourcePoint marker, bool whiteLight) {
    if (!live_) {
        if (Running()) {
            // Cleared once the run has ended: until then it may still write a screen's labels.
            state_.Abandon(RunState::Picture::Clear);
        } else {
            ClearRun();
        }
    }
    ApplySetup(texts, marker, whiteLight);
}

void MainForm::SetRefusalReporter(std::function<void(const QString& reason)> report) {
    reportRefusal_ = std::move(report);
}

void MainForm::SetNoticeReporter(std::function<void(const QString& notice)> report) {
    reportNotice_ = std::move(report);
}

}  // namespace pathsum
