#include "request_log.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace velmar::service {
namespace {

// Escapes what is outside the printable ASCII range and, when `escape_markers`, also "\" and
// "%", so that a decoded value can be read back byte for byte.
void AppendEscaped(std::string_view bytes, bool escape_markers, std::string* out) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (char c : bytes) {
    const unsigned char byte = static_cast<unsigned char>(c);
    const bool marker = c == '\\' || c == '%';
    if (byte < 0x21 || byte > 0x7E || (escape_markers && marker)) {
      out->append("\\x");
      out->push_back(kHex[byte >> 4]);
      out->push_back(kHex[byte & 0x0F]);
    } else {
      out->push_back(c);
    }
  }
}

}  // namespace

std::string FormatLogLine(const RequestTarget& target) {
  std::string line;
  AppendEscaped(target.path, false, &line);
  line.push_back('\t');
  AppendEscaped(target.raw_query, false, &line);
  for (const QueryParam& param : target.params) {
    line.push_back('\t');
    AppendEscaped(param.key, true, &line);
    line.push_back('=');
    AppendEscaped(param.value, true, &line);
  }
  line.push_back('\n');
  return line;
}

std::string EscapeLogValue(std::string_view bytes) {
  std::string escaped;
  AppendEscaped(bytes, true, &escaped);
  return escaped;
}

RequestLog::RequestLog() = default;
RequestLog::~RequestLog() = default;

bool RequestLog::OpenFile(const std::string& path, std::string* error) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    *error = "cannot write the log " + path + ": " + std::strerror(errno);
    return false;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  file_.reset(file);
  return true;
}

void RequestLog::Append(std::string_view line) {
  std::lock_guard<std::mutex> lock(mutex_);
  text_.append(line);
  if (text_.size() > kMaxMemoryBytes) {
    const size_t excess = text_.size() - kMaxMemoryBytes;
    const size_t cut = text_.find('\n', excess - 1);
    text_.erase(0, cut == std::string::npos ? text_.size() : cut + 1);
  }
  if (file_) {
    std::fwrite(line.data(), 1, line.size(), file_.get());
    std::fflush(file_.get());
  }
}

std::string RequestLog::Text() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return text_;
}

void RequestLog::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  text_.clear();
  if (file_) {
    std::fflush(file_.get());
    if (ftruncate(fileno(file_.get()), 0) != 0) return;
    std::rewind(file_.get());
  }
}

}  // namespace velmar::service
