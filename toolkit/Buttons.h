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

}  // namespace tk
