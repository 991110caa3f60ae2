// One HTTP GET at a time: a session per request, the answer read as raw
// bytes. Line splitting lives in LineReader, the same for every backend.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace platform {

enum class ReadStatus {
  kData,    // some bytes were read
  kEnd,     // the body has ended
  kFailed,  // the transport failed while reading
};

class HttpAnswer {
 public:
  virtual ~HttpAnswer() = default;
  // Reads at most `capacity` bytes into `buffer`; `*count` is the number read.
  virtual ReadStatus Read(char* buffer, std::size_t capacity, std::size_t* count) = 0;
};

class HttpSession {
 public:
  virtual ~HttpSession() = default;
  // Opens the URL with a GET. Null when the transport fails (host unknown or
  // unreachable, connection refused or dropped, time-out). An HTTP error
  // status is not a failure: its page is the answer.
  virtual std::unique_ptr<HttpAnswer> OpenUrl(const std::string& url) = 0;
};

class Http {
 public:
  virtual ~Http() = default;
  // A new session with the system's proxy settings; null when it cannot be made.
  virtual std::unique_ptr<HttpSession> OpenSession() = 0;
  virtual void DeleteUrlCacheEntry(const std::string& url) = 0;
};

}  // namespace platform
