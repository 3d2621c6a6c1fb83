#include "OffscreenFrame.h"

TOffscreenFrame::TOffscreenFrame(HDC target, const RECT& rect, COLORREF background) : FTarget(target), FRect(rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!target || w <= 0 || h <= 0) return;
  FMemory.Reset(CreateCompatibleDC(target));
  FBitmap.Reset(CreateCompatibleBitmap(target, w, h));
  if (!FMemory || !FBitmap) return;
  FOldBitmap = SelectObject(FMemory.Get(), FBitmap.Get());
  SetViewportOrgEx(FMemory.Get(), -rect.left, -rect.top, nullptr);
  tk::UniqueBrush brush(CreateSolidBrush(background));
  FillRect(FMemory.Get(), &rect, brush.Get());
}

TOffscreenFrame::~TOffscreenFrame() {
  if (FOldBitmap) SelectObject(FMemory.Get(), FOldBitmap);
}

void TOffscreenFrame::CopyToTarget() const {
  if (!Valid()) return;
  tk::SavedDC saved(FTarget);
  for (const RECT& r : FKept) ExcludeClipRect(FTarget, r.left, r.top, r.right, r.bottom);
  BitBlt(FTarget, FRect.left, FRect.top, FRect.right - FRect.left, FRect.bottom - FRect.top, FMemory.Get(), FRect.left,
         FRect.top, SRCCOPY);
}

void FrameWithColour(HDC dc, const RECT& rect, COLORREF colour) {
  tk::UniqueBrush brush(CreateSolidBrush(colour));
  FrameRect(dc, &rect, brush.Get());
}

void DrawShadowFrame(HDC dc, const RECT& rect, COLORREF shadow, int whiteRings) {
  FrameWithColour(dc, rect, shadow);
  RECT ring = rect;
  for (int i = 0; i < whiteRings; ++i) {
    InflateRect(&ring, -1, -1);
    FrameWithColour(dc, ring, RGB(255, 255, 255));
  }
}

bool HasBorder(HWND wnd, const RECT& rect) {
  RECT client{};
  if (!GetClientRect(wnd, &client)) return false;
  return client.right - client.left < rect.right - rect.left && client.bottom - client.top < rect.bottom - rect.top;
}
