#include "faults.h"

#include <utility>

namespace velmar::service {
namespace {

struct KindName {
  std::string_view name;
  FaultKind kind;
};

constexpr KindName kKindNames[] = {
    {"delay", FaultKind::kDelay},
    {"drop", FaultKind::kDrop},
    {"drop_mid", FaultKind::kDropMid},
    {"status", FaultKind::kStatus},
    {"status_keep_body", FaultKind::kStatusKeepBody},
    {"empty", FaultKind::kEmpty},
    {"body", FaultKind::kBody},
    {"crlf", FaultKind::kCrlf},
    {"oversized", FaultKind::kOversized},
    {"oversized_line", FaultKind::kOversizedLine},
};

std::optional<FaultKind> KindNamed(std::string_view name) {
  for (const KindName& entry : kKindNames) {
    if (entry.name == name) return entry.kind;
  }
  return std::nullopt;
}

// Reads an optional decimal parameter within [low, high]. False when it is present but bad.
bool ReadNumber(const RequestTarget& control, std::string_view key, long long low, long long high,
                std::optional<long long>* value) {
  const std::string* text = control.Find(key);
  if (text == nullptr) return true;
  if (text->empty() || text->size() > 18) return false;
  long long number = 0;
  for (char c : *text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  if (number < low || number > high) return false;
  *value = number;
  return true;
}

}  // namespace

std::optional<FaultOrder> ParseFaultOrder(const RequestTarget& control, std::string* error) {
  const std::string* path = control.Find("path");
  const std::string* kind_name = control.Find("kind");
  if (path == nullptr || path->empty() || kind_name == nullptr) {
    *error = "path and kind are required";
    return std::nullopt;
  }
  const std::optional<FaultKind> kind = KindNamed(*kind_name);
  if (!kind) {
    *error = "unknown kind " + *kind_name;
    return std::nullopt;
  }
  std::optional<long long> ms, code, bytes, times;
  if (!ReadNumber(control, "ms", 0, Fault::kMaxDelayMs, &ms) ||
      !ReadNumber(control, "code", 200, 599, &code) ||
      !ReadNumber(control, "bytes", 0, Fault::kMaxOversizedBytes, &bytes) ||
      !ReadNumber(control, "times", 1, 1000000, &times)) {
    *error = "ms, code, bytes or times out of range";
    return std::nullopt;
  }
  const std::string* body = control.Find("body");
  if (*kind == FaultKind::kBody && body == nullptr) {
    *error = "kind body needs a body";
    return std::nullopt;
  }

  FaultOrder order;
  order.path = *path;
  order.fault.kind = *kind;
  if (ms) order.fault.delay_ms = static_cast<int>(*ms);
  if (code) order.fault.status = static_cast<int>(*code);
  if (bytes) order.fault.bytes = static_cast<size_t>(*bytes);
  if (body) order.fault.body = *body;
  if (times) order.times = static_cast<int>(*times);
  return order;
}

void FaultTable::Arm(FaultOrder order) {
  std::lock_guard<std::mutex> lock(mutex_);
  armed_[order.path] = Armed{std::move(order.fault), order.times};
}

std::optional<Fault> FaultTable::Take(std::string_view path) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = armed_.find(path);
  if (found == armed_.end()) return std::nullopt;
  Fault fault = found->second.fault;
  std::optional<int>& remaining = found->second.remaining;
  if (remaining && --*remaining == 0) armed_.erase(found);
  return fault;
}

void FaultTable::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  armed_.clear();
}

}  // namespace velmar::service
