#include "api/contract_info_call.h"

#include <string_view>

#include "api/request_core.h"

namespace api {
namespace {

enum class RecordVerdict { kValid, kExpired, kMalformed };

RecordVerdict JudgeStateRecord(std::string_view record) {
  constexpr std::size_t kSeparatorSize = sizeof(kFieldSeparator) - 1;
  std::size_t first = FindSeparator(record);
  if (first == std::string_view::npos) return RecordVerdict::kMalformed;
  std::size_t state_start = first + kSeparatorSize;
  std::size_t second = FindSeparator(record, state_start);
  if (second == std::string_view::npos) return RecordVerdict::kMalformed;
  return record.substr(state_start, second - state_start) == "0" ? RecordVerdict::kExpired
                                                                 : RecordVerdict::kValid;
}

}  // namespace

ContractState ParseContractInfo(platform::LineSource& lines) {
  std::string line;
  for (;;) {
    platform::LineStatus status = lines.ReadLine(line);
    if (status != platform::LineStatus::kLine) return ContractState::kNoEffect;
    if (line != kTrueToken) continue;
    // The record after "TRUE"; the end of the body reads as an empty record.
    status = lines.ReadLine(line);
    if (status == platform::LineStatus::kFailed) return ContractState::kNoEffect;
    if (status == platform::LineStatus::kEnd) line.clear();
    switch (JudgeStateRecord(line)) {
      case RecordVerdict::kExpired:
        return ContractState::kExpired;
      case RecordVerdict::kMalformed:
        return ContractState::kClearAll;
      case RecordVerdict::kValid:
        break;
    }
  }
}

std::string ContractInfoUrl(const std::string& host, const std::string& user_id,
                            const std::string& ip, const std::string& computer_name,
                            const std::string& timestamp) {
  return BuildUrl(host, "api_contract_info.php",
                  {{"id", user_id}, {"ip", ip}, {"nn", computer_name}, {"rnd", timestamp}}, "");
}

ContractState CallContractInfo(platform::Platform& os, const std::string& host,
                               const std::string& user_id, const std::string& ip) {
  RequestStamp stamp = TakeRequestStamp(os.kernel);
  std::string url = ContractInfoUrl(host, user_id, ip, stamp.computer_name, stamp.timestamp);
  ContractState state = ContractState::kNoEffect;
  PerformRequest(os, url, [&](platform::LineSource& lines) { state = ParseContractInfo(lines); });
  return state;
}

}  // namespace api
