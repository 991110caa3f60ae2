#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "contract_store.h"
#include "http_reply.h"
#include "request_target.h"

namespace velmar::service {

// The keys each call of the client sends, so that an unencoded "&" inside a value can be told
// from the start of the next key.
extern const std::vector<std::string_view> kLoginKeys;
extern const std::vector<std::string_view> kContractListKeys;
extern const std::vector<std::string_view> kContractInfoKeys;
extern const std::vector<std::string_view> kLogoutKeys;
extern const std::vector<std::string_view> kReportKeys;

// The answers of the five calls. Keys are looked up by name, in whatever order they came; a
// missing key counts as an empty value. `today` is YYYY-MM-DD.
Reply AnswerLogin(const ContractStore& store, const RequestTarget& request);
Reply AnswerContractList(const ContractStore& store, const RequestTarget& request);
Reply AnswerContractInfo(const ContractStore& store, const RequestTarget& request,
                         const std::string& today);
Reply AnswerLogout(const RequestTarget& request);
Reply AnswerBadIpReport(ContractStore& store, const RequestTarget& request);

}  // namespace velmar::service
