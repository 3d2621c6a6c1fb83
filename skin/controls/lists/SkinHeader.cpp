#include "SkinHeader.h"

#include <commctrl.h>

#include <algorithm>

#include "HeaderCaption.h"
#include "ListPaintBuffer.h"
#include "WinSkinData.h"
#include "WinSkinHelpers.h"

const tk::TClassInfo& TSkinHeader::StaticClass() {
  static const tk::TClassInfo info("TSkinHeader", &TSkinControl::StaticClass());
  return info;
}

namespace {

constexpr int ItemTextLimit = 201;
constexpr int HotMargin = 3;

THeaderAlignment AlignmentOf(int format) {
  if (format & HDF_RIGHT) return haRight;
  if (format & HDF_CENTER) return haCenter;
  return haLeft;
}

}  // namespace

void TSkinHeader::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  HotItem = -1;
  TSkinControl::Attach(form, skin, recolour, canvas);
}

void TSkinHeader::AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) {
  HotItem = -1;
  TSkinControl::AttachWindow(handle, skin, form, canvas);
}

bool TSkinHeader::HasHeaderbar() const { return SkinData && SkinData->Headerbar && !SkinData->Headerbar->Bitmap.Empty(); }

bool TSkinHeader::BeforeMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_PAINT:
      PaintWithBeginPaint(msg);
      return false;
    case WM_ERASEBKGND:
      if (!HasHeaderbar()) return true;
      msg.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(msg);
  }
}

void TSkinHeader::AfterMessage(tk::TMessage& msg) {
  switch (msg.Msg) {
    case WM_MOUSEMOVE:
      OnMouseMove(msg);
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      break;
    default:
      TSkinControl::AfterMessage(msg);
      break;
  }
}

void TSkinHeader::OnMouseMove(const tk::TMessage& msg) {
  const POINT p{static_cast<short>(LOWORD(msg.LParam)), static_cast<short>(HIWORD(msg.LParam))};
  for (size_t i = 0; i < ItemRects.size(); ++i) {
    if (!PtInRect(&ItemRects[i], p) || static_cast<int>(i) == HotItem) continue;
    HotItem = static_cast<int>(i);
    Repaint();
    break;
  }
  if (Handle) TrackMouseLeave(Handle);
}

void TSkinHeader::OnMouseLeave() {
  HotItem = -1;
  Repaint();
}

void TSkinHeader::Draw(HDC dc, const RECT& rect) {
  if (!HasHeaderbar() || !Handle) return;
  TDataSkinObject& bar = *SkinData->Headerbar;
  TListPaintBuffer buffer(dc, rect, tk::ColorToRGB(SkinData->Colors[scButtonFace]));
  if (!buffer.Valid()) return;
  HDC mem = buffer.DC();
  tk::SelectGuard font(mem, reinterpret_cast<HGDIOBJ>(SendMessageW(Handle, WM_GETFONT, 0, 0)));
  SetBkMode(mem, TRANSPARENT);
  IsEnabled = true;
  ItemRects.clear();
  const int count = static_cast<int>(SendMessageW(Handle, HDM_GETITEMCOUNT, 0, 0));
  int stripLeft = rect.left;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!SendMessageW(Handle, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
    DrawItem(mem, i, item);
    stripLeft = std::max(stripLeft, static_cast<int>(item.right));
    InflateRect(&item, -HotMargin, -HotMargin);
    ItemRects.resize(static_cast<size_t>(i) + 1, RECT{});
    ItemRects[static_cast<size_t>(i)] = item;
  }
  const RECT rest{stripLeft, rect.top, rect.right, rect.bottom};
  if (rest.right > rest.left)
    DrawBitmapFrame(mem, rest, bar.Bitmap, false, bar.Tile != 0, bar.Trans, bar.FrameCount, 1, bar.Margins());
  buffer.CopyToTarget();
}

void TSkinHeader::DrawItem(HDC dc, int index, const RECT& itemRect) {
  TDataSkinObject& bar = *SkinData->Headerbar;
  wchar_t text[ItemTextLimit] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = ItemTextLimit;
  SendMessageW(Handle, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  text[ItemTextLimit - 1] = L'\0';
  const bool hot = index == HotItem;
  DrawBitmapFrame(dc, itemRect, bar.Bitmap, false, bar.Tile != 0, bar.Trans, bar.FrameCount, hot ? 2 : 1, bar.Margins());
  THeaderCaption caption;
  caption.Text = WideCopy(text, -1);
  if (caption.Text.empty()) return;
  caption.Alignment = AlignmentOf(item.fmt);
  if (item.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) {
    caption.ImageIndex = item.iImage;
    caption.Images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, HDM_GETIMAGELIST, 0, 0));
  }
  caption.Enabled = IsWindowEnabled(Handle) != FALSE;
  caption.RightToLeft = (GetWindowLongPtrW(Handle, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  SetTextColor(dc, tk::ColorToRGB(hot ? bar.MouseOverColour2 : bar.NormalColour2));
  DrawHeaderCaption(dc, itemRect, caption, tk::ColorToRGB(SkinData->Colors[scButtonShadow]));
}
