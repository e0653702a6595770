// Arbitrary bytes as a set-up file. The reader must return a set-up or a message, never crash,
// hang or leak; a set-up it returns must keep to its limits, must read back the same from the
// bytes it writes, and must be written again to the very same bytes (every key kept).

#include <QByteArray>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <variant>

#include "SetupFile.h"

namespace {

using namespace pathsum;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_setup_file: %s\n", what);
    std::abort();
}

bool SameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckLimits(const Setup& setup) {
    for (const std::string* text :
         {&setup.texts.wavelength, &setup.texts.resolution, &setup.texts.resolutionX,
          &setup.texts.gain, &setup.texts.width, &setup.texts.spacing}) {
        // UTF-8 takes up to four bytes a character.
        if (text->size() > static_cast<std::size_t>(4 * kLongestSetupText)) {
            Fail("a text over the limit was read");
        }
    }
    if (!std::isfinite(setup.marker.x) || !std::isfinite(setup.marker.y)) {
        Fail("a marker that is not finite was read");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = ReadSetup(bytes);
    const auto* setup = std::get_if<Setup>(&read);
    if (setup == nullptr) {
        if (std::get<QString>(read).isEmpty()) {
            Fail("a refusal without a reason");
        }
        return 0;
    }
    CheckLimits(*setup);
    const QByteArray written = SetupBytes(*setup);
    if (written.size() > kLargestSetupFile) {
        Fail("a set-up is written larger than the reader takes");
    }
    const auto again = ReadSetup(written);
    const auto* reread = std::get_if<Setup>(&again);
    if (reread == nullptr) {
        Fail("what the writer wrote is refused");
    }
    if (reread->texts.wavelength != setup->texts.wavelength ||
        reread->texts.gain != setup->texts.gain ||
        reread->texts.patternCaption != setup->texts.patternCaption ||
        reread->description != setup->description || !SameBits(reread->marker.x, setup->marker.x) ||
        !SameBits(reread->marker.y, setup->marker.y)) {
        Fail("a set-up does not read back as it was written");
    }
    // Every key read is written back: what was written, read and written again is the same.
    if (SetupBytes(*reread) != written) {
        Fail("a set-up saved again is not the file it was opened from");
    }
    return 0;
}
