// Painting the non-client area from the skin: the left, right and bottom borders, the title band
// (composed off screen with the caption text and the caption buttons, then copied at once) and
// the menu band.
#include <algorithm>
#include <optional>

#include "ElementDrawing.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

namespace {

// Frame 1 while active (or when the element has a single frame), else frame 2.
int BorderFrame(const TDataSkinBorder& element, bool active) { return active || element.FrameCount <= 1 ? 1 : 2; }

void PaintBorderSide(HDC dc, const TDataSkinBorder* element, const RECT& target, bool vertical, bool active) {
  if (!element || element->Bitmap.Empty() || target.right <= target.left || target.bottom <= target.top) return;
  auto& bitmap = const_cast<tk::TBitmap&>(element->Bitmap);
  auto piece = DrawElementFrame(target, bitmap, element->Margins(), vertical, element->Tile != 1,
                                std::max(element->FrameCount, 1), BorderFrame(*element, active));
  BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, piece->Canvas().Handle(), 0,
         0, SRCCOPY);
}

}  // namespace

// The three-part band of the caption's text-back picture (and the menu band): both ends at their
// own width stretched to the height, the middle repeated in steps of its width.
void DrawThreePartBand(HDC dc, const RECT& band, tk::TBitmap& strip, int frameCount, int frame, int leftWidth,
                       int rightWidth, bool transparent) {
  const int fh = strip.Height() / std::max(frameCount, 1);
  const int fw = strip.Width();
  const int sy = fh * (frame - 1);
  const int height = band.bottom - band.top;
  if (fw <= 0 || fh <= 0 || height <= 0 || band.right <= band.left) return;
  tk::TBitmap piece(band.right - band.left, height);
  HDC pdc = piece.Canvas().Handle();
  HDC sdc = strip.Canvas().Handle();
  if (transparent) BitBlt(pdc, 0, 0, piece.Width(), height, dc, band.left, band.top, SRCCOPY);
  SetStretchBltMode(pdc, COLORONCOLOR);
  tk::TBitmap work(piece.Width(), height);
  HDC wdc = work.Canvas().Handle();
  const int middle = std::max(fw - leftWidth - rightWidth, 1);
  StretchBlt(wdc, 0, 0, leftWidth, height, sdc, 0, sy, leftWidth, fh, SRCCOPY);
  for (int x = leftWidth; x < piece.Width() - rightWidth; x += middle)
    StretchBlt(wdc, x, 0, std::min(middle, piece.Width() - rightWidth - x), height, sdc, leftWidth, sy,
               std::min(middle, piece.Width() - rightWidth - x), fh, SRCCOPY);
  StretchBlt(wdc, piece.Width() - rightWidth, 0, rightWidth, height, sdc, fw - rightWidth, sy, rightWidth, fh, SRCCOPY);
  if (transparent) {
    RECT all{0, 0, piece.Width(), height};
    DrawTransparent(pdc, all, work, SkinKeyColour);
  } else {
    BitBlt(pdc, 0, 0, piece.Width(), height, wdc, 0, 0, SRCCOPY);
  }
  BitBlt(dc, band.left, band.top, piece.Width(), height, pdc, 0, 0, SRCCOPY);
}

namespace {

std::wstring WindowTextOf(HWND wnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(wnd)) + 1, L'\0');
  const int got = GetWindowTextW(wnd, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(std::max(got, 0)));
  return text;
}

}  // namespace

void TWinSkinForm::PaintFrame(HDC dc) {
  if ((FrameState != fsRunning && FrameState != fsRefreshing) || BorderKind == bkNoCaption || IsMaximizedMDIChild()) return;
  if (!Wnd || !SkinData || SkinData->Loading) return;
  RECT window{};
  if (!GetWindowRect(Wnd, &window)) return;
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (width <= 0 || height <= 0) return;
  std::optional<tk::WindowDC> own;
  if (!dc) own.emplace(Wnd, true);
  HDC target = dc ? dc : own->Get();
  if (!target) return;
  try {
    if (ShowState != ssMinimized) PaintBorders(target, width, height);
    PaintTitle(target);
    if (ShowState != ssMinimized && MenuHeight > 0) {
      const RECT band = MenuBandRect();
      if (MenuBar) {
        MenuBar->PaintBar(target, band);
      } else {
        FillRect(target, &band, SkinData->FaceBrush.Get());
      }
    }
  } catch (...) {
    // A frame left partly unpainted is mended by the next paint.
  }
  HotObject = nullptr;
}

void TWinSkinForm::PaintBorders(HDC dc, int width, int height) {
  const auto& b = SkinData->Borders;
  const bool active = NCActive;
  PaintBorderSide(dc, b[sdLeft].get(), RECT{0, 0, LeftWidth(), height}, false, active);
  PaintBorderSide(dc, b[sdRight].get(), RECT{width - RightWidth(), 0, width, height}, false, active);
  PaintBorderSide(dc, b[sdBottom].get(), RECT{LeftWidth(), height - BottomHeight(), width - RightWidth(), height}, true,
                  active);
}

