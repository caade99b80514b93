// The one seeded random generator of the program: xoshiro256** seeded through
// splitmix64, so a seed gives the same sequence on every platform and standard
// library. Bounded draws are unbiased (rejection of the short last interval).
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace zw {

class RandomSource {
  public:
    explicit RandomSource(uint64_t seed) {
        for (auto& word : s_) {
            seed += 0x9e3779b97f4a7c15u;
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
            word = z ^ (z >> 31);
        }
    }

    uint64_t next() {
        const uint64_t result = std::rotl(s_[1] * 5, 7) * 9;
        const uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = std::rotl(s_[3], 45);
        return result;
    }

    // Uniform in [0, n); n == 0 gives 0.
    uint32_t below(uint32_t n) {
        if (n == 0) return 0;
        // Lemire's multiply-shift with rejection of the biased low products.
        uint64_t m = (next() >> 32) * n;
        auto low = static_cast<uint32_t>(m);
        if (low < n) {
            const uint32_t threshold = (0u - n) % n;
            while (low < threshold) {
                m = (next() >> 32) * n;
                low = static_cast<uint32_t>(m);
            }
        }
        return static_cast<uint32_t>(m >> 32);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

  private:
    std::array<uint64_t, 4> s_{};
};

}  // namespace zw
