#include "UpDownButtons.h"

#include "ListPaintBuffer.h"
#include "WinSkinData.h"

namespace {

constexpr int ArrowSize = 3;  // rows of the plain arrow

bool Usable(const TDataSkinBorder* element) { return element && !element->Bitmap.Empty(); }

// A small filled triangle of lines pointing in the direction, centred in rect.
void DrawLineArrow(HDC dc, const RECT& rect, TUpDownDirection direction, COLORREF colour) {
  tk::UniquePen pen(CreatePen(PS_SOLID, 1, colour));
  tk::SelectGuard select(dc, pen.Get());
  const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
  for (int i = 0; i < ArrowSize; ++i) {
    // Row i from the tip: 2i + 1 pixels long.
    switch (direction) {
      case udUp:
        MoveToEx(dc, cx - i, cy - 1 + i, nullptr);
        LineTo(dc, cx + i + 1, cy - 1 + i);
        break;
      case udDown:
        MoveToEx(dc, cx - i, cy + 1 - i, nullptr);
        LineTo(dc, cx + i + 1, cy + 1 - i);
        break;
      case udLeft:
        MoveToEx(dc, cx - 1 + i, cy - i, nullptr);
        LineTo(dc, cx - 1 + i, cy + i + 1);
        break;
      case udRight:
        MoveToEx(dc, cx + 1 - i, cy - i, nullptr);
        LineTo(dc, cx + 1 - i, cy + i + 1);
        break;
    }
  }
}

}  // namespace

TUpDownButtons::TUpDownButtons(TSkinData& skin, bool horizontal)
    : FSkin(skin), FElement(horizontal ? skin.UpDownHorz.get() : skin.UpDownVert.get()) {}

int TUpDownButtons::FrameOf(TUpDownDirection direction, TUpDownHalfState state) {
  const int withinElement = direction == udUp || direction == udLeft ? 0 : 1;
  return state + 4 * withinElement;
}

void TUpDownButtons::DrawHalf(HDC dc, const RECT& half, TUpDownDirection direction, TUpDownHalfState state) const {
  if (half.right <= half.left || half.bottom <= half.top) return;
  if (Usable(FElement)) DrawFromElement(dc, half, FrameOf(direction, state));
  else DrawPlain(dc, half, direction, state);
}

void TUpDownButtons::DrawFromElement(HDC dc, const RECT& half, int frame) const {
  DrawFrameStretched(dc, half, FElement->Bitmap, true, FElement->FrameCount, frame);
  if (!FElement->Bitmap2.Empty()) DrawFrameCentered(dc, half, FElement->Bitmap2, true, FElement->FrameCount, frame);
}

void TUpDownButtons::DrawPlain(HDC dc, const RECT& half, TUpDownDirection direction, TUpDownHalfState state) const {
  const bool sunk = state == udsPressed || state == udsHot;
  FillWithColour(dc, half, tk::ColorToRGB(FSkin.Colors[sunk ? scButtonShadow : scButtonFace]));
  OutlineWithColour(dc, half, tk::ColorToRGB(FSkin.Colors[scButtonDkShadow]));
  const COLORREF arrow = tk::ColorToRGB(FSkin.Colors[state == udsDisabled ? scButtonShadow : scButtonText]);
  DrawLineArrow(dc, half, direction, arrow);
}
