#include "platform/memory/ini_text.h"

#include <cstdint>
#include <vector>

namespace platform::memory {
namespace {

constexpr std::string_view kNewline = "\r\n";

std::string_view Trim(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

struct Line {
  std::string_view text;  // without its line end
  std::size_t begin;      // offset of the line in the file
  std::size_t end;        // offset just past its line end
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t lf = text.find('\n', pos);
    std::size_t stop = lf == std::string_view::npos ? text.size() : lf;
    std::string_view line = text.substr(pos, stop - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
    lines.push_back(Line{line, pos, next});
    pos = next;
  }
  return lines;
}

// The name of a section header line, or nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Where a section's lines are: the header's index and one past its last line.
struct SectionSpan {
  std::size_t header;
  std::size_t stop;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::optional<std::string_view> name = SectionName(lines[i].text);
    if (!name || !SameName(*name, section)) continue;
    std::size_t stop = i + 1;
    while (stop < lines.size() && !SectionName(lines[stop].text)) ++stop;
    return SectionSpan{i, stop};
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> IniLookup(std::string_view text, std::string_view section,
                                     std::string_view key) {
  std::vector<Line> lines = SplitLines(text);
  std::optional<SectionSpan> span = FindSection(lines, section);
  if (!span) return std::nullopt;
  for (std::size_t i = span->header + 1; i < span->stop; ++i) {
    std::optional<KeyLine> entry = ParseKeyLine(lines[i].text);
    if (entry && SameName(entry->key, key)) return std::string(Unquote(entry->value));
  }
  return std::nullopt;
}

std::string IniAssign(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
  std::vector<Line> lines = SplitLines(text);
  std::optional<SectionSpan> span = FindSection(lines, section);
  std::string out(text);
  if (!span) {
    if (!out.empty() && out.back() != '\n') out.append(kNewline);
    out.append("[").append(section).append("]").append(kNewline);
    out.append(key).append("=").append(value).append(kNewline);
    return out;
  }
  std::size_t last_entry = span->header;
  for (std::size_t i = span->header + 1; i < span->stop; ++i) {
    std::optional<KeyLine> entry = ParseKeyLine(lines[i].text);
    if (!entry) continue;
    if (SameName(entry->key, key)) {
      std::string replaced = std::string(entry->key) + "=" + std::string(value);
      std::size_t length = lines[i].text.size();
      out.replace(lines[i].begin, length, replaced);
      return out;
    }
    last_entry = i;
  }
  std::size_t insert_at = lines[last_entry].end;
  std::string added = std::string(key) + "=" + std::string(value) + std::string(kNewline);
  if (insert_at == out.size() && !out.empty() && out.back() != '\n') added.insert(0, kNewline);
  out.insert(insert_at, added);
  return out;
}

int IniInteger(std::string_view value) {
  std::size_t i = 0;
  while (i < value.size() && (value[i] == ' ' || value[i] == '\t')) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
  unsigned base = 10;
  if (i + 1 < value.size() && value[i] == '0') {
    // Lower case only, as the OS reads them: "0X10" is 0.
    char prefix = value[i + 1];
    if (prefix == 'x') base = 16;
    if (prefix == 'o') base = 8;
    if (prefix == 'b') base = 2;
    if (base != 10) i += 2;
  }
  std::uint32_t result = 0;  // wraps like the OS conversion, never overflows
  for (; i < value.size(); ++i) {
    char c = value[i];
    unsigned digit;
    if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
    else break;
    if (digit >= base) break;
    result = result * base + digit;
  }
  if (negative) result = 0u - result;
  return static_cast<int>(result);
}

}  // namespace platform::memory
