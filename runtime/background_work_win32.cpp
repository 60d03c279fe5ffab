// Threads of the system's own: the 32-bit compiler's library has no std::thread.
#include <windows.h>

#include "runtime/background_work.h"
#include "runtime/handles.h"

namespace oravin {

struct BackgroundWork::Thread {
  std::function<void()> work;
  UniqueKernelHandle handle;

  static DWORD WINAPI Run(void* self) {
    static_cast<Thread*>(self)->work();
    return 0;
  }
};

BackgroundWork::BackgroundWork(std::function<void()> work) : thread_(new Thread{std::move(work), {}}) {
  thread_->handle.reset(CreateThread(nullptr, 0, &Thread::Run, thread_.get(), 0, nullptr));
  if (!thread_->handle) thread_->work();
}

BackgroundWork::~BackgroundWork() { Wait(); }

void BackgroundWork::Wait() {
  if (thread_->handle) WaitForSingleObject(thread_->handle.get(), INFINITE);
  thread_->handle.reset();
}

}  // namespace oravin
