#pragma once
// Writes screenshots for people to look at: plain PNG, stored (uncompressed) blocks.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace oravin::testing {

// pixels: width * height values 0x00RRGGBB, top row first.
bool WritePng(const std::filesystem::path& file, int width, int height, const std::vector<uint32_t>& pixels);

}  // namespace oravin::testing
