#pragma once

#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "request_target.h"

namespace velmar::service {

// One line of the request log, "\n" included (format in README.md): the path and the raw query,
// then each parameter as key=value, tab-separated. Bytes that would break the line or could be
// mistaken for an escape are written as \xHH.
std::string FormatLogLine(const RequestTarget& target);

// A decoded value as the log writes it: printable ASCII other than "\" and "%" as is, any other
// byte as \xHH.
std::string EscapeLogValue(std::string_view bytes);

// The log of the requests received, kept in memory and, when a file is given, written through
// to it line by line. Safe to use from any thread; lines stay in the order Append was called.
class RequestLog {
 public:
  RequestLog();
  ~RequestLog();

  // Starts writing to `path`, emptying the file first. False, with `error` set, when it cannot
  // be opened.
  bool OpenFile(const std::string& path, std::string* error);

  void Append(std::string_view line);
  std::string Text() const;
  // Empties the memory log and the file.
  void Clear();

  // The memory log keeps the newest lines within this many bytes; the file keeps them all.
  static constexpr size_t kMaxMemoryBytes = 32 * 1024 * 1024;

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  mutable std::mutex mutex_;
  std::string text_;
  std::unique_ptr<std::FILE, FileCloser> file_;
};

}  // namespace velmar::service
