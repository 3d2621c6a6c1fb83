#include "SkinTabSheet.h"

#include "WinSkinData.h"

const tk::TClassInfo& TSkinTabSheet::StaticClass() {
  static const tk::TClassInfo info("TSkinTabSheet", &TSkinControl::StaticClass());
  return info;
}

bool TSkinTabSheet::BeforeMessage(tk::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  if (Mode != 0) return true;
  switch (msg.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      PaintWithBeginPaint(msg);
      return false;
    case WM_ERASEBKGND: {
      RECT r{};
      if (Handle) GetClientRect(Handle, &r);
      FillBackground(reinterpret_cast<HDC>(msg.WParam), r);
      msg.Result = 1;
      return false;
    }
    default:
      return true;
  }
}

void TSkinTabSheet::Draw(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  if (Work.Width() != width || Work.Height() != height) Work.SetSize(width, height);
  HDC work = Work.Canvas().Handle();
  FillBackground(work, RECT{0, 0, width, height});
  if (auto* container = dynamic_cast<tk::TWinControl*>(Control)) container->PaintControls(work);
  BitBlt(dc, rect.left, rect.top, width, height, work, 0, 0, SRCCOPY);
}
