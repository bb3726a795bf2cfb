#pragma once

#include <QString>

namespace nablo {

// The game names its files relative to the working directory ("cards\d1.jpg", "wav\bet.wav").
// The folder to work in: the working directory when it has a "cards" folder, else the first of
// the executable's folder and <executable>/../share/nablo that has one; empty when none has.
QString findDataFolder(const QString& workingDirectory, const QString& executableDirectory);

// Changes to the folder findDataFolder gives for this process (stays put when it gives none)
// and returns the working directory afterwards. Needs the application object.
QString enterDataFolder();

} // namespace nablo
