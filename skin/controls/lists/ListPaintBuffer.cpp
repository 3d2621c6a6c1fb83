#include "ListPaintBuffer.h"

TListPaintBuffer::TListPaintBuffer(HDC target, const RECT& rect, COLORREF background) : FTarget(target), FRect(rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!target || w <= 0 || h <= 0) return;
  FMemory.Reset(CreateCompatibleDC(target));
  FBitmap.Reset(CreateCompatibleBitmap(target, w, h));
  if (!FMemory || !FBitmap) return;
  FOldBitmap = SelectObject(FMemory.Get(), FBitmap.Get());
  SetViewportOrgEx(FMemory.Get(), -rect.left, -rect.top, nullptr);
  FillWithColour(FMemory.Get(), rect, background);
}

TListPaintBuffer::~TListPaintBuffer() {
  if (FOldBitmap) SelectObject(FMemory.Get(), FOldBitmap);
}

void TListPaintBuffer::CopyToTarget() const {
  if (!Valid()) return;
  BitBlt(FTarget, FRect.left, FRect.top, FRect.right - FRect.left, FRect.bottom - FRect.top, FMemory.Get(), FRect.left,
         FRect.top, SRCCOPY);
}

void FillWithColour(HDC dc, const RECT& rect, COLORREF colour) {
  tk::UniqueBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &rect, brush.Get());
}

void OutlineWithColour(HDC dc, const RECT& rect, COLORREF colour) {
  tk::UniqueBrush brush(CreateSolidBrush(colour));
  FrameRect(dc, &rect, brush.Get());
}
