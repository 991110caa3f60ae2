#include "api/contract_list_call.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "api/request_core.h"

namespace api {
namespace {

constexpr std::size_t kFieldCount = 7;

// Splits at the first six separators; nothing when one is missing.
std::optional<std::array<std::string, kFieldCount>> SplitRecord(std::string_view record) {
  std::array<std::string, kFieldCount> fields;
  constexpr std::size_t kSeparatorSize = sizeof(kFieldSeparator) - 1;
  std::size_t start = 0;
  for (std::size_t i = 0; i + 1 < kFieldCount; ++i) {
    std::size_t at = FindSeparator(record, start);
    if (at == std::string_view::npos) return std::nullopt;
    fields[i] = std::string(record.substr(start, at - start));
    start = at + kSeparatorSize;
  }
  fields[kFieldCount - 1] = std::string(record.substr(start));
  return fields;
}

ContractRow RowFromFields(std::array<std::string, kFieldCount>& f) {
  return ContractRow{std::move(f[0]), std::move(f[1]), std::move(f[2]),
                     f[3] == "1" ? kStatusInUse : kStatusFree,
                     std::move(f[4]), std::move(f[5]), std::move(f[6])};
}

bool SkipToTrue(platform::LineSource& lines, platform::LineStatus& status) {
  std::string line;
  while ((status = lines.ReadLine(line)) == platform::LineStatus::kLine) {
    if (line == kTrueToken) return true;
  }
  return false;
}

}  // namespace

ContractList ParseContractList(platform::LineSource& lines, platform::CodePages& codepages) {
  ContractList list;
  platform::LineStatus status;
  if (!SkipToTrue(lines, status)) {
    list.kind = status == platform::LineStatus::kFailed ? ContractList::Kind::kUnreachable
                                                        : ContractList::Kind::kNoList;
    return list;
  }
  std::string line;
  while ((status = lines.ReadLine(line)) == platform::LineStatus::kLine) {
    auto fields = SplitRecord(Utf8ToAnsi(codepages, line));
    if (!fields) {
      list.rows.clear();
      list.malformed = true;
      break;
    }
    list.rows.push_back(RowFromFields(*fields));
  }
  if (status == platform::LineStatus::kFailed) return ContractList{};
  std::reverse(list.rows.begin(), list.rows.end());
  list.kind = ContractList::Kind::kReplaced;
  return list;
}

std::string ContractListUrl(const std::string& host, const std::string& user_id,
                            const std::string& computer_name, const std::string& timestamp) {
  return BuildUrl(host, "api_contract_list.php",
                  {{"id", user_id}, {"nn", computer_name}, {"rnd", timestamp}}, "");
}

ContractList CallContractList(platform::Platform& os, const std::string& host,
                              const std::string& user_id) {
  RequestStamp stamp = TakeRequestStamp(os.kernel);
  std::string url = ContractListUrl(host, user_id, stamp.computer_name, stamp.timestamp);
  ContractList list;
  PerformRequest(os, url, [&](platform::LineSource& lines) {
    list = ParseContractList(lines, os.codepages);
  });
  return list;
}

}  // namespace api
