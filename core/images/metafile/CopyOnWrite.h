#pragma once
// A value, or none, that copies share until one of them is changed: the copy
// changed takes a value of its own first. Held as an optional value is (set
// by assignment, emptied by reset, tested as a bool), so that saving a whole
// state costs nothing for the parts of it that do not change.

#include <memory>
#include <utility>

namespace kestrova {

template <typename T>
class CopyOnWrite {
 public:
  CopyOnWrite() = default;
  CopyOnWrite& operator=(T value) {
    value_ = std::make_shared<T>(std::move(value));
    return *this;
  }
  void reset() { value_.reset(); }
  explicit operator bool() const { return value_ != nullptr; }

  const T& operator*() const { return *value_; }
  const T* operator->() const { return value_.get(); }
  // Access through which the value may change: one that other copies share
  // is copied first.
  T& operator*() { return Own(); }
  T* operator->() { return &Own(); }

  // Whether both hold the same value, not a copy of it (or both none).
  bool Shares(const CopyOnWrite& other) const { return value_ == other.value_; }

 private:
  T& Own() {
    if (value_.use_count() > 1) value_ = std::make_shared<T>(std::as_const(*value_));
    return *value_;
  }

  std::shared_ptr<T> value_;
};

}  // namespace kestrova
