#include "SkinBox.h"

#include "WinSkinData.h"

const tk::TClassInfo& TSkinBox::StaticClass() {
  static const tk::TClassInfo info("TSkinBox", &TSkinControl::StaticClass());
  return info;
}

void TSkinBox::Attach(TWinSkinForm* form, TSkinData* skin, bool recolour, tk::TCanvas* canvas) {
  if (Attached) return;
  Recolour = recolour;
  SkinData = skin;
  Canvas = canvas;
  Control = dynamic_cast<tk::TControl*>(Owner());
  if (Control) {
    FreeNotification(Control);
    if (auto* windowed = dynamic_cast<tk::TWinControl*>(Control)) Handle = windowed->HandleIfAllocated();
  }
  RegisterWithForm(form);
  if (Recolour && Control && SkinData) {
    SetParentBackground(true);
    SavedColor = Control->Color();
    Control->SetColor(SkinData->Colors[scButtonFace]);
  }
  Attached = true;
  State = psAttached;
}

void TSkinBox::Unskin() {
  if (State != bsLeft && Recolour && Control) {
    SetParentBackground(false);
    Control->SetColor(SavedColor);
  }
  Active = false;
  State = bsUnskinned;
}
