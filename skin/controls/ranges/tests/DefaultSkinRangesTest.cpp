// The default skin carries the range family's elements of its own: the vertical thumb and both
// channels, instead of the built-in channel bitmaps.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "SkinLoader.h"
#include "WinSkinData.h"

namespace {

std::vector<std::uint8_t> DefaultSkinBytes() {
  // The build machine's root is drive Z: under Wine.
  std::ifstream in(std::string("Z:") + TOLVANE_DEFAULT_SKIN_PATH, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

TEST(DefaultSkinRanges, HasTheVerticalThumbAndBothChannels) {
  const std::vector<std::uint8_t> packed = DefaultSkinBytes();
  ASSERT_FALSE(packed.empty()) << TOLVANE_DEFAULT_SKIN_PATH;
  TSkinElements elements;
  ASSERT_TRUE(LoadSkinElements(elements, packed, [](const std::string&) {}));
  ASSERT_TRUE(elements.TrackThumbVert);
  EXPECT_EQ(elements.TrackThumbVert->FrameCount, 5);
  EXPECT_EQ(elements.TrackThumbVert->Bitmap.Width(), 5 * 21);
  ASSERT_TRUE(elements.Track);
  EXPECT_EQ(elements.Track->Bitmap.Width(), 20);
  EXPECT_EQ(elements.Track->LeftWidth, 2);
  EXPECT_EQ(elements.Track->RightWidth, 2);
  ASSERT_TRUE(elements.TrackVert);
  EXPECT_EQ(elements.TrackVert->Bitmap.Height(), 20);
  EXPECT_EQ(elements.TrackVert->TopHeight, 2);
  EXPECT_EQ(elements.TrackVert->BottomHeight, 2);
  ASSERT_TRUE(elements.Progress);
  EXPECT_FALSE(elements.Progress->Bitmap.Empty());
}

}  // namespace
