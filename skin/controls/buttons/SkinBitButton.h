// The bit button painter: the push button's looks plus a glyph beside the caption, laid out by
// the control's Layout, Margin and Spacing. With ImageProperty set it draws the picture held in
// that property instead of the glyph strip.
#pragma once

#include <string>

#include "GlyphLayout.h"
#include "SkinButton.h"

class TSkinBitButton : public TSkinButton {
  TK_CLASS(TSkinBitButton)
 public:
  using TSkinButton::TSkinButton;
  void Draw(HDC dc, const RECT& rect) override;

  std::string ImageProperty;  // a published picture property drawn instead of Glyph

 protected:
  // The control (or companion) whose properties are read.
  const tk::TControl* Source() const { return Companion ? Companion : Control; }
  // Caption size when measured in the box the glyph leaves free (0 x 0 for no caption).
  SIZE MeasureCaption(HDC dc, int width, int height, int glyphWidth, int glyphHeight, TGlyphSide side) const;
  // Glyph and caption input of the layout from the source's Margin, Spacing, Layout, Alignment.
  TGlyphLayoutInput LayoutInput(HDC dc, int width, int height, SIZE glyph) const;
  // The picture of ImageProperty when it holds one.
  const tk::TBitmap* PropertyPicture() const;

 protected:
  // The caption at its laid-out place, and the focus rectangle around it when wanted.
  void DrawLaidOutCaption(HDC buffer, const TGlyphLayoutInput& in, const TGlyphLayout& layout, UINT format);

  // The picture of ImageProperty in place of the glyph strip.
  void DrawPictureVariant(HDC dc, const RECT& rect, TDataSkinButton& element);
};
