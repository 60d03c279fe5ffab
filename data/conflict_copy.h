#pragma once
// Conflict copies: when two PCs changed a file while one was offline, a sync
// client keeps the other version beside it under a name of its own making:
//   OneDrive   Websites-PC2.txt
//   Dropbox    Websites (PC2's conflicted copy 2026-12-01).txt
//   Syncthing  Websites.sync-conflict-20261201-101010-ABCDEFG.txt
#include <string_view>

namespace oravin {

// Whether the file name is one of those copies of the file named; names are
// matched without regard to letter case, as Windows matches them.
bool IsConflictCopyOf(std::wstring_view copy, std::wstring_view file);

}  // namespace oravin
