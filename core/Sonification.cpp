#include "Sonification.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "Geometry.h"

namespace pathsum {

namespace {

// The share of the way to its target that the pitch and the pan cover in one frame: a glide
// with the time constant kGlideSeconds.
double GlidePerFrame() {
    static const double share = 1.0 - std::exp(-1.0 / (kGlideSeconds * kSampleRate));
    return share;
}

// x as a share of the plot's width, 0 to 1; the middle for an x that is not a number.
double PanShare(double x) {
    if (std::isnan(x)) {
        return 0.5;
    }
    return std::clamp((x - kPlotLeft) / (kPlotRight - kPlotLeft), 0.0, 1.0);
}

std::int16_t SampleOf(double v) {
    return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
}

// The value along a screen's curve, walked once from left to right: `next` is the first point
// at or beyond the x asked for last.
class CurveWalk {
  public:
    explicit CurveWalk(std::span<const PlottedPoint> points) : points_(points) {}

    double ValueAt(double x) {
        while (next_ < points_.size() && points_[next_].x < x) {
            ++next_;
        }
        if (next_ == points_.size()) {
            return points_.back().value;
        }
        const PlottedPoint to = points_[next_];
        // Before the first point the curve rises from the screen line at x = 0.
        const PlottedPoint from = next_ > 0 ? points_[next_ - 1] : PlottedPoint{kPlotLeft, 0.0};
        if (to.x <= from.x) {
            return to.value;
        }
        return from.value + (to.value - from.value) * (x - from.x) / (to.x - from.x);
    }

  private:
    std::span<const PlottedPoint> points_;
    std::size_t next_ = 0;
};

}  // namespace

double ScreenTop(std::span<const PlottedPoint> points) {
    double top = 0.0;
    for (const PlottedPoint& point : points) {
        // fmax passes over a value that is not a number.
        top = std::fmax(top, std::fabs(point.value));
    }
    return top;
}

double Brightness(double value, double top) {
    if (!std::isfinite(top) || top == 0.0) {
        return 0.0;
    }
    const double share = std::fabs(value) / std::fabs(top);
    if (std::isnan(share)) {
        return 0.0;
    }
    return std::min(share, 1.0);
}

double ToneFrequency(double value, double top) {
    return kLowTone * std::exp2(kToneOctaves * Brightness(value, top));
}

PanGains PanAt(double x) {
    const double angle = PanShare(x) * kPi / 2.0;
    return {std::cos(angle), std::sin(angle)};
}

void Tone::Render(const ToneTarget& target, std::span<std::int16_t> samples) {
    if (samples.size() % kSoundChannels != 0) {
        throw std::invalid_argument("Tone::Render: samples of whole frames (left and right)");
    }
    const double targetOctave = kToneOctaves * Brightness(target.value, target.top);
    const double targetPan = PanShare(target.x);
    if (!started_) {
        octave_ = targetOctave;
        pan_ = targetPan;
        started_ = true;
    }
    const double glide = GlidePerFrame();
    const double levelStep = 1.0 / kFadeFrames;
    for (std::size_t i = 0; i < samples.size(); i += kSoundChannels) {
        octave_ += (targetOctave - octave_) * glide;
        pan_ += (targetPan - pan_) * glide;
        level_ = fadingOut_ ? std::max(0.0, level_ - levelStep) : std::min(1.0, level_ + levelStep);

        const double angle = pan_ * kPi / 2.0;
        const double wave = kToneAmplitude * level_ * std::sin(2.0 * kPi * phase_);
        samples[i] = SampleOf(wave * std::cos(angle));
        samples[i + 1] = SampleOf(wave * std::sin(angle));

        phase_ += kLowTone * std::exp2(octave_) / kSampleRate;
        phase_ -= std::floor(phase_);
    }
}

std::vector<std::int16_t> RenderScreen(std::span<const PlottedPoint> points) {
    if (!std::is_sorted(points.begin(), points.end(),
                        [](const PlottedPoint& a, const PlottedPoint& b) { return a.x < b.x; })) {
        throw std::invalid_argument("RenderScreen: points in order of x");
    }
    std::vector<std::int16_t> samples(std::size_t{kScreenPlayFrames} * kSoundChannels, 0);
    if (points.empty()) {
        return samples;
    }
    const double top = ScreenTop(points);
    CurveWalk curve(points);
    Tone tone;
    for (int frame = 0; frame < kScreenPlayFrames; ++frame) {
        // The fade ends on the last frame, which is silent.
        if (frame == kScreenPlayFrames - kFadeFrames) {
            tone.FadeOut();
        }
        const double x =
            kPlotLeft + (kPlotRight - kPlotLeft) * frame / double{kScreenPlayFrames - 1};
        const ToneTarget target{curve.ValueAt(x), top, x};
        tone.Render(target, std::span(samples).subspan(std::size_t(frame) * kSoundChannels,
                                                       kSoundChannels));
    }
    return samples;
}

}  // namespace pathsum
