#include "WavFile.h"

#include <limits>
#include <stdexcept>

namespace pathsum {

namespace {

constexpr int kBitsPerSample = 16;
constexpr int kBytesPerFrame = kSoundChannels * kBitsPerSample / 8;

// Byte by byte, least significant first: the file is the same on any machine.
void Append16(std::string& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<char>(value & 0xFFu));
    bytes.push_back(static_cast<char>(value >> 8));
}

void Append32(std::string& bytes, std::uint32_t value) {
    Append16(bytes, static_cast<std::uint16_t>(value & 0xFFFFu));
    Append16(bytes, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

std::string WavBytes(std::span<const std::int16_t> samples) {
    if (samples.size() % kSoundChannels != 0) {
        throw std::invalid_argument("WavBytes: samples of whole frames (left and right)");
    }
    const std::size_t dataBytes = samples.size() * sizeof(std::int16_t);
    if (dataBytes > std::numeric_limits<std::uint32_t>::max() - (kWavHeaderBytes - 8)) {
        throw std::invalid_argument("WavBytes: more samples than a WAV file holds");
    }
    std::string bytes;
    bytes.reserve(kWavHeaderBytes + dataBytes);
    bytes += "RIFF";
    Append32(bytes, static_cast<std::uint32_t>(kWavHeaderBytes - 8 + dataBytes));
    bytes += "WAVE";
    bytes += "fmt ";
    Append32(bytes, 16);  // the size of the format chunk for PCM
    Append16(bytes, 1);   // PCM
    Append16(bytes, kSoundChannels);
    Append32(bytes, kSampleRate);
    Append32(bytes, kSampleRate * kBytesPerFrame);  // bytes a second
    Append16(bytes, kBytesPerFrame);
    Append16(bytes, kBitsPerSample);
    bytes += "data";
    Append32(bytes, static_cast<std::uint32_t>(dataBytes));
    for (const std::int16_t sample : samples) {
        Append16(bytes, static_cast<std::uint16_t>(sample));
    }
    return bytes;
}

std::string ScreenWav(std::span<const PlottedPoint> points) {
    return WavBytes(RenderScreen(points));
}

}  // namespace pathsum
