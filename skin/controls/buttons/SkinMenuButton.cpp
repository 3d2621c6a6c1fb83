#include "SkinMenuButton.h"

#include <algorithm>

#include "ButtonDrawing.h"
#include "WinSkinData.h"

namespace {

constexpr int ArrowBoxWidth = 8;

}  // namespace

const tk::TClassInfo& TSkinMenuButton::StaticClass() {
  static const tk::TClassInfo info("TSkinMenuButton", &TSkinButton::StaticClass());
  return info;
}

int MenuButtonFrame(bool enabled, bool pressed, bool hot, bool focused) {
  if (!enabled) return bfDisabled;
  if (pressed) return bfPressed;
  if (hot || focused) return bfHot;
  return bfNormal;
}

TMenuButtonSpacing MenuButtonSpacing(int width, int glyphWidth, int textWidth, int margin, int spacing) {
  TMenuButtonSpacing out{margin, spacing};
  if (margin == -1) {
    if (spacing == -1) {
      out.margin = (width - (glyphWidth + textWidth + ArrowBoxWidth)) / 4;
      out.spacing = out.margin;
    } else {
      out.margin = (width - (glyphWidth + textWidth + 2 * spacing + ArrowBoxWidth)) / 2;
    }
  } else if (spacing == -1) {
    out.spacing = ((width + ArrowBoxWidth - 2 * margin - glyphWidth) - textWidth) / 2;
  }
  return out;
}

void TSkinMenuButton::Draw(HDC dc, const RECT& rect) {
  TDataSkinButton* element = ButtonsElement();
  if (!element) return;
  ReadCaption();
  const int frame = MenuButtonFrame(IsEnabled, States & scsPressed, States & scsHot, IsFocused);
  const RECT work{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  const int w = work.right, h = work.bottom;
  if (!PrepareBuffer(work)) return;
  HDC buffer = Buffer.Canvas().Handle();
  DrawElement(buffer, work, ButtonFrameCount, frame, *element);
  tk::SelectGuard font(buffer, CaptionFont());

  auto* glyph = dynamic_cast<tk::TBitmap*>(::GetObjectProp(Control, "Glyph", &tk::TBitmap::StaticClass()));
  if (glyph && glyph->Empty()) glyph = nullptr;
  const int gw = glyph ? glyph->Width() : 0, gh = glyph ? glyph->Height() : 0;
  SIZE text{0, 0};
  if (!Caption.empty()) {
    RECT box{2, 2, w - gw - ArrowBoxWidth - 2, h - 2};
    DrawTextW(buffer, Caption.c_str(), static_cast<int>(Caption.size()), &box, DT_CALCRECT | DT_WORDBREAK);
    text = SIZE{box.right - box.left, box.bottom - box.top};
  }
  const TMenuButtonSpacing spacing = MenuButtonSpacing(w, gw, text.cx, static_cast<int>(::GetIntProp(Control, "Margin")),
                                                       static_cast<int>(::GetIntProp(Control, "Spacing")));
  if (glyph) DrawGlyphFrame(buffer, POINT{spacing.margin, (h - gh) / 2}, 1, 1, *glyph);
  const POINT textAt{spacing.margin + gw + spacing.spacing, (h - text.cy + 1) / 2};
  const POINT arrow{textAt.x + text.cx + 2 * spacing.spacing, (h - 3) / 2};

  const COLORREF arrowColour = GetSysColor(IsEnabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
  {
    tk::UniqueBrush brush(CreateSolidBrush(arrowColour));
    tk::UniquePen pen(CreatePen(PS_SOLID, 1, arrowColour));
    tk::SelectGuard keepBrush(buffer, brush.Get());
    tk::SelectGuard keepPen(buffer, pen.Get());
    const POINT corners[3] = {{arrow.x, arrow.y + 2}, {arrow.x - 3, arrow.y - 1}, {arrow.x + 3, arrow.y - 1}};
    Polygon(buffer, corners, 3);
  }
  if (!Caption.empty()) {
    RECT textRect{textAt.x, textAt.y, textAt.x + text.cx, textAt.y + text.cy};
    SetBkMode(buffer, TRANSPARENT);
    SetTextColor(buffer, ButtonTextColour(*element, frame, BaseTextColour(), true));
    RECT drawn = textRect;
    DrawTextW(buffer, Caption.c_str(), static_cast<int>(Caption.size()), &drawn, DT_WORDBREAK);
    SetBkMode(buffer, OPAQUE);
    if (WantsFocusRect()) {
      InflateRect(&textRect, 2, 2);
      DrawFocusRect(buffer, &textRect);
    }
  }
  BitBlt(dc, rect.left, rect.top, w, h, buffer, 0, 0, SRCCOPY);
}
