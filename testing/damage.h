#pragma once
// Damage as files meet it: bytes changed, runs cut out, stray separators and
// line ends put in. For reading a sound file made unsound in many ways.
#include <random>
#include <string>

namespace oravin::testing {

inline std::string Damaged(std::string file, std::mt19937& random) {
  const int damages = 1 + int(random() % 8);
  for (int d = 0; d < damages; ++d) {
    const size_t at = random() % file.size();
    switch (random() % 3) {
      case 0: file[at] = char(random()); break;
      case 1: file.erase(at, random() % 16); break;
      case 2: file.insert(at, 1, "\t\\\r\n0\xE4<>\"&="[random() % 11]); break;
    }
    if (file.empty()) file = "x";
  }
  return file;
}

}  // namespace oravin::testing
