// Ownership of one reference to a COM interface.
#pragma once

#include <utility>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// Holds one reference and releases it exactly once. The reference comes from
// a call that hands one out (CoCreateInstance, QueryInterface) through
// Receive(); a copy adds one of its own.
template <class Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() { Reset(); }

  ComRef(const ComRef& other) : pointer_(other.pointer_) {
    if (pointer_ != nullptr) pointer_->AddRef();
  }
  ComRef& operator=(const ComRef& other) {
    ComRef copy(other);
    std::swap(pointer_, copy.pointer_);
    return *this;
  }
  ComRef(ComRef&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComRef& operator=(ComRef&& other) noexcept {
    ComRef moved(std::move(other));
    std::swap(pointer_, moved.pointer_);
    return *this;
  }

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // Where a call that hands out a reference writes it; drops the one held.
  Interface** Receive() {
    Reset();
    return &pointer_;
  }

  // Another interface of the same object, or nothing with the call's error.
  template <class Other>
  HRESULT QueryTo(ComRef<Other>& out) const {
    if (pointer_ == nullptr) return E_POINTER;
    return pointer_->QueryInterface(__uuidof(Other), reinterpret_cast<void**>(out.Receive()));
  }

  void Reset() {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace platform::win32
