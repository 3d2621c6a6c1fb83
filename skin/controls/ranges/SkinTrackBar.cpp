#include "SkinTrackBar.h"

#include "ElementDrawing.h"
#include "GdiHandle.h"
#include "Messages.h"
#include "WinSkinData.h"

namespace {

bool Usable(const TDataSkinObject* element) { return element && !element->Bitmap.Empty(); }

constexpr int ThumbFrameCount = 5;
constexpr int ThumbFrame = 2;

}  // namespace

const tk::TClassInfo& TSkinTrackBar::StaticClass() {
  static const tk::TClassInfo info("TSkinTrackBar", &TSkinControl::StaticClass());
  return info;
}

void TSkinTrackBar::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  TSkinControl::Attach(form, skin, recolour, canvas);
  if (Handle) InvalidateRect(Handle, nullptr, TRUE);
}

void TSkinTrackBar::Unskin() {
  const bool wasActive = Active;
  TSkinControl::Unskin();
  // The control draws its own channel and thumb again.
  if (wasActive && Handle && State != psWindowDestroyed) InvalidateRect(Handle, nullptr, TRUE);
}

bool TSkinTrackBar::BeforeMessage(tk::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  switch (msg.Msg) {
    case WM_NOTIFY:
    case tk::CN_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(msg.LParam);
      if (!header || header->code != static_cast<UINT>(NM_CUSTOMDRAW) || (Handle && header->hwndFrom != Handle)) return true;
      msg.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(msg.LParam));
      return false;
    }
    default:
      return true;
  }
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
  switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      switch (draw.dwItemSpec) {
        case TBCD_THUMB:
          DrawThumb(draw.hdc);
          return CDRF_SKIPDEFAULT;
        case TBCD_CHANNEL:
          DrawChannel(draw.hdc);
          return CDRF_SKIPDEFAULT;
        default:  // the tic marks stay the control's
          return CDRF_DODEFAULT;
      }
    default:
      return CDRF_DODEFAULT;
  }
}

bool TSkinTrackBar::Vertical() const { return Handle && (WindowLong(Handle, GWL_STYLE) & TBS_VERT) != 0; }

void TSkinTrackBar::DrawThumb(HDC dc) {
  RECT thumb{};
  SendMessageW(Handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  if (thumb.right <= thumb.left || thumb.bottom <= thumb.top || !SkinData) return;
  TDataSkinObject* image = Vertical() && Usable(SkinData->TrackThumbVert.get()) ? SkinData->TrackThumbVert.get()
                                                                                : SkinData->TrackThumbHorz.get();
  if (Usable(image)) {
    DrawFrameStretched(dc, thumb, image->Bitmap, true, ThumbFrameCount, ThumbFrame);
    return;
  }
  tk::UniqueBrush outline(CreateSolidBrush(tk::ColorToRGB(SkinData->Colors[scButtonShadow])));
  FrameRect(dc, &thumb, outline.Get());
}

void TSkinTrackBar::DrawChannel(HDC dc) {
  RECT channel{};
  SendMessageW(Handle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  if (!SkinData) return;
  const bool vertical = Vertical();
  // Some platforms give a vertical bar's channel lying down: stand it upright.
  if (vertical && channel.right - channel.left > channel.bottom - channel.top)
    channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
  if (channel.right <= channel.left || channel.bottom <= channel.top) return;
  TDataSkinObject* track = vertical && Usable(SkinData->TrackVert.get()) ? SkinData->TrackVert.get() : SkinData->Track.get();
  if (!Usable(track)) return;
  const int imageW = track->Bitmap.Width(), imageH = track->Bitmap.Height();
  RECT r = channel;
  TElementMargins margins{};
  if (track == SkinData->TrackVert.get()) {
    // Upright: top and bottom rows kept, the middle stretched; centred across when narrower.
    margins.TopHeight = track->TopHeight;
    margins.BottomHeight = track->BottomHeight;
    if (imageW < channel.right - channel.left) {
      r.left = channel.left + (channel.right - channel.left - imageW) / 2;
      r.right = r.left + imageW;
    }
  } else {
    margins.LeftWidth = track->LeftWidth;
    margins.RightWidth = track->RightWidth;
    if (imageH < channel.bottom - channel.top) {
      r.top = channel.top + (channel.bottom - channel.top - imageH) / 2;
      r.bottom = r.top + imageH;
    }
  }
  DrawBitmapFrame(dc, r, track->Bitmap, false, false, 0, 1, 1, margins);
}

void TSkinTrackBar::SkinChanged() {
  TSkinControl::SkinChanged();
  if (!Handle) return;
  // Taking the focus and giving it back makes the control draw itself afresh.
  HWND had = GetFocus();
  SetFocus(Handle);
  if (had && had != Handle) SetFocus(had);
}
