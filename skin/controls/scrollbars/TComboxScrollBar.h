// The painter of a combo box's drop-down list: paints the list's vertical scroll bar from the skin
// inside the list's own frame, and drags its thumb itself (the list's own drag would repaint the
// native thumb over the skin). Arrows and track are left to the system.
//
// The combo box painter attaches it to the list window with AttachWindow (or
// AttachComboListScrollBar below); it is owned by whoever makes it.
#pragma once

#include <cstdint>

#include "WinSubClass.h"

class TComboxScrollBar : public TSkinControl {
  TK_CLASS(TComboxScrollBar)
 public:
  explicit TComboxScrollBar(tk::TComponent* owner);

  bool BeforeMessage(tk::TMessage& msg) override;
  void AfterMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  int32_t ArrowSize = 0;
  int32_t Length = 0;
  int32_t ThumbStart = 0;
  int32_t ThumbEnd = 0;
  int32_t Vertical = 1;

 private:
  // Runs the thumb drag for a press at a screen point; false when the press is not on the thumb.
  bool DragThumb(POINT screenPoint);
};

// Makes a painter owned by `owner` and attaches it to the drop-down list window.
TComboxScrollBar* AttachComboListScrollBar(tk::TComponent* owner, HWND list, TSkinData* skin, TWinSkinForm* form,
                                           tk::TCanvas* canvas);
