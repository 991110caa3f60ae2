// The contract list call: the logged-in user's rented IPs.
#pragma once

#include <string>
#include <vector>

#include "platform/line_reader.h"
#include "platform/platform.h"

namespace api {

inline constexpr char kStatusInUse[] = "접속중";
inline constexpr char kStatusFree[] = "미접속";
inline constexpr char kNoListText[] = "아이피 리스트가 없습니다.";

// One row of the contract list as the list shows it, in CP949.
struct ContractRow {
  std::string ip;
  std::string expiry;
  std::string memo;
  std::string status;  // kStatusInUse when the busy flag is exactly "1", else kStatusFree
  std::string vpn_user;
  std::string vpn_password;
  std::string vpn_server;
};

struct ContractList {
  enum class Kind {
    kUnreachable,  // the list stays as it is, nothing is posted
    kNoList,       // no "TRUE": the list stays, the status line says kNoListText
    kReplaced,     // the list becomes `rows` and the reload is announced
  };
  Kind kind = Kind::kUnreachable;
  // Top row first: the answer's last record is the first row. Empty after a
  // malformed record.
  std::vector<ContractRow> rows;
  bool malformed = false;
};

// Records follow the line "TRUE", one per line, UTF-8, seven fields split at
// "#KVELT#"; the seventh keeps any further separators. A record that lacks a
// separator empties the list and ends the reading.
ContractList ParseContractList(platform::LineSource& lines, platform::CodePages& codepages);

std::string ContractListUrl(const std::string& host, const std::string& user_id,
                            const std::string& computer_name, const std::string& timestamp);

// Runs on a worker thread.
ContractList CallContractList(platform::Platform& os, const std::string& host,
                              const std::string& user_id);

}  // namespace api
