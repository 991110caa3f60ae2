// Splits an HTTP answer into lines through a fixed read buffer.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/http.h"

namespace platform {

enum class LineStatus {
  kLine,    // `line` holds the next line
  kEnd,     // no more lines
  kFailed,  // the transport failed before the next line was complete
};

// Where the service calls take an answer's lines from.
class LineSource {
 public:
  virtual ~LineSource() = default;
  virtual LineStatus ReadLine(std::string& line) = 0;
};

// Rules: a CR is dropped wherever it occurs; an LF ends a line and is not part
// of it; a pending partial line is returned at the end of the body; an empty
// body has no lines. Reading is bounded: a line keeps at most kMaxLineBytes
// (the rest of it is skipped) and at most kMaxBodyBytes of the body are read,
// after which the body counts as ended.
class LineReader final : public LineSource {
 public:
  static constexpr std::size_t kBufferBytes = 4096;
  static constexpr std::size_t kMaxLineBytes = 64 * 1024;
  static constexpr std::size_t kMaxBodyBytes = 1024 * 1024;

  explicit LineReader(HttpAnswer& answer) : answer_(answer), buffer_(kBufferBytes) {}

  LineStatus ReadLine(std::string& line) override;

 private:
  bool Refill();  // false at the end of the body or on failure

  HttpAnswer& answer_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::size_t body_bytes_ = 0;
  bool ended_ = false;
  bool failed_ = false;
};

}  // namespace platform
