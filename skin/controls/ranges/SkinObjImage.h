// Controls that take their check or radio marks from picture properties get those pictures cut
// from the skin's check and radio images; the controls then draw themselves. No subclassing.
#pragma once

#include <memory>

#include "WinSubClass.h"

class TSkinObjImage : public TSkinControl {
  TK_CLASS(TSkinObjImage)
 public:
  enum TImageKind { ikCheck = 1, ikRadio = 2, ikGlyph = 3 };
  TSkinObjImage(tk::TComponent* owner, TImageKind kind) : TSkinControl(owner), Kind(kind) {}

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  void Unskin() override;
  void SkinChanged() override;

  // The strip of a kind built from a source strip of sourceFrames frames: source frame numbers
  // (from 1) place by place; the fifth frame's places are left out when the source has fewer.
  static std::unique_ptr<tk::TBitmap> BuildStrip(tk::TBitmap& source, int sourceFrames, TImageKind kind);

  const TImageKind Kind;

 private:
  void BuildPicture();
};
