#pragma once
// The bit button: a push button that draws a glyph beside its caption.
#include <memory>

#include "StdCtrls.h"

namespace tk {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
TK_ENUM(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom");

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
TK_ENUM(TBitBtnKind, "bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort", "bkRetry", "bkIgnore", "bkAll");

class TBitBtn : public TButton {
  TK_CLASS(TBitBtn)
 public:
  explicit TBitBtn(TComponent* owner);
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* glyph);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout v) { layout_ = v; Invalidate(); }
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind v) { kind_ = v; Invalidate(); }
  int Margin() const { return margin_; }
  void SetMargin(int v) { margin_ = v; Invalidate(); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int v) { spacing_ = v; Invalidate(); }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int v) { numGlyphs_ = std::clamp(v, 1, 4); Invalidate(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& msg) override;

 private:
  void DrawItem(const DRAWITEMSTRUCT& item);
  std::unique_ptr<TBitmap> glyph_;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
  int margin_ = -1;
  int spacing_ = 4;
  int numGlyphs_ = 1;
};

// A windowless tool button: a glyph and a caption, pressed by the mouse; with a GroupIndex it
// stays down, and one of its group at a time is down.
class TSpeedButton : public TGraphicControl {
  TK_CLASS(TSpeedButton)
 public:
  explicit TSpeedButton(TComponent* owner);
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int v) { numGlyphs_ = std::clamp(v, 1, 4); Invalidate(); }
  bool Flat() const { return flat_; }
  void SetFlat(bool v) { flat_ = v; Invalidate(); }
  bool Down() const { return down_; }
  void SetDown(bool v);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int v) { groupIndex_ = v; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool v) { allowAllUp_ = v; }
  int Margin() const { return margin_; }
  void SetMargin(int v) { margin_ = v; Invalidate(); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int v) { spacing_ = v; Invalidate(); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout v) { layout_ = v; Invalidate(); }
  // Held down by the mouse right now.
  bool Pressed() const { return pressed_; }

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 protected:
  void WndProc(TMessage& msg) override;
  void Paint() override;

 private:
  void ReleaseOthersOfGroup();
  std::unique_ptr<TBitmap> glyph_;
  int numGlyphs_ = 1;
  bool flat_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  int margin_ = -1;
  int spacing_ = 4;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  bool pressed_ = false;
};

}  // namespace tk
