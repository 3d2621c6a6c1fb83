#include "SkinArchiveWriter.h"

#include <limits>
#include <set>
#include <stdexcept>

#include "LzhEncoder.h"
#include "SkinRead.h"

namespace {

void PutInt32(std::vector<std::uint8_t>& out, std::int64_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::string Lower(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return out;
}

}  // namespace

std::vector<std::uint8_t> BuildSkinArchive(std::span<const TSkinMember> members) {
  if (members.size() > static_cast<std::size_t>(TSkinReader::MaxMembers))
    throw std::invalid_argument("more than " + std::to_string(TSkinReader::MaxMembers) + " members");

  std::string nameList;
  std::set<std::string> seen;
  std::int64_t total = 16 + SkinArchiveReserved;
  for (const TSkinMember& m : members) {
    if (m.Name.empty()) throw std::invalid_argument("a member has an empty name");
    if (m.Name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
      throw std::invalid_argument("member name holds a line break or NUL: " + m.Name);
    // The reader looks names up in lower case: only the first of two such names could be read.
    const std::string lower = Lower(m.Name);
    if (!seen.insert(lower).second) throw std::invalid_argument("duplicate member name: " + lower);
    nameList += lower;
    nameList += "\r\n";
    total += 4 + static_cast<std::int64_t>(m.Bytes.size()) + static_cast<std::int64_t>(lower.size()) + 2;
  }
  if (total > std::numeric_limits<std::int32_t>::max()) throw std::invalid_argument("archive larger than 2 GB");

  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(total));
  PutInt32(out, SkinArchiveVersion);
  PutInt32(out, static_cast<std::int64_t>(nameList.size()));
  PutInt32(out, static_cast<std::int64_t>(members.size()));  // not interpreted by readers
  PutInt32(out, 0);                                          // not interpreted by readers
  out.insert(out.end(), SkinArchiveReserved, 0);
  out.insert(out.end(), nameList.begin(), nameList.end());
  for (const TSkinMember& m : members) PutInt32(out, static_cast<std::int64_t>(m.Bytes.size()));
  for (const TSkinMember& m : members) out.insert(out.end(), m.Bytes.begin(), m.Bytes.end());
  return out;
}

std::vector<std::uint8_t> PackSkin(std::span<const TSkinMember> members) {
  return LzhEncode(BuildSkinArchive(members));
}
