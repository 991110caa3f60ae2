#pragma once

#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "request_target.h"

namespace velmar::service {

enum class FaultKind {
  kDelay,           // wait, then answer normally
  kDrop,            // close without an answer
  kDropMid,         // announce the whole body, send part of it, close
  kStatus,          // an error page (or the given body) with the given status
  kStatusKeepBody,  // the normal body with the given status
  kEmpty,           // 200 with no body
  kBody,            // 200 with exactly the given bytes
  kCrlf,            // the normal answer with CR LF line ends
  kOversized,       // "TRUE", then garbage lines, `bytes` in all
  kOversizedLine,   // "TRUE", then one line of `bytes` bytes with no line feed
};

struct Fault {
  FaultKind kind = FaultKind::kDelay;
  int delay_ms = 0;
  int status = 500;
  std::optional<std::string> body;
  size_t bytes = kDefaultOversizedBytes;

  static constexpr size_t kDefaultOversizedBytes = 8 * 1024 * 1024;
  static constexpr size_t kMaxOversizedBytes = 64 * 1024 * 1024;
  static constexpr int kMaxDelayMs = 120000;
};

// A fault as a control request describes it: the path it applies to, the fault, and how many
// requests it applies to (none: until it is cleared).
struct FaultOrder {
  std::string path;
  Fault fault;
  std::optional<int> times;
};

// Reads the parameters path, kind, ms, code, body, bytes and times. On a bad value returns
// nothing and sets `error`.
std::optional<FaultOrder> ParseFaultOrder(const RequestTarget& control, std::string* error);

// The faults armed per path. Safe to use from any thread.
class FaultTable {
 public:
  // Replaces any fault armed for the same path.
  void Arm(FaultOrder order);
  // The fault for a request on `path`, counting the request against the fault's times.
  std::optional<Fault> Take(std::string_view path);
  void Clear();

 private:
  struct Armed {
    Fault fault;
    std::optional<int> remaining;
  };

  std::mutex mutex_;
  std::map<std::string, Armed, std::less<>> armed_;
};

}  // namespace velmar::service
