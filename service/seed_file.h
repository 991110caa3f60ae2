#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "accounts.h"

namespace velmar::service {

// Reads the accounts and contracts of a seed file (format in README.md). On failure returns
// false and sets `error` to "line N: what is wrong"; `accounts` may then hold part of the file.
bool ParseSeed(std::string_view text, std::vector<Account>* accounts, std::string* error);

}  // namespace velmar::service
