// The pictures of Tolvane's default skin ("Tolvane Slate"): a dark slate title band, light grey
// faces (244, 244, 244) and a blue highlight (197, 231, 246), crisp one-pixel borders and rounded
// corners. Each member's size and frame layout is what the skin engine cuts it by.
#pragma once

#include <string>
#include <vector>

#include "Raster.h"

struct TSkinPicture {
  std::string Name;  // member name, as in the skin's member list
  TBitmap Bitmap;
};

// The 34 bitmaps, in archive order.
std::vector<TSkinPicture> DrawDefaultSkin();
