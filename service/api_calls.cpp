#include "api_calls.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace velmar::service {
namespace {

constexpr std::string_view kSeparator = "#KVELT#";

std::string ValueOf(const RequestTarget& request, std::string_view key) {
  const std::string* value = request.Find(key);
  return value == nullptr ? std::string() : *value;
}

std::string JoinRecord(std::initializer_list<std::string_view> fields) {
  std::string line;
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) line.append(kSeparator);
    line.append(field);
    first = false;
  }
  line.push_back('\n');
  return line;
}

const Contract* FindByIp(const std::vector<Contract>& contracts, std::string_view ip) {
  const auto found = std::find_if(contracts.begin(), contracts.end(),
                                  [ip](const Contract& contract) { return contract.ip == ip; });
  return found == contracts.end() ? nullptr : &*found;
}

}  // namespace

const std::vector<std::string_view> kLoginKeys = {"id", "pwd", "nn", "v_num", "rnd", "ver"};
const std::vector<std::string_view> kContractListKeys = {"id", "nn", "rnd"};
const std::vector<std::string_view> kContractInfoKeys = {"id", "ip", "nn", "rnd"};
const std::vector<std::string_view> kLogoutKeys = {"id", "nn", "rnd"};
const std::vector<std::string_view> kReportKeys = {"id", "pc", "black_ip", "content", "rnd", "ver"};

Reply AnswerLogin(const ContractStore& store, const RequestTarget& request) {
  const bool accepted = store.PasswordMatches(ValueOf(request, "id"), ValueOf(request, "pwd"));
  return TextReply(accepted ? "TRUE\n" : "FALSE\n");
}

Reply AnswerContractList(const ContractStore& store, const RequestTarget& request) {
  const auto contracts = store.ContractsOf(ValueOf(request, "id"));
  if (!contracts) return TextReply("FALSE\n");
  std::string body = "TRUE\n";
  for (const Contract& contract : *contracts) {
    body += JoinRecord({contract.ip, contract.expiry, contract.memo, contract.busy ? "1" : "0",
                        contract.vpn_user, contract.vpn_password, contract.server});
  }
  return TextReply(body);
}

Reply AnswerContractInfo(const ContractStore& store, const RequestTarget& request,
                         const std::string& today) {
  const auto contracts = store.ContractsOf(ValueOf(request, "id"));
  const Contract* contract = contracts ? FindByIp(*contracts, ValueOf(request, "ip")) : nullptr;
  if (contract == nullptr) return TextReply("FALSE\n");
  const std::string_view state = contract->expiry < today ? "0" : "1";
  return TextReply("TRUE\n" + JoinRecord({contract->ip, state, contract->expiry}));
}

Reply AnswerLogout(const RequestTarget&) { return TextReply("TRUE\n"); }

Reply AnswerBadIpReport(ContractStore& store, const RequestTarget& request) {
  BadIpReport report{ValueOf(request, "id"), ValueOf(request, "pc"), ValueOf(request, "black_ip"),
                     ValueOf(request, "content")};
  const auto contracts = store.ContractsOf(report.id);
  if (!contracts) return TextReply("FALSE\n");
  if (FindByIp(*contracts, report.black_ip) == nullptr) return TextReply("FALSE2\n");
  if (report.content.empty()) return TextReply("FALSE\n");
  store.AddReport(std::move(report));
  return TextReply("TRUE\n");
}

}  // namespace velmar::service
