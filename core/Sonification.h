#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace pathsum {

// A screen heard instead of seen: a tone whose pitch follows the plotted value, from 220 Hz at
// a dark point to two octaves higher (880 Hz) at the screen's brightest, panned from the left
// ear (x = 0) to the right (x = 100). The samples are 16-bit, stereo, interleaved left then
// right, 44,100 frames a second; the same code makes the tone that follows a probe and a whole
// screen played at once, so that both sound alike.

inline constexpr int kSampleRate = 44100;    // frames a second
inline constexpr int kSoundChannels = 2;     // left, right
inline constexpr double kLowTone = 220.0;    // Hz: a dark point, and a screen with nothing brighter
inline constexpr double kToneOctaves = 2.0;  // from the darkest to the brightest point

// The tone's peak, as a share of full scale, in a channel it is panned fully to: -12 dBFS, loud
// enough to hear at an ordinary volume setting and far from the harsh full-scale sine, so the
// system's volume control stays the one that sets how loud it is. The loudness stays the same
// whatever the pitch and the pan: only the pitch tells brightness.
inline constexpr double kToneAmplitude = 0.25;

// How quickly the pitch and the pan follow a new target: each covers 1 - 1/e of the way in this
// time, nearly all of it in three. A probe moved by key repeat (about 30 steps a second) has its
// pitch heard at each step; a sudden change spread over ten milliseconds never clicks (clicks
// are steps of a millisecond or two); and a screen played in three seconds is followed to a
// third of a unit of x, finer than fringes the ear can follow at that speed.
inline constexpr double kGlideSeconds = 0.010;

// How long the tone takes to rise from silence and to fall back to it: a straight ramp over 20 ms,
// so that a tone starts and ends without a click.
inline constexpr int kFadeFrames = kSampleRate / 50;

// A screen is played from x = 0 to x = 100 in three seconds.
inline constexpr int kScreenPlaySeconds = 3;
inline constexpr int kScreenPlayFrames = kScreenPlaySeconds * kSampleRate;

// One plotted point of a screen: its detector x and its plotted value (the band's half height,
// gain * p / N^2). Points without paths are not plotted and are left out.
struct PlottedPoint {
    double x = 0.0;
    double value = 0.0;
};

// The value the pitch is measured against: the largest band on the screen, max |value|. The
// band is drawn from y - v to y + v, so a negative gain draws the same picture as a positive one
// and sounds the same. Zero for no points.
double ScreenTop(std::span<const PlottedPoint> points);

// How bright a value is on a screen whose top is `top`: |value| / |top|, kept within 0 and 1. A
// top that is zero or not finite leaves nothing to compare with: every point counts as dark (0),
// as does a value that is not a number.
double Brightness(double value, double top);

// The pitch of a value: 220 Hz * 4^Brightness(value, top).
double ToneFrequency(double value, double top);

// The share of the tone in each ear at x: equal power (left^2 + right^2 = 1), all left at x = 0,
// all right at x = 100, the same in both at 50. An x beyond the plot counts as its edge, an x that
// is not a number as the middle.
struct PanGains {
    double left = 0.0;
    double right = 0.0;
};
PanGains PanAt(double x);

// What the tone is to sound like: a value against its screen's top, at x.
struct ToneTarget {
    double value = 0.0;
    double top = 0.0;
    double x = 50.0;
};

// A tone that runs on from one block of samples to the next: its phase never jumps, and its
// pitch and pan glide to each new target, so that a caller asking for block after block with a
// new target each time hears one smooth tone. It rises from silence over its first kFadeFrames
// frames, and falls back once asked to.
class Tone {
  public:
    // Fills `samples` (left, right, left, right, ...; an even count) with the next frames of the
    // tone as it glides towards `target`. The first target is taken at once: there is nothing
    // to glide from while the tone rises from silence.
    void Render(const ToneTarget& target, std::span<std::int16_t> samples);

    // From the next frame, the tone falls to silence over kFadeFrames frames and stays silent;
    // or, resumed, rises again from where its fall has brought it.
    void FadeOut() { fadingOut_ = true; }
    void Resume() { fadingOut_ = false; }
    bool Silent() const { return fadingOut_ && level_ <= 0.0; }

  private:
    bool started_ = false;
    bool fadingOut_ = false;
    double phase_ = 0.0;   // in cycles, within [0, 1)
    double octave_ = 0.0;  // the pitch, in octaves above kLowTone
    double pan_ = 0.5;     // 0 all left, 1 all right
    double level_ = 0.0;   // 0 silent, 1 full
};

// A screen played from x = 0 to x = 100 in kScreenPlaySeconds: kScreenPlayFrames frames,
// interleaved. The value at each moment follows the screen's curve: straight between plotted
// points (across any points left out, as the curve's edges join them), from the screen line at
// x = 0 to the first point (as the curve starts there), the last point's value after the last.
// It fades in at the start and out at the end. A screen without plotted points has no curve and
// plays silence, at the same length. Requires the points in order of x (throws
// std::invalid_argument otherwise).
std::vector<std::int16_t> RenderScreen(std::span<const PlottedPoint> points);

}  // namespace pathsum
