// What the adapter check relies on: a listing is adapters with their
// addresses as dotted quads, or a failure with none.
#include <gtest/gtest.h>

#include "backend.h"

namespace {

bool IsDottedQuad(const std::string& text) {
  int dots = 0;
  int digits = 0;
  for (char c : text) {
    if (c == '.') {
      if (digits == 0) return false;
      ++dots;
      digits = 0;
    } else if (c >= '0' && c <= '9' && digits < 3) {
      ++digits;
    } else {
      return false;
    }
  }
  return dots == 3 && digits > 0;
}

TEST(AdaptersContract, ListingIsAdaptersWithAddressesOrAFailure) {
  std::unique_ptr<contract::Backend> backend = contract::MakeBackend();
  platform::AdapterList list = backend->ports().adapters.GetAdapters();
  if (list.code != platform::kAdaptersSuccess) {
    EXPECT_TRUE(list.adapters.empty());
    return;
  }
  ASSERT_FALSE(list.adapters.empty()) << "an empty list is told as ERROR_NO_DATA";
  for (const platform::Adapter& adapter : list.adapters) {
    // The OS's record always holds a first address, "0.0.0.0" when it has none.
    ASSERT_FALSE(adapter.ipv4_addresses.empty()) << adapter.name;
    for (const std::string& address : adapter.ipv4_addresses) {
      EXPECT_LE(address.size(), platform::kMaxIpAddressText);
      EXPECT_TRUE(IsDottedQuad(address)) << address;
    }
  }
}

}  // namespace
