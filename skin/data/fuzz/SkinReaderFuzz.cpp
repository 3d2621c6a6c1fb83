// Any bytes as a packed skin: decode, parse the archive, read every member and the description. The
// decoder's two forms must also give the same bytes for the stream.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "SkinRead.h"
#include "WinSkinIni.h"

namespace {

void CheckBothDecoderForms(std::span<const std::uint8_t> packed) {
  std::vector<std::uint8_t> buffered;
  if (packed.size() < 4 || !TSkinReader::Decompress(packed, buffered)) return;
  const std::int32_t length = static_cast<std::int32_t>(packed[0] | packed[1] << 8 | packed[2] << 16 |
                                                        static_cast<std::uint32_t>(packed[3]) << 24);
  const auto bits = packed.subspan(4);
  std::size_t position = 0;
  std::vector<std::uint8_t> called;
  TLZH().Decode(
      length,
      [&](std::uint8_t& byte) {
        if (position >= bits.size()) return 0;
        byte = bits[position++];
        return 1;
      },
      [&](std::uint8_t byte) { called.push_back(byte); });
  if (called != buffered) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckBothDecoderForms(std::span(data, size));
  TSkinReader reader([](const std::string&) {});
  if (!reader.LoadFromStream(std::span(data, size))) return 0;
  std::vector<std::uint8_t> bytes;
  for (const std::string& name : reader.Names()) reader.ReadMember(name, bytes);
  std::string name;
  reader.FindMember(".ini", bytes, name);
  TQuickIni ini;
  ini.LoadFromStream(&bytes);
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  for (const std::string& section : sections) ini.ReadString(section, "Image", "");
  return 0;
}
