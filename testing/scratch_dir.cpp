#include "testing/scratch_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>
#include <sstream>

namespace oravin::testing {

ScratchDir::ScratchDir() {
  // Test programs run side by side and share the temporary folder: the name
  // must be new to all of them, and create_directory says whether it was.
  static std::atomic<int> counter{0};
  static std::random_device entropy;
  for (;;) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("oravin-test-" + std::to_string(stamp) + "-" + std::to_string(entropy()) + "-" +
             std::to_string(counter++));
    if (std::filesystem::create_directory(path_)) return;
  }
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

ScopedCurrentFolder::ScopedCurrentFolder(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(folder);
}

ScopedCurrentFolder::~ScopedCurrentFolder() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace oravin::testing
