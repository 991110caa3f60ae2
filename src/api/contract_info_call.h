// The contract info call: is the connected IP's contract still valid?
#pragma once

#include <string>

#include "platform/line_reader.h"
#include "platform/platform.h"

namespace api {

enum class ContractState {
  kNoEffect,  // valid, no "TRUE", or the service unreachable: nothing changes
  kExpired,   // a state record says "0": the connection's row goes, 1130 follows
  kClearAll,  // "TRUE" followed by a record with fewer than two separators
};

// After each "TRUE" line comes a state record: anything, separator, state,
// separator, anything. Records repeat; the first expired one decides.
ContractState ParseContractInfo(platform::LineSource& lines);

std::string ContractInfoUrl(const std::string& host, const std::string& user_id,
                            const std::string& ip, const std::string& computer_name,
                            const std::string& timestamp);

// Runs on a worker thread.
ContractState CallContractInfo(platform::Platform& os, const std::string& host,
                               const std::string& user_id, const std::string& ip);

}  // namespace api
