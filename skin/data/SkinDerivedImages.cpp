#include "SkinDerivedImages.h"

#include <windows.h>

#include "ElementDrawing.h"
#include "ImgUtil.h"

namespace {

template <class T>
void SetFrames(TSlot<T>& slot, int count) {
  if (slot) slot->FrameCount = count;
}

// Frames of the combo strips: an edit frame of ComboWidth x ComboHeight with the button at its right.
constexpr int ComboWidth = 50;
constexpr int ComboHeight = 21;
constexpr int ArrowSize = 17;

void FillKey(tk::TBitmap& bitmap, const RECT& rect) {
  tk::UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(SkinKeyColour)));
  FillRect(bitmap.Canvas().Handle(), &rect, brush.Get());
}

}  // namespace

void SetFrameCounts(TSkinElements& e) {
  SetFrames(e.Buttons, 5);
  if (e.Buttons) {
    // Without a count, check and radio strips hold frames of 13 (or, when taller, 16) pixels.
    auto derive = [](int32_t& count, const tk::TBitmap& strip) {
      if (count != 0) return;
      count = strip.Width() / (strip.Height() < 16 ? 13 : 16);
      if (count < 4) count = 4;
    };
    derive(e.Buttons->RadioFrameCount, e.Buttons->RadioBitmap);
    derive(e.Buttons->CheckFrameCount, e.Buttons->CheckBitmap);
  }
  SetFrames(e.Title, 2);
  if (e.Progress) e.Progress->FrameCount = e.Progress->Style != 0 ? 1 : 2;
  SetFrames(e.MenuBar, 2);
  SetFrames(e.GroupBoxEdge, 2);
  SetFrames(e.ToolbarFace, 1);
  SetFrames(e.ToolBars, 5);
  SetFrames(e.Tabs, 5);
  SetFrames(e.TabPane, 1);
  SetFrames(e.StatusBarEdges, 3);
  SetFrames(e.GroupBox, 1);
  SetFrames(e.ComboButton, 4);
  SetFrames(e.SunkEdge, 4);
  SetFrames(e.ExtraImages, 5);
  if (e.Headerbar && e.Headerbar->FrameCount == 0) e.Headerbar->FrameCount = 5;
  SetFrames(e.MenuItem, 5);
  SetFrames(e.MenuBackground, 1);
  SetFrames(e.Scrollbar, 23);
  SetFrames(e.HorzScroll, 4);
  SetFrames(e.VertScroll, 4);
  SetFrames(e.UpDownHorz, 8);
  SetFrames(e.UpDownVert, 8);
  for (TSlot<TDataSkinObject>* thumb : {&e.TrackThumbHorz, &e.TrackThumbVert, &e.TrackThumbLeft, &e.TrackThumbRight,
                                        &e.TrackThumbUp, &e.TrackThumbDown})
    SetFrames(*thumb, 5);
}

