// How the combo box painter draws: the skin's combo button element decides the way (its Style).
#include <algorithm>

#include "ElementDrawing.h"
#include "OffscreenFrame.h"
#include "SkinComBox.h"
#include "WinSkinData.h"

namespace {

enum TComboFrame { cfNormal = 1, cfPressed = 2, cfDisabled = 3, cfHot = 4 };

COLORREF SkinColour(const TSkinData& skin, TSkinColour which) { return tk::ColorToRGB(skin.Colors[which]); }

RECT Deflated(const RECT& r, int left, int top, int right, int bottom) {
  return RECT{r.left + left, r.top + top, r.right - right, r.bottom - bottom};
}

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// The mirrored images are whole strips turned round, so their frames run backwards.
int MirroredFrame(int frame, int frameCount) { return frameCount + 1 - frame; }

}  // namespace

bool TSkinComBox::FocusedNow() const {
  if (IsFocused) return true;
  return EditChild && GetFocus() == EditChild;
}

int TSkinComBox::StateFrame() const {
  const bool enabled = Handle && !(WindowLong(Handle, GWL_STYLE) & WS_DISABLED);
  if (!enabled) return cfDisabled;
  if (States & scsPressed) return cfPressed;
  if (FocusedNow() || (States & scsHot)) return cfHot;
  return cfNormal;
}

void TSkinComBox::Draw(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  const TDataSkinBorder* button = SkinData->ComboButton.get();
  if (!button || button->Bitmap.Empty()) return;
  ComboStyle = static_cast<DWORD>(WindowLong(Handle, GWL_STYLE));
  ComboExStyle = static_cast<DWORD>(WindowLong(Handle, GWL_EXSTYLE));
  Info = COMBOBOXINFO{};
  Info.cbSize = sizeof Info;
  if (GetComboBoxInfo(Handle, &Info)) {
    ButtonRect = Info.rcButton;
    if (Info.stateButton & STATE_SYSTEM_INVISIBLE) return;
  }
  TOffscreenFrame frame(dc, rect, tk::ColorToRGB(ParentColor(SkinData ? SkinData->Colors[scButtonFace] : tk::clBtnFace)));
  if (!frame.Valid()) return;
  if (button->Style == 1) DrawFlat(frame, rect);
  else if (ExMode) DrawExtended(frame, rect);
  else if (button->Style == 2) DrawWhole(frame, rect);
  else if (SkinData->SunkEdge && !SkinData->SunkEdge->Bitmap.Empty()) DrawOnSunkEdge(frame, rect);
  // Without the sunk edge the button has nothing to sit on: the flat way serves.
  else DrawFlat(frame, rect);
  frame.CopyToTarget();
}

// The box's own background, one ring inside a shadow-coloured frame, and the button at the side.
void TSkinComBox::DrawFlat(TOffscreenFrame& frame, const RECT& rect) {
  HDC dc = frame.DC();
  TDataSkinBorder& button = *SkinData->ComboButton;
  const int frames = std::max(button.FrameCount, 1);
  const int fw = button.Bitmap.Width() / frames;
  const int fh = button.Bitmap.Height();
  const int column = GetSystemMetrics(SM_CYVTHUMB);
  const HBRUSH brush = static_cast<HBRUSH>(GetCurrentObject(frame.Target(), OBJ_BRUSH));
  const bool left = LeftScrollBar();

  const RECT ring = Deflated(rect, 1, 1, 1, 1);
  FrameRect(dc, &ring, brush);
  const RECT inner = Deflated(rect, 2, 2, 2, 2);
  RECT side = inner;
  if (left) side.right = std::min(inner.right, inner.left + column);
  else side.left = std::max(inner.left, inner.right - column);
  FillRect(dc, &side, brush);
  RECT glyph = inner;
  if (left) glyph.right = inner.left + fw;
  else glyph.left = inner.right - fw;
  if (fh < column) glyph.bottom = glyph.top + fh;
  FrameWithColour(dc, rect, SkinColour(*SkinData, scButtonShadow));
  ButtonRect = glyph;
  DrawFrameStretched(dc, glyph, button.Bitmap, true, frames, StateFrame());

  RECT text = inner;
  if (left) text.left = side.right;
  else text.right = side.left;
  if (!Empty(text)) frame.Keep(text);
}

