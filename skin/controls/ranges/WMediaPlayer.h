// The panel the media player painter lays over a media player control: it draws the shown
// buttons from the skin's Buttons element with glyph bitmaps of the program's own resources, and
// passes the mouse on to the control beneath.
#pragma once

#include <array>
#include <memory>

#include "Controls.h"
#include "Graphics.h"

class TSkinControl;

class TWMediaPlayer : public tk::TCustomControl {
  TK_CLASS(TWMediaPlayer)
 public:
  static constexpr int ButtonCount = 9;
  enum TGlyphLook { glEnabled, glDisabled, glColoured };
  // The resource name of a glyph: "EN_MPPLAY" ... "CL_MPEJECT".
  static std::wstring GlyphName(TGlyphLook look, int button);

  explicit TWMediaPlayer(tk::TComponent* owner);

  TSkinControl* Painter = nullptr;
  tk::TControl* Player = nullptr;

  // The glyph of a button in a look; empty when the module has no such resource.
  const tk::TBitmap& Glyph(TGlyphLook look, int button) const { return *FGlyphs[look * ButtonCount + button]; }
  // Button index (0 play ... 8 eject) shown in the column that holds client x; -1 for none.
  int ButtonAt(int x) const;
  int PressedButton() const { return FPressed ? FDownButton : -1; }

 protected:
  void Paint() override;
  void WndProc(tk::TMessage& msg) override;

 private:
  struct TButtonLooks {
    bool Shown[ButtonCount]{}, Enabled[ButtonCount]{}, Coloured[ButtonCount]{};
    int ShownCount = 0;
  };
  TButtonLooks ReadLooks() const;
  void PressAt(const tk::TMessage& msg);
  void ReleaseAt(const tk::TMessage& msg);
  void PassToPlayer(const tk::TMessage& msg);

  std::array<std::unique_ptr<tk::TBitmap>, 3 * ButtonCount> FGlyphs;
  bool FPressed = false;
  int FDownButton = -1;
};
