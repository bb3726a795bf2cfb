#pragma once

#include <cstdint>

namespace nablo {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

namespace colour {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb yellow{255, 255, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb grey{192, 192, 192};
inline constexpr Rgb teal{0, 192, 192};
inline constexpr Rgb cyan{0, 255, 255};
} // namespace colour

} // namespace nablo
