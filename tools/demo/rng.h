#pragma once
// The sample library's random numbers: a fixed-seed mt19937_64 and helpers of our
// own, because the standard distributions may differ between standard libraries
// and the sample must come out the same everywhere.
#include <cstdint>
#include <random>

namespace zelkor::demo {

class Rng {
  public:
    explicit Rng(std::uint64_t seed) : engine_(seed) {}

    std::uint64_t next() { return engine_(); }

    // 0 <= result < n, for n > 0.
    int below(int n) {
        return static_cast<int>((static_cast<unsigned __int128>(next()) * static_cast<std::uint64_t>(n)) >>
                                64);
    }
    // lo <= result <= hi.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    // 0 <= result < 1.
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return unit() < p; }

    template <typename T, std::size_t N>
    const T& pick(const T (&list)[N]) {
        return list[below(static_cast<int>(N))];
    }

  private:
    std::mt19937_64 engine_;
};

}  // namespace zelkor::demo
