// Arbitrary bytes as the text of a control, and as the bits of a double.
//
// Reading any text must neither crash nor touch memory it does not own, and writing any
// double, NaN and the infinities included, must give a text. Every finite value must be
// written in a form that reads back to a number written the same way: what a text box
// shows is what the next run reads.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "NumberText.h"

namespace {

using pathsum::NumberFromText;
using pathsum::TextFromNumber;

void Fail(const char* what, double value, const std::string& first, const std::string& second) {
    std::fprintf(stderr, "%s: %a written as \"%s\", then as \"%s\"\n", what, value, first.c_str(),
                 second.c_str());
    std::abort();
}

void CheckWrittenForm(double value) {
    const std::string text = TextFromNumber(value);
    if (text.empty()) {
        Fail("empty text", value, text, text);
    }
    if (!std::isfinite(value)) {
        return;
    }
    const double read = NumberFromText(text);
    if (!std::isfinite(read)) {
        Fail("a finite value reads back as non-finite", value, text, TextFromNumber(read));
    }
    const std::string again = TextFromNumber(read);
    if (again != text) {
        Fail("the written form does not read back to itself", value, text, again);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckWrittenForm(NumberFromText(text));

    // The same bytes as the bits of doubles: every bit pattern, NaNs and subnormals too.
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data + at, sizeof value);
        CheckWrittenForm(value);
    }
    return 0;
}
