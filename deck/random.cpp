#include "deck/random.h"

#include <chrono>

namespace nablo {

namespace {
constexpr std::uint32_t rotl(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }
} // namespace

void Xoshiro128::seed64(std::uint64_t seed)
{
    std::uint64_t a = mix64(seed);
    std::uint64_t b = mix64(a);
    s_[0] = static_cast<std::uint32_t>(a);
    s_[1] = static_cast<std::uint32_t>(a >> 32);
    s_[2] = static_cast<std::uint32_t>(b);
    s_[3] = static_cast<std::uint32_t>(b >> 32);
    if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0)
        s_[0] = 1;
}

std::uint32_t Xoshiro128::next()
{
    const std::uint32_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint32_t t = s_[1] << 9;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 11);
    return result;
}

void ClockRandom::reseed()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    ++reseeds_;
    generator_.seed64(mix64(ticks) ^ mix64(reseeds_ * 0xd1b54a32d192ed03ULL));
}

} // namespace nablo
