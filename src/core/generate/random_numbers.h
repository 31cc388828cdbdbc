#pragma once
// The simulated data's random numbers: a combined multiplicative congruential generator
// (two components) behind a 32-entry shuffle table, giving uniform deviates in (0, 1), and
// the polar method on top of it for standard normal deviates. All state is integer and the
// products are taken in 64 bits, so a seed gives the same numbers on every machine.

#include <array>
#include <cstdint>

namespace jrv {

struct RandomState {
  // First component; a value <= 0 asks for (re)initialisation at the next draw.
  std::int32_t rng_seed = 0;
  std::int32_t rng_state2 = 0;               // second component
  std::int32_t rng_last = 0;                 // last output of the shuffle
  std::array<std::int32_t, 33> rng_table{};  // entries 1..32; index 0 unused
  bool normal_saved = false;
  double normal_spare = 0;

  // Stores -|seed| (0 stays 0): the next draw starts the sequence of that seed.
  // The saved normal deviate is left alone.
  void reseed(std::int64_t seed);
};

namespace rng {
inline constexpr std::int64_t M1 = 2147483563, A1 = 40014, Q1 = 53668;
inline constexpr std::int64_t M2 = 2147483399, A2 = 40692, Q2 = 52774;
inline constexpr int kTableSize = 32;
inline constexpr double kDivisor = 1.0 + static_cast<double>(M1 - 1) / kTableSize;
inline constexpr double kLargestUniform = 0.99999988;
}  // namespace rng

// A deviate in (0, 1); advances the state.
double uniform(RandomState& state);

// A standard normal deviate; draws two at a time and keeps the second for the next call.
double normal(RandomState& state);

}  // namespace jrv
