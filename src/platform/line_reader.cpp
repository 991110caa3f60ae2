#include "platform/line_reader.h"

namespace platform {

bool LineReader::Refill() {
  if (ended_ || failed_) return false;
  if (body_bytes_ >= kMaxBodyBytes) {
    ended_ = true;
    return false;
  }
  std::size_t wanted = kBufferBytes;
  if (kMaxBodyBytes - body_bytes_ < wanted) wanted = kMaxBodyBytes - body_bytes_;
  for (;;) {
    std::size_t count = 0;
    ReadStatus status = answer_.Read(buffer_.data(), wanted, &count);
    if (status == ReadStatus::kFailed) {
      failed_ = true;
      return false;
    }
    if (count > wanted) count = wanted;  // a backend must never overrun; do not trust it
    if (count > 0) {
      begin_ = 0;
      end_ = count;
      body_bytes_ += count;
      return true;
    }
    if (status == ReadStatus::kEnd) {
      ended_ = true;
      return false;
    }
  }
}

LineStatus LineReader::ReadLine(std::string& line) {
  line.clear();
  bool have_bytes = false;
  for (;;) {
    if (begin_ == end_ && !Refill()) break;
    have_bytes = true;
    while (begin_ < end_) {
      char c = buffer_[begin_++];
      if (c == '\n') return LineStatus::kLine;
      if (c == '\r') continue;
      if (line.size() < kMaxLineBytes) line.push_back(c);
    }
  }
  if (failed_) return LineStatus::kFailed;
  return have_bytes ? LineStatus::kLine : LineStatus::kEnd;
}

}  // namespace platform
