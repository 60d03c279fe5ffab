#pragma once
// Replacing a file so that a failure at any moment leaves either the old file
// or the new one whole: the new contents go to a temporary file in the same
// folder, are flushed to the disk, and then take the old file's place in one step.
#include <filesystem>
#include <string>
#include <system_error>

namespace oravin {

bool ReplaceFileContents(const std::filesystem::path& target, const std::string& bytes, std::error_code& error);

}  // namespace oravin
