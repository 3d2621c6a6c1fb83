#include "EditSkinParts.h"

#include <sstream>

#include "GdiHandle.h"
#include "ImgUtil.h"
#include "WinSkinData.h"

namespace edits_test {

COLORREF ComboButtonColour(int frame) { return RGB(200, 20 + frame * 40, 10); }
COLORREF ButtonRightHalfColour(int frame) { return RGB(20 + frame * 40, 200, 90); }
COLORREF SunkEdgeColour(int frame) { return RGB(10, 30 + frame * 35, 220); }
COLORREF ExtraImageColour(int frame) { return RGB(150, 150, 20 + frame * 40); }
COLORREF ShadowColour() { return skin_test::TableColour(scButtonShadow); }
COLORREF FaceColour() { return skin_test::TableColour(scButtonFace); }

void AddComboParts(skin_test::SolidSkinOptions& options, const ComboParts& parts) {
  std::ostringstream d;
  d << "[ComboButton]\nImage=combobutton.bmp\nTrans=1\nStyle=" << parts.style << "\n";
  options.extraMembers.push_back(
      {"combobutton.bmp", skin_test::SolidStrip(ComboButtonFrameWidth, ComboButtonFrameHeight, 4, false, ComboButtonColour)});
  if (parts.sunkEdge) {
    d << "[SunkEdge]\nImage=sunkedge.bmp\nLeftWidth=" << SunkEdgeMargin << "\nRightWidth=" << SunkEdgeMargin
      << "\nTopHeight=" << SunkEdgeMargin << "\nBottomHeight=" << SunkEdgeMargin << "\n";
    options.extraMembers.push_back({"sunkedge.bmp", skin_test::SolidStrip(SunkEdgeFrameSize, SunkEdgeFrameSize, 4, false, SunkEdgeColour)});
  }
  if (parts.extraImages) {
    d << "[ExtraImages]\nImage=extraimages.bmp\n";
    options.extraMembers.push_back({"extraimages.bmp", skin_test::SolidStrip(ExtraImageSize, ExtraImageSize, 5, false, ExtraImageColour)});
  }
  options.extraDescription += d.str();
}

namespace {

// Four frames, each its left half in one colour and its right half in another.
void FillStrip(tk::TBitmap& bitmap, int frameWidth, int frameHeight, COLORREF (*left)(int), COLORREF (*right)(int)) {
  bitmap.SetPixelFormat(tk::TPixelFormat::pf24bit);
  bitmap.SetSize(frameWidth * 4, frameHeight);
  for (int f = 1; f <= 4; ++f) {
    const int x = frameWidth * (f - 1), half = frameWidth / 2;
    tk::UniqueBrush leftBrush(CreateSolidBrush(left(f)));
    tk::UniqueBrush rightBrush(CreateSolidBrush(right(f)));
    const RECT l{x, 0, x + half, frameHeight};
    const RECT r{x + half, 0, x + frameWidth, frameHeight};
    FillRect(bitmap.Canvas().Handle(), &l, leftBrush.Get());
    FillRect(bitmap.Canvas().Handle(), &r, rightBrush.Get());
  }
}

}  // namespace

void UsePlainComboImages(TSkinData& skin, int style) {
  FillStrip(skin.ComboButton->Bitmap, ComboButtonFrameWidth, ComboButtonFrameHeight, ComboButtonColour, ButtonRightHalfColour);
  skin.ComboButton->Bitmap2.Assign(skin.ComboButton->Bitmap);
  MirrorBitmap(skin.ComboButton->Bitmap2);
  skin.ComboButton->FrameCount = 4;
  skin.ComboButton->Style = style;
  FillStrip(skin.SunkEdge->Bitmap, SunkEdgeFrameSize, SunkEdgeFrameSize, SunkEdgeColour, SunkEdgeColour);
  skin.SunkEdge->FrameCount = 4;
  skin.SunkEdge->LeftWidth = skin.SunkEdge->RightWidth = SunkEdgeMargin;
  skin.SunkEdge->TopHeight = skin.SunkEdge->BottomHeight = SunkEdgeMargin;
}

}  // namespace edits_test
