#pragma once

#include <cstdint>

namespace nablo {

// A small fast generator (xoshiro128**) whose values carry the full 24 bits of a float.
class Xoshiro128 {
public:
    explicit Xoshiro128(std::uint64_t seed = 1) { seed64(seed); }

    void seed64(std::uint64_t seed);
    std::uint32_t next();
    // A single-precision value 0 <= r < 1 with 24 random bits.
    float nextFloat() { return static_cast<float>(next() >> 8) * 0x1.0p-24f; }

private:
    std::uint32_t s_[4];
};

// The game's random source: reseeded from the clock before every draw attempt. Reseeds within
// one tick of the clock still differ: the clock is mixed with a per-process counter.
class ClockRandom {
public:
    void reseed();
    float next() { return generator_.nextFloat(); }

private:
    Xoshiro128 generator_;
    std::uint64_t reseeds_ = 0;
};

// splitmix64's finaliser: a bijective mix that spreads every input bit over the output.
constexpr std::uint64_t mix64(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

} // namespace nablo
