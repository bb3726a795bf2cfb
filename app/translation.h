#pragma once

#include <QString>

namespace nablo {

// The program's own words (help, advice, tooltips, messages) in the desktop's language, from the
// translations built into the program; English where there is none. The window's captions and
// the boxes of the game are never translated.

// Loads the translation for the desktop's language. Works before the application object exists,
// so the command line and the display error are translated too.
void loadTranslation();

// Hands the loaded translation to the application, for tr() and QCoreApplication::translate,
// with Qt's own translation of its standard buttons.
void installTranslation();

// The text (marked with QT_TRANSLATE_NOOP in context) in the desktop's language.
QString translated(const char* context, const char* text);

} // namespace nablo
