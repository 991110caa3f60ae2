#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmar::service {

// One key of a query with its value, both percent-decoded into plain bytes.
struct QueryParam {
  std::string key;
  std::string value;
};

// A request target split the way the service reads it. The path and the query are kept raw,
// exactly as they arrived; only the parameters are decoded.
struct RequestTarget {
  std::string path;
  std::string raw_query;
  std::vector<QueryParam> params;

  // The value of the first parameter named `key`, or null when there is none.
  const std::string* Find(std::string_view key) const;
};

// Turns each %HH (two hex digits, either case) into its byte and, when `plus_is_blank`, each "+"
// into a blank. A "%" not followed by two hex digits stays as it is.
std::string PercentDecode(std::string_view raw, bool plus_is_blank);

// Splits `target` at its first "?" and decodes the query's "&"-separated parameters in the
// order received. The client sends most values unencoded, so an ID may itself hold "&" and "=":
// when `known_keys` is not empty, a segment whose key is not among them is taken as part of the
// previous parameter's value instead of as a parameter of its own.
RequestTarget ParseRequestTarget(std::string_view target,
                                 const std::vector<std::string_view>& known_keys);

// The path of `target`: everything before its first "?".
std::string_view TargetPath(std::string_view target);

}  // namespace velmar::service
