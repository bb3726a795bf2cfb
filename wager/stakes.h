#pragma once

#include <array>

namespace nablo {

// What one bet unit adds to each amount of the pay tables: CPAY1..CPAY7, then BPAY1..BPAY5.
inline constexpr std::array<int, 7> tierIncrement{10000, 30, 25, 20, 15, 10, 5};
inline constexpr std::array<int, 5> bonusIncrement{500, 100, 25, 5, 5};
inline constexpr int maximumUnits = 10;

} // namespace nablo
