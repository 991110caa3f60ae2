// What every service call shares: the URL, the values every request carries,
// the converters for free text, and one request from session to clean-up.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/kernel.h"
#include "platform/line_reader.h"
#include "platform/platform.h"

namespace api {

inline constexpr char kTrueToken[] = "TRUE";
inline constexpr char kFieldSeparator[] = "#KVELT#";

// Year, month, day, hour, minute and second as decimal numbers without
// leading zeros, run together: 2014-03-05 09:07:02 gives "201435972".
std::string RequestTimestamp(const platform::LocalTime& time);

// Letters, digits and "-_." are kept; the six ASCII blanks become "+"; every
// other byte becomes %XX with upper-case hex digits.
std::string UrlEncode(std::string_view bytes);

// CP949 to UTF-8 and back, each input taken up to its first NUL as the OS
// conversions would.
std::string AnsiToUtf8(platform::CodePages& codepages, std::string_view ansi);
std::string Utf8ToAnsi(platform::CodePages& codepages, std::string_view utf8);

struct QueryKey {
  std::string key;
  std::string value;  // raw bytes; the URL builder encodes them
};

// "http://" host "/client/static/" script "?" key=value&... followed by the
// version tag as it stands (empty for calls without one). Every value goes
// through UrlEncode, so no value can end the query or add a key of its own.
std::string BuildUrl(std::string_view host, std::string_view script,
                     const std::vector<QueryKey>& keys, std::string_view version_tag);

// Position of the first separator in a CP949 string, stepping over the two
// bytes of each double-byte character; npos when there is none.
std::size_t FindSeparator(std::string_view text, std::size_t from = 0);

enum class Transport {
  kAnswered,     // the URL was opened and the answer handed to the reader
  kUnreachable,  // no session, or the URL could not be opened
};

// One request: a new session, the one-second wait, the GET, the answer read
// through `read_answer` (skipped when it is empty), then the clean-up — the
// session closed and the URL's cache entry deleted — on every path.
using AnswerReader = std::function<void(platform::LineSource& lines)>;
Transport PerformRequest(platform::Platform& os, const std::string& url,
                         const AnswerReader& read_answer);

// The values every request carries, read on the thread that sends it.
struct RequestStamp {
  std::string timestamp;
  std::string computer_name;
};
RequestStamp TakeRequestStamp(platform::Kernel& kernel);

}  // namespace api
