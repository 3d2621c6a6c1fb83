#include "SkinRead.h"

#include <utility>

namespace {

std::int32_t ReadInt32(const std::uint8_t* p) {
  const std::uint32_t v = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                          static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
  return static_cast<std::int32_t>(v);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

// Lines end at CR, LF or CR LF; a NUL ends the text; a final line needs no terminator.
std::vector<std::string> SplitNameList(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t p = 0;
  while (p < text.size() && text[p] != '\0') {
    const std::size_t start = p;
    while (p < text.size() && text[p] != '\0' && text[p] != '\r' && text[p] != '\n') ++p;
    lines.emplace_back(text.substr(start, p - start));
    if (p < text.size() && text[p] == '\r') ++p;
    if (p < text.size() && text[p] == '\n') ++p;
  }
  return lines;
}

}  // namespace

TSkinReader::TSkinReader(TSkinNotifier notifier) : FNotifier(std::move(notifier)) {}

bool TSkinReader::Decompress(std::span<const std::uint8_t> packed, std::vector<std::uint8_t>& dest) {
  dest.clear();
  if (packed.size() < 4) return true;  // no length: nothing to produce
  const std::int32_t length = ReadInt32(packed.data());
  const auto bits = packed.subspan(4);
  if (length <= 0) return true;
  if (length > MaxExpansion * static_cast<std::int64_t>(bits.size())) return false;

  TLZH().Decode(length, bits, dest);
  return true;
}

int TSkinReader::ReservedBlockSize(std::int32_t version) {
  switch (version) {
    case 20000: return 0;
    case 30000: return 256;
    case 40000: return 80;
    case 50000: return 48;
    case 60000: return 117;
    case 70000: return 69;
    default: return -1;
  }
}

void TSkinReader::Clear() {
  FHeader = {};
  FNames.clear();
  FSizes.fill(0);
  FMemberBytes.clear();
}

bool TSkinReader::LoadFromStream(std::span<const std::uint8_t> packed) {
  Clear();
  std::vector<std::uint8_t> archive;
  if (Decompress(packed, archive) && Parse(archive)) return true;
  Clear();
  if (FNotifier) FNotifier(OlderSkinMessage);
  return false;
}

bool TSkinReader::Parse(const std::vector<std::uint8_t>& archive) {
  const std::int64_t total = static_cast<std::int64_t>(archive.size());
  if (total < 16) return false;
  const TSkinArchiveHeader header{ReadInt32(&archive[0]), ReadInt32(&archive[4]), ReadInt32(&archive[8]),
                                  ReadInt32(&archive[12])};
  const int reserved = ReservedBlockSize(header.Version);
  if (reserved < 0) return false;

  const std::int64_t namesAt = 16 + reserved;
  if (header.NameListLength < 0 || namesAt + header.NameListLength > total) return false;
  std::string nameList(reinterpret_cast<const char*>(&archive[namesAt]),
                       static_cast<std::size_t>(header.NameListLength));
  for (char& c : nameList) c = AsciiLower(c);
  std::vector<std::string> names = SplitNameList(nameList);
  if (names.size() > MaxMembers) return false;

  const std::int64_t sizesAt = namesAt + header.NameListLength;
  const std::int64_t dataAt = sizesAt + 4 * static_cast<std::int64_t>(names.size());
  if (dataAt > total) return false;
  std::int64_t sum = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::int32_t size = ReadInt32(&archive[sizesAt + 4 * static_cast<std::int64_t>(i)]);
    if (size < 0) return false;
    FSizes[i] = size;
    sum += size;
  }
  if (sum > total - dataAt) return false;

  FHeader = header;
  FNames = std::move(names);
  FMemberBytes.assign(archive.begin() + dataAt, archive.end());
  return true;
}

void TSkinReader::CopyMember(int index, std::vector<std::uint8_t>& dest) const {
  std::int64_t offset = 0;
  for (int i = 0; i < index; ++i) offset += FSizes[i];
  const auto begin = FMemberBytes.begin() + offset;
  dest.assign(begin, begin + FSizes[index]);
}

void TSkinReader::ReadMember(std::string_view name, std::vector<std::uint8_t>& dest) const {
  dest.clear();
  std::string wanted(name);
  for (char& c : wanted) c = AsciiLower(c);
  for (int i = 0; i < Count(); ++i) {
    if (FNames[i] == wanted) {
      CopyMember(i, dest);
      return;
    }
  }
}

void TSkinReader::FindMember(std::string_view text, std::vector<std::uint8_t>& dest,
                             std::string& memberName) const {
  dest.clear();
  memberName.clear();
  for (int i = 0; i < Count(); ++i) {
    if (FNames[i].find(text) != std::string::npos) {
      CopyMember(i, dest);
      memberName = FNames[i];
      return;
    }
  }
}
