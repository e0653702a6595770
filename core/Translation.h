#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the translators' tool (lupdate) where no Qt header is included, as Qt's own
// marker does: the text itself, found in the source by the tool.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace pathsum {

// Gives a marked text in the user's language: `context` and `text` as they are marked.
using TextTranslator = std::string (*)(const char* context, const char* text);

// The window installs its translator once, before any text is formed; without one (core on its
// own, its tests) every text stays exactly as written.
void SetTextTranslator(TextTranslator translator);

// A text core holds, in the user's language. The translators' tool finds every call by this
// name, so `context` and `text` are string literals. Only what a user reads goes through here:
// the files the program writes keep their words in every language.
std::string Translated(const char* context, const char* text);

// A sentence with %1 to %9 replaced by `values` in one pass, so that a value holding "%2" (a
// text as typed) stays as it is, and a translation may put the values in any order.
std::string Filled(std::string_view sentence, std::initializer_list<std::string_view> values);

}  // namespace pathsum
