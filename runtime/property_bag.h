#pragma once
// The host's property bag: where a control keeps its settings between
// sessions. Keys are matched without regard to case, a value equal to the
// default it is written with is left out, and reading a key that is not there
// gives the default the reader names. Pictures and fonts are kept by
// reference through the SharedObject base, so this file needs no windows.h.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace oravin {

// Anything a bag keeps by reference (pictures, fonts).
class SharedObject {
 public:
  virtual ~SharedObject() = default;
};

using BagValue = std::variant<bool, int32_t, double, std::wstring, std::shared_ptr<SharedObject>>;

// A stored value of another type than the reader asked for.
class PropertyTypeError : public std::runtime_error {
 public:
  explicit PropertyTypeError(std::wstring_view key);
};

class PropertyBag {
 public:
  virtual ~PropertyBag() = default;

  // The stored value, or defaultValue when the key is not stored.
  virtual BagValue ReadProperty(std::wstring_view name, const BagValue& defaultValue) const;
  // Stores the value when it differs from defaultValue, otherwise leaves the
  // key out (removing an earlier value). An empty object reference is never
  // stored: there is nothing to keep, and a reader gets its default back.
  virtual void WriteProperty(std::wstring_view name, const BagValue& value, const BagValue& defaultValue);

  // Typed access. T is bool, int32_t, double, std::wstring or std::shared_ptr
  // of a SharedObject kind; a stored value of another type throws PropertyTypeError.
  template <typename T>
  T Read(std::wstring_view name, const T& defaultValue) const {
    return FromBag<T>(name, ReadProperty(name, ToBag(defaultValue)));
  }
  template <typename T>
  void Write(std::wstring_view name, const T& value, const T& defaultValue) {
    WriteProperty(name, ToBag(value), ToBag(defaultValue));
  }

  bool Contains(std::wstring_view name) const { return Find(name) != nullptr; }
  // Stored keys as first written, in the order they were first written.
  std::vector<std::wstring> Keys() const;

 private:
  template <typename T>
  struct IsSharedPtr : std::false_type {};
  template <typename U>
  struct IsSharedPtr<std::shared_ptr<U>> : std::true_type {
    using Element = U;
  };

  template <typename T>
  static BagValue ToBag(const T& value) {
    if constexpr (IsSharedPtr<T>::value) {
      return BagValue(std::static_pointer_cast<SharedObject>(value));
    } else {
      return BagValue(std::in_place_type<T>, value);
    }
  }

  template <typename T>
  static T FromBag(std::wstring_view name, const BagValue& value) {
    if constexpr (IsSharedPtr<T>::value) {
      const auto* object = std::get_if<std::shared_ptr<SharedObject>>(&value);
      if (!object) throw PropertyTypeError(name);
      if (!*object) return nullptr;
      auto typed = std::dynamic_pointer_cast<typename IsSharedPtr<T>::Element>(*object);
      if (!typed) throw PropertyTypeError(name);
      return typed;
    } else {
      const T* typed = std::get_if<T>(&value);
      if (!typed) throw PropertyTypeError(name);
      return *typed;
    }
  }

  const BagValue* Find(std::wstring_view name) const;

  std::vector<std::pair<std::wstring, BagValue>> entries_;
};

}  // namespace oravin
