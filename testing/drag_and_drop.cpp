#include "testing/drag_and_drop.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include "runtime/com_object.h"
#include "runtime/com_ptr.h"

namespace oravin::testing {
namespace {

std::string BytesOf(const std::wstring& text) {
  const std::wstring terminated = text + L'\0';
  return std::string(reinterpret_cast<const char*>(terminated.data()), terminated.size() * sizeof(wchar_t));
}

class DataObject final : public ComObject<IDataObject> {
 public:
  explicit DataObject(const DragData& data) : formats_(data.Formats()) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* wanted, STGMEDIUM* medium) override {
    const std::string* bytes = Find(wanted);
    if (!bytes || !medium) return DV_E_FORMATETC;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes->size());
    if (!memory) return E_OUTOFMEMORY;
    std::memcpy(GlobalLock(memory), bytes->data(), bytes->size());
    GlobalUnlock(memory);
    *medium = {};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* wanted) override { return Find(wanted) ? S_OK : DV_E_FORMATETC; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    std::vector<FORMATETC> offered;
    for (const auto& [format, bytes] : formats_)
      offered.push_back({format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
    return SHCreateStdEnumFmtEtc(UINT(offered.size()), offered.data(), out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  const std::string* Find(const FORMATETC* wanted) const {
    if (!wanted || !(wanted->tymed & TYMED_HGLOBAL)) return nullptr;
    const auto found = std::find_if(formats_.begin(), formats_.end(),
                                    [&](const auto& format) { return format.first == wanted->cfFormat; });
    return found == formats_.end() ? nullptr : &found->second;
  }

  std::vector<std::pair<CLIPFORMAT, std::string>> formats_;
};

// Lets the pointer rest over the target for one turn, then drops.
class DropSource final : public ComObject<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return ++asked_ > 1 ? DRAGDROP_S_DROP : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    shown = effect;
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }
  DWORD shown = DROPEFFECT_NONE;

 private:
  int asked_ = 0;
};

class ScopedOle {
 public:
  ScopedOle() : ready_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~ScopedOle() {
    if (ready_) OleUninitialize();
  }
  ScopedOle(const ScopedOle&) = delete;
  ScopedOle& operator=(const ScopedOle&) = delete;

 private:
  bool ready_;
};

}  // namespace

DragData& DragData::Files(const std::vector<std::filesystem::path>& files) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::wstring names;
  for (const auto& file : files) names += file.wstring() + L'\0';
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
  bytes += BytesOf(names);
  formats_.emplace_back(CLIPFORMAT(CF_HDROP), std::move(bytes));
  return *this;
}

DragData& DragData::Text(const wchar_t* format, const std::wstring& text) {
  formats_.emplace_back(CLIPFORMAT(RegisterClipboardFormatW(format)), BytesOf(text));
  return *this;
}

DragData& DragData::Text(const std::wstring& text) {
  formats_.emplace_back(CLIPFORMAT(CF_UNICODETEXT), BytesOf(text));
  return *this;
}

DragData& DragData::FileName(const std::wstring& name) {
  FILEGROUPDESCRIPTORW group{};
  group.cItems = 1;
  group.fgd[0].dwFlags = FD_UNICODE;
  name.copy(group.fgd[0].cFileName, MAX_PATH - 1);
  formats_.emplace_back(CLIPFORMAT(RegisterClipboardFormatW(CFSTR_FILEDESCRIPTORW)),
                        std::string(reinterpret_cast<const char*>(&group), sizeof group));
  return *this;
}

DragResult DragOnto(POINT screenPoint, const DragData& data) {
  ScopedOle ole;
  SetCursorPos(screenPoint.x, screenPoint.y);
  ComPtr<DataObject> object(new DataObject(data));
  ComPtr<DropSource> source(new DropSource);
  DragResult result;
  DoDragDrop(object.get(), source.get(), DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &result.dropped);
  result.shown = source->shown;
  return result;
}

}  // namespace oravin::testing
