// The adapter check: the rented IP must be some adapter's first address.
#include "vpn/adapter_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "memory_os.h"

namespace {

using platform::Adapter;

constexpr char kRentedIp[] = "203.0.113.11";

TEST(AdapterCheck, OnlyAnAdaptersFirstAddressCounts) {
  struct Case {
    const char* what;
    std::vector<Adapter> adapters;
    const char* ip;
    bool up;
  } cases[] = {
      {"first address", {{"lan", {"192.168.0.10"}}, {"ppp", {kRentedIp}}}, kRentedIp, true},
      {"first of several", {{"ppp", {kRentedIp, "10.0.0.2"}}}, kRentedIp, true},
      {"second address only", {{"ppp", {"10.0.0.2", kRentedIp}}}, kRentedIp, false},
      {"a longer address", {{"ppp", {"203.0.113.110"}}}, kRentedIp, false},
      {"a shorter address", {{"ppp", {"203.0.113.1"}}}, kRentedIp, false},
      {"an adapter without addresses", {{"ppp", {}}}, kRentedIp, false},
      {"empty IP, empty first address", {{"odd", {""}}}, "", false},
      {"empty IP", {{"lan", {"0.0.0.0"}}}, "", false},
      {"no adapter at all", {}, kRentedIp, false},
  };
  for (const Case& c : cases) {
    test::MemoryOs m;
    m.adapters.adapters = c.adapters;
    EXPECT_EQ(vpn::IsAdapterUp(m.adapters, c.ip), c.up) << c.what;
  }
}

TEST(AdapterCheck, FailedListingIsADownLink) {
  test::MemoryOs m;
  m.adapters.LinkUp("ppp", {kRentedIp});
  m.adapters.failure = 111;
  EXPECT_FALSE(vpn::IsAdapterUp(m.adapters, kRentedIp));
}

TEST(AdapterCheck, FollowsTheLinkGoingAndComingBack) {
  test::MemoryOs m;
  m.adapters.LinkUp("lan", {"192.168.0.10"});
  m.adapters.LinkUp("ppp", {kRentedIp});
  EXPECT_TRUE(vpn::IsAdapterUp(m.adapters, kRentedIp));
  m.adapters.LinkDown("ppp");
  EXPECT_FALSE(vpn::IsAdapterUp(m.adapters, kRentedIp));
  m.adapters.LinkUp("ppp", {"10.0.0.2", kRentedIp});  // back, with another first address
  EXPECT_FALSE(vpn::IsAdapterUp(m.adapters, kRentedIp));
  m.adapters.LinkUp("ppp", {kRentedIp});
  EXPECT_TRUE(vpn::IsAdapterUp(m.adapters, kRentedIp));
  EXPECT_EQ(m.adapters.adapters.size(), 2u);
}

}  // namespace
