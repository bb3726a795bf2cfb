#pragma once

#include <cstdint>
#include <iosfwd>

namespace nablo::console {

// Runs a script of clicks, procedure calls and settings against a fresh window model and writes
// what happens as JSON Lines. Returns the exit status: 0 when the script ran out or the program
// ended, 1 after a run-time error, 2 for a bad script line.
int runScript(std::istream& script, std::ostream& out, std::ostream& err);

} // namespace nablo::console
