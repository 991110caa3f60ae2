// How the client identifies the user's password and the computer's volume.
#pragma once

#include <string>
#include <string_view>

#include "platform/kernel.h"

namespace api {

// MD5 (RFC 1321) of the bytes, as 32 lower-case hexadecimal characters.
std::string MakeMd5Hex(std::string_view bytes);

// The serial of the volume that holds the program, as "%X", or "unknown".
// The root is the first three characters of the program's path.
std::string VolumeSerialText(platform::Kernel& kernel);

}  // namespace api
