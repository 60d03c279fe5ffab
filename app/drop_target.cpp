#include "app/drop_target.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>

#include "runtime/com_object.h"
#include "runtime/com_ptr.h"

namespace oravin {
namespace {

constexpr wchar_t kUrlFormat[] = L"UniformResourceLocatorW";
// Firefox's: the address, a line end, the title.
constexpr wchar_t kMozUrlFormat[] = L"text/x-moz-url";
constexpr wchar_t kShortcutExtension[] = L".url";
constexpr size_t kShortcutExtensionLength = 4;

CLIPFORMAT RegisteredFormat(const wchar_t* name) { return CLIPFORMAT(RegisterClipboardFormatW(name)); }

// What GetData hands over, released once whatever its kind.
class ScopedMedium {
 public:
  ScopedMedium() = default;
  ~ScopedMedium() {
    if (got_) ReleaseStgMedium(&medium_);
  }
  ScopedMedium(const ScopedMedium&) = delete;
  ScopedMedium& operator=(const ScopedMedium&) = delete;

  // The format in global memory; false when the source has none (or gave another medium).
  bool Get(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    got_ = SUCCEEDED(data->GetData(&wanted, &medium_));
    return got_ && medium_.tymed == TYMED_HGLOBAL && medium_.hGlobal;
  }
  HGLOBAL Global() const { return medium_.hGlobal; }

 private:
  STGMEDIUM medium_{};
  bool got_ = false;
};

// A global memory block's bytes for one scope.
class ScopedGlobalLock {
 public:
  explicit ScopedGlobalLock(HGLOBAL memory)
      : memory_(memory), data_(GlobalLock(memory)), size_(data_ ? GlobalSize(memory) : 0) {}
  ~ScopedGlobalLock() {
    if (data_) GlobalUnlock(memory_);
  }
  ScopedGlobalLock(const ScopedGlobalLock&) = delete;
  ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;

  template <typename T>
  const T* As() const {
    return size_ >= sizeof(T) ? static_cast<const T*>(data_) : nullptr;
  }
  size_t Size() const { return size_; }

 private:
  HGLOBAL memory_;
  void* data_;
  size_t size_;
};

std::wstring TextOf(IDataObject* data, CLIPFORMAT format) {
  ScopedMedium medium;
  if (!medium.Get(data, format)) return {};
  ScopedGlobalLock lock(medium.Global());
  const wchar_t* text = lock.As<wchar_t>();
  if (!text) return {};
  // The block may be larger than the text, and a careless source leaves out the null.
  return std::wstring(text, std::find(text, text + lock.Size() / sizeof(wchar_t), L'\0'));
}

std::vector<std::wstring> FilesOf(IDataObject* data) {
  ScopedMedium medium;
  if (!medium.Get(data, CF_HDROP)) return {};
  const auto drop = static_cast<HDROP>(medium.Global());
  std::vector<std::wstring> files;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), UINT(name.size())));
    if (!name.empty()) files.emplace_back(std::move(name));
  }
  return files;
}

// Chrome and Edge offer a link as a shortcut file named after the page: "Title.url".
std::wstring ShortcutTitleOf(IDataObject* data) {
  ScopedMedium medium;
  if (!medium.Get(data, RegisteredFormat(CFSTR_FILEDESCRIPTORW))) return {};
  ScopedGlobalLock lock(medium.Global());
  const auto* group = lock.As<FILEGROUPDESCRIPTORW>();
  if (!group || group->cItems < 1) return {};
  const wchar_t* name = group->fgd[0].cFileName;
  std::wstring title(name, std::find(name, name + MAX_PATH, L'\0'));
  if (title.size() <= kShortcutExtensionLength ||
      _wcsicmp(title.c_str() + title.size() - kShortcutExtensionLength, kShortcutExtension) != 0) {
    return {};
  }
  title.resize(title.size() - kShortcutExtensionLength);
  return title;
}

class DropTarget final : public ComObject<IDropTarget> {
 public:
  explicit DropTarget(DropHandlers handlers) : handlers_(std::move(handlers)) {}

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    accepted_ = data && handlers_.accepts(ReadDroppedItems(data));
    return Answer(effect);
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override { return Answer(effect); }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    accepted_ = false;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
    const HRESULT answered = Answer(effect);
    accepted_ = false;
    if (SUCCEEDED(answered) && *effect != DROPEFFECT_NONE && data) handlers_.take(ReadDroppedItems(data));
    return answered;
  }

 private:
  // What the pointer shows: a copy where the items fit, else that nothing can drop.
  HRESULT Answer(DWORD* effect) const {
    if (!effect) return E_INVALIDARG;
    // Never a move: the source would delete the file it thinks was moved here.
    const DWORD allowed = *effect;
    *effect = !accepted_                  ? DROPEFFECT_NONE
              : allowed & DROPEFFECT_COPY ? DROPEFFECT_COPY
              : allowed & DROPEFFECT_LINK ? DROPEFFECT_LINK
                                          : DROPEFFECT_NONE;
    return S_OK;
  }

  DropHandlers handlers_;
  bool accepted_ = false;
};

}  // namespace

DroppedItems ReadDroppedItems(IDataObject* data) {
  DroppedItems items;
  items.files = FilesOf(data);
  items.url = TextOf(data, RegisteredFormat(kUrlFormat));
  const std::wstring mozUrl = TextOf(data, RegisteredFormat(kMozUrlFormat));
  const size_t lineEnd = mozUrl.find(L'\n');
  if (items.url.empty()) items.url = mozUrl.substr(0, lineEnd);
  if (lineEnd != std::wstring::npos) items.description = mozUrl.substr(lineEnd + 1);
  for (std::wstring* line : {&items.url, &items.description}) {
    line->resize(std::min(line->size(), line->find_first_of(L"\r\n")));
  }
  if (items.description.empty()) items.description = ShortcutTitleOf(data);
  items.text = TextOf(data, CF_UNICODETEXT);
  return items;
}

DropTargetRegistration::DropTargetRegistration(HWND window, DropHandlers handlers) : window_(window) {
  oleReady_ = SUCCEEDED(OleInitialize(nullptr));
  if (!oleReady_) return;
  // The window keeps a reference of its own until it is revoked.
  ComPtr<IDropTarget> target(new DropTarget(std::move(handlers)));
  registered_ = SUCCEEDED(RegisterDragDrop(window_, target.get()));
}

DropTargetRegistration::~DropTargetRegistration() {
  if (registered_) RevokeDragDrop(window_);
  if (oleReady_) OleUninitialize();
}

}  // namespace oravin
