#include "contract_store.h"

#include <utility>

namespace velmar::service {

ContractStore::ContractStore(std::vector<Account> accounts) : accounts_(std::move(accounts)) {}

const Account* ContractStore::FindAccount(std::string_view id) const {
  for (const Account& account : accounts_) {
    if (account.id == id) return &account;
  }
  return nullptr;
}

bool ContractStore::HasAccount(std::string_view id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return FindAccount(id) != nullptr;
}

bool ContractStore::PasswordMatches(std::string_view id, std::string_view digest) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Account* account = FindAccount(id);
  return account != nullptr && account->password_digest == digest;
}

std::optional<std::vector<Contract>> ContractStore::ContractsOf(std::string_view id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Account* account = FindAccount(id);
  if (account == nullptr) return std::nullopt;
  return account->contracts;
}

bool ContractStore::UpdateContract(std::string_view ip, std::optional<bool> busy,
                                   const std::optional<std::string>& expiry) {
  std::lock_guard<std::mutex> lock(mutex_);
  bool found = false;
  for (Account& account : accounts_) {
    for (Contract& contract : account.contracts) {
      if (contract.ip != ip) continue;
      found = true;
      if (busy) contract.busy = *busy;
      if (expiry) contract.expiry = *expiry;
    }
  }
  return found;
}

void ContractStore::AddReport(BadIpReport report) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (reports_.size() >= kMaxReports) reports_.erase(reports_.begin());
  reports_.push_back(std::move(report));
}

std::vector<BadIpReport> ContractStore::Reports() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return reports_;
}

}  // namespace velmar::service
