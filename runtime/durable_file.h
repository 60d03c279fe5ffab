#pragma once
// Whole files as bytes. Replacing one leaves, whatever fails at any moment,
// either the old file or the new one whole: the new contents go to a temporary
// file in the same folder (the target's name + ".saving"), are flushed to the
// disk, and then take the old file's place in one step.
#include <filesystem>
#include <string>
#include <system_error>

namespace oravin {

// Where a replacement is written before it takes the target's place.
std::filesystem::path TemporaryOf(const std::filesystem::path& target);
// A temporary is there only while a replacement runs: one found in the folder
// now was left by a save that was cut short, and goes.
void RemoveLeftoverTemporaries(const std::filesystem::path& folder);

// Reads while other programs read or write the file too; fails when one holds
// it without sharing.
bool ReadFileContents(const std::filesystem::path& file, std::string& bytes, std::error_code& error);

bool ReplaceFileContents(const std::filesystem::path& target, const std::string& bytes, std::error_code& error);

}  // namespace oravin
