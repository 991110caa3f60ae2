#include "request_target.h"

#include <algorithm>

namespace velmar::service {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct RawParam {
  std::string_view key;
  std::string value;
};

bool IsKnown(const std::vector<std::string_view>& known_keys, std::string_view raw_key) {
  const std::string key = PercentDecode(raw_key, true);
  return std::find(known_keys.begin(), known_keys.end(), key) != known_keys.end();
}

std::vector<RawParam> SplitQuery(std::string_view query,
                                 const std::vector<std::string_view>& known_keys) {
  std::vector<RawParam> params;
  if (query.empty()) return params;
  size_t start = 0;
  while (start <= query.size()) {
    size_t end = query.find('&', start);
    if (end == std::string_view::npos) end = query.size();
    const std::string_view segment = query.substr(start, end - start);
    const size_t equals = segment.find('=');
    const std::string_view key = segment.substr(0, equals);
    if (!known_keys.empty() && !params.empty() && !IsKnown(known_keys, key)) {
      params.back().value.append("&").append(segment);
    } else if (!segment.empty()) {
      const std::string_view value =
          equals == std::string_view::npos ? std::string_view() : segment.substr(equals + 1);
      params.push_back({key, std::string(value)});
    }
    start = end + 1;
  }
  return params;
}

}  // namespace

const std::string* RequestTarget::Find(std::string_view key) const {
  for (const QueryParam& param : params) {
    if (param.key == key) return &param.value;
  }
  return nullptr;
}

std::string PercentDecode(std::string_view raw, bool plus_is_blank) {
  std::string decoded;
  decoded.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '%' && i + 2 < raw.size() && HexValue(raw[i + 1]) >= 0 && HexValue(raw[i + 2]) >= 0) {
      decoded.push_back(static_cast<char>(HexValue(raw[i + 1]) * 16 + HexValue(raw[i + 2])));
      i += 2;
    } else if (c == '+' && plus_is_blank) {
      decoded.push_back(' ');
    } else {
      decoded.push_back(c);
    }
  }
  return decoded;
}

std::string_view TargetPath(std::string_view target) { return target.substr(0, target.find('?')); }

RequestTarget ParseRequestTarget(std::string_view target,
                                 const std::vector<std::string_view>& known_keys) {
  RequestTarget parsed;
  const size_t question = target.find('?');
  parsed.path = std::string(target.substr(0, question));
  if (question != std::string_view::npos)
    parsed.raw_query = std::string(target.substr(question + 1));
  for (RawParam& raw : SplitQuery(parsed.raw_query, known_keys)) {
    parsed.params.push_back({PercentDecode(raw.key, true), PercentDecode(raw.value, true)});
  }
  return parsed;
}

}  // namespace velmar::service
