// The reference service, as the HTTP contract tests reach it: through the
// HTTP port under test, with fresh URLs and the cache cleaned after each.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/http.h"
#include "platform/line_reader.h"

namespace contract {

// Every byte but ASCII letters and digits as %HH, for values of the control
// requests, which carry any bytes.
std::string PercentEncode(std::string_view bytes);

// The lines of one answer and how the reading ended.
struct AnswerLines {
  std::vector<std::string> lines;
  platform::LineStatus end = platform::LineStatus::kEnd;
};

class ServiceControl {
 public:
  ServiceControl(platform::Http& http, std::string host) : http_(http), host_(std::move(host)) {}

  // "http://host" + `target`, with a query key that makes it unlike any
  // earlier URL, the way the program's timestamp does.
  std::string FreshUrl(const std::string& target);

  // The answer's lines; nothing when the URL cannot be opened.
  std::optional<AnswerLines> Lines(const std::string& url);
  // The whole body, read as raw bytes; nothing when the URL cannot be opened
  // or the transport fails while reading.
  std::optional<std::string> Body(const std::string& url);

  // Arms a fault on `path`: `kind_and_args` is "drop", "status&code=500"...
  bool Fault(const std::string& path, const std::string& kind_and_args);
  bool Reset();
  // The request log lines for `path`.
  std::vector<std::string> LoggedRequests(const std::string& path);

 private:
  bool Ok(const std::string& control_target);

  platform::Http& http_;
  std::string host_;
  unsigned fresh_ = 0;
};

}  // namespace contract
