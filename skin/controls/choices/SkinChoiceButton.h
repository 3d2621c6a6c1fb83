// What check box and radio button painters share: a box frame from the skin's Buttons section
// beside the caption, painted whole while the skin has the box image, drawn over the system's
// picture otherwise.
#pragma once

#include "ChoiceFrames.h"
#include "WinSubClass.h"

class TSkinChoiceButton : public TSkinControl {
  TK_CLASS(TSkinChoiceButton)
 public:
  using TSkinControl::TSkinControl;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  bool BeforeMessage(tk::TMessage& msg) override;
  void AfterMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  // Tag 5555 or the skin's xoTransparent: the parent shows around the box and caption.
  uint8_t ParentLook = 0;
  static constexpr int64_t ParentLookTag = 5555;

 protected:
  // The skin's box image and its frame count (null when the skin has none).
  virtual tk::TBitmap* BoxImage() const = 0;
  virtual int BoxFrameCount() const = 0;
  virtual int FrameIndex() const = 0;
  // Pixels between the right edge and a box put at the right (BS_LEFTTEXT).
  virtual int RightBoxInset() const = 0;
  // What the frame choice reads from the control, common to both kinds.
  TCheckFrameInput FrameInput() const;

 private:
  bool HasBoxImage() const;
  void DrawCaption(HDC dc, RECT textRect, UINT format);
};
