// Where glyph and caption go, worked out for the sizes buttons meet: the arithmetic the bit, speed
// and menu button painters place their pictures with, and caption preparation.
#include <gtest/gtest.h>

#include "ButtonDrawing.h"
#include "GlyphLayout.h"
#include "SkinMenuButton.h"

namespace {

TGlyphLayoutInput Input(int width, int height, int gw, int gh, int tw, int th, int margin, int spacing,
                        TGlyphSide side = TGlyphSide::gsLeft) {
  TGlyphLayoutInput in;
  in.width = width;
  in.height = height;
  in.glyphWidth = gw;
  in.glyphHeight = gh;
  in.textWidth = tw;
  in.textHeight = th;
  in.margin = margin;
  in.spacing = spacing;
  in.side = side;
  return in;
}

}  // namespace

TEST(GlyphLayout, MarginAndSpacingUnsetShareTheFreeWidthInThree) {
  const TGlyphLayout layout = LayOutGlyphAndText(Input(100, 30, 16, 16, 40, 13, -1, -1));
  EXPECT_EQ(layout.margin, 14);
  EXPECT_EQ(layout.spacing, 14);
  EXPECT_EQ(layout.glyph.x, 14);
  EXPECT_EQ(layout.text.x, 14 + 16 + 14);
  EXPECT_EQ(layout.glyph.y, (30 - 16 + 1) / 2);
  EXPECT_EQ(layout.text.y, (30 - 13 + 1) / 2);
  EXPECT_EQ(layout.format, static_cast<UINT>(DT_WORDBREAK));
}

TEST(GlyphLayout, GivenSpacingCentresTheBlock) {
  const TGlyphLayout layout = LayOutGlyphAndText(Input(100, 30, 16, 16, 40, 13, -1, 4));
  EXPECT_EQ(layout.margin, (100 - (16 + 4 + 40)) / 2);
  EXPECT_EQ(layout.text.x, layout.margin + 16 + 4);
}

TEST(GlyphLayout, SpeedButtonCentresOnePixelFurtherIn) {
  TGlyphLayoutInput in = Input(100, 30, 16, 16, 40, 13, -1, 4);
  in.speedButton = true;
  EXPECT_EQ(LayOutGlyphAndText(in).margin, (100 - (16 + 4 + 40)) / 2 + 1);
}

TEST(GlyphLayout, GivenMarginLeavesTheRestToTheSpacing) {
  const TGlyphLayout layout = LayOutGlyphAndText(Input(100, 30, 16, 16, 40, 13, 5, -1));
  EXPECT_EQ(layout.margin, 5);
  EXPECT_EQ(layout.spacing, ((100 - (5 + 16)) - 40) / 2);
}

TEST(GlyphLayout, CentredAlignmentIgnoresTheMargin) {
  TGlyphLayoutInput in = Input(100, 30, 16, 16, 40, 13, 5, -1);
  in.centred = true;
  EXPECT_EQ(LayOutGlyphAndText(in).margin, 14);
}

TEST(GlyphLayout, NoCaptionMeansNoSpacing) {
  const TGlyphLayout layout = LayOutGlyphAndText(Input(100, 30, 16, 16, 0, 0, -1, -1));
  EXPECT_EQ(layout.spacing, 0);
  EXPECT_EQ(layout.margin, (100 - 16) / 2);
}

TEST(GlyphLayout, RightTopAndBottomLayouts) {
  const TGlyphLayout right = LayOutGlyphAndText(Input(100, 30, 16, 16, 40, 13, 6, 3, TGlyphSide::gsRight));
  EXPECT_EQ(right.glyph.x, 100 - 6 - 16);
  EXPECT_EQ(right.text.x, right.glyph.x - 3 - 40);
  EXPECT_TRUE(right.format & DT_RIGHT);

  const TGlyphLayout top = LayOutGlyphAndText(Input(60, 80, 16, 16, 40, 13, 6, 3, TGlyphSide::gsTop));
  EXPECT_EQ(top.glyph.y, 6);
  EXPECT_EQ(top.text.y, 6 + 16 + 3);
  EXPECT_EQ(top.glyph.x, (60 - 16 + 1) / 2);
  EXPECT_EQ(top.text.x, (60 - 40 + 1) / 2);
  EXPECT_TRUE(top.format & DT_CENTER);

  const TGlyphLayout bottom = LayOutGlyphAndText(Input(60, 80, 16, 16, 40, 13, 6, 3, TGlyphSide::gsBottom));
  EXPECT_EQ(bottom.glyph.y, 80 - 6 - 16);
  EXPECT_EQ(bottom.text.y, bottom.glyph.y - 3 - 13);
}

TEST(GlyphLayout, LayoutIdentifiersInAnyCase) {
  EXPECT_EQ(GlyphSideOf("blGlyphRight"), TGlyphSide::gsRight);
  EXPECT_EQ(GlyphSideOf("BLGLYPHTOP"), TGlyphSide::gsTop);
  EXPECT_EQ(GlyphSideOf("blGlyphBottom"), TGlyphSide::gsBottom);
  EXPECT_EQ(GlyphSideOf(""), TGlyphSide::gsLeft);
  EXPECT_EQ(GlyphSideOf("something else"), TGlyphSide::gsLeft);
}

TEST(GlyphLayout, CaptionBoxLeavesRoomForTheGlyph) {
  const RECT side = CaptionMeasureBox(100, 30, 16, 16, TGlyphSide::gsLeft);
  EXPECT_EQ(side.right, 100 - 2 - 18);
  const RECT top = CaptionMeasureBox(100, 60, 16, 16, TGlyphSide::gsTop);
  EXPECT_EQ(top.bottom, 60 - 2 - 18);
}

TEST(MenuButtonLayout, SpacingAndMarginAroundTheArrowBox) {
  const TMenuButtonSpacing both = MenuButtonSpacing(100, 16, 40, -1, -1);
  EXPECT_EQ(both.margin, (100 - (16 + 40 + 8)) / 4);
  EXPECT_EQ(both.spacing, both.margin);
  EXPECT_EQ(MenuButtonSpacing(100, 16, 40, -1, 3).margin, (100 - (16 + 40 + 6 + 8)) / 2);
  EXPECT_EQ(MenuButtonSpacing(100, 16, 40, 4, -1).spacing, ((100 + 8 - 8 - 16) - 40) / 2);
}

TEST(ButtonFrames, DisabledWinsThenPressedHotFocused) {
  EXPECT_EQ(PushButtonFrame(true, false, false, false), bfNormal);
  EXPECT_EQ(PushButtonFrame(true, true, true, true), bfPressed);
  EXPECT_EQ(PushButtonFrame(true, false, true, true), bfHot);
  EXPECT_EQ(PushButtonFrame(true, false, false, true), bfFocused);
  EXPECT_EQ(PushButtonFrame(false, true, true, true), bfDisabled);
  EXPECT_EQ(MenuButtonFrame(true, false, false, true), bfHot);
  EXPECT_EQ(MenuButtonFrame(false, true, false, true), bfDisabled);
}

TEST(ButtonCaption, OnlyTheFirstDoubleBarBreaksTheLine) {
  EXPECT_EQ(PrepareButtonCaption(L"Start||now||later"), L"Start\r\nnow||later");
  EXPECT_EQ(PrepareButtonCaption(L"plain"), L"plain");
}

TEST(ButtonCaption, ALongCaptionIsCut) {
  const std::wstring prepared = PrepareButtonCaption(std::wstring(100000, L'x'));
  EXPECT_EQ(prepared.size(), MaxButtonCaption);
}
