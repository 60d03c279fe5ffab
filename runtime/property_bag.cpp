#include "runtime/property_bag.h"

#include <algorithm>

namespace oravin {
namespace {

// Keys are the controls' own ASCII property names.
wchar_t FoldCase(wchar_t c) { return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c; }

bool SameKey(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); });
}

std::string Narrow(std::wstring_view key) {
  std::string out;
  for (wchar_t c : key) out += (c < 0x80) ? char(c) : '?';
  return out;
}

bool IsEmptyObject(const BagValue& value) {
  const auto* object = std::get_if<std::shared_ptr<SharedObject>>(&value);
  return object && !*object;
}

}  // namespace

PropertyTypeError::PropertyTypeError(std::wstring_view key)
    : std::runtime_error("property \"" + Narrow(key) + "\" holds a value of another type") {}

const BagValue* PropertyBag::Find(std::wstring_view name) const {
  for (const auto& [key, value] : entries_) {
    if (SameKey(key, name)) return &value;
  }
  return nullptr;
}

BagValue PropertyBag::ReadProperty(std::wstring_view name, const BagValue& defaultValue) const {
  const BagValue* stored = Find(name);
  return stored ? *stored : defaultValue;
}

void PropertyBag::WriteProperty(std::wstring_view name, const BagValue& value, const BagValue& defaultValue) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return SameKey(e.first, name); });
  if (value == defaultValue || IsEmptyObject(value)) {
    if (it != entries_.end()) entries_.erase(it);
    return;
  }
  if (it != entries_.end()) {
    it->second = value;
  } else {
    entries_.emplace_back(std::wstring(name), value);
  }
}

std::vector<std::wstring> PropertyBag::Keys() const {
  std::vector<std::wstring> keys;
  keys.reserve(entries_.size());
  for (const auto& entry : entries_) keys.push_back(entry.first);
  return keys;
}

}  // namespace oravin
