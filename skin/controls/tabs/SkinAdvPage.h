// Page controls that draw their tabs from two pictures of their own: with style 4 the painter cuts
// the Tabs element's first two frames into those pictures, and skins the control's scroll arrows.
#pragma once

#include "WinSubClass.h"

class TSkinAdvPage : public TSkinControl {
  TK_CLASS(TSkinAdvPage)
 public:
  static constexpr int PictureStyle = 4;
  static constexpr int PictureWidth = 100, PictureHeight = 21;

  explicit TSkinAdvPage(tk::TComponent* owner);
  ~TSkinAdvPage() override;

  void Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) override;
  void Unskin() override;
  // The control draws itself from the pictures.
  void Draw(HDC, const RECT&) override {}
  void SkinChanged() override;

  TSkinControl* UpDown = nullptr;  // painter of the scroll arrows, owned by the form painter

 protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override;

 private:
  void CutPictures();
  void SetPicture(const char* property, int frame);
};
