// The push button painter: the whole button (background, the skin's frame for its state, the
// caption, the focus rectangle) composed off screen and put on the screen in one copy. It also
// takes the mouse over from the button, so that the button's own look never shows while pressed.
// The bit and menu button painters build on it.
#pragma once

#include "WinSubClass.h"

class TDataSkinButton;

class TSkinButton : public TSkinControl {
  TK_CLASS(TSkinButton)
 public:
  explicit TSkinButton(tk::TComponent* owner);

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  void AttachWindow(HWND handle, TSkinData* skin, TWinSkinForm* form, tk::TCanvas* canvas) override;
  bool BeforeMessage(tk::TMessage& msg) override;
  void AfterMessage(tk::TMessage& msg) override;
  void Draw(HDC dc, const RECT& rect) override;

  tk::TBitmap Buffer;       // the off-screen picture, resized at every paint
  bool ParentLook = false;  // the parent's picture under the skin frame instead of ButtonFace

 protected:
  // The skin's Buttons element when it has a picture, else null (then nothing is drawn).
  TDataSkinButton* ButtonsElement() const;
  // The control's Default property is true.
  bool IsDefault() const;
  // Caption from the control's Caption (a bare window: its text), bounded and prepared.
  void ReadCaption();
  // Buffer sized to work (false when it cannot be) and filled with the background.
  bool PrepareBuffer(const RECT& work);
  // A focus rectangle belongs on the caption: focused and the skin does not forbid it.
  bool WantsFocusRect() const;
  // The font the caption is drawn with: the control's, or the bare window's own.
  HFONT CaptionFont() const;
  COLORREF BaseTextColour() const;
  // The click a release inside the pressed button makes.
  void ClickNow();
  // The owner-drawn button asks its parent to draw it: the painter draws instead.
  void DrawItemInstead(tk::TMessage& msg);

 private:
  static bool ParentLookWanted(const tk::TComponent* control, const TSkinData* skin);
};
