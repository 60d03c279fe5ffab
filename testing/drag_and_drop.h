#pragma once
// Dragging onto a window as a browser or Explorer does: an OLE data object
// with the formats they offer, dragged there and dropped with DoDragDrop.
#include <windows.h>
#include <ole2.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace oravin::testing {

class DragData {
 public:
  // CF_HDROP, as Explorer offers files and folders.
  DragData& Files(const std::vector<std::filesystem::path>& files);
  // UTF-16 text in a registered format ("UniformResourceLocatorW", "text/x-moz-url").
  DragData& Text(const wchar_t* format, const std::wstring& text);
  // CF_UNICODETEXT.
  DragData& Text(const std::wstring& text);
  // FileGroupDescriptorW naming one file, as browsers offer a link's shortcut.
  DragData& FileName(const std::wstring& name);

  const std::vector<std::pair<CLIPFORMAT, std::string>>& Formats() const { return formats_; }

 private:
  std::vector<std::pair<CLIPFORMAT, std::string>> formats_;
};

struct DragResult {
  DWORD shown = DROPEFFECT_NONE;    // what the pointer showed over the target
  DWORD dropped = DROPEFFECT_NONE;  // what the target did with the drop
};

// Puts the pointer on the point (screen pixels), drags the data there and
// drops it, all within one DoDragDrop that allows a copy, a move or a link.
DragResult DragOnto(POINT screenPoint, const DragData& data);

}  // namespace oravin::testing
