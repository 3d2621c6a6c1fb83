#include "SkinSource.h"

#include <stdexcept>
#include <vector>

tk::TColor TSkinSource::Colour(std::string_view section, std::string_view key, tk::TColor defaultColour) const {
  const std::string text = String(section, key);
  return text.empty() ? defaultColour : static_cast<tk::TColor>(TextToColour(text));
}

void TSkinSource::LoadMemberBitmap(tk::TBitmap& bitmap, std::string_view text) const {
  const size_t separator = text.find_last_of("\\/:");
  const std::string_view name = separator == std::string_view::npos ? text : text.substr(separator + 1);
  const size_t dot = name.rfind('.');
  const std::string_view extension = dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
  if (name.empty() || extension != ".bmp") {
    bitmap.Clear();
    return;
  }
  std::vector<std::uint8_t> member;
  FReader.ReadMember(name, member);
  if (member.empty()) {
    bitmap.Clear();
    return;
  }
  try {
    bitmap.LoadFromBmp(member);
  } catch (const std::runtime_error&) {
    // A skin is any file a user names: a broken image leaves its element without a picture.
    bitmap.Clear();
  }
}
