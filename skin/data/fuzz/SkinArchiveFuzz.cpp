// Archives built around the input, packed with the encoder and read back: the archive layer gets
// well-formed LZH streams whatever the fuzzer mutates. Byte 0 picks the version (one of the six or
// an unknown one) and the sign of the name-list length, bytes 1-2 its size; the rest follows the
// reserved block.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "LzhEncoder.h"
#include "SkinRead.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  constexpr std::int32_t versions[] = {20000, 30000, 40000, 50000, 60000, 70000, 65000};
  const std::int32_t version = versions[(data[0] & 0x7F) % 7];
  std::int32_t nameListLength = data[1] | data[2] << 8;
  if (data[0] & 0x80) nameListLength = -nameListLength - 1;

  std::vector<std::uint8_t> archive;
  for (std::int32_t v : {version, nameListLength, 0, 0})
    for (int s = 0; s < 32; s += 8) archive.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> s));
  archive.insert(archive.end(), static_cast<std::size_t>(std::max(0, TSkinReader::ReservedBlockSize(version))), 0);
  archive.insert(archive.end(), data + 3, data + size);

  TSkinReader reader([](const std::string&) {});
  if (!reader.LoadFromStream(LzhEncode(archive))) return 0;
  std::vector<std::uint8_t> bytes;
  for (const std::string& name : reader.Names()) reader.ReadMember(name, bytes);
  std::string name;
  reader.FindMember(".ini", bytes, name);
  return 0;
}
