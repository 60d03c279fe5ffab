#pragma once
// One running copy per program folder: a second start would add a second tray
// icon and a second writer of the same files, and the last to close would
// overwrite what the other saved.
#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/handles.h"

namespace oravin {

class SingleInstance {
 public:
  // Claims the program folder; false when another copy from it already runs.
  bool Claim(const std::wstring& programFolder);

 private:
  UniqueKernelHandle mutex_;
};

// Brings the main window of the copy that runs from programFolder forward,
// out of the notification area if it is hidden there.
void ActivateRunningCopy(const std::wstring& programFolder);

// The name that ties a folder to its copy, the same through every path that
// reaches the folder (a drive letter, a mapped drive, its short 8.3 name) and
// for every build of the program: a 32-bit and a 64-bit copy started from one
// folder must see each other, or the one closed last overwrites the other's lists.
std::wstring InstanceName(const std::wstring& programFolder);
// The name for a folder known by its volume's serial number and its index on the volume.
std::wstring InstanceNameFor(uint32_t volumeSerial, uint64_t fileIndex);

}  // namespace oravin
