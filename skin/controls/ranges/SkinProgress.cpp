#include "SkinProgress.h"

#include <commctrl.h>

#include <algorithm>

#include "ElementDrawing.h"
#include "GdiHandle.h"
#include "ImgUtil.h"
#include "WinSkinData.h"

namespace {

constexpr int ChunkStyle = 1;
constexpr int ChunkInset = 2;

}  // namespace

const tk::TClassInfo& TSkinProgress::StaticClass() {
  static const tk::TClassInfo info("TSkinProgress", &TSkinControl::StaticClass());
  return info;
}

bool TSkinProgress::HasProgressImage() const { return SkinData && SkinData->Progress && !SkinData->Progress->Bitmap.Empty(); }

bool TSkinProgress::BeforeMessage(tk::TMessage& msg) {
  if (!TSkinControl::BeforeMessage(msg)) return false;
  switch (msg.Msg) {
    case WM_PAINT:
      if (!HasProgressImage()) return true;
      PaintWithBeginPaint(msg);
      return false;
    case WM_ERASEBKGND:
      msg.Result = 1;
      return false;
    default:
      return true;
  }
}

int TSkinProgress::FilledLength(int width, int position, int low, int high) {
  const int64_t span = int64_t{high} - low;
  if (width <= 0 || span <= 0 || position <= low) return 0;
  if (position >= high) return width;
  return MulDiv(width, position - low, static_cast<int>(span));
}

void TSkinProgress::Draw(HDC dc, const RECT& rect) {
  if (!HasProgressImage() || !Handle) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const bool vertical = (WindowLong(Handle, GWL_STYLE) & PBS_VERTICAL) != 0;
  // Lying down: the bar's length runs along x.
  const int length = vertical ? height : width, thickness = vertical ? width : height;
  const int position = static_cast<int>(SendMessageW(Handle, PBM_GETPOS, 0, 0));
  const int high = static_cast<int>(SendMessageW(Handle, PBM_GETRANGE, FALSE, 0));
  const int low = static_cast<int>(SendMessageW(Handle, PBM_GETRANGE, TRUE, 0));
  const int filled = FilledLength(length, position, low, high);

  tk::TBitmap bitmap(length, thickness, tk::TPixelFormat::pf24bit);
  HDC work = bitmap.Canvas().Handle();
  FillColor(work, RECT{0, 0, length, thickness}, SkinData->Colors[scButtonFace]);
  if (SkinData->Progress->Style == ChunkStyle) DrawChunks(work, length, thickness, filled);
  else DrawBar(work, length, thickness, filled);
  if (vertical) RotateBitmapLeft(bitmap);
  BitBlt(dc, rect.left, rect.top, width, height, bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TSkinProgress::DrawBar(HDC dc, int width, int height, int filled) {
  TDataSkinBorder& progress = *SkinData->Progress;
  DrawBitmapFrame(dc, RECT{0, 0, width, height}, progress.Bitmap, false, progress.Tile == 1, 1, 2, 1, progress.Margins());
  if (filled > 0)
    DrawBitmapFrame(dc, RECT{0, 0, filled, height}, progress.Bitmap, false, progress.Tile == 1, 1, 2, 2, progress.Margins());
}

void TSkinProgress::DrawChunks(HDC dc, int width, int height, int filled) {
  TDataSkinBorder& progress = *SkinData->Progress;
  DrawBitmapFrame(dc, RECT{0, 0, width, height}, progress.Bitmap, false, progress.Tile == 1, 1, 1, 1, progress.Margins());
  TDataSkinObject* chunk = SkinData->ProgressChunk.get();
  if (!chunk || chunk->Bitmap.Empty() || filled <= 0) return;
  const int chunkW = chunk->Bitmap.Width(), chunkH = chunk->Bitmap.Height();
  // The pieces stay inside the bar's frame.
  const int right = std::min(ChunkInset + filled, width - ChunkInset);
  tk::SavedDC saved(dc);
  IntersectClipRect(dc, 0, 0, right, height);
  if (chunk->Tile == 1) {
    const int copies = filled / chunkW + 1;
    const int top = (height - chunkH) / 2;
    for (int i = 0, x = chunk->LeftWidth + ChunkInset; i < copies; ++i, x += chunkW)
      DrawBitmapFrame(dc, RECT{x, top, x + chunkW, top + chunkH}, chunk->Bitmap, false, false, chunk->Trans, 1, 1, {});
    return;
  }
  const TElementMargins ends{chunk->LeftWidth, 0, chunk->RightWidth, 0};
  DrawBitmapFrame(dc, RECT{ChunkInset, ChunkInset, ChunkInset + filled, height - ChunkInset}, chunk->Bitmap, false, false, chunk->Trans,
                  1, 1, ends);
}
