#pragma once

#include <string>
#include <vector>

namespace velmar::service {

// One rented IP of an account, with what the client shows of it and the VPN login it dials.
// Texts are UTF-8 byte strings, served exactly as held.
struct Contract {
  std::string ip;
  std::string expiry;  // YYYY-MM-DD
  std::string memo;
  bool busy = false;
  std::string vpn_user;
  std::string vpn_password;
  std::string server;
};

struct Account {
  std::string id;
  std::string password_digest;      // MD5 of the password, 32 lower-case hex digits
  std::vector<Contract> contracts;  // in the order the contract list serves them
};

}  // namespace velmar::service
