#include "SkinBitButton.h"

#include <algorithm>
#include <cctype>

#include "ButtonDrawing.h"
#include "WinSkinData.h"

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

const tk::TClassInfo& TSkinBitButton::StaticClass() {
  static const tk::TClassInfo info("TSkinBitButton", &TSkinButton::StaticClass());
  return info;
}

SIZE TSkinBitButton::MeasureCaption(HDC dc, int width, int height, int glyphWidth, int glyphHeight, TGlyphSide side) const {
  if (Caption.empty()) return SIZE{0, 0};
  RECT box = CaptionMeasureBox(width, height, glyphWidth, glyphHeight, side);
  const int length = static_cast<int>(std::min(Caption.size(), MaxButtonCaption));
  DrawTextW(dc, Caption.c_str(), length, &box, DT_CALCRECT | DT_WORDBREAK);
  return SIZE{box.right - box.left, box.bottom - box.top};
}

TGlyphLayoutInput TSkinBitButton::LayoutInput(HDC dc, int width, int height, SIZE glyph) const {
  const tk::TControl* source = Source();
  TGlyphLayoutInput in;
  in.width = width;
  in.height = height;
  in.glyphWidth = glyph.cx;
  in.glyphHeight = glyph.cy;
  in.side = GlyphSideOf(::GetEnumText(source, "Layout"));
  const SIZE text = MeasureCaption(dc, width, height, glyph.cx, glyph.cy, in.side);
  in.textWidth = text.cx;
  in.textHeight = text.cy;
  in.margin = static_cast<int>(::GetIntProp(source, "Margin"));
  in.spacing = static_cast<int>(::GetIntProp(source, "Spacing"));
  in.centred = Lower(::GetEnumText(source, "Alignment")) == "tacenter";
  return in;
}

const tk::TBitmap* TSkinBitButton::PropertyPicture() const {
  if (ImageProperty.empty()) return nullptr;
  auto* picture = dynamic_cast<tk::TBitmap*>(::GetObjectProp(Source(), ImageProperty, &tk::TBitmap::StaticClass()));
  return picture && !picture->Empty() ? picture : nullptr;
}

void TSkinBitButton::Draw(HDC dc, const RECT& rect) {
  TDataSkinButton* element = ButtonsElement();
  if (!element) return;
  if (Companion && Lower(::GetEnumText(Companion, "Visible")) == "false") return;
  if (!ImageProperty.empty()) {
    DrawPictureVariant(dc, rect, *element);
    return;
  }
  ReadCaption();
  const bool pressed = States & scsPressed;
  const int frame = PushButtonFrame(IsEnabled, pressed, States & scsHot, IsFocused || IsDefault());
  const int glyphFrame = pressed ? 3 : (!IsEnabled ? 2 : 1);
  const RECT work{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  if (!PrepareBuffer(work)) return;
  HDC buffer = Buffer.Canvas().Handle();
  DrawElement(buffer, work, ButtonFrameCount, frame, *element);

  tk::SelectGuard font(buffer, CaptionFont());
  const tk::TControl* source = Source();
  auto* glyph = dynamic_cast<tk::TBitmap*>(::GetObjectProp(source, "Glyph", &tk::TBitmap::StaticClass()));
  if (glyph && glyph->Empty()) glyph = nullptr;
  const int numGlyphs = std::max(static_cast<int>(::GetIntProp(source, "NumGlyphs")), 1);
  const SIZE glyphSize = glyph ? SIZE{glyph->Width() / numGlyphs, glyph->Height()} : SIZE{0, 0};
  const TGlyphLayoutInput in = LayoutInput(buffer, work.right, work.bottom, glyphSize);
  const TGlyphLayout layout = LayOutGlyphAndText(in);
  if (glyph) DrawGlyphFrame(buffer, layout.glyph, numGlyphs, glyphFrame, *glyph);
  SetTextColor(buffer, ButtonTextColour(*element, frame, BaseTextColour(), false));
  DrawLaidOutCaption(buffer, in, layout, RtlFormat(layout.format));
  BitBlt(dc, rect.left, rect.top, work.right, work.bottom, buffer, 0, 0, SRCCOPY);
}

void TSkinBitButton::DrawLaidOutCaption(HDC buffer, const TGlyphLayoutInput& in, const TGlyphLayout& layout, UINT format) {
  if (Caption.empty()) return;
  const RECT text{layout.text.x, layout.text.y, layout.text.x + in.textWidth, layout.text.y + in.textHeight};
  SetBkMode(buffer, TRANSPARENT);
  RECT drawn = text;
  DrawTextW(buffer, Caption.c_str(), static_cast<int>(Caption.size()), &drawn, format);
  SetBkMode(buffer, OPAQUE);
  if (WantsFocusRect()) {
    RECT focus = text;
    InflateRect(&focus, 2, 2);
    DrawFocusRect(buffer, &focus);
  }
}

void TSkinBitButton::DrawPictureVariant(HDC dc, const RECT& rect, TDataSkinButton& element) {
  ReadCaption();
  const int frame = PushButtonFrame(IsEnabled, States & scsPressed, States & scsHot, IsFocused);
  const RECT work{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  if (!PrepareBuffer(work)) return;
  HDC buffer = Buffer.Canvas().Handle();
  DrawElement(buffer, work, ButtonFrameCount, frame, element);
  tk::SelectGuard font(buffer, CaptionFont());
  const tk::TBitmap* picture = PropertyPicture();
  const SIZE glyphSize = picture ? SIZE{picture->Width(), picture->Height()} : SIZE{0, 0};
  const TGlyphLayoutInput in = LayoutInput(buffer, work.right, work.bottom, glyphSize);
  const TGlyphLayout layout = LayOutGlyphAndText(in);
  if (picture) {
    tk::TCanvas canvas(buffer);
    canvas.Draw(layout.glyph.x, layout.glyph.y, *picture);  // with the picture's own transparency
    canvas.SetHandle(nullptr);
  }
  SetTextColor(buffer, ButtonTextColour(element, frame, BaseTextColour(), true));
  DrawLaidOutCaption(buffer, in, layout, layout.format);
  BitBlt(dc, rect.left, rect.top, work.right, work.bottom, buffer, 0, 0, SRCCOPY);
}
