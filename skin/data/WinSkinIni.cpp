#include "WinSkinIni.h"

#include <limits>

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

std::string AsciiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

bool IsHeader(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

void TQuickIni::LoadFromStream(const std::vector<std::uint8_t>* stream) {
  if (stream) LoadFromStream(std::span<const std::uint8_t>(*stream));
}

void TQuickIni::LoadFromStream(std::span<const std::uint8_t> bytes) {
  std::vector<std::string> lines;
  std::vector<bool> isHeader;
  std::vector<TSection> sections;

  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  std::size_t p = 0;
  while (p < text.size() && text[p] != '\0') {
    const std::size_t start = p;
    while (p < text.size() && text[p] != '\0' && text[p] != '\r' && text[p] != '\n') ++p;
    const std::string_view line = Trim(text.substr(start, p - start));
    if (p < text.size() && text[p] == '\r') ++p;
    if (p < text.size() && text[p] == '\n') ++p;

    if (line.empty() || line.front() == ';') continue;
    lines.emplace_back(line);
    isHeader.push_back(IsHeader(line));
    if (isHeader.back()) sections.push_back({std::string(line), static_cast<int>(lines.size()) - 1});
  }

  FLines = std::move(lines);
  FIsHeader = std::move(isHeader);
  FSections = std::move(sections);
}

int TQuickIni::SectionIndex(std::string_view section) const {
  std::string header;
  header.reserve(section.size() + 2);
  header.append("[").append(section).append("]");
  for (const TSection& s : FSections)
    if (EqualsIgnoreCase(s.Header, header)) return s.LineIndex;
  return -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
  const std::string wanted = AsciiLower(key);
  if (wanted.empty() || FLines.empty()) return std::string(defaultValue);
  const int header = SectionIndex(section);
  if (header < 0) return std::string(defaultValue);

  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < FLines.size() && !FIsHeader[i]; ++i) {
    const std::string_view line = FLines[i];
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;  // its key is empty and never wanted
    if (AsciiLower(Trim(line.substr(0, eq))) != wanted) continue;
    const std::string_view value = Trim(line.substr(eq + 1));
    return std::string(value.empty() ? defaultValue : value);
  }
  return std::string(defaultValue);
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
  std::string text = ReadString(section, key, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
  std::int32_t value = 0;
  return TryTextToInteger(text, value) ? value : defaultValue;
}

void TQuickIni::ReadSections(std::vector<std::string>& sections) const {
  sections.clear();
  sections.reserve(FSections.size());
  for (const TSection& s : FSections) {
    std::string_view name = Trim(s.Header);
    name = Trim(name.substr(1, name.size() - 2));
    sections.emplace_back(name);
  }
}

bool TryTextToInteger(std::string_view text, std::int32_t& value) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty()) return false;

  // Accumulate with room for the one value whose magnitude exceeds the positive range.
  const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  std::int64_t magnitude = 0;
  for (const char c : text) {
    const int digit = base == 16 ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return false;
  }
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

TColour TextToColour(std::string_view text) {
  text = Trim(text);
  std::int32_t component[3] = {0, 0, 0};
  int k = 1;
  std::string digits;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digits += c;
      continue;
    }
    std::int32_t value = 0;
    if (!digits.empty() && TryTextToInteger(digits, value)) {
      if (k <= 3) component[k - 1] = value;
      ++k;
      digits.clear();
    }
  }
  std::int32_t value = 0;
  if (k == 3 && !digits.empty() && TryTextToInteger(digits, value)) component[2] = value;

  return static_cast<TColour>(component[0] & 0xFF) | static_cast<TColour>(component[1] & 0xFF) << 8 |
         static_cast<TColour>(component[2] & 0xFF) << 16;
}

void ReadColourTriplet(const TQuickIni& ini, std::string_view section, std::string_view prefix,
                       TColour& target) {
  const std::string p(prefix);
  const std::int32_t r = ini.ReadInteger(section, p + "R", -1);
  const std::int32_t g = ini.ReadInteger(section, p + "G", -1);
  const std::int32_t b = ini.ReadInteger(section, p + "B", -1);
  if (r < 0 || g < 0 || b < 0) return;
  target = static_cast<TColour>(r % 256) | static_cast<TColour>(g % 256) << 8 | static_cast<TColour>(b % 256) << 16;
}
