#include "seed_file.h"

#include <algorithm>

#include "civil_date.h"
#include "request_target.h"

namespace velmar::service {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr size_t kContractFieldCount = 7;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view TrimTrailingBlanks(std::string_view line) {
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

// Cuts the next blank-separated word off the front of `rest`.
std::string_view NextWord(std::string_view* rest) {
  size_t start = 0;
  while (start < rest->size() && IsBlank((*rest)[start])) ++start;
  size_t end = start;
  while (end < rest->size() && !IsBlank((*rest)[end])) ++end;
  const std::string_view word = rest->substr(start, end - start);
  rest->remove_prefix(end);
  while (!rest->empty() && IsBlank(rest->front())) rest->remove_prefix(1);
  return word;
}

bool IsLowerHexDigest(std::string_view text) {
  return text.size() == 32 && std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

std::vector<std::string> SplitFields(std::string_view record) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t bar = record.find('|', start);
    fields.push_back(PercentDecode(record.substr(start, bar - start), false));
    if (bar == std::string_view::npos) return fields;
    start = bar + 1;
  }
}

class SeedReader {
 public:
  explicit SeedReader(std::vector<Account>* accounts) : accounts_(accounts) {}

  // Returns an empty text when the line is fine, else what is wrong with it.
  std::string ReadLine(std::string_view line) {
    line = TrimTrailingBlanks(line);
    std::string_view rest = line;
    const std::string_view keyword = NextWord(&rest);
    if (keyword.empty() || keyword.front() == '#') return {};
    if (keyword == "account") return ReadAccount(rest);
    if (keyword == "contract") return ReadContract(rest);
    return "unknown keyword \"" + std::string(keyword) + "\"";
  }

 private:
  Account* FindAccount(const std::string& id) {
    for (Account& account : *accounts_) {
      if (account.id == id) return &account;
    }
    return nullptr;
  }

  std::string ReadAccount(std::string_view rest) {
    const std::string id = PercentDecode(NextWord(&rest), false);
    const std::string_view digest = NextWord(&rest);
    if (id.empty() || digest.empty() || !rest.empty()) return "expected: account <id> <md5hex>";
    if (!IsLowerHexDigest(digest)) return "the digest must be 32 lower-case hex digits";
    if (FindAccount(id) != nullptr) return "account \"" + id + "\" is declared twice";
    accounts_->push_back({id, std::string(digest), {}});
    return {};
  }

  std::string ReadContract(std::string_view rest) {
    const std::string id = PercentDecode(NextWord(&rest), false);
    Account* account = FindAccount(id);
    if (account == nullptr) return "contract for undeclared account \"" + id + "\"";
    const std::vector<std::string> fields = SplitFields(rest);
    if (fields.size() != kContractFieldCount) {
      return "expected 7 fields: ip|expiry|memo|busy|vpnuser|vpnpwd|server";
    }
    if (fields[0].empty()) return "the IP is empty";
    if (!IsCalendarDate(fields[1])) return "the expiry must be a date YYYY-MM-DD";
    if (fields[3] != "0" && fields[3] != "1") return "the busy flag must be 0 or 1";
    account->contracts.push_back(
        {fields[0], fields[1], fields[2], fields[3] == "1", fields[4], fields[5], fields[6]});
    return {};
  }

  std::vector<Account>* accounts_;
};

}  // namespace

bool ParseSeed(std::string_view text, std::vector<Account>* accounts, std::string* error) {
  accounts->clear();
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
  SeedReader reader(accounts);
  int line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const size_t end = text.find('\n');
    const std::string problem = reader.ReadLine(text.substr(0, end));
    if (!problem.empty()) {
      *error = "line " + std::to_string(line_number) + ": " + problem;
      return false;
    }
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return true;
}

}  // namespace velmar::service
