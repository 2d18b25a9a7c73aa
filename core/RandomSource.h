// The pseudo-random generator the shuffle draws from, behind an interface so tests can script it.
#pragma once

namespace kelvora {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void SeedFromClock() = 0;
  // A value uniform in [0, 1).
  virtual double NextUnit() = 0;
};

}  // namespace kelvora
