#pragma once

#include <cstdio>
#include <optional>

namespace nablo {

// The command line, read before anything needs a display: "--help" and "--version" print to out
// and give status 0; any other argument is reported on err and gives status 2. Returns nothing
// when the game is to start.
std::optional<int> handleCommandLine(int argc, const char* const* argv, std::FILE* out,
                                     std::FILE* err);

} // namespace nablo
