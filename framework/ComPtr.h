// Owns one reference to a COM interface.
#pragma once

#include <objbase.h>

#include <utility>

namespace qiv {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }

  T* Get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // For the functions that hand out a new reference (CoCreateInstance, QueryInterface): drops the one held.
  T** Out() {
    Reset();
    return &pointer_;
  }

  void Reset() {
    if (pointer_) std::exchange(pointer_, nullptr)->Release();
  }

  // The same object through another of its interfaces; empty when it has none.
  template <typename U>
  ComPtr<U> As(REFIID iid) const {
    ComPtr<U> other;
    if (pointer_) pointer_->QueryInterface(iid, reinterpret_cast<void**>(other.Out()));
    return other;
  }

 private:
  T* pointer_ = nullptr;
};

}  // namespace qiv
