#include "fault_replies.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace velmar::service {
namespace {

constexpr std::string_view kTrueLine = "TRUE\n";

std::string WithCrLf(const std::string& body) {
  std::string converted;
  converted.reserve(body.size() + body.size() / 8);
  for (char c : body) {
    if (c == '\n') converted.push_back('\r');
    converted.push_back(c);
  }
  return converted;
}

// How much of `body` a cut-short answer sends: its first line when more follows, otherwise the
// first half. Always less than the whole, so the client meets the close before the end.
size_t CutShortLength(const std::string& body) {
  const size_t line_end = body.find('\n');
  if (line_end != std::string::npos && line_end + 1 < body.size()) return line_end + 1;
  return body.size() / 2;
}

Reply CutShort(Reply normal) {
  const size_t sent = CutShortLength(normal.body);
  normal.declared_length = std::max(normal.body.size(), sent + 1);
  normal.body.resize(sent);
  normal.delivery = Reply::Delivery::kCutShort;
  return normal;
}

}  // namespace

std::string OversizedBody(size_t bytes) {
  std::string body(kTrueLine.substr(0, std::min(bytes, kTrueLine.size())));
  body.reserve(bytes);
  char line[64];
  for (unsigned long number = 0; body.size() < bytes; ++number) {
    const int length = std::snprintf(line, sizeof line, "garbage %08lu zqxjkvwp\n", number);
    body.append(line, std::min(static_cast<size_t>(length), bytes - body.size()));
  }
  return body;
}

std::string OversizedLineBody(size_t bytes) {
  std::string body(kTrueLine);
  body.append(bytes, 'x');
  return body;
}

Reply ApplyFault(const Fault& fault, Reply normal) {
  switch (fault.kind) {
    case FaultKind::kDelay:
      normal.delay = std::chrono::milliseconds(fault.delay_ms);
      return normal;
    case FaultKind::kDrop: {
      Reply nothing;
      nothing.delivery = Reply::Delivery::kNothing;
      return nothing;
    }
    case FaultKind::kDropMid:
      return CutShort(std::move(normal));
    case FaultKind::kStatus: {
      Reply page = ErrorPage(fault.status);
      if (fault.body) page.body = *fault.body;
      return page;
    }
    case FaultKind::kStatusKeepBody:
      normal.status = fault.status;
      return normal;
    case FaultKind::kEmpty:
      return TextReply("");
    case FaultKind::kBody:
      return TextReply(fault.body.value_or(""));
    case FaultKind::kCrlf:
      normal.body = WithCrLf(normal.body);
      return normal;
    case FaultKind::kOversized:
      return TextReply(OversizedBody(fault.bytes));
    case FaultKind::kOversizedLine:
      return TextReply(OversizedLineBody(fault.bytes));
  }
  return normal;
}

}  // namespace velmar::service
