#pragma once

#include "table/platform.h"

#include <cstdint>

namespace nablo {

// The boxes that end a game. Lines are separated by CR LF.
MessageBox congratulationBox(std::int32_t pay);
MessageBox gameOverBox(std::int32_t pay);
MessageBox outOfCreditsPayBox(std::int32_t pay);
MessageBox outOfCreditsEndBox();

} // namespace nablo
