// Tool bar drawing from the skin: the tool bar face picture behind the bar, and the skin's button
// frames behind its buttons. Given to tool bars that have no drawing handlers of their own.
#include "ComCtrls.h"
#include "ElementDrawing.h"
#include "Forms.h"
#include "SkinManage.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

namespace {

// The handlers look for the frame painter of the bar's form each time they run: a bar that
// outlives the painter only loses the skin's drawing, and a form that makes a new window keeps it.
TWinSkinForm* PainterOfBar(const tk::TToolBar* bar) {
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager) return nullptr;
  for (const tk::TControl* c = bar; c; c = c->Parent())
    if (const auto* form = dynamic_cast<const tk::TCustomForm*>(c); form && form->HandleAllocated())
      if (TWinSkinForm* painter = manager->FindForm(form->HandleIfAllocated())) return painter;
  return nullptr;
}

void DrawBackground(tk::TToolBar* bar, const RECT& rect, bool& defaultDraw) {
  if (TWinSkinForm* painter = PainterOfBar(bar)) painter->DrawToolbarBackground(bar, rect, defaultDraw);
}

void DrawButton(tk::TToolBar* bar, tk::TToolBarButtonDraw& button, bool& defaultDraw) {
  if (TWinSkinForm* painter = PainterOfBar(bar)) painter->DrawToolbarButton(bar, button, defaultDraw);
}

// The frame of the Buttons element a button shows in its state, 0 for none.
int ButtonFrame(UINT state) {
  if (state & CDIS_SELECTED) return 2;
  if (state & (CDIS_FOCUS | CDIS_HOT)) return 4;
  if ((state & CDIS_DEFAULT) && !(state & (CDIS_GRAYED | CDIS_DISABLED))) return 1;
  return 0;
}

}  // namespace

void TWinSkinForm::GiveToolbarEvents(tk::TControl* control) {
  auto* bar = dynamic_cast<tk::TToolBar*>(control);
  if (!bar) return;
  if (!bar->OnCustomDraw) bar->OnCustomDraw = DrawBackground;
  if (!bar->OnCustomDrawButton) bar->OnCustomDrawButton = DrawButton;
}

void TWinSkinForm::DrawToolbarBackground(tk::TToolBar* bar, const RECT& rect, bool&) {
  if (!SkinData || !SkinData->ToolbarFace || SkinData->Options().Contains(TSkinOption::xoToolbarBK)) return;
  tk::TBitmap& face = SkinData->ToolbarFace->Bitmap;
  HDC dc = bar->CustomDrawDC();
  if (!dc || face.Empty()) return;
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, face.Canvas().Handle(), 0, 0,
             face.Width(), face.Height(), SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

void TWinSkinForm::DrawToolbarButton(tk::TToolBar*, tk::TToolBarButtonDraw& button, bool&) {
  if (FrameState != fsRunning || !SkinData || !SkinData->Buttons) return;
  if (SkinData->Options().Contains(TSkinOption::xoToolbarButton)) return;
  TDataSkinButton& element = *SkinData->Buttons;
  const int frame = ButtonFrame(button.State);
  if (frame == 0 || frame > element.FrameCount || element.Bitmap.Empty()) return;
  if (frame == 1 && element.HasNormalColour2) button.TextColour = tk::ColorToRGB(element.NormalColour2);
  if (frame == 4 && element.HasMouseOverColour2) button.TextColour = tk::ColorToRGB(element.MouseOverColour2);
  if (frame == 2 && element.HasPressedColour2) button.TextColour = tk::ColorToRGB(element.PressedColour2);
  RECT inner = button.Bounds;
  InflateRect(&inner, -1, -1);
  DrawBitmapFrame(button.DC, inner, element.Bitmap, false, element.Tile == 1, element.Trans, element.FrameCount, frame,
                  element.Margins());
  button.DrawEdges = false;
}
