#include "SkinTabBtn.h"

#include <commctrl.h>

#include "DrawIconCaption.h"
#include "GdiHandle.h"
#include "TabGeometry.h"
#include "WinSkinData.h"

const tk::TClassInfo& TSkinTabBtn::StaticClass() {
  static const tk::TClassInfo info("TSkinTabBtn", &TSkinControl::StaticClass());
  return info;
}

bool TSkinTabBtn::BeforeMessage(tk::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  if (msg.Msg != WM_PAINT) return true;
  PaintWithBeginPaint(msg);
  return false;
}

void TSkinTabBtn::Draw(HDC dc, const RECT& rect) {
  if (!Handle || !SkinData || !SkinData->Buttons || SkinData->Buttons->Bitmap.Empty()) return;
  const RECT display = tab_geometry::PaneArea(Handle, rect);
  const RECT strip{rect.left, rect.top, rect.right, display.top + 1};
  const int width = strip.right - strip.left, height = strip.bottom - strip.top;
  if (width <= 0 || height <= 0) return;
  Strip.SetPixelFormat(tk::TPixelFormat::pf24bit);
  if (Strip.Width() != width || Strip.Height() != height) Strip.SetSize(width, height);
  HDC work = Strip.Canvas().Handle();
  {
    tk::SavedDC saved(work);
    FillColor(work, RECT{0, 0, width, height}, SkinData->Colors[scButtonFace]);
    SelectObject(work, tab_geometry::WindowFont(Handle));
    SetTextColor(work, RGB(0, 0, 0));
    SetBkMode(work, TRANSPARENT);
    TDataSkinButton& buttons = *SkinData->Buttons;
    const int frames = buttons.FrameCount > 0 ? buttons.FrameCount : 5;
    const int focused = static_cast<int>(SendMessageW(Handle, TCM_GETCURFOCUS, 0, 0));
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
    const int count = static_cast<int>(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      RECT item{};
      if (!SendMessageW(Handle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
      std::wstring caption;
      int imageIndex = -1;
      tab_geometry::TabItem(Handle, UnicodeWindow, i, MaxTabCaption, caption, imageIndex);
      OffsetRect(&item, -strip.left, 1 - strip.top);
      const int frame = i == focused ? 2 : 1;
      DrawBitmapFrame(work, item, buttons.Bitmap, false, buttons.Tile == 1, buttons.Trans, frames, frame, buttons.Margins());
      if (frame == 1 && buttons.HasNormalColour2) SetTextColor(work, tk::ColorToRGB(buttons.NormalColour2));
      else if (frame == 2 && buttons.HasPressedColour2) SetTextColor(work, tk::ColorToRGB(buttons.PressedColour2));
      else SetTextColor(work, RGB(0, 0, 0));
      DrawIconCaption(*this, work, item, caCentre, caption, imageIndex, images);
    }
  }
  BitBlt(dc, strip.left, strip.top, width, height, work, 0, 0, SRCCOPY);
}