// An extended box: a plain frame, and the skin's arrow over its first child's area.
void TSkinComBox::DrawExtended(TOffscreenFrame& frame, const RECT& rect) {
  HDC dc = frame.DC();
  if (HasBorder(Handle, rect)) DrawShadowFrame(dc, rect, SkinColour(*SkinData, scButtonShadow), 1);
  HWND child = GetTopWindow(Handle);
  RECT area{};
  if (!child || !GetWindowRect(child, &area)) return;
  OffsetRect(&area, -WindowRect.left, -WindowRect.top);
  FillColor(dc, area, SkinData->Colors[scButtonFace]);
  if (SkinData->ComboArrow && !SkinData->ComboArrow->Bitmap.Empty())
    DrawFrameStretched(dc, area, SkinData->ComboArrow->Bitmap, true, std::max(SkinData->ComboArrow->FrameCount, 1), StateFrame());
  ButtonRect = area;
}

// The whole box in one element: the edit frame with its button (mirrored for a box whose button
// sits at the left).
void TSkinComBox::DrawWhole(TOffscreenFrame& frame, const RECT& rect) {
  const bool mirrored = LeftScrollBar() && SkinData->SunkEdge && !SkinData->SunkEdge->Bitmap.Empty();
  TDataSkinObject& element = mirrored ? *SkinData->SunkEdge : static_cast<TDataSkinObject&>(*SkinData->ComboButton);
  const int frames = std::max(element.FrameCount, 1);
  const int state = mirrored ? MirroredFrame(StateFrame(), frames) : StateFrame();
  DrawBitmapFrame(frame.DC(), rect, element.Bitmap, false, false, 1, frames, state, element.Margins());
  // The button is the fixed column on its side.
  const int column = mirrored ? element.LeftWidth : element.RightWidth;
  if (column > 0) {
    ButtonRect = rect;
    if (mirrored) ButtonRect.right = rect.left + column;
    else ButtonRect.left = rect.right - column;
  }
  const RECT inner = Deflated(rect, element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight);
  if (!Empty(inner)) frame.Keep(inner);
}

// The sunk edge as the frame and the button image over its side column, the glyph centred on it.
void TSkinComBox::DrawOnSunkEdge(TOffscreenFrame& frame, const RECT& rect) {
  HDC dc = frame.DC();
  TDataSkinBorder& button = *SkinData->ComboButton;
  const int w = GetSystemMetrics(SM_CXHSCROLL);
  const bool left = LeftScrollBar();
  const RECT interior = left ? RECT{rect.left + w + 4, rect.top + 2, rect.right - 2, rect.bottom - 2}
                             : RECT{rect.left + 2, rect.top + 2, rect.right - w - 4, rect.bottom - 2};
  const RECT place = left ? RECT{rect.left, rect.top, rect.left + w + 2, rect.bottom}
                          : RECT{rect.right - w - 2, rect.top, rect.right, rect.bottom};
  const RECT glyph = left ? RECT{2, rect.top, w + 2, rect.bottom} : RECT{rect.right - w - 2, rect.top, rect.right - 2, rect.bottom};
  const bool mirrored = left && !button.Bitmap2.Empty();
  tk::TBitmap& image = mirrored ? button.Bitmap2 : button.Bitmap;
  const int state = StateFrame();
  const int buttonFrames = std::max(button.FrameCount, 1);

  TDataSkinObject& edge = *SkinData->SunkEdge;
  DrawElement(dc, rect, std::max(edge.FrameCount, 1), state, edge);
  DrawFrameStretched(dc, place, image, true, buttonFrames, mirrored ? MirroredFrame(state, buttonFrames) : state);
  ButtonRect = place;
  TDataSkinObject* extra = SkinData->ExtraImages.get();
  if (extra && !extra->Bitmap.Empty())
    DrawFrameCentered(dc, glyph, extra->Bitmap, true, std::max(extra->FrameCount, 1), state);
  if (!Empty(interior)) frame.Keep(interior);
}