void MakeComboImages(TSkinElements& e) {
  if (!e.SunkEdge || !e.ComboButton) return;
  const int w = GetSystemMetrics(SM_CXHSCROLL) + 2;
  const int n = e.SunkEdge->FrameCount;
  auto result = std::make_unique<tk::TBitmap>(ComboWidth * n, ComboHeight, tk::TPixelFormat::pf24bit);
  if (!result->Empty()) FillKey(*result, RECT{0, 0, result->Width(), ComboHeight});
  tk::TBitmap work(ComboWidth, ComboHeight, tk::TPixelFormat::pf24bit);
  HDC workDC = work.Canvas().Handle();
  const RECT whole{0, 0, ComboWidth, ComboHeight};
  const RECT button{ComboWidth - w, 0, ComboWidth, ComboHeight};
  for (int f = 1; f <= n; ++f) {
    // Each frame starts on the key colour, so nothing of the one before shows through.
    FillKey(work, whole);
    if (!e.SunkEdge->Bitmap.Empty()) {
      auto edge = DrawElementFrame(whole, e.SunkEdge->Bitmap, e.SunkEdge->Margins(), false, false,
                                   e.SunkEdge->FrameCount, f);
      if (e.SunkEdge->Trans == 1) DrawTransparent(workDC, whole, *edge, SkinKeyColour);
      else BitBlt(workDC, 0, 0, ComboWidth, ComboHeight, edge->Canvas().Handle(), 0, 0, SRCCOPY);
    }
    if (!e.ComboButton->Bitmap.Empty()) {
      auto piece = DrawElementFrame(button, e.ComboButton->Bitmap, e.ComboButton->Margins(), false, false,
                                    e.ComboButton->FrameCount, f);
      DrawTransparent(workDC, button, *piece, SkinKeyColour);
    }
    if (e.ExtraImages) DrawFrameCentered(workDC, button, e.ExtraImages->Bitmap, true, e.ExtraImages->FrameCount, f);
    FillKey(work, RECT{2, 2, ComboWidth - 1 - w, 18});
    if (!result->Empty())
      BitBlt(result->Canvas().Handle(), ComboWidth * (f - 1), 0, ComboWidth, ComboHeight, workDC, 0, 0, SRCCOPY);
  }

  const TElementMargins edgeMargins = e.SunkEdge->Margins();
  TDataSkinBorder& combo = *e.ComboButton;
  combo.Style = 2;
  combo.TopHeight = edgeMargins.TopHeight;
  combo.BottomHeight = edgeMargins.BottomHeight;
  combo.RightWidth = w + 2;
  combo.LeftWidth = 2;
  combo.Bitmap.Assign(*result);

  MirrorBitmap(*result);
  e.SunkEdge->Bitmap.Assign(*result);
  e.SunkEdge->LeftWidth = w + 2;
  e.SunkEdge->RightWidth = 2;
}

void MakeComboArrow(TSkinElements& e) {
  if (!e.SunkEdge) {
    if (!e.ComboButton) return;
    if (!e.ComboArrow) e.ComboArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    e.ComboArrow->Bitmap.Assign(e.ComboButton->Bitmap);
    if (!e.ComboArrow->Bitmap.Empty()) ReplaceKeyColour(e.ComboArrow->Bitmap, e.Colors[scButtonFace]);
    e.ComboArrow->FrameCount = e.ComboButton->FrameCount;
    return;
  }
  if (!e.ComboButton || e.ComboButton->Style != 2) return;
  const int n = e.SunkEdge->FrameCount;
  if (n < 1) return;
  const int s = e.ComboButton->Bitmap.Width() / n;
  if (!e.ComboArrow) e.ComboArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  tk::TBitmap arrows(ArrowSize * n, ArrowSize, tk::TPixelFormat::pf24bit);
  if (!arrows.Empty() && !e.ComboButton->Bitmap.Empty())
    for (int i = 0; i < n; ++i)
      BitBlt(arrows.Canvas().Handle(), ArrowSize * i, 0, ArrowSize, ArrowSize, e.ComboButton->Bitmap.Canvas().Handle(),
             (i + 1) * s - 19, 2, SRCCOPY);
  e.ComboArrow->Bitmap.Assign(arrows);
  e.ComboArrow->FrameCount = n;
}

void MakeToolbarFace(TSkinElements& e) {
  if (!e.ToolbarFace) {
    e.ToolbarFace = std::make_unique<TDataSkinObject>("Toolbar");
    e.ToolbarFace->FrameCount = 1;
  }
  const tk::TColor c = e.FrameSampleColour();
  tk::TColor bottom = BlendColours(tk::clGray, c, 150);
  const tk::TColor top = BlendColours(e.Colors[scButtonFace], tk::clWhite, 150);
  const int s = ColourSaturation(c);
  if (s > 110) bottom = BlendColours(c, tk::clWhite, (225 - s) * 25 / 140 + 50);
  tk::TBitmap& face = e.ToolbarFace->Bitmap;
  face.SetPixelFormat(tk::TPixelFormat::pf24bit);
  face.SetSize(10, 40);
  GradientFill(face.Canvas().Handle(), RECT{0, 0, 10, 40}, top, true, bottom);
}
