#pragma once

#include <QString>

// Synthesizes bet, start, card, bonus, twice and bonus2 .wav files into dir.
void writeSounds(const QString& dir);
