#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "Sonification.h"

namespace pathsum {

// A sound file anyone's player opens: RIFF/WAVE, 16-bit PCM, stereo, kSampleRate frames a
// second, a 44-byte header and the samples, every number little-endian whatever the machine.

inline constexpr std::size_t kWavHeaderBytes = 44;

// The whole file for interleaved samples (left, right, ...; an even count). Throws
// std::invalid_argument for samples too many for the header's 32-bit sizes.
std::string WavBytes(std::span<const std::int16_t> samples);

// The file of a screen as it is played (RenderScreen): kScreenPlaySeconds of sound.
std::string ScreenWav(std::span<const PlottedPoint> points);

}  // namespace pathsum
