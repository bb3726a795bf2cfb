#pragma once

#include <string>
#include <vector>

namespace nablo {

class Form1;

// What must hold between any two events of the game. Returns a sentence for every rule broken;
// empty when the table is sound. Used by tests, the fuzzer and the simulator's checks.
std::vector<std::string> invariantViolations(const Form1& form);

} // namespace nablo
