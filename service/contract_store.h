#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accounts.h"

namespace velmar::service {

// A bad-IP report as the service accepted it; texts are the decoded request values.
struct BadIpReport {
  std::string id;
  std::string pc;
  std::string black_ip;
  std::string content;
};

// The accounts, their contracts and the reports received. Safe to use from any thread; every
// answer is a copy, so a caller never holds a reference into the store.
class ContractStore {
 public:
  explicit ContractStore(std::vector<Account> accounts);

  bool HasAccount(std::string_view id) const;
  // Exact byte comparison: an upper-case digest does not match.
  bool PasswordMatches(std::string_view id, std::string_view digest) const;
  // The account's contracts in seed order, or nothing for an unknown ID.
  std::optional<std::vector<Contract>> ContractsOf(std::string_view id) const;

  // Changes every contract with this IP, in whichever account. False when no contract has it.
  bool UpdateContract(std::string_view ip, std::optional<bool> busy,
                      const std::optional<std::string>& expiry);

  // Keeps at most kMaxReports; the oldest are dropped first.
  void AddReport(BadIpReport report);
  std::vector<BadIpReport> Reports() const;

  static constexpr size_t kMaxReports = 10000;

 private:
  const Account* FindAccount(std::string_view id) const;

  mutable std::mutex mutex_;
  std::vector<Account> accounts_;
  std::vector<BadIpReport> reports_;
};

}  // namespace velmar::service
