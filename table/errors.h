#pragma once

#include <stdexcept>
#include <string>

namespace nablo {

// A run-time error of the game (a picture that cannot be loaded, a caption that is not a
// number, a number that does not fit): it unwinds the event and ends the program with an
// error box that shows what().
class RunTimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The run-time error of a picture that cannot be loaded: the game's path, the file the platform
// looked for and why it could not be read.
inline RunTimeError pictureError(const std::string& path, const std::string& file,
                                 const std::string& reason)
{
    return RunTimeError("Cannot load picture \"" + path + "\" (" + file + "): " + reason);
}

// Thrown to end the program at once, from inside any procedure. Nothing is saved.
struct ProgramEnd {};

[[noreturn]] inline void endProgram() { throw ProgramEnd{}; }

} // namespace nablo
