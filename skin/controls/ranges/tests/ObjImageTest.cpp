// Picture-mark controls: the strips cut from the check and radio images in their frame order, the
// glyph of the Properties object, the control drawing from them, and giving them back.
#include <windows.h>

#include <array>

#include "PictureMarks.h"
#include "RangesFixture.h"
#include "SkinObjImage.h"

using namespace range_test;

namespace {

class ObjImageTest : public RangesTest {
 protected:
  static COLORREF FrameAt(const tk::TBitmap& strip, int place) {
    return strip.PixelAt(place * MarkSize + MarkSize / 2, MarkSize / 2);
  }
};

TEST_F(ObjImageTest, CheckStripFramesAre12512534_5) {
  Start();
  auto* box = Place<tk::TRzCheckBox>(20, 20, 120, 20);
  ASSERT_NE(SkinAs(TPainterKind::pkObjImageCheck, box), nullptr);
  const tk::TBitmap& strip = *box->CustomGlyphs();
  ASSERT_EQ(strip.Width(), 9 * MarkSize);
  const std::array<int, 9> order{1, 2, 5, 1, 2, 5, 3, 4, 5};
  for (int place = 0; place < 9; ++place) EXPECT_EQ(FrameAt(strip, place), CheckColour(order[place])) << place;
  EXPECT_TRUE(box->UseCustomGlyphs());
  EXPECT_EQ(box->TransparentColor(), 0xFF00FF);
}

TEST_F(ObjImageTest, RadioStripHoldsUncheckedThenCheckedLooks) {
  Start();
  auto* radio = Place<tk::TRzRadioButton>(20, 20, 120, 20);
  ASSERT_NE(SkinAs(TPainterKind::pkObjImageRadio, radio), nullptr);
  const tk::TBitmap& strip = *radio->CustomGlyphs();
  ASSERT_EQ(strip.Width(), 6 * MarkSize);
  const std::array<int, 6> order{1, 2, 5, 3, 4, 5};
  for (int place = 0; place < 6; ++place) EXPECT_EQ(FrameAt(strip, place), RadioColour(order[place])) << place;
}

TEST_F(ObjImageTest, WithoutAFifthFrameItsPlacesStayTransparent) {
  RangePartsOptions parts;
  parts.checkFrames = 4;
  Start(parts);
  auto* box = Place<tk::TRzCheckBox>(20, 20, 120, 20);
  ASSERT_NE(SkinAs(TPainterKind::pkObjImageCheck, box), nullptr);
  const tk::TBitmap& strip = *box->CustomGlyphs();
  EXPECT_EQ(FrameAt(strip, 2), RGB(255, 0, 255));
  EXPECT_EQ(FrameAt(strip, 7), CheckColour(4));
}

TEST_F(ObjImageTest, TheControlDrawsItsMarkFromTheStrip) {
  Start();
  auto* box = Place<tk::TRzCheckBox>(20, 20, 120, 20);
  ASSERT_NE(SkinAs(TPainterKind::pkObjImageCheck, box), nullptr);
  HWND wnd = box->Handle();
  const int y = ClientSize(wnd).cy / 2;
  Redraw(wnd);
  EXPECT_EQ(At(wnd, MarkSize / 2, y), CheckColour(1));
  box->SetChecked(true);
  Redraw(wnd);
  EXPECT_EQ(At(wnd, MarkSize / 2, y), CheckColour(3));
  box->SetEnabled(false);
  Redraw(wnd);
  EXPECT_EQ(At(wnd, MarkSize / 2, y), CheckColour(5));
}

TEST_F(ObjImageTest, UnskinTurnsCustomGlyphsOffAndSkinChangedBuildsAgain) {
  Start();
  auto* box = Place<tk::TRzCheckBox>(20, 20, 120, 20);
  TSkinControl* painter = SkinAs(TPainterKind::pkObjImageCheck, box);
  ASSERT_NE(painter, nullptr);
  ASSERT_TRUE(box->UseCustomGlyphs());
  painter->Unskin();
  EXPECT_FALSE(box->UseCustomGlyphs());
  box->CustomGlyphs()->Clear();
  painter->SkinChanged();
  EXPECT_EQ(box->CustomGlyphs()->Width(), 9 * MarkSize);
}

TEST_F(ObjImageTest, GlyphKindGivesTheCheckImageToPropertiesAndUnskinClearsIt) {
  Start();
  auto* box = Place<tk::TcxCheckBox>(20, 20, 120, 20);
  TSkinControl* painter = SkinAs(TPainterKind::pkObjImageGlyph, box);
  ASSERT_NE(painter, nullptr);
  const tk::TBitmap& glyph = *box->Properties()->Glyph();
  ASSERT_EQ(glyph.Width(), 5 * MarkSize);
  EXPECT_EQ(glyph.PixelAt(MarkSize / 2, MarkSize / 2), CheckColour(1));
  EXPECT_EQ(glyph.PixelAt(4 * MarkSize + MarkSize / 2, MarkSize / 2), CheckColour(5));
  EXPECT_EQ(glyph.TransparentColor(), 0xFF00FF);
  HWND wnd = box->Handle();
  Redraw(wnd);
  EXPECT_EQ(At(wnd, MarkSize / 2, ClientSize(wnd).cy / 2), CheckColour(1));
  painter->Unskin();
  EXPECT_TRUE(box->Properties()->Glyph()->Empty());
}

TEST_F(ObjImageTest, ASkinWithoutCheckImagesLeavesTheControlsPlain) {
  RangePartsOptions parts;
  parts.checkFrames = 0;
  parts.radioFrames = 0;
  Start(parts);
  auto* box = Place<tk::TRzCheckBox>(20, 20, 120, 20);
  auto* glyphBox = Place<tk::TcxCheckBox>(20, 60, 120, 20);
  ASSERT_NE(SkinAs(TPainterKind::pkObjImageCheck, box), nullptr);
  ASSERT_NE(SkinAs(TPainterKind::pkObjImageGlyph, glyphBox), nullptr);
  EXPECT_FALSE(box->UseCustomGlyphs());
  EXPECT_TRUE(glyphBox->Properties()->Glyph()->Empty());
  Redraw(box->Handle());
  EXPECT_NE(At(box->Handle(), MarkSize / 2, ClientSize(box->Handle()).cy / 2), RGB(255, 0, 255));
}

}  // namespace
