// The backends under test, one of each port, as the contract tests see them.
// Each test program links one factory: the Linux backends natively, the
// Win32 backends in the Windows build.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace contract {

class Backend {
 public:
  virtual ~Backend() = default;

  virtual platform::Platform& ports() = 0;

  // A directory of its own for this backend's profile files, without a
  // trailing separator, in the form the program builds its paths in ("C:\x").
  virtual std::string ScratchDirectory() = 0;
  // The bytes of the file at `path`, or nothing when there is none.
  virtual std::optional<std::string> FileBytes(const std::string& path) = 0;
  virtual void PutFileBytes(const std::string& path, const std::string& bytes) = 0;
  // Whether profile paths name files of a real file system, where "a\\b" and
  // "a\b" are one file.
  virtual bool HasFileSystem() const = 0;

  // Makes a directory whose path is `length` characters long the current
  // directory, until the backend goes, and returns its path; empty when the
  // OS refuses.
  virtual std::string EnterDirectoryOfLength(std::size_t length) = 0;

  // Whether Threads::Start runs its work on a thread other than the caller's.
  virtual bool WorkersHaveOwnThreads() const = 0;
  // Lets the UI thread (the caller) run what was posted to the UI queue until
  // `done` holds; false when it still does not after `timeout_ms`.
  virtual bool RunUiUntil(const std::function<bool()>& done, unsigned timeout_ms) = 0;
};

// Made on the thread that is the UI thread for the test.
std::unique_ptr<Backend> MakeBackend();

}  // namespace contract
