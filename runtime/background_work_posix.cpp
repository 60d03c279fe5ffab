#include <system_error>
#include <thread>

#include "runtime/background_work.h"

namespace oravin {

struct BackgroundWork::Thread {
  std::thread thread;
};

BackgroundWork::BackgroundWork(std::function<void()> work) : thread_(new Thread) {
  try {
    thread_->thread = std::thread(work);
  } catch (const std::system_error&) {
    work();
  }
}

BackgroundWork::~BackgroundWork() { Wait(); }

void BackgroundWork::Wait() {
  if (thread_->thread.joinable()) thread_->thread.join();
}

}  // namespace oravin
