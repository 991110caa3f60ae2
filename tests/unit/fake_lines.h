// An answer body handed to a parser as lines, as the HTTP line reader would.
#pragma once

#include <string>
#include <string_view>

#include "platform/http.h"
#include "platform/line_reader.h"

namespace test {

// A body served from memory through the real LineReader, so that parsers are
// tested on the same line rules as the transport. `fail_at_end` makes the
// transport fail once the body is consumed.
class BodyAnswer final : public platform::HttpAnswer {
 public:
  explicit BodyAnswer(std::string body, bool fail_at_end = false, std::size_t chunk = 4096)
      : body_(std::move(body)), fail_at_end_(fail_at_end), chunk_(chunk) {}

  platform::ReadStatus Read(char* buffer, std::size_t capacity, std::size_t* count) override {
    *count = 0;
    if (pos_ >= body_.size()) {
      return fail_at_end_ ? platform::ReadStatus::kFailed : platform::ReadStatus::kEnd;
    }
    std::size_t n = std::min({capacity, chunk_, body_.size() - pos_});
    body_.copy(buffer, n, pos_);
    pos_ += n;
    *count = n;
    return platform::ReadStatus::kData;
  }

 private:
  std::string body_;
  bool fail_at_end_;
  std::size_t chunk_;
  std::size_t pos_ = 0;
};

struct BodyLines {
  explicit BodyLines(std::string body, bool fail_at_end = false)
      : answer(std::move(body), fail_at_end), reader(answer) {}
  BodyAnswer answer;
  platform::LineReader reader;
};

}  // namespace test
