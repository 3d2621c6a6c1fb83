// The packed skin stream: an LZHUF-compressed archive of the skin's bitmaps and its description.
//
//   packed stream   int32 unpacked length, then the LZHUF bit stream          (TLZH)
//   archive         int32 version, int32 name-list length L, two int32 words,
//                   a reserved block whose size depends on the version,
//                   L bytes of member names (text lines), int32 size per member,
//                   the members' bytes back to back                          (TSkinReader)
//
// A skin may come from any file a user names, so the reader trusts nothing in it: an archive whose
// parts do not fit the data is refused the same way as one of an unknown version.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory_resource>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "SkinNotice.h"

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;

  static constexpr const char* NoMemory = "LZH : Cannot get memory for dictionary tables";
  static constexpr const char* FreeFailed = "LZH : Error freeing memory for dictionary tables";
};

// LZHUF decoder. Its tables live only for the duration of one Decode.
class TLZH {
 public:
  // Asked for one byte at a time; returns how many it delivered: 1, or 0 at the end of the input.
  using TReadByte = std::function<int(std::uint8_t& byte)>;
  using TWriteByte = std::function<void(std::uint8_t byte)>;

  // The tables are taken from (and given back to) tableMemory; failures there raise ElzhException.
  explicit TLZH(std::pmr::memory_resource* tableMemory = std::pmr::get_default_resource());

  // Produces count bytes through writeByte, none when count <= 0. A match that runs past count is
  // still copied whole, so up to F - 1 more bytes may come out. Input that ends early reads as zeros.
  void Decode(std::int32_t count, const TReadByte& readByte, const TWriteByte& writeByte);
  // The same bytes from a bit stream in memory into dest (replacing its contents): the fast form,
  // with no call per byte. dest must be able to hold count + F + 8 bytes while decoding.
  void Decode(std::int32_t count, std::span<const std::uint8_t> bits, std::vector<std::uint8_t>& dest);

 private:
  std::pmr::memory_resource* FTableMemory;
};

struct TSkinArchiveHeader {
  std::int32_t Version = 0;
  std::int32_t NameListLength = 0;
  std::int32_t Word1 = 0;  // not interpreted
  std::int32_t Word2 = 0;  // not interpreted
};

class TSkinReader {
 public:
  static constexpr int MaxMembers = 1001;
  // The densest LZHUF output: a 60-byte match for 10 bits (a 1-bit symbol and the shortest, 9-bit,
  // position). A declared length beyond that for the bytes at hand cannot be honest and is refused
  // before anything is allocated for it.
  static constexpr std::int64_t MaxExpansion = 48;
  static constexpr const char* OlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

  explicit TSkinReader(TSkinNotifier notifier = ShowSkinNotice);

  // Decodes a packed stream into dest (replacing its contents). False, with dest empty, when the
  // declared length is larger than the packed bytes could hold.
  static bool Decompress(std::span<const std::uint8_t> packed, std::vector<std::uint8_t>& dest);
  // Reserved block of an archive version, or -1 for a version this reader does not know.
  static int ReservedBlockSize(std::int32_t version);

  // Replaces the reader's contents with the archive in packed. An archive of unknown version or one
  // whose parts do not fit is refused: the notifier gets OlderSkinMessage, the result is false and
  // the reader stays empty.
  bool LoadFromStream(std::span<const std::uint8_t> packed);

  // The first member whose name equals name (compared in lower case); dest is left empty when there
  // is none.
  void ReadMember(std::string_view name, std::vector<std::uint8_t>& dest) const;
  // The first member whose name contains text (taken as it is), and that member's name.
  void FindMember(std::string_view text, std::vector<std::uint8_t>& dest, std::string& memberName) const;

  const TSkinArchiveHeader& Header() const { return FHeader; }
  // Member names in lower case, in archive order.
  const std::vector<std::string>& Names() const { return FNames; }
  int Count() const { return static_cast<int>(FNames.size()); }
  std::span<const std::int32_t> Sizes() const { return {FSizes.data(), FNames.size()}; }
  // Every byte from the start of the first member to the end of the archive.
  const std::vector<std::uint8_t>& MemberBytes() const { return FMemberBytes; }

 private:
  void Clear();
  bool Parse(const std::vector<std::uint8_t>& archive);
  void CopyMember(int index, std::vector<std::uint8_t>& dest) const;

  TSkinNotifier FNotifier;
  TSkinArchiveHeader FHeader;
  std::vector<std::string> FNames;
  std::array<std::int32_t, MaxMembers> FSizes{};
  std::vector<std::uint8_t> FMemberBytes;
};
