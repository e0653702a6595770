#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "Sonification.h"
#include "WavFile.h"

namespace pathsum {
namespace {

constexpr double kFullScale = 32767.0;
const double kPiHere = std::acos(-1.0);

using Samples = std::vector<std::int16_t>;

// The pitch of one channel over frames [first, first + count), from its rising zero crossings,
// each placed between its two samples.
double MeasuredFrequency(const Samples& s, int channel, int first, int count) {
    double firstCrossing = -1.0;
    double lastCrossing = -1.0;
    int cycles = -1;
    for (int frame = first; frame + 1 < first + count; ++frame) {
        const double a = s[2 * frame + channel];
        const double b = s[2 * (frame + 1) + channel];
        if (a < 0.0 && b >= 0.0) {
            const double at = frame + a / (a - b);
            firstCrossing = firstCrossing < 0.0 ? at : firstCrossing;
            lastCrossing = at;
            ++cycles;
        }
    }
    return cycles > 0 ? cycles * kSampleRate / (lastCrossing - firstCrossing) : 0.0;
}

double MeanSquare(const Samples& s, int channel, int first, int count) {
    double sum = 0.0;
    for (int frame = first; frame < first + count; ++frame) {
        const double v = s[2 * frame + channel];
        sum += v * v;
    }
    return sum / count;
}

// The largest step between neighbouring samples of either channel.
int LargestStep(const Samples& s) {
    int largest = 0;
    for (std::size_t i = kSoundChannels; i < s.size(); ++i) {
        largest = std::max(largest, std::abs(s[i] - s[i - kSoundChannels]));
    }
    return largest;
}

// The largest step a sine of this frequency at the tone's full amplitude takes in one frame.
double OwnLargestStep(double frequency) {
    return kToneAmplitude * kFullScale * 2.0 * std::sin(kPiHere * frequency / kSampleRate);
}

Samples SteadyTone(const ToneTarget& target, int frames) {
    Samples s(std::size_t(frames) * kSoundChannels);
    Tone tone;
    tone.Render(target, s);
    return s;
}

struct PitchCase {
    const char* name;
    ToneTarget target;
    double hertz;
    double leftShare;  // of the power, left / (left + right)
};

void PrintTo(const PitchCase& c, std::ostream* out) {
    *out << c.name;
}

class TonePitchTest : public ::testing::TestWithParam<PitchCase> {};

// Pitch from the brightness, equal-power pan from x, and the same loudness wherever it stands.
TEST_P(TonePitchTest, SoundsTheValueAtItsPlace) {
    const PitchCase& c = GetParam();
    const int first = 2 * kFadeFrames;  // past the rise from silence
    const int count = kSampleRate / 2;
    const Samples s = SteadyTone(c.target, first + count);

    const double left = MeanSquare(s, 0, first, count);
    const double right = MeanSquare(s, 1, first, count);
    const double fullPower = std::pow(kToneAmplitude * kFullScale, 2) / 2.0;
    EXPECT_NEAR(left + right, fullPower, 0.01 * fullPower);
    EXPECT_NEAR(left / (left + right), c.leftShare, 0.01);
    const int louder = left >= right ? 0 : 1;
    EXPECT_NEAR(MeasuredFrequency(s, louder, first, count), c.hertz, 0.01 * c.hertz);
}

const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, TonePitchTest,
    ::testing::Values(PitchCase{"BrightestAtTheLeft", {2.0, 2.0, 0.0}, 880.0, 1.0},
                      PitchCase{"DarkAtTheRight", {0.0, 2.0, 100.0}, 220.0, 0.0},
                      PitchCase{"HalfAsBrightInTheMiddle", {1.0, 2.0, 50.0}, 440.0, 0.5},
                      PitchCase{"NegativeGainSoundsAsPositive",
                                {-3.0, 3.0, 25.0},
                                880.0,
                                std::pow(std::cos(kPiHere / 8.0), 2)},
                      PitchCase{"AboveTheTopIsTheTop", {5.0, 2.0, 100.0}, 880.0, 0.0},
                      PitchCase{"TopZeroIsDark", {0.0, 0.0, 0.0}, 220.0, 1.0},
                      PitchCase{"TopNotFiniteIsDark", {1.0, kInfinity, 0.0}, 220.0, 1.0},
                      PitchCase{"BeyondThePlotIsItsEdge", {1.0, 1.0, 130.0}, 880.0, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct SmoothCase {
    const char* name;
    std::function<Samples()> make;
    double highestHertz;  // the highest pitch the sound reaches
};

void PrintTo(const SmoothCase& c, std::ostream* out) {
    *out << c.name;
}

// A tone asked for block by block, each block with a target of its own.
Samples InBlocks(const std::vector<int>& blockFrames, const std::vector<ToneTarget>& targets,
                 int blocks) {
    Samples all;
    Tone tone;
    for (int b = 0; b < blocks; ++b) {
        Samples block(std::size_t(blockFrames[b % blockFrames.size()]) * kSoundChannels);
        tone.Render(targets[b % targets.size()], block);
        all.insert(all.end(), block.begin(), block.end());
    }
    return all;
}

class SmoothSoundTest : public ::testing::TestWithParam<SmoothCase> {};

// A jump of the phase or of the loudness would be a click: no step between neighbouring samples
// is larger than the tone's own (with a little for the glides of the pan and the fades).
TEST_P(SmoothSoundTest, NeverStepsFurtherThanTheToneItself) {
    const Samples s = GetParam().make();
    ASSERT_FALSE(s.empty());
    EXPECT_LE(LargestStep(s), 1.05 * OwnLargestStep(GetParam().highestHertz) + 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SmoothSoundTest,
    ::testing::Values(SmoothCase{"SteadyLowToneAcrossBlocks",
                                 [] {
                                     return InBlocks({333}, {{0.0, 1.0, 0.0}}, 60);
                                 },
                                 220.0},
                      SmoothCase{"NewTargetEveryBlock",
                                 [] {
                                     return InBlocks({1, 7, 441, 1000, 64},
                                                     {{1.0, 1.0, 0.0},
                                                      {0.0, 1.0, 100.0},
                                                      {0.5, 1.0, 30.0},
                                                      {1.0, 1.0, 100.0},
                                                      {0.0, 1.0, 0.0}},
                                                     200);
                                 },
                                 880.0},
                      SmoothCase{"ScreenOfSharpFringes",
                                 [] {
                                     std::vector<PlottedPoint> points;
                                     for (int i = 0; i <= 1000; ++i) {
                                         points.push_back({i / 10.0, double(i % 2)});
                                     }
                                     return RenderScreen(points);
                                 },
                                 880.0}),
    [](const auto& info) { return std::string(info.param.name); });

// A screen bright on its left part and dark on its right, with points missing between.
std::vector<PlottedPoint> BrightThenDark() {
    std::vector<PlottedPoint> points;
    for (int x = 0; x <= 40; x += 5) {
        points.push_back({double(x), 4.0});
    }
    for (int x = 60; x <= 100; x += 5) {
        points.push_back({double(x), 0.0});
    }
    return points;
}

TEST(ScreenSoundTest, PlaysItsBrightPlacesHighOnTheLeftAndItsDarkPlacesLowOnTheRight) {
    const Samples s = RenderScreen(BrightThenDark());
    ASSERT_EQ(s.size(), std::size_t{kScreenPlayFrames} * kSoundChannels);
    const int tenth = kScreenPlayFrames / 10;  // x 10 .. 30 and x 65 .. 85
    EXPECT_NEAR(MeasuredFrequency(s, 0, tenth, 2 * tenth), 880.0, 8.8);
    EXPECT_NEAR(MeasuredFrequency(s, 1, 13 * tenth / 2, 2 * tenth), 220.0, 2.2);
    EXPECT_GT(MeanSquare(s, 0, tenth, 2 * tenth), MeanSquare(s, 1, tenth, 2 * tenth));
    EXPECT_GT(MeanSquare(s, 1, 13 * tenth / 2, 2 * tenth),
              MeanSquare(s, 0, 13 * tenth / 2, 2 * tenth));
    // A negative gain draws the same bands, and sounds the same.
    std::vector<PlottedPoint> negative = BrightThenDark();
    for (PlottedPoint& point : negative) {
        point.value = -point.value;
    }
    EXPECT_EQ(RenderScreen(negative), s);
    // It ends in silence: no click when the player stops.
    EXPECT_EQ(s[s.size() - 2], 0);
    EXPECT_EQ(s[s.size() - 1], 0);
}

TEST(WavFileTest, IsAHeaderOfSixteenBitStereoAndTheScreensSamplesLittleEndian) {
    const std::vector<PlottedPoint> points = BrightThenDark();
    const std::string wav = ScreenWav(points);
    const std::size_t dataBytes = std::size_t{kScreenPlayFrames} * 4;
    ASSERT_EQ(wav.size(), 44 + dataBytes);
    // 529236 bytes follow the RIFF size; 44100 frames of 4 bytes a second; 529200 of samples.
    const std::string header(
        "RIFF\x54\x13\x08\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00\x44\xAC\x00\x00"
        "\x10\xB1\x02\x00\x04\x00\x10\x00"
        "data\x30\x13\x08\x00",
        44);
    EXPECT_EQ(wav.substr(0, 44), header);

    const Samples samples = RenderScreen(points);
    Samples read(samples.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        const auto low = static_cast<unsigned char>(wav[44 + 2 * i]);
        const auto high = static_cast<unsigned char>(wav[44 + 2 * i + 1]);
        read[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
    }
    EXPECT_EQ(read, samples);

    // A screen without plotted points: no curve, three seconds of silence.
    const std::string silent = ScreenWav({});
    ASSERT_EQ(silent.size(), wav.size());
    EXPECT_EQ(silent.substr(0, 44), header);
    EXPECT_EQ(silent.find_first_not_of('\0', 44), std::string::npos);
}

}  // namespace
}  // namespace pathsum
