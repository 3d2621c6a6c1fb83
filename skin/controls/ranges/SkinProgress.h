// Progress bars in the skin's look: the Progress element's frame over the whole bar and the filled
// part in proportion to the position, either as its second frame or as ProgressChunk pieces. A
// vertical bar is composed lying down and turned, so that it fills from the bottom.
#pragma once

#include "WinSubClass.h"

class TSkinProgress : public TSkinControl {
  TK_CLASS(TSkinProgress)
 public:
  using TSkinControl::TSkinControl;

  bool BeforeMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  // How many of width pixels show position within [low, high]: none at or below the minimum (and
  // for an empty range), all at or past the maximum.
  static int FilledLength(int width, int position, int low, int high);

 private:
  bool HasProgressImage() const;
  void DrawBar(HDC dc, int width, int height, int filled);
  void DrawChunks(HDC dc, int width, int height, int filled);
};
