#pragma once

#include <QString>

namespace nablo {

// The game names its files relative to the working directory ("cards\d1.jpg", "wav\bet.wav").
// Whether folder holds the 52 card pictures in cards/.
bool holdsCardPictures(const QString& folder);
// Whether folder holds the game's data: the 52 card pictures and a wav/ folder.
bool holdsGameData(const QString& folder);

// The folder to work in, of the working directory, the executable's folder and the data folders
// of an installation beside it (<executable>/../share/nablo, and ../share/games/nablo for a game
// installed in games/): the first that holds the game's data, else the first that holds the
// card pictures; empty when none does.
QString findDataFolder(const QString& workingDirectory, const QString& executableDirectory);

// Changes to the folder findDataFolder gives for this process and returns it; stays put and
// returns an empty string when it gives none. Needs the application object.
QString enterDataFolder();

// The one line that says no folder holds the card pictures, naming the folders looked in.
QString noCardPicturesMessage();

} // namespace nablo
