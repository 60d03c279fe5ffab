#pragma once
// Work done on a thread of its own while its caller goes on, for what the
// caller needs soon but not yet: a list read while the window opens.
#include <exception>
#include <functional>
#include <memory>
#include <optional>

namespace oravin {

class BackgroundWork {
 public:
  // Where no thread can be started, the work is done here and now.
  explicit BackgroundWork(std::function<void()> work);
  // Waits for the work: what it touches lives until it is done.
  ~BackgroundWork();
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;

  // Returns once the work is done.
  void Wait();

 private:
  struct Thread;
  std::unique_ptr<Thread> thread_;
};

// A value made on a thread of its own and taken once; nothing when making it
// failed, so the caller can make it itself and hear why.
template <typename T>
class BackgroundResult {
 public:
  explicit BackgroundResult(std::function<T()> make)
      : work_([this, make = std::move(make)] {
          try {
            value_ = make();
          } catch (const std::exception&) {
          }
        }) {}

  std::optional<T> Take() {
    work_.Wait();
    return std::move(value_);
  }

 private:
  // Made before the work starts and gone after it has ended.
  std::optional<T> value_;
  BackgroundWork work_;
};

}  // namespace oravin