void TWinSkinForm::PaintTitle(HDC dc) {
  RECT window{};
  GetWindowRect(Wnd, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  const bool minimized = ShowState == ssMinimized;
  const int bandHeight = minimized ? height : TitleHeight();
  if (width <= 0 || bandHeight <= 0) return;
  TitleBuffer.SetSize(width, bandHeight);
  HDC buffer = TitleBuffer.Canvas().Handle();
  RECT all{0, 0, width, bandHeight};
  if (minimized) {
    tk::UniqueBrush face(CreateSolidBrush(tk::ColorToRGB(SkinData->Colors[scButtonFace])));
    FillRect(buffer, &all, face.Get());
  } else {
    BitBlt(buffer, 0, 0, width, bandHeight, dc, 0, 0, SRCCOPY);
  }
  const RECT topTarget = minimized ? RECT{0, 0, width, TitleHeight()} : RECT{LeftWidth(), 0, width - RightWidth(), TitleHeight()};
  PaintBorderSide(buffer, SkinData->Borders[sdTop].get(), topTarget, true, NCActive);
  const RECT titleRect{0, 0, width, TitleHeight()};
  UpdateButtonVisibility();
  DrawCaptionText(buffer, titleRect);
  LayoutCaptionButtons(width);
  // What lies under the buttons, for repainting one of them alone.
  TitleBackground.SetSize(width, bandHeight);
  BitBlt(TitleBackground.Canvas().Handle(), 0, 0, width, bandHeight, buffer, 0, 0, SRCCOPY);
  PaintCaptionButtons(buffer);
  BitBlt(dc, 0, 0, width, bandHeight, buffer, 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::DrawCaptionText(HDC dc, const RECT& r) {
  const TDataSkinTitle* title = SkinData->Title.get();
  const int textShift = title ? title->LeftWidth : 0;
  const int textShiftVert = title ? title->TopHeight : 0;
  const int textRightClip = title ? title->RightWidth : 0;
  const int alignment = title ? title->TextAlignment : 0;
  const int backLeft = title ? title->TextBackLeft : 0;
  const int backRight = title ? title->TextBackRight : 0;

  const std::wstring text = CaptionPrefix + WindowTextOf(Wnd) + CaptionSuffix;
  int buttonSpace = 0;
  for (const auto& button : CaptionButtons)
    if (button->Visible && button->Element->Align == 1 && !button->Element->Bitmap.Empty())
      buttonSpace = std::max(buttonSpace, button->Element->XCoord);

  tk::SelectGuard font(dc, CaptionFont.Handle());
  SetTextColor(dc, tk::ColorToRGB(SkinData->Colors[NCActive ? scTitleTextActive : scTitleTextNoActive]));
  SetBkMode(dc, TRANSPARENT);
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE);
  const int rw = r.right - r.left, rh = r.bottom - r.top;
  const int textWidth = measured.right - measured.left, textHeight = measured.bottom - measured.top;
  const int blockWidth = textWidth + backLeft + backRight;

  int x = 0;
  if (!RightToLeft) {
    switch (alignment) {
      case 1: x = (rw - blockWidth) / 2; break;
      case 2: x = rw - textRightClip - blockWidth; break;
      default: x = textShift; break;
    }
  } else {
    switch (alignment) {
      case 1: x = (rw - buttonSpace - blockWidth) / 2; break;
      case 2: x = textShift; break;
      default: x = rw - buttonSpace - blockWidth; break;
    }
    if (x < 1) x = textShift;
  }
  const int y = (rh - textHeight) / 2 + textShiftVert / 2;
  RECT block{r.left + x, r.top, r.left + x + blockWidth, r.bottom};

  const LONG_PTR style = GetWindowLongPtrW(Wnd, GWL_STYLE);
  if (style & WS_POPUP) {
    if (buttonSpace > 5) {
      if (RightToLeft) OffsetRect(&block, 10, 0);
      else block.right = std::min<LONG>(block.right, r.right - buttonSpace - 5);
    }
  } else {
    if (RightToLeft) OffsetRect(&block, 10, 0);
    else block.right = std::min<LONG>(block.right, r.right - textRightClip);
  }
  // Dialogs show no icon: their text starts where the icon would be.
  if (BorderKind == bkDialog && alignment == 0) block.left -= 16;

  if (title && !title->Bitmap.Empty()) {
    auto& strip = const_cast<tk::TBitmap&>(title->Bitmap);
    DrawThreePartBand(dc, RECT{block.left, r.top, block.right, r.bottom}, strip, 2, NCActive ? 1 : 2, backLeft, backRight, true);
  }
  block.left += backLeft;
  block.right -= backRight;
  RECT textRect{block.left, r.top + y, block.right, r.top + y + textHeight};
  UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (RightToLeft) format |= DT_RIGHT | DT_RTLREADING;
  if (textRect.right > textRect.left) DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, format);
  TextRect = textRect;
}
