// Whether the rented IP is on the computer: the check the supervision makes.
#pragma once

#include <string>

#include "platform/adapters.h"

namespace vpn {

// True when some adapter carries `ip` as its first IPv4 address, byte for
// byte; further addresses of an adapter do not count. False when `ip` is
// empty or the adapters cannot be listed.
bool IsAdapterUp(platform::Adapters& adapters, const std::string& ip);

}  // namespace vpn
