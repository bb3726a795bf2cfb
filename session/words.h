#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// The program's own words: every one is written once, in English, marked with NABLO_WORD so that
// the translation tools collect it (they read the marker as QT_TRANSLATE_NOOP), and said in the
// player's language through the translator the face installs.
#define NABLO_WORD(context, text) text

namespace nablo {

// Turns an English text of a context into the player's language; returns the text itself when
// it has no translation.
using Translator = std::function<std::string(const char* context, const char* text)>;

// Installed once by the face at start-up; without one, every word stays English.
void setTranslator(Translator translator);

// The marked text in the player's language.
std::string say(const char* context, const char* text);

// The language of the words in use, as the installed translation names itself: "ja" under the
// Japanese one, "en" without any.
std::string language();

// The pattern with %1, %2, ... replaced by the arguments, in one pass, so an argument that holds
// a % is left as it is.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// A number of credits as the table writes it: whole numbers without decimals, others with two.
std::string creditsText(double value);
// A figure with one decimal, "12.3".
std::string oneDecimal(double value);
std::string twoDecimals(double value);

// "the eight of clubs" -> "The eight of clubs".
std::string capitalised(std::string text);

} // namespace nablo
