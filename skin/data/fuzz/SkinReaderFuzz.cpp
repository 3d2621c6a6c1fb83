// Any bytes as a packed skin: decode, parse the archive, read every member and the description.
#include <cstddef>
#include <cstdint>
#include <span>

#include "SkinRead.h"
#include "WinSkinIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
