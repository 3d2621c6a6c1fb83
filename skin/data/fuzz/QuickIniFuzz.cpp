// Any bytes as a skin description: parse, then look up what it declares and what the loader asks.
#include <cstddef>
#include <cstdint>
#include <span>

#include "WinSkinIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TQuickIni ini;
  ini.LoadFromStream(std::span(data, size));
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  for (const std::string& section : sections) {
    ini.SectionIndex(section);
    for (const char* key : {"Image", "LeftWidth", "Rightwidth", "Frame", "ButtonFace", ""}) {
      TextToColour(ini.ReadString(section, key, ""));
      ini.ReadInteger(section, key, -1);
    }
    TColour colour = 0;
    ReadColourTriplet(ini, section, "ActiveText", colour);
  }
  // Every line's own key, looked up in every section.
  for (const std::string& line : ini.Lines()) {
    const std::string key = line.substr(0, line.find('='));
    for (const std::string& section : sections) ini.ReadInteger(section, key, 0);
    TextToColour(line);
  }
  return 0;
}
