// Ownership of one OS handle: closed exactly once, when its owner goes.
#pragma once

#include <utility>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// `Close` is the OS call that releases a handle of type `Handle`; a null
// handle is never passed to it.
template <class Handle, BOOL(WINAPI* Close)(Handle)>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  ~OwnedHandle() { Reset(); }

  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  void Reset() {
    if (handle_ != nullptr) Close(std::exchange(handle_, nullptr));
  }

 private:
  Handle handle_ = nullptr;
};

using KernelHandle = OwnedHandle<HANDLE, CloseHandle>;
using WindowHandle = OwnedHandle<HWND, DestroyWindow>;

}  // namespace platform::win32
