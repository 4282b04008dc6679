#pragma once

#include <cstdint>
#include <random>

namespace zorvek {

// The one generator of uniform numbers r in [0, 1) that every draw of the game uses.
class Random {
 public:
  virtual ~Random() = default;
  virtual void Seed(int32_t seed) = 0;
  // Uniform in [0, 1).
  virtual double Next() = 0;
};

// A 64-bit Mersenne Twister; r is its top 53 bits times 2^-53, so a seed replays the
// same game on every compiler and platform.
class MersenneRandom final : public Random {
 public:
  void Seed(int32_t seed) override {
    engine_.seed(static_cast<uint64_t>(static_cast<uint32_t>(seed)));
  }
  double Next() override {
    return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0);
  }

 private:
  std::mt19937_64 engine_{1};
};

}  // namespace zorvek
