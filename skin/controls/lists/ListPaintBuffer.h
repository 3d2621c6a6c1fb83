// An off-screen picture of a rectangle's size for the list painters: drawn into, then copied to
// the target DC in one BitBlt.
#pragma once

#include <windows.h>

#include "GdiHandle.h"

class TListPaintBuffer {
 public:
  // Starts filled with background.
  TListPaintBuffer(HDC target, const RECT& rect, COLORREF background);
  ~TListPaintBuffer();
  TListPaintBuffer(const TListPaintBuffer&) = delete;
  TListPaintBuffer& operator=(const TListPaintBuffer&) = delete;

  // Draw here, in the coordinates of rect.
  HDC DC() const { return FMemory.Get(); }
  bool Valid() const { return FMemory && FBitmap; }
  void CopyToTarget() const;

 private:
  HDC FTarget;
  RECT FRect;
  tk::UniqueDC FMemory;
  tk::UniqueBitmapHandle FBitmap;
  HGDIOBJ FOldBitmap = nullptr;
};

// Fills rect with a solid colour; frames it one pixel wide.
void FillWithColour(HDC dc, const RECT& rect, COLORREF colour);
void OutlineWithColour(HDC dc, const RECT& rect, COLORREF colour);
