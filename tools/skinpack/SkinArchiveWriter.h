// Writes the archive layer of a packed skin: version 70000, its 69-byte reserved block, the member
// names as CR LF lines, one int32 size per member, then the members' bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct TSkinMember {
  std::string Name;
  std::vector<std::uint8_t> Bytes;
};

inline constexpr std::int32_t SkinArchiveVersion = 70000;
inline constexpr int SkinArchiveReserved = 69;

// Throws std::invalid_argument for members the reader could not give back: more than 1001, a name
// that is empty, holds a line break or NUL, or equals another in lower case; or more than 2 GB.
std::vector<std::uint8_t> BuildSkinArchive(std::span<const TSkinMember> members);

// The archive, LZH-packed: the bytes of a skin file.
std::vector<std::uint8_t> PackSkin(std::span<const TSkinMember> members);
