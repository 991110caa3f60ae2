#include "api/identity.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/memory/memory_kernel.h"

namespace {

TEST(MakeMd5Hex, MatchesTheReferenceVectors) {
  struct Case {
    std::string in, hex;
  } cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const Case& c : cases) EXPECT_EQ(api::MakeMd5Hex(c.in), c.hex) << c.in;
  // Lengths around the padding boundary, checked against the sizes alone.
  for (std::size_t n : {55u, 56u, 63u, 64u, 65u}) {
    EXPECT_EQ(api::MakeMd5Hex(std::string(n, 'x')).size(), 32u);
  }
  EXPECT_EQ(api::MakeMd5Hex(std::string(56, 'a')), "3b0c8ac703f828b04c6c197006d17218");
}

TEST(VolumeSerialText, HexWithoutLeadingZerosOrUnknown) {
  platform::memory::MemoryKernel kernel;
  kernel.module_path = "C:\\Apps\\velmarVPN.exe";
  kernel.volume_serials = {{"C:\\", 0x00A1B2C3}};
  EXPECT_EQ(api::VolumeSerialText(kernel), "A1B2C3");
  kernel.volume_serials = {{"C:\\", 0xFFFFFFFF}};
  EXPECT_EQ(api::VolumeSerialText(kernel), "FFFFFFFF");
  kernel.volume_serials = {{"C:\\", 0}};
  EXPECT_EQ(api::VolumeSerialText(kernel), "0");
  // Started from a network share, the "root" is two backslashes and a letter.
  kernel.module_path = "\\\\server\\share\\velmarVPN.exe";
  EXPECT_EQ(api::VolumeSerialText(kernel), "unknown");
  kernel.module_path = "";
  EXPECT_EQ(api::VolumeSerialText(kernel), "unknown");
}

}  // namespace
