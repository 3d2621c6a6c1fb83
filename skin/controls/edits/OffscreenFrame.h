// Drawing a control's frame off screen and copying it in one BitBlt, leaving the parts the
// control paints itself (its text, its list) as they are on the screen.
#pragma once

#include <windows.h>

#include <vector>

#include "GdiHandle.h"

class TOffscreenFrame {
 public:
  // A memory picture of rect's size that starts in the background colour (what shows through the
  // transparent parts of skin images: the parent's colour). Reading the screen back would cost
  // more than the whole drawing.
  TOffscreenFrame(HDC target, const RECT& rect, COLORREF background);
  ~TOffscreenFrame();
  TOffscreenFrame(const TOffscreenFrame&) = delete;
  TOffscreenFrame& operator=(const TOffscreenFrame&) = delete;

  // Draw here, in the coordinates of rect.
  HDC DC() const { return FMemory.Get(); }
  HDC Target() const { return FTarget; }
  bool Valid() const { return FMemory && FBitmap; }
  // A part of rect that is left as the control painted it.
  void Keep(const RECT& part) { FKept.push_back(part); }
  // The one copy to the target.
  void CopyToTarget() const;

 private:
  HDC FTarget;
  RECT FRect;
  tk::UniqueDC FMemory;
  tk::UniqueBitmapHandle FBitmap;
  HGDIOBJ FOldBitmap = nullptr;
  std::vector<RECT> FKept;
};

// Frames rect in a colour, one pixel wide.
void FrameWithColour(HDC dc, const RECT& rect, COLORREF colour);
// The thin frame edits, pickers and extended combo boxes get: one ring in the shadow colour, then
// `whiteRings` rings of white inside it.
void DrawShadowFrame(HDC dc, const RECT& rect, COLORREF shadow, int whiteRings);
// Whether the window has a border: its client area is smaller than rect in both directions.
bool HasBorder(HWND wnd, const RECT& rect);
