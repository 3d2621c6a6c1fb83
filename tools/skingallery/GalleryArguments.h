// The gallery's command line: skingallery [SKIN_FILE] [--screenshots DIR]
#pragma once

#include <string>
#include <vector>

namespace gallery {

struct TGalleryArguments {
  std::wstring SkinFile;
  std::wstring ScreenshotDir;
  bool Screenshots = false;
  std::string Error;  // empty when the line was understood
};

// `args` without the program name.
TGalleryArguments ParseGalleryArguments(const std::vector<std::wstring>& args);
// The process's own arguments, without the program name.
std::vector<std::wstring> ProcessArguments();

inline constexpr const char* GalleryUsage = "usage: skingallery [SKIN_FILE] [--screenshots DIR]";

}  // namespace gallery
