// Check boxes and radio buttons that take their marks from pictures (the style of other component
// libraries the skin engine knows by class name): TRzCheckBox and TRzRadioButton draw the mark from
// the CustomGlyphs strip when UseCustomGlyphs is on, TcxCheckBox from the Glyph of its Properties.
// Without a picture each draws a plain box or circle.
#pragma once

#include <memory>

#include "Controls.h"
#include "Graphics.h"

namespace tk {

// A box (or circle) with a caption that the user ticks with a click.
class TPictureMarkBox : public TCustomControl {
  TK_CLASS(TPictureMarkBox)
 public:
  TPictureMarkBox(TComponent* owner, bool radio);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool Radio() const { return radio_; }

 protected:
  void Paint() override;
  void WndProc(TMessage& msg) override;
  // Draws the mark from the control's picture into box; false when it has none to draw from.
  virtual bool DrawPictureMark(HDC dc, const RECT& box) { return false; }
  // Which place of a strip of groups x 3 frames shows the state (0-based).
  int MarkPlace(int groups) const;
  bool pressed_ = false;

 private:
  void DrawPlainMark(HDC dc, const RECT& box);
  bool checked_ = false;
  bool radio_;
};

class TRzCheckBox : public TPictureMarkBox {
  TK_CLASS(TRzCheckBox)
 public:
  explicit TRzCheckBox(TComponent* owner, bool radio = false);
  TBitmap* CustomGlyphs() const { return glyphs_.get(); }
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor v);
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  void SetUseCustomGlyphs(bool v);

 protected:
  bool DrawPictureMark(HDC dc, const RECT& box) override;

 private:
  std::unique_ptr<TBitmap> glyphs_ = std::make_unique<TBitmap>();
  TColor transparentColor_ = 0x008080;  // olive
  bool useCustomGlyphs_ = false;
};

class TRzRadioButton : public TRzCheckBox {
  TK_CLASS(TRzRadioButton)
 public:
  explicit TRzRadioButton(TComponent* owner) : TRzCheckBox(owner, true) {}
};

// The Properties object of a TcxCheckBox.
class TcxCheckBoxProperties : public TObject {
  TK_CLASS(TcxCheckBoxProperties)
 public:
  TBitmap* Glyph() const { return glyph_.get(); }

 private:
  std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
};

class TcxCheckBox : public TPictureMarkBox {
  TK_CLASS(TcxCheckBox)
 public:
  explicit TcxCheckBox(TComponent* owner);
  TcxCheckBoxProperties* Properties() const { return properties_.get(); }

 protected:
  bool DrawPictureMark(HDC dc, const RECT& box) override;

 private:
  std::unique_ptr<TcxCheckBoxProperties> properties_ = std::make_unique<TcxCheckBoxProperties>();
};

}  // namespace tk
