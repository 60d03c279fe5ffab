#include "data/conflict_copy.h"

#include <gtest/gtest.h>

namespace oravin {
namespace {

TEST(ConflictCopies, AreKnownByTheNamesSyncClientsGiveThem) {
  const struct {
    const wchar_t* name;
    bool copy;
  } kNames[] = {
      {L"Websites-PC2.txt", true},
      {L"websites-LAPTOP-7Q.TXT", true},
      {L"Websites (PC2's conflicted copy 2026-12-01).txt", true},
      {L"Websites (conflicted copy 2026-12-01).txt", true},
      {L"Websites.sync-conflict-20261201-101010-ABCDEFG.txt", true},
      {L"Websites.txt", false},
      {L"Websites-.txt", false},
      {L"Websites.txt.bak", false},
      {L"Websites.unsaved.txt", false},
      {L"Websites-PC2.txt.saving", false},
      {L"MyWebsites-PC2.txt", false},
      {L"FolderList-PC2.txt", false},
      {L"Websites (2).txt", false},
      {L"Websites.sync-conflict-2026121-101010-ABCDEFG.txt", false},
      {L"Websites.sync-conflict-20261201-101010-ABC-EFG.txt", false},
  };
  for (const auto& name : kNames) EXPECT_EQ(IsConflictCopyOf(name.name, L"Websites.txt"), name.copy) << name.name;
}

}  // namespace
}  // namespace oravin
