#pragma once
// A move-only owner of one COM reference: released exactly once, by the scope
// that holds it.
#include <utility>

namespace oravin {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already holds (a fresh object's first one).
  explicit ComPtr(Interface* p) : p_(p) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    reset(std::exchange(other.p_, nullptr));
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() { reset(); }

  Interface* get() const { return p_; }
  Interface* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void reset(Interface* p = nullptr) {
    if (p_) p_->Release();
    p_ = p;
  }

 private:
  Interface* p_ = nullptr;
};

}  // namespace oravin
