#pragma once
// A seam: the one place an OS side effect goes through. The program uses the
// real implementation; a test puts its own in place for a scope, and the one
// before comes back when the scope ends.

namespace oravin {

template <typename Interface>
class ScopedSeam {
 public:
  explicit ScopedSeam(Interface& replacement) : previous_(Slot()) { Slot() = &replacement; }
  ~ScopedSeam() { Slot() = previous_; }
  ScopedSeam(const ScopedSeam&) = delete;
  ScopedSeam& operator=(const ScopedSeam&) = delete;

  // The replacement in force, or else the real implementation (asked for only then).
  static Interface& Current(Interface& (*real)()) { return Slot() ? *Slot() : real(); }

 private:
  static Interface*& Slot() {
    static Interface* slot = nullptr;
    return slot;
  }
  Interface* previous_;
};

}  // namespace oravin
