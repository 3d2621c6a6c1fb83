// The icon and caption of a tab laid out together: where the image-list icon lands for each
// alignment, when it is left out, and the caption colour of a disabled control.
#include <windows.h>
#include <commctrl.h>

#include "DrawIconCaption.h"
#include "GdiHandle.h"
#include "TabFixture.h"
#include "WinSubClass.h"

namespace {

constexpr int IconSize = 8;
constexpr COLORREF IconColour = RGB(200, 30, 90);
constexpr COLORREF Paper = RGB(255, 255, 255);

class DrawIconCaptionTest : public TabTest {
 protected:
  void SetUp() override {
    TabTest::SetUp();
    Start();
    images.Reset(ImageList_Create(IconSize, IconSize, ILC_COLOR24, 1, 1));
    // The image list copies the icon from a bitmap selected nowhere.
    tk::WindowDC screen(nullptr);
    tk::UniqueBitmapHandle icon(CreateCompatibleBitmap(screen.Get(), IconSize, IconSize));
    {
      tk::UniqueDC memory(CreateCompatibleDC(screen.Get()));
      tk::SelectGuard selected(memory.Get(), icon.Get());
      FillColor(memory.Get(), RECT{0, 0, IconSize, IconSize}, IconColour);
    }
    ASSERT_EQ(ImageList_Add(images.Get(), icon.Get(), nullptr), 0);
    painter = new TSkinControl(form);
    painter->SkinData = skin;
    painter->IsEnabled = true;
    canvas.SetSize(100, 20);
  }
  // Draws into a white 100 x 20 picture and gives the first column holding the icon colour.
  int IconColumn(int alignment, const std::wstring& text, int imageIndex = 0, int width = 100) {
    HDC dc = canvas.Canvas().Handle();
    FillColor(dc, RECT{0, 0, 100, 20}, Paper);
    DrawIconCaption(*painter, dc, RECT{0, 0, width, 20}, alignment, text, imageIndex, images.Get());
    GdiFlush();
    for (int x = 0; x < 100; ++x)
      if (canvas.PixelAt(x, 10) == IconColour) return x;
    return -1;
  }
  tk::UniqueImageList images;
  TSkinControl* painter = nullptr;
  tk::TBitmap canvas{100, 20};
};

TEST_F(DrawIconCaptionTest, IconGoesLeftCentredOrRightByAlignment) {
  EXPECT_EQ(IconColumn(caLeft, L""), 3);
  EXPECT_EQ(IconColumn(caCentre, L""), (100 - IconSize) / 2);
  EXPECT_EQ(IconColumn(caRight, L""), 100 - IconSize - 2);
  // A caption moves the centred icon left by half its width.
  const int withText = IconColumn(caCentre, L"Caption");
  EXPECT_GT(withText, 1);
  EXPECT_LT(withText, (100 - IconSize) / 2);
}

TEST_F(DrawIconCaptionTest, NoIconWithoutIndexOrRoom) {
  EXPECT_EQ(IconColumn(caCentre, L"Caption", -1), -1);
  EXPECT_EQ(IconColumn(caLeft, L"", 0, IconSize), -1);
}

TEST_F(DrawIconCaptionTest, DisabledCaptionTakesTheShadowColour) {
  HDC dc = canvas.Canvas().Handle();
  auto captionColours = [&](bool enabled) {
    painter->IsEnabled = enabled;
    FillColor(dc, RECT{0, 0, 100, 20}, Paper);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawIconCaption(*painter, dc, RECT{0, 0, 100, 20}, caLeft, L"WWWW", -1, nullptr);
    GdiFlush();
    bool shadow = false, black = false;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 100; ++x) {
        const COLORREF c = canvas.PixelAt(x, y);
        shadow |= c == skin_test::TableColour(scButtonShadow);
        black |= c == RGB(0, 0, 0);
      }
    return std::make_pair(shadow, black);
  };
  EXPECT_EQ(captionColours(true), std::make_pair(false, true));
  EXPECT_EQ(captionColours(false), std::make_pair(true, false));
}

}  // namespace
